#pragma once

#include "model/volume.h"
#include "operations/volumeoperation.h"
#include "policy/mediapolicy.h"

#include <QString>
#include <optional>

// The running system is never acted on: the boot volume, the system's own volumes and
// whatever is mounted where the system needs it. Every front end asks this before any call
// to the disk service or any tool, whatever the media-policy overrides say.
namespace RunningSystemGuard {

// Why the running system's volumes are refused, as every front end words it.
QString bootVolumeReason();
QString onBootDiskReason();
QString systemVolumeReason();

// The boot volume, a system volume, or a volume mounted at a system mount point.
bool isRunningSystem(const Volume &volume);

// Why the operation must not touch the volume, as the end of a sentence ("it is the boot
// volume, which Quillmere leaves alone."); none when it may. The other volumes of the boot
// disk may be renamed and remounted but never ejected or erased.
std::optional<QString> refusal(const Volume &volume, VolumeOperation operation);

// Unmounting by path is for network shares and the user's FUSE mounts only, never for the
// desktop's own FUSE helpers or a local file system.
bool mayUnmountByPath(const QString &fileSystemType);

// The overridden policy cut back to what the built-in one allows where the volume is part of
// the running system: overrides only take capabilities away there and never change how it is
// ejected. Elsewhere unmountByPath is kept only where unmounting by path is allowed.
MediaPolicy limited(const Volume &volume, const MediaPolicy &builtIn,
                    const MediaPolicy &overridden);

} // namespace RunningSystemGuard
