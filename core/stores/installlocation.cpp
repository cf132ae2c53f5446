#include "stores/installlocation.h"

#include <QCoreApplication>

namespace {

// One trailing "/" goes, except from "/" itself.
QString trimmed(const QString &path)
{
    if (path.size() > 1 && path.endsWith(u'/'))
        return path.chopped(1);
    return path;
}

QString child(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool isBelow(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && path.startsWith(child(folder, QString()));
}

bool isAtOrBelow(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && (path == folder || isBelow(path, folder));
}

// A Downloads or Desktop folder that is the home folder itself (a desktop without those
// folders) would make every file at home a fresh download.
QString userFolder(const QString &folder, const QString &home)
{
    const QString path = trimmed(folder);
    return path == home ? QString() : path;
}

bool isRemovableMedia(const QString &path)
{
    return isAtOrBelow(path, QStringLiteral("/media")) ||
           isAtOrBelow(path, QStringLiteral("/run/media"));
}

} // namespace

namespace InstallLocation {

QString bundlePath(const QString &appImage, const QString &executable)
{
    return appImage.isEmpty() ? executable : appImage;
}

bool isTemporaryLocation(const QString &path, const QString &home)
{
    const QString folder = trimmed(home);
    return isBelow(path, QStringLiteral("/tmp")) && (folder.isEmpty() || !isBelow(path, folder));
}

bool shouldOfferMove(const QString &bundlePath, const UserFolders &folders)
{
    const QString path = trimmed(bundlePath);
    const QString home = trimmed(folders.home);

    if (isAtOrBelow(path, QStringLiteral("/usr")) || isAtOrBelow(path, QStringLiteral("/opt")))
        return false;
    if (!home.isEmpty() && (isAtOrBelow(path, applicationsFolder(home)) ||
                            isAtOrBelow(path, child(home, QStringLiteral(".local")))))
        return false;
    if (isTemporaryLocation(path, home) || isRemovableMedia(path))
        return true;
    if (isAtOrBelow(path, userFolder(folders.downloads, home)))
        return true;
    if (isAtOrBelow(path, userFolder(folders.desktop, home)))
        return true;
    return false;
}

QString locationDescription(const QString &path, const UserFolders &folders)
{
    const QString home = trimmed(folders.home);
    if (isRemovableMedia(path))
        //: Move-offer location; slots into the body sentence
        return QCoreApplication::translate("InstallLocation", "a removable drive");
    if (isTemporaryLocation(path, home))
        //: Move-offer location; slots into the body sentence
        return QCoreApplication::translate("InstallLocation", "a temporary location");
    if (isBelow(path, userFolder(folders.downloads, home)))
        //: Move-offer location; slots into the body sentence
        return QCoreApplication::translate("InstallLocation", "your Downloads folder");
    if (isBelow(path, userFolder(folders.desktop, home)))
        //: Move-offer location; slots into the body sentence
        return QCoreApplication::translate("InstallLocation", "your Desktop");
    //: Move-offer location; slots into the body sentence
    return QCoreApplication::translate("InstallLocation", "its current location");
}

QString applicationsFolder(const QString &home)
{
    return child(trimmed(home), QStringLiteral("Applications"));
}

QString destination(const QString &bundlePath, const QString &home)
{
    const QString path = trimmed(bundlePath);
    return child(applicationsFolder(home), path.mid(path.lastIndexOf(u'/') + 1));
}

QString desktopEntryPath(const QString &dataHome, const QString &applicationId)
{
    return child(child(trimmed(dataHome), QStringLiteral("applications")),
                 applicationId + QStringLiteral(".desktop"));
}

} // namespace InstallLocation
