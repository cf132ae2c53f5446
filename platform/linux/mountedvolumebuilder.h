#pragma once

#include "devicedescription.h"
#include "volumeresources.h"

#include "model/volume.h"

#include <QString>
#include <optional>

// Turns one mount's resource values and device description into a Volume. Pure.
namespace MountedVolumeBuilder {

struct Input {
    QString path;
    // The mount table's type; the description's, when there is one, names it better
    // ("ntfs" rather than "fuseblk").
    QString fileSystemType;
    // Device name of the mount source, when it is a device below /dev/.
    std::optional<QString> deviceName;
    VolumeResources resources;
    std::optional<DeviceDescription> description;
    // The whole disk, confirmed as whole by the device description.
    std::optional<QString> wholeDiskName;
    std::optional<QString> bootWholeDiskName;
};

// A description overrides the removable, internal and ejectable values entirely; without
// one (network shares, devices the disk service does not know) the resource values apply.
Volume build(const Input &input);

} // namespace MountedVolumeBuilder
