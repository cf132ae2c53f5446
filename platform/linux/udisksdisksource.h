#pragma once

#include "devicedescriptionprovider.h"
#include "mountinfo.h"
#include "volumeresources.h"

#include "discovery/changedebounce.h"
#include "discovery/diskmerger.h"
#include "discovery/disksource.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <memory>

class MountTableWatcher;

// The disk source the application uses: mounted volumes from the mount table, statvfs and
// sysfs, described by the disk service (udisks2), followed by the attached partitions that
// are not mounted. Changes from the disk service and the mount table are coalesced into one
// notification 0.3 s after the last of them, and at most 1 s after the first (ChangeDebounce).
// Main thread only.
class UDisksDiskSource : public QObject, public DiskSource {
    Q_OBJECT
public:
    static constexpr int debounceMs = 300;
    static_assert(debounceMs == ChangeDebounce::quietMs);

    explicit UDisksDiskSource(std::shared_ptr<DeviceDescriptionProvider> provider,
                              VolumeResourceReader resources = VolumeResourceReader(),
                              QString mountInfoPath = QString::fromLatin1(MountInfo::defaultPath),
                              QObject *parent = nullptr);
    ~UDisksDiskSource() override;

    // Offered for remounting unless a command line asks for everything attached.
    void setUnmountedScope(DiskMerger::UnmountedScope scope) { m_unmountedScope = scope; }

    VolumeList currentVolumes() override;
    void setChangeHandler(ChangeHandler handler) override;

    // The whole disk of the file system mounted at "/", below any encrypted device or logical
    // volume it is on.
    std::optional<QString> bootWholeDiskName(const MountInfoList &entries) const;

private:
    static constexpr int maxStackDepth = 8;

    void scheduleChange();
    // The provider's description; within one currentVolumes() each name is asked for once.
    std::optional<DeviceDescription> description(const QString &deviceName) const;
    std::optional<QString> verifiedWholeDisk(const QString &deviceName) const;
    // The device an unlocked encrypted device (dm-0) or a stacked one is built on (sdb1, or the
    // disk sdb when only sysfs tells), the name itself for a physical device.
    QString physicalDevice(const QString &deviceName) const;
    // The mount source with links resolved, as /dev/ and the kernel name where one is known.
    QString resolvedSource(const QString &source) const;

    std::shared_ptr<DeviceDescriptionProvider> m_provider;
    VolumeResourceReader m_resources;
    QString m_mountInfoPath;
    MountTableWatcher *m_watcher = nullptr;
    QTimer m_debounce;
    // Runs from the first event not yet notified.
    QElapsedTimer m_pendingSince;
    ChangeHandler m_handler;
    DiskMerger::UnmountedScope m_unmountedScope = DiskMerger::UnmountedScope::offered;
    // Filled only while currentVolumes() runs: nothing can change the disk service's answers
    // in the meantime, and a later call must see new ones.
    mutable std::optional<QHash<QString, std::optional<DeviceDescription>>> m_descriptions;
};
