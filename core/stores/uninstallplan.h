#pragma once

#include "stores/userfolders.h"

#include <QString>
#include <QStringList>
#include <optional>

// What uninstalling removes for a user, as paths; touches nothing. Every function takes the
// application id the program was built with (none stands for the production one).
namespace UninstallPlan {

inline constexpr char productionBundleIdentifier[] = "com.quillmere.app";

// The id whose state is removed: the given one when it is the production id or one of its
// variants ("com.quillmere.app.staging"), otherwise the production id.
QString stateDomain(const std::optional<QString> &bundleIdentifier);
// stateDomain of this build's id.
QString defaultsDomain();

// The support folder (~/.local/share/Quillmere).
QString supportDirectory(const UserFolders &folders,
                         const std::optional<QString> &bundleIdentifier);
// The autostart entry: the autostart file.
QString autostartFile(const UserFolders &folders, const std::optional<QString> &bundleIdentifier);
// The settings file of the state domain and its lock file.
QStringList defaultsFiles(const UserFolders &folders,
                          const std::optional<QString> &bundleIdentifier);
// The folder that holds the settings files; removed only when nothing else is left in it.
QString defaultsDirectory(const UserFolders &folders);
// The cache folder and the launcher entry of a moved copy, in that order.
QStringList auxiliaryPaths(const UserFolders &folders,
                           const std::optional<QString> &bundleIdentifier);

// A user's own copy (an AppImage, or a file below the home folder) goes to the trash with
// everything else; a program the package manager installed is left to it.
bool isUserCopy(const QString &bundlePath, bool isAppImage, const QString &home);

} // namespace UninstallPlan
