#pragma once

#include "common/operationprompts.h"
#include "common/surfaceinterfaces.h"
#include "operations/diskoperations.h"
#include "policy/mediadefinitionstransport.h"
#include "services/autoejectcontroller.h"
#include "services/autostartmanager.h"
#include "shortcuts/shortcutregistry.h"
#include "stores/historyrecording.h"

#include "sysfsactivitymonitor.h"

#include <QCoro/QCoroTask>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class Application;
class DiskSource;
class QWidget;
class ReplaceableNotifications;
class SettingsStore;

// Everything the application takes from the platform, so that the same application runs
// over udisks2 in the program and over fakes or a private disk service in tests.
struct AppServices {
    // Owns the platform objects the services below use (the udisks2 client and alike); first,
    // so that it is destroyed after them.
    std::shared_ptr<QObject> platform;
    SettingsStore *defaults = nullptr;
    // Called once, when the volume store is first needed.
    std::function<std::shared_ptr<DiskSource>()> makeDiskSource;
    // Completes once the disk service has answered for the first time (or proved absent), so
    // that the first list is complete and an Eject All right after the start finds the disks;
    // unset, the store starts at once.
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
    // Where the notices of a drive being written to and safe to unplug go; owned by
    // `platform`. Unset: none are shown.
    ReplaceableNotifications *unplugNotifications = nullptr;
    // The desktop asks for no animations; unset means animations are on.
    std::function<bool()> reduceMotion;
    // Launch at login; none where the program cannot start itself at login.
    std::unique_ptr<AutostartManager> autostart;
    // Starts `program` as a new instance and ends this one (a language change takes effect).
    std::function<void(const QString &program)> relaunch;
    // The first start's offer to move a portable copy into place; true when the moved copy is
    // being started and this instance quits. Unset: no offer.
    std::function<bool(SettingsStore &)> offerMove;
    // The named global shortcuts; unset where nothing records or registers them. Without a
    // hot-key service of the desktop it stores names but registers nothing.
    std::unique_ptr<GlobalShortcuts::Registry> shortcuts;
    // The surfaces that the application creates on demand; unset ones are not offered.
    std::function<std::unique_ptr<PopoverSurface>(Application &)> makePopover;
    std::function<std::unique_ptr<MainWindowSurface>(Application &)> makeMainWindow;
    // The Preferences pane's content, hosted by the main window. Unset, the pane and every
    // "Preferences…" item are left out.
    std::function<QWidget *(Application &, QWidget *parent)> makePreferencesPane;
    // Starts uninstalling; unset, "Uninstall Quillmere…" is not offered.
    std::function<void(Application &)> uninstall;

    // The program's own: udisks2 on the system bus, the history and settings of this user,
    // the real dialogs.
    static AppServices production(SettingsStore &defaults);
};
