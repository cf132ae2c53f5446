#include "services/movetoapplications.h"

#include "common/alertdialog.h"
#include "common/failurealert.h"
#include "services/apprelaunch.h"
#include "services/programfile.h"
#include "services/trash.h"
#include "stores/appsupport.h"
#include "stores/desktopentry.h"
#include "stores/installlocation.h"
#include "stores/settingskeys.h"
#include "stores/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSaveFile>

namespace {

Q_LOGGING_CATEGORY(lcMove, "quillmere.move")

const char launcherResource[] = ":/launcher/com.quillmere.app.desktop";
const char installedProgramName[] = "quillmere";

QString readLauncherTemplate()
{
    QFile file(QString::fromLatin1(launcherResource));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// System messages come without a full stop; the failure text goes on after it.
QString asSentence(QString text)
{
    text = text.trimmed();
    if (!text.isEmpty() && !text.endsWith(u'.') && !text.endsWith(u'!'))
        text += u'.';
    return text;
}

} // namespace

MoveToApplications::Dependencies MoveToApplications::forThisProgram(SettingsStore &defaults)
{
    Dependencies d;
    d.defaults = &defaults;
    d.folders = UserFolders::current();
    d.bundlePath = ProgramFile::current().path;
    d.applicationId = AppSupport::bundleIdentifier();
    d.launcherTemplate = readLauncherTemplate();
    d.askToMove = &MoveToApplications::askWithDialog;
    d.showFailure = &MoveToApplications::showFailureDialog;
    d.relaunch = &AppRelaunch::relaunch;
    d.quit = [] { QCoreApplication::quit(); };
    return d;
}

bool MoveToApplications::offerIfNeeded(SettingsStore &defaults)
{
    return MoveToApplications(forThisProgram(defaults)).offerIfNeeded();
}

MoveToApplications::MoveToApplications(Dependencies dependencies) : m_d(std::move(dependencies)) {}

bool MoveToApplications::offerIfNeeded()
{
    if (!InstallLocation::shouldOfferMove(m_d.bundlePath, m_d.folders))
        return false;
    const QString key = QString::fromLatin1(SettingsKeys::moveOfferDeclinedLocations);
    QStringList declined = m_d.defaults->stringList(key).value_or(QStringList());
    if (declined.contains(m_d.bundlePath))
        return false;

    if (m_d.askToMove(InstallLocation::locationDescription(m_d.bundlePath, m_d.folders)))
        return move(m_d.bundlePath);

    declined.append(m_d.bundlePath);
    m_d.defaults->setStringList(key, declined);
    return false;
}

bool MoveToApplications::move(const QString &from)
{
    const QString destination = InstallLocation::destination(from, m_d.folders.home);
    const QFileInfo existing(destination);
    QString error;
    if ((existing.exists() || existing.isSymLink()) && !Trash::moveToTrash(destination, &error)) {
        m_d.showFailure(asSentence(error));
        return false;
    }

    const QString folder = InstallLocation::applicationsFolder(m_d.folders.home);
    if (!QDir().mkpath(folder)) {
        m_d.showFailure(asSentence(
            //: Move failure reason
            QCoreApplication::translate("MoveToApplications", "Cannot create the folder %1")
                .arg(folder)));
        return false;
    }
    // Copies through a temporary file beside the destination, keeping the permissions.
    QFile source(from);
    if (!source.copy(destination)) {
        m_d.showFailure(asSentence(source.errorString()));
        return false;
    }

    const QString launcherError = writeLauncherEntry(destination);
    if (!launcherError.isEmpty())
        qCWarning(lcMove) << "The moved copy has no launcher entry:" << launcherError;

    removeSourceIfDisposable(from);
    relaunch(destination);
    return true;
}

QString MoveToApplications::writeLauncherEntry(const QString &program)
{
    if (m_d.launcherTemplate.isEmpty())
        return QStringLiteral("no launcher entry to start from");
    const QString path = InstallLocation::desktopEntryPath(m_d.folders.dataHome, m_d.applicationId);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QStringLiteral("cannot create ") + QFileInfo(path).path();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(DesktopEntry::forCopy(m_d.launcherTemplate,
                                     QString::fromLatin1(installedProgramName), program)
                   .toUtf8());
    return file.commit() ? QString() : file.errorString();
}

void MoveToApplications::removeSourceIfDisposable(const QString &source)
{
    // A copy below /tmp/ was unpacked there by something else, which cleans up after itself.
    if (InstallLocation::isTemporaryLocation(source, m_d.folders.home))
        return;
    // A read-only medium keeps its copy.
    if (!QFileInfo(QFileInfo(source).path()).isWritable())
        return;
    QString error;
    if (!Trash::moveToTrash(source, &error))
        qCInfo(lcMove) << "Left the old copy in place:" << source << error;
}

void MoveToApplications::relaunch(const QString &at)
{
    if (!m_d.relaunch(at))
        qCWarning(lcMove) << "Could not start the moved copy" << at;
    m_d.quit();
}

bool MoveToApplications::askWithDialog(const QString &locationDescription)
{
    AlertDialog dialog(
        AlertDialog::Style::informational,
        //: Move-offer title
        QCoreApplication::translate("MoveToApplications",
                                    "Move Quillmere to the Applications folder?"),
        //: Move-offer body; %1 is a location description
        QCoreApplication::translate(
            "MoveToApplications",
            "Quillmere is running from %1. Moving it to the Applications folder keeps it in the "
            "standard place and makes sure your desktop treats it as a properly installed app.")
            .arg(locationDescription),
        //: Move-offer button
        QCoreApplication::translate("MoveToApplications", "Move to Applications"), false);
    //: Move-offer decline button
    dialog.cancelButton()->setText(QCoreApplication::translate("MoveToApplications", "Don’t Move"));
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    return dialog.run();
}

void MoveToApplications::showFailureDialog(const QString &error)
{
    FailureAlert alert(
        //: Move failure title
        QCoreApplication::translate("MoveToApplications", "Couldn’t move Quillmere"),
        //: Move failure body; %1 is the underlying error
        QCoreApplication::translate("MoveToApplications",
                                    "Copying to the Applications folder failed: %1 You can move "
                                    "Quillmere there yourself in your file manager.")
            .arg(error));
    alert.setWindowFlag(Qt::WindowStaysOnTopHint);
    alert.run();
}
