#pragma once

#include "model/volumekind.h"
#include "model/volumeprobe.h"

#include <QString>

namespace VolumeClassifier {
// The first matching rule wins: root, network, disk image, then local volumes.
VolumeKind classify(const VolumeProbe &probe);
// A disk image the system mounted rather than the user; agrees with classify()
// answering systemImage for a disk image.
bool isSystemManagedImage(const VolumeProbe &probe);
// Automounter placeholders that never become volumes.
bool isLegacyAutofsMount(const QString &mountPath);
} // namespace VolumeClassifier
