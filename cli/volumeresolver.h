#pragma once

#include "model/volume.h"

#include <QString>
#include <optional>

// Finds the volume a command-line argument names: a device ("sdb1", "/dev/sdb1" or a link to
// it), a mount point, or a volume name. Device names and mount points win over names; a blank
// argument names nothing, and a name that several volumes share is refused with their list.
namespace VolumeResolver {

struct Resolution {
    std::optional<Volume> volume;
    // Why nothing was chosen: no match, or a name that several volumes share.
    QString error;
};

Resolution resolve(const VolumeList &volumes, const QString &argument);

} // namespace VolumeResolver
