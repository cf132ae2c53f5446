#pragma once

#include "model/volume.h"

#include <QJsonObject>

// Every field of a Volume, under its own name; absent optionals are left out.
namespace VolumeJson {
QJsonObject toJson(const Volume &volume);
}
