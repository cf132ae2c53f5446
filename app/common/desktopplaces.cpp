#include "common/desktopplaces.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace DesktopPlaces {

QString volumesFolder()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    for (const QString &candidate :
         {QStringLiteral("/run/media/") + user, QStringLiteral("/media/") + user}) {
        if (QFileInfo(candidate).isDir())
            return candidate;
    }
    return QStringLiteral("/media");
}

QString disksProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("gnome-disks"));
}

void openFolder(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool launchDisks()
{
    const QString program = disksProgram();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

} // namespace DesktopPlaces
