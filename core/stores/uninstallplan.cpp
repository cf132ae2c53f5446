#include "stores/uninstallplan.h"

#include "stores/appsupport.h"
#include "stores/installlocation.h"
#include "stores/jsonfilesettingsbackend.h"

#include <QDir>

namespace {

// Launcher and autostart files are named after the application id itself.
QString applicationId(const std::optional<QString> &bundleIdentifier)
{
    return bundleIdentifier && !bundleIdentifier->isEmpty()
               ? *bundleIdentifier
               : QString::fromLatin1(UninstallPlan::productionBundleIdentifier);
}

} // namespace

namespace UninstallPlan {

QString stateDomain(const std::optional<QString> &bundleIdentifier)
{
    const QString production = QString::fromLatin1(productionBundleIdentifier);
    if (bundleIdentifier &&
        (*bundleIdentifier == production || bundleIdentifier->startsWith(production + u'.')))
        return *bundleIdentifier;
    return production;
}

QString defaultsDomain()
{
    static const QString domain = stateDomain(AppSupport::bundleIdentifier());
    return domain;
}

QString supportDirectory(const UserFolders &folders, const std::optional<QString> &bundleIdentifier)
{
    return QDir(folders.dataHome).filePath(AppSupport::directoryName(bundleIdentifier));
}

QString autostartFile(const UserFolders &folders, const std::optional<QString> &bundleIdentifier)
{
    return QDir(folders.configHome)
        .filePath(QStringLiteral("autostart/") + applicationId(bundleIdentifier) +
                  QStringLiteral(".desktop"));
}

QStringList defaultsFiles(const UserFolders &folders,
                          const std::optional<QString> &bundleIdentifier)
{
    const QString file = JsonFileSettingsBackend::filePath(defaultsDirectory(folders),
                                                           stateDomain(bundleIdentifier));
    return {file, JsonFileSettingsBackend::lockFilePath(file)};
}

QString defaultsDirectory(const UserFolders &folders)
{
    return JsonFileSettingsBackend::directoryBelow(folders.configHome);
}

QStringList auxiliaryPaths(const UserFolders &folders,
                           const std::optional<QString> &bundleIdentifier)
{
    return {QDir(folders.cacheHome).filePath(stateDomain(bundleIdentifier)),
            InstallLocation::desktopEntryPath(folders.dataHome, applicationId(bundleIdentifier))};
}

bool isUserCopy(const QString &bundlePath, bool isAppImage, const QString &home)
{
    if (isAppImage)
        return true;
    if (home.isEmpty() || home == QStringLiteral("/"))
        return false;
    const QString folder = home.endsWith(u'/') ? home : home + u'/';
    return bundlePath.startsWith(folder);
}

} // namespace UninstallPlan
