#pragma once

#include "model/enumnames.h"

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

// Declaration order matters: it is the order kinds are listed and sorted in.
enum class VolumeKind {
    external,
    diskImage,
    systemImage,
    network,
    internalExtra,
    boot,
    systemHidden
};

// Stored names (enabled kinds in the settings, `quillmere-cli list`), in listing order.
inline constexpr EnumEntry<VolumeKind> volumeKindNames[] = {
    {VolumeKind::external, "external"},
    {VolumeKind::diskImage, "diskImage"},
    {VolumeKind::systemImage, "systemImage"},
    {VolumeKind::network, "network"},
    {VolumeKind::internalExtra, "internalExtra"},
    {VolumeKind::boot, "boot"},
    {VolumeKind::systemHidden, "systemHidden"},
};
constexpr std::span<const EnumEntry<VolumeKind>> enumTable(VolumeKind)
{
    return volumeKindNames;
}

inline size_t qHash(VolumeKind kind, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(kind), seed);
}

using VolumeKindSet = QSet<VolumeKind>;
