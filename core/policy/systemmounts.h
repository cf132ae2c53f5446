#pragma once

#include <QString>

// Mount points of the running system. Unmounting one takes the system down or leaves it without
// its boot files, so an eject never touches them, not even when they sit on a removable drive:
// a live system started from a stick, or /boot on a stick, has them there.
namespace SystemMounts {

bool isSystemMountPoint(const QString &mountPath);

} // namespace SystemMounts
