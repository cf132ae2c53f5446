#include "services/uninstallui.h"

#include "common/alertdialog.h"
#include "services/trash.h"
#include "stores/appsupport.h"
#include "stores/settingsstore.h"
#include "stores/uninstallplan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcUninstall, "quillmere.uninstall")

bool uninstalling = false;

// A folder with everything in it, or a file; a path that is not there is skipped.
void removePath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    const bool removed =
        info.isDir() && !info.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
    if (!removed)
        qCInfo(lcUninstall) << "Could not remove" << path;
}

} // namespace

UninstallUI::Dependencies UninstallUI::forThisProgram(SettingsStore &defaults)
{
    Dependencies d;
    d.defaults = &defaults;
    d.folders = UserFolders::current();
    d.program = ProgramFile::current();
    d.applicationId = AppSupport::bundleIdentifier();
    d.confirm = &UninstallUI::confirmWithDialog;
    d.quit = [] { QCoreApplication::quit(); };
    return d;
}

void UninstallUI::presentFor(SettingsStore &defaults)
{
    UninstallUI(forThisProgram(defaults)).present();
}

UninstallUI::UninstallUI(Dependencies dependencies) : m_d(std::move(dependencies)) {}

bool UninstallUI::isUninstalling()
{
    return uninstalling;
}

bool UninstallUI::present()
{
    const bool usersCopy =
        UninstallPlan::isUserCopy(m_d.program.path, m_d.program.isAppImage, m_d.folders.home);
    if (!m_d.confirm(confirmationBody(usersCopy)))
        return false;
    run();
    return true;
}

void UninstallUI::run()
{
    uninstalling = true;
    const UserFolders &folders = m_d.folders;
    const QString &id = m_d.applicationId;

    removePath(UninstallPlan::autostartFile(folders, id));
    removePath(UninstallPlan::supportDirectory(folders, id));

    // Through the settings themselves first, so the running program forgets its values too.
    if (m_d.defaults)
        m_d.defaults->removeAll();
    for (const QString &path : UninstallPlan::defaultsFiles(folders, id))
        removePath(path);
    // Other domains (the predecessor's settings) may share the folder.
    QDir().rmdir(UninstallPlan::defaultsDirectory(folders));

    for (const QString &path : UninstallPlan::auxiliaryPaths(folders, id))
        removePath(path);

    if (UninstallPlan::isUserCopy(m_d.program.path, m_d.program.isAppImage, folders.home)) {
        QString error;
        if (!Trash::moveToTrash(m_d.program.path, &error))
            qCInfo(lcUninstall) << "Could not move" << m_d.program.path << "to the trash:" << error;
    }
    m_d.quit();
}

QString UninstallUI::confirmationBody(bool programIsUsersCopy)
{
    if (programIsUsersCopy)
        //: Uninstall confirmation body (uninstall.body), the program is the user's own copy
        return QCoreApplication::translate(
            "UninstallUI",
            "Quillmere will remove its history, settings, cached media definitions and autostart "
            "entry, move itself to the trash and quit. This cannot be undone.");
    //: Uninstall confirmation body (uninstall.body), the program came with the system's packages
    return QCoreApplication::translate(
        "UninstallUI",
        "Quillmere will remove its history, settings, cached media definitions and autostart "
        "entry, and quit. The program itself is installed for all users: to remove it as well, "
        "remove "
        "the package “quillmere” with your package manager (for example: sudo apt remove "
        "quillmere).");
}

bool UninstallUI::confirmWithDialog(const QString &body)
{
    AlertDialog dialog(AlertDialog::Style::warning,
                       //: Uninstall confirmation title
                       QCoreApplication::translate("UninstallUI", "Uninstall Quillmere?"), body,
                       //: Destructive button
                       QCoreApplication::translate("UninstallUI", "Uninstall"), true);
    return dialog.run();
}
