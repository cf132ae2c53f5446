#include "policy/systemmounts.h"

#include <QStringList>

namespace SystemMounts {

bool isSystemMountPoint(const QString &mountPath)
{
    // The mount table may hold a path with a trailing slash only for "/".
    QString path = mountPath;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    static const QStringList exact{
        QStringLiteral("/"),     QStringLiteral("/boot"), QStringLiteral("/efi"),
        QStringLiteral("/usr"),  QStringLiteral("/var"),  QStringLiteral("/etc"),
        QStringLiteral("/opt"),  QStringLiteral("/srv"),  QStringLiteral("/home"),
        QStringLiteral("/root"), QStringLiteral("/nix"),  QStringLiteral("/cdrom"),
    };
    // Below these: /boot/efi and /boot/firmware, and where live systems keep their medium
    // (Debian and Ubuntu live, dracut, Arch).
    static const QStringList trees{
        QStringLiteral("/boot/"),          QStringLiteral("/usr/"),
        QStringLiteral("/run/live/"),      QStringLiteral("/lib/live/mount/"),
        QStringLiteral("/run/initramfs/"), QStringLiteral("/run/archiso/"),
    };
    if (exact.contains(path))
        return true;
    for (const QString &tree : trees) {
        if (path.startsWith(tree))
            return true;
    }
    return false;
}

} // namespace SystemMounts
