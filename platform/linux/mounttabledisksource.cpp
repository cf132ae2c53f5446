#include "mounttabledisksource.h"

#include "model/volumeclassifier.h"

MountTableDiskSource::MountTableDiskSource(VolumeResourceReader resources, QString mountInfoPath)
    : m_resources(std::move(resources)), m_mountInfoPath(std::move(mountInfoPath))
{
}

void MountTableDiskSource::setChangeHandler(ChangeHandler handler)
{
    m_handler = std::move(handler);
}

VolumeList MountTableDiskSource::currentVolumes()
{
    const MountInfoList mounts = MountInfo::volumeMounts(MountInfo::read(m_mountInfoPath));
    m_resources.beginReading(mounts);
    VolumeList volumes;
    for (const MountInfoEntry &entry : mounts) {
        const QString source = resolvedMountSource(entry.source);
        volumes.append(build(entry, m_resources.read(entry, source, false)));
    }
    return volumes;
}

Volume MountTableDiskSource::build(const MountInfoEntry &entry, const VolumeResources &r)
{
    const QString &path = entry.mountPoint;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString leaf = path == QLatin1String("/") ? path : path.mid(slash + 1);

    VolumeProbe probe;
    probe.mountPath = path;
    probe.isRemovable = r.isRemovable.value_or(false);
    probe.isInternal = r.isInternal.value_or(true);
    probe.isNetwork = !r.isLocal.value_or(true);
    probe.isEjectable = r.isEjectable.value_or(false);
    probe.isBrowsable = r.isBrowsable.value_or(true);
    probe.isRootFileSystem = r.isRootFileSystem.value_or(path == QLatin1String("/"));
    probe.isDiskImage = r.urlForRemounting.has_value();

    Volume v;
    v.id = leaf.isEmpty() ? path : leaf;
    v.name = r.volumeName.value_or(leaf);
    v.mountPath = path;
    v.deviceName = leaf;
    v.capacityBytes = r.totalCapacity;
    v.freeBytes = r.availableCapacity;
    v.isEjectable = probe.isEjectable;
    v.kind = VolumeClassifier::classify(probe);
    v.isMounted = true;
    v.isRemovable = false;
    v.fileSystemType = entry.fsType;
    v.traits.isNetwork = probe.isNetwork;
    v.traits.isDiskImage = probe.isDiskImage;
    v.traits.isSystemManaged =
        probe.isDiskImage &&
        (!probe.isBrowsable || path.startsWith(QLatin1String("/Library/Developer/")));
    return v;
}
