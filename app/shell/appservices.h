#pragma once

#include "operations/diskoperations.h"
#include "policy/mediadefinitionstransport.h"
#include "services/autoejectcontroller.h"
#include "shell/operationprompts.h"
#include "shell/surfaceinterfaces.h"
#include "stores/historyrecording.h"

#include "sysfsactivitymonitor.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AppDelegate;
class DiskSource;
class UserDefaults;

// Everything the application delegate takes from the platform, so that the same delegate runs
// over udisks2 in the program and over fakes or a private disk service in tests.
struct AppServices {
    // Owns the platform objects the services below use (the udisks2 client and alike); first,
    // so that it is destroyed after them.
    std::shared_ptr<QObject> platform;
    UserDefaults *defaults = nullptr;
    // Called once, when the volume store is first needed.
    std::function<std::shared_ptr<DiskSource>()> makeDiskSource;
    // Completes once the disk service has answered for the first time (or proved absent), so
    // that the first list is complete; unset, the store starts at once.
    std::function<QCoro::Task<>()> untilDiskServiceAnswered;
    std::unique_ptr<DiskOperations> operations;
    std::unique_ptr<HistoryRecording> history;
    std::unique_ptr<OperationPrompts> prompts;
    std::unique_ptr<MediaDefinitionsTransport> definitionsTransport;
    QString overridesPath;
    QString definitionsCachePath;
    std::unique_ptr<SysfsActivityMonitor> activityMonitor;
    // Sleep, screen-lock and notification services for auto-eject; owned by `platform`.
    AutoEjectController::SystemEvents autoEjectEvents;
    // None where the desktop offers no system-wide key grab.
    std::unique_ptr<ShortcutRegistry> shortcuts;
    // The surfaces that the delegate creates on demand; unset ones are not offered.
    std::function<std::unique_ptr<PopoverSurface>(AppDelegate &)> makePopover;
    std::function<std::unique_ptr<MainWindowSurface>(AppDelegate &)> makeMainWindow;

    // The program's own: udisks2 on the system bus, the history and settings of this user,
    // the real dialogs.
    static AppServices production(UserDefaults &defaults);
};
