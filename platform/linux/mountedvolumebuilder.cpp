#include "mountedvolumebuilder.h"

#include "model/volumeclassifier.h"

namespace MountedVolumeBuilder {

namespace {

QString lastPathComponent(const QString &path)
{
    if (path == QLatin1String("/")) {
        return path;
    }
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

} // namespace

Volume build(const Input &input)
{
    const VolumeResources &r = input.resources;
    const QString &path = input.path;
    const bool isBrowsable = r.isBrowsable.value_or(true);
    const bool isLocal = r.isLocal.value_or(true);
    const bool isRootFileSystem = r.isRootFileSystem.value_or(path == QLatin1String("/"));

    bool isRemovable = false;
    bool isInternal = true;
    bool isEjectable = false;
    bool isDiskImage = false;
    if (const auto &d = input.description) {
        isRemovable = d->removable || !d->deviceInternal;
        isInternal = d->deviceInternal;
        isEjectable = d->ejectable;
        isDiskImage = d->indicatesDiskImage();
    } else {
        isRemovable = r.isRemovable.value_or(false) || !r.isInternal.value_or(true);
        isInternal = r.isInternal.value_or(true);
        isEjectable = r.isEjectable.value_or(false);
        isDiskImage = r.urlForRemounting.has_value();
    }

    VolumeProbe probe;
    probe.mountPath = path;
    probe.isRemovable = isRemovable;
    probe.isInternal = isInternal;
    probe.isNetwork = !isLocal;
    probe.isEjectable = isEjectable;
    probe.isBrowsable = isBrowsable;
    probe.isRootFileSystem = isRootFileSystem;
    probe.isDiskImage = isDiskImage;

    Volume v;
    v.id = input.deviceName.value_or(path);
    v.name = r.volumeName.value_or(lastPathComponent(path));
    v.mountPath = path;
    v.deviceName = input.deviceName.value_or(QString());
    v.capacityBytes = r.totalCapacity;
    v.freeBytes = r.availableCapacity;
    v.isEjectable = isEjectable;
    v.kind = VolumeClassifier::classify(probe);
    v.isMounted = true;
    v.isRemovable = isRemovable;
    v.wholeDiskName = input.wholeDiskName;
    v.fileSystemType = input.fileSystemType;
    if (input.description) {
        v.volumeUUID = input.description->volumeUUID;
        v.fileSystemType = input.description->fileSystemType.value_or(input.fileSystemType);
    }
    v.traits.isNetwork = !isLocal;
    v.traits.isDiskImage = isDiskImage;
    v.traits.isSystemManaged = isDiskImage && VolumeClassifier::isSystemManagedImage(probe);
    v.traits.isOptical =
        input.description && MediaTraits::isOpticalMediaKind(input.description->mediaKind);
    v.traits.sharesBootDevice = input.wholeDiskName && input.bootWholeDiskName &&
                                *input.wholeDiskName == *input.bootWholeDiskName;
    if (input.description) {
        v.traits.deviceModel = input.description->deviceModel;
    }
    return v;
}

} // namespace MountedVolumeBuilder
