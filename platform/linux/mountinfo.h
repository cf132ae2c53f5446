#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// One line of /proc/<pid>/mountinfo, with the octal escapes (\040, \011, \012, \134) decoded.
struct MountInfoEntry {
    int mountId = 0;
    int parentId = 0;
    QString majorMinor;
    // The directory of the file system that forms the root of this mount: "/" unless it is a
    // bind mount of a subtree (or a btrfs subvolume).
    QString root;
    QString mountPoint;
    QString mountOptions;
    QString fsType;
    QString source;
    QString superOptions;

    bool operator==(const MountInfoEntry &) const = default;
};

using MountInfoList = QList<MountInfoEntry>;

namespace MountInfo {

inline constexpr const char *defaultPath = "/proc/self/mountinfo";

// Lines that do not have the mountinfo shape are skipped.
MountInfoList parse(QByteArrayView text);
MountInfoList read(const QString &path = QString::fromLatin1(defaultPath));
QString decodeField(QByteArrayView field);

// Kernel and virtual file systems that have no device behind them (proc, sysfs, tmpfs, …).
bool isKernelFileSystemType(const QString &fsType);

// Kernel and virtual file systems without a device, and the desktop's own FUSE helpers (gvfs,
// the document portal): never a volume, except the root file system, whatever its type.
bool isNotAVolume(const MountInfoEntry &entry);

// The mounts that stand for volumes, in table order: automounter (autofs) placeholders and
// mounts that are not volumes are dropped first, then mounts hidden under a later mount on
// the same path, then repeated mounts of a tree already listed (bind mounts of the same file
// system at a root inside an earlier mount's root).
MountInfoList volumeMounts(const MountInfoList &entries);

// The entry mounted last at a path (the one visible there), or nullptr.
const MountInfoEntry *visibleAt(const MountInfoList &entries, const QString &mountPoint);

} // namespace MountInfo
