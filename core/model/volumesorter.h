#pragma once

#include "model/viewoptions.h"
#include "model/volume.h"

// Orders volumes for display; the same order on every surface.
namespace VolumeSorter {
// Stable: volumes equal under the mode keep their input order. Names compare
// case-insensitively in the user's locale.
VolumeList sorted(const VolumeList &volumes, SortMode mode);
} // namespace VolumeSorter
