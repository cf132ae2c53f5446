#pragma once

#include "capacityprobe.h"
#include "mountinfo.h"
#include "sysfsreader.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// What the mount table, statvfs and sysfs tell about one mounted file system; a value is
// absent when it cannot be known (the builder then applies its default).
struct VolumeResources {
    std::optional<QString> volumeName;
    std::optional<bool> isRemovable;
    std::optional<bool> isInternal;
    std::optional<bool> isEjectable;
    std::optional<bool> isBrowsable;
    std::optional<bool> isLocal;
    std::optional<bool> isRootFileSystem;
    std::optional<qint64> totalCapacity;
    std::optional<qint64> availableCapacity;
    // The backing file of a loop device, the counterpart of a remount URL.
    std::optional<QString> urlForRemounting;

    bool operator==(const VolumeResources &) const = default;
};

// Reads the resource values of mounts. The home folder is injectable for tests. Copies share
// their capacity reads.
class VolumeResourceReader {
public:
    explicit VolumeResourceReader(SysfsReader sysfs = SysfsReader(), QString homePath = QString(),
                                  CapacityProbe capacity = CapacityProbe());

    // Starts the capacity reads of those mounts whose server may not answer, so that read()
    // waits for all of them together.
    void beginReading(const MountInfoList &mounts) const;
    // resolvedSource is the mount source with symbolic links resolved (/dev/dm-0 rather
    // than /dev/mapper/x); hintIgnore is the disk service's "do not show" hint.
    VolumeResources read(const MountInfoEntry &entry, const QString &resolvedSource,
                         bool hintIgnore) const;

    // Kernel and system file systems, never shown as volumes.
    static bool isSystemFileSystemType(const QString &fsType);
    static bool isNetworkFileSystemType(const QString &fsType);
    // Network file systems and FUSE daemons: statvfs waits for a server that may be gone, so
    // it never runs on the caller's thread.
    static bool mayHang(const QString &fsType);
    // "/" and mount points below the desktop's mount roots or the home folder.
    static bool isBrowsablePath(const QString &path, const QString &homePath);

    const SysfsReader &sysfs() const { return m_sysfs; }

private:
    SysfsReader m_sysfs;
    QString m_homePath;
    mutable CapacityProbe m_capacity;
};

// realpath() of a mount source that is an absolute path; other sources come back unchanged.
QString resolvedMountSource(const QString &source);
