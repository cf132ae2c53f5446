#pragma once

#include "mountinfo.h"
#include "volumeresources.h"

#include "discovery/disksource.h"

// A minimal disk source from the mount table alone: mounted volumes only, no device
// descriptions, no unmounted partitions, and no change notifications.
class MountTableDiskSource : public DiskSource {
public:
    explicit MountTableDiskSource(
        VolumeResourceReader resources = VolumeResourceReader(),
        QString mountInfoPath = QString::fromLatin1(MountInfo::defaultPath));

    VolumeList currentVolumes() override;
    // Kept, never called.
    void setChangeHandler(ChangeHandler handler) override;

    static Volume build(const MountInfoEntry &entry, const VolumeResources &resources);

private:
    VolumeResourceReader m_resources;
    QString m_mountInfoPath;
    ChangeHandler m_handler;
};
