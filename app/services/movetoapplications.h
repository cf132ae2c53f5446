#pragma once

#include "stores/userfolders.h"

#include <QString>
#include <functional>

class SettingsStore;

// The offer, made once per location, to move a copy of the program that runs from a place of
// fresh downloads into ~/Applications: copies it there with a launcher entry, trashes the old
// copy where that is safe and starts the new one. Main thread; the dialogs are modal.
class MoveToApplications {
public:
    struct Dependencies {
        SettingsStore *defaults = nullptr;
        UserFolders folders;
        QString bundlePath;
        QString applicationId;
        // The launcher entry of the installed program, rewritten for the copy.
        QString launcherTemplate;
        // True for "Move to Applications".
        std::function<bool(const QString &locationDescription)> askToMove;
        std::function<void(const QString &error)> showFailure;
        std::function<bool(const QString &program)> relaunch;
        std::function<void()> quit;
    };

    // This program, this user's folders, the real dialogs, the relaunch and the quit.
    static Dependencies forThisProgram(SettingsStore &defaults);
    // The first-start task's call: true when the moved copy is being started and this
    // instance quits, so the rest of the start-up is skipped.
    static bool offerIfNeeded(SettingsStore &defaults);

    explicit MoveToApplications(Dependencies dependencies);

    bool offerIfNeeded();

    static bool askWithDialog(const QString &locationDescription);
    static void showFailureDialog(const QString &error);

private:
    bool move(const QString &from);
    // Empty when written, otherwise why not.
    QString writeLauncherEntry(const QString &program);
    void removeSourceIfDisposable(const QString &source);
    void relaunch(const QString &at);

    Dependencies m_d;
};
