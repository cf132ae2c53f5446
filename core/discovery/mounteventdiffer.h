#pragma once

#include "model/volume.h"
#include "stores/historyentry.h"

#include <QDateTime>

namespace MountEventDiffer {
// "unmount" lines for volumes mounted in oldVolumes but not in newVolumes (by id), then
// "mount" lines for the reverse, each in list order. Volumes that stay mounted, or are
// listed unmounted in both, produce nothing.
HistoryEntryList diff(const VolumeList &oldVolumes, const VolumeList &newVolumes,
                      const QDateTime &date);
} // namespace MountEventDiffer
