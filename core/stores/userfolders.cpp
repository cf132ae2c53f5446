#include "stores/userfolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString resolved(const QString &path)
{
    if (path.isEmpty())
        return path;
    const QString canonical = QDir(path).canonicalPath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

} // namespace

UserFolders UserFolders::below(const QString &home)
{
    const QDir dir(home);
    return UserFolders{home,
                       dir.filePath(QStringLiteral(".local/share")),
                       dir.filePath(QStringLiteral(".config")),
                       dir.filePath(QStringLiteral(".cache")),
                       dir.filePath(QStringLiteral("Downloads")),
                       dir.filePath(QStringLiteral("Desktop"))};
}

UserFolders UserFolders::current()
{
    const auto location = [](QStandardPaths::StandardLocation type) {
        return resolved(QStandardPaths::writableLocation(type));
    };
    return UserFolders{resolved(QDir::homePath()),
                       location(QStandardPaths::GenericDataLocation),
                       location(QStandardPaths::GenericConfigLocation),
                       location(QStandardPaths::GenericCacheLocation),
                       location(QStandardPaths::DownloadLocation),
                       location(QStandardPaths::DesktopLocation)};
}
