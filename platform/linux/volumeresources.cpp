#include "volumeresources.h"

#include "discovery/diskmerger.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <cstdlib>

VolumeResourceReader::VolumeResourceReader(SysfsReader sysfs, QString homePath,
                                           CapacityProbe capacity)
    : m_sysfs(std::move(sysfs)), m_homePath(homePath.isEmpty() ? QDir::homePath() : homePath),
      m_capacity(std::move(capacity))
{
}

bool VolumeResourceReader::mayHang(const QString &fsType)
{
    return isNetworkFileSystemType(fsType) || fsType == QLatin1String("fuse") ||
           fsType == QLatin1String("fuseblk") || fsType.startsWith(QLatin1String("fuse."));
}

void VolumeResourceReader::beginReading(const MountInfoList &mounts) const
{
    QStringList paths;
    for (const MountInfoEntry &entry : mounts) {
        if (mayHang(entry.fsType)) {
            paths.append(entry.mountPoint);
        }
    }
    if (!paths.isEmpty()) {
        m_capacity.start(paths);
    }
}

bool VolumeResourceReader::isSystemFileSystemType(const QString &fsType)
{
    return MountInfo::isKernelFileSystemType(fsType) || fsType == QLatin1String("squashfs") ||
           fsType == QLatin1String("autofs");
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

    const std::optional<CapacityProbe::Capacity> capacity =
        mayHang(entry.fsType) ? m_capacity.read(path)
                              : CapacityProbe::readNow(QFile::encodeName(path));
    if (capacity) {
        r.totalCapacity = capacity->total;
        r.availableCapacity = capacity->available;
    }

    const auto kernelName = DiskMerger::deviceName(resolvedSource);
    if (!kernelName) {
        return r;
    }
    // An unlocked encrypted device or a logical volume is as removable as the disk below it.
    auto disk = m_sysfs.physicalWholeDisk(*kernelName);
    if (!disk) {
        disk = m_sysfs.wholeDisk(*kernelName);
    }
    if (!disk) {
        return r;
    }
    r.urlForRemounting = m_sysfs.loopBackingFile(*disk);
    // A disk image is removable and not internal, as udisks2's description of it says; the
    // kernel's flags of a loop device say neither.
    const bool image = r.urlForRemounting.has_value();
    const bool removable = image || m_sysfs.isRemovable(*disk);
    const bool internal = !image && m_sysfs.isInternal(*disk);
    r.isRemovable = removable;
    r.isInternal = internal;
    // An external device can be detached like an ejectable one.
    r.isEjectable = removable || !internal;
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
