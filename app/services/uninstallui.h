#pragma once

#include "services/programfile.h"
#include "stores/userfolders.h"

#include <QString>
#include <functional>

class SettingsStore;

// Removes everything the program stored for the user after a confirmation: the autostart entry,
// the support folder, the settings, the cache and a moved copy's launcher entry, each failure
// skipped; then trashes the program when it is the user's own copy, and quits. A program the
// package manager installed is left to it, and the confirmation says so. Main thread.
class UninstallUI {
public:
    struct Dependencies {
        // The running settings domain, emptied.
        SettingsStore *defaults = nullptr;
        UserFolders folders;
        ProgramFile program;
        QString applicationId;
        // Modal; true for "Uninstall".
        std::function<bool(const QString &body)> confirm;
        std::function<void()> quit;
    };

    static Dependencies forThisProgram(SettingsStore &defaults);
    // The "Uninstall Quillmere…" item, for the running settings domain.
    static void presentFor(SettingsStore &defaults);

    explicit UninstallUI(Dependencies dependencies);

    // Set for the rest of the process once an uninstall has started: nothing is written back
    // at quit.
    static bool isUninstalling();

    // The confirmation, then run(); false when cancelled.
    bool present();
    void run();

    static QString confirmationBody(bool programIsUsersCopy);
    static bool confirmWithDialog(const QString &body);

private:
    Dependencies m_d;
};
