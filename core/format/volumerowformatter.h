#pragma once

#include "model/volume.h"
#include "model/volumekind.h"

#include <QString>

// The texts that describe one volume row on every surface.
namespace VolumeRowFormatter {

QString displayKind(VolumeKind kind);
QString menuLabel(const Volume &volume);
QString accessibilitySummary(const Volume &volume);

} // namespace VolumeRowFormatter
