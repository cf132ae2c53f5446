#include "volumeresources.h"

#include "discovery/diskmerger.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <cstdlib>
#include <sys/statvfs.h>

VolumeResourceReader::VolumeResourceReader(SysfsReader sysfs, QString homePath)
    : m_sysfs(std::move(sysfs)), m_homePath(homePath.isEmpty() ? QDir::homePath() : homePath)
{
}

bool VolumeResourceReader::isSystemFileSystemType(const QString &fsType)
{
    static const QSet<QString> types = {
        QStringLiteral("proc"),        QStringLiteral("sysfs"),      QStringLiteral("tmpfs"),
        QStringLiteral("devtmpfs"),    QStringLiteral("cgroup"),     QStringLiteral("cgroup2"),
        QStringLiteral("overlay"),     QStringLiteral("squashfs"),   QStringLiteral("autofs"),
        QStringLiteral("debugfs"),     QStringLiteral("tracefs"),    QStringLiteral("securityfs"),
        QStringLiteral("pstore"),      QStringLiteral("bpf"),        QStringLiteral("configfs"),
        QStringLiteral("fusectl"),     QStringLiteral("mqueue"),     QStringLiteral("hugetlbfs"),
        QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"),   QStringLiteral("nsfs"),
        QStringLiteral("ramfs"),       QStringLiteral("rpc_pipefs"), QStringLiteral("devpts")};
    return types.contains(fsType);
}

bool VolumeResourceReader::isNetworkFileSystemType(const QString &fsType)
{
    static const QSet<QString> types = {
        QStringLiteral("nfs"),  QStringLiteral("nfs4"),           QStringLiteral("cifs"),
        QStringLiteral("smb3"), QStringLiteral("fuse.sshfs"),     QStringLiteral("davfs"),
        QStringLiteral("9p"),   QStringLiteral("fuse.gvfsd-fuse")};
    return types.contains(fsType);
}

bool VolumeResourceReader::isBrowsablePath(const QString &path, const QString &homePath)
{
    if (path == QLatin1String("/")) {
        return true;
    }
    static const QStringList roots = {QStringLiteral("/media/"), QStringLiteral("/run/media/"),
                                      QStringLiteral("/mnt/")};
    for (const QString &root : roots) {
        if (path.startsWith(root) && path.size() > root.size()) {
            return true;
        }
    }
    if (homePath.isEmpty() || homePath == QLatin1String("/")) {
        return false;
    }
    const QString home =
        homePath.endsWith(QLatin1Char('/')) ? homePath : homePath + QLatin1Char('/');
    return path.startsWith(home) && path.size() > home.size();
}

VolumeResources VolumeResourceReader::read(const MountInfoEntry &entry,
                                           const QString &resolvedSource, bool hintIgnore) const
{
    VolumeResources r;
    const QString &path = entry.mountPoint;
    r.isRootFileSystem = path == QLatin1String("/");
    r.isLocal = !isNetworkFileSystemType(entry.fsType);
    r.isBrowsable =
        isBrowsablePath(path, m_homePath) && !isSystemFileSystemType(entry.fsType) && !hintIgnore;

    struct statvfs fs {};
    if (::statvfs(QFile::encodeName(path).constData(), &fs) == 0) {
        r.totalCapacity = static_cast<qint64>(fs.f_blocks) * static_cast<qint64>(fs.f_frsize);
        r.availableCapacity = static_cast<qint64>(fs.f_bavail) * static_cast<qint64>(fs.f_frsize);
    }

    const auto bsd = DiskMerger::bsdName(resolvedSource);
    if (!bsd) {
        return r;
    }
    const auto disk = m_sysfs.wholeDisk(*bsd);
    if (!disk) {
        return r;
    }
    const bool removable = m_sysfs.isRemovable(*disk);
    const bool internal = m_sysfs.isInternal(*disk);
    r.isRemovable = removable;
    r.isInternal = internal;
    // An external device can be detached like an ejectable one.
    r.isEjectable = removable || !internal;
    r.urlForRemounting = m_sysfs.loopBackingFile(*disk);
    return r;
}

QString resolvedMountSource(const QString &source)
{
    if (!source.startsWith(QLatin1Char('/'))) {
        return source;
    }
    char *resolved = ::realpath(QFile::encodeName(source).constData(), nullptr);
    if (resolved == nullptr) {
        return source;
    }
    const QString result = QFile::decodeName(resolved);
    std::free(resolved);
    return result;
}
