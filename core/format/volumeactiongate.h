#pragma once

#include "model/volume.h"
#include "operations/volumeoperation.h"

#include <QString>
#include <optional>

// Whether the actions menu offers an operation for a volume, and if not, why. The command line
// asks this before it does anything, so that it never does what no menu offers (such as
// ejecting or renaming the boot volume).
namespace VolumeActionGate {

// True when the menus offer the operation (eject and forceEject alike; remount for an
// unmounted volume; erase under the erase rule). autoEject and autoRemount follow eject
// and remount.
bool isOffered(const Volume &volume, VolumeOperation operation);

// Why the operation is not offered, as the end of a sentence ("it is the boot volume."); none
// when it is.
std::optional<QString> refusal(const Volume &volume, VolumeOperation operation);

} // namespace VolumeActionGate
