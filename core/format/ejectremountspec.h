#pragma once

#include "model/volume.h"

// Which direct button a volume's entry carries on the window and popover surfaces.
namespace EjectRemountSpec {

enum class Kind { none, eject, remount };

// Unmounted: remount. Mounted and removable, or ejected by unmounting its path (network
// shares): eject. Any other mounted volume has no button.
Kind forVolume(const Volume &volume);

} // namespace EjectRemountSpec
