#include "services/trash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Trash {

bool moveToTrash(const QString &path, QString *error)
{
    // Qt 6.4 takes a home trash it cannot make for the working folder and moves the file below
    // that instead; so the home trash (where every other trash falls back to) is made first, and
    // without it nothing is handed over.
    const QString homeTrash =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("Trash"));
    if (!QFileInfo(homeTrash).isDir() && QDir().mkpath(homeTrash))
        QFile::setPermissions(homeTrash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!QFileInfo(homeTrash).isDir()) {
        if (error)
            //: Why a file could not be moved to the trash; %1 is a folder
            *error = QCoreApplication::translate("Trash", "The trash folder %1 cannot be made.")
                         .arg(homeTrash);
        return false;
    }
    QFile file(path);
    if (file.moveToTrash())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace Trash
