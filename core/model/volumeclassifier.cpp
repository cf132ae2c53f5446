#include "model/volumeclassifier.h"

namespace VolumeClassifier {

namespace {
// Trailing slashes matter: /System/VolumesX is not below /System/Volumes/.
const QLatin1String developerPrefix("/Library/Developer/");
const QLatin1String systemVolumesPrefix("/System/Volumes/");
} // namespace

VolumeKind classify(const VolumeProbe &probe)
{
    if (probe.isRootFileSystem || probe.mountPath == QLatin1String("/"))
        return VolumeKind::boot;
    if (probe.isNetwork)
        return VolumeKind::network;
    if (probe.isDiskImage)
        return isSystemManagedImage(probe) ? VolumeKind::systemImage : VolumeKind::diskImage;
    if (!probe.isBrowsable || probe.mountPath.startsWith(systemVolumesPrefix))
        return VolumeKind::systemHidden;
    if (probe.isRemovable || probe.isEjectable)
        return VolumeKind::external;
    if (probe.isInternal)
        return VolumeKind::internalExtra;
    return VolumeKind::external;
}

bool isSystemManagedImage(const VolumeProbe &probe)
{
    return !probe.isBrowsable || probe.mountPath.startsWith(developerPrefix);
}

bool isLegacyAutofsMount(const QString &mountPath)
{
    return mountPath == QLatin1String("/home") || mountPath == QLatin1String("/net") ||
           mountPath == QLatin1String("/System/Volumes/Data/home");
}

} // namespace VolumeClassifier
