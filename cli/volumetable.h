#pragma once

#include "model/volume.h"

#include <QString>

// The volumes as an aligned text table: name, kind, mounted, device, mount point, free of total.
namespace VolumeTable {
QString render(const VolumeList &volumes);
QString freeOfTotal(const Volume &volume);
} // namespace VolumeTable
