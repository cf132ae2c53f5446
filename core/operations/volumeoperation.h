#pragma once

#include "model/enumnames.h"

#include <QList>
#include <QString>
#include <optional>

enum class VolumeOperation { eject, forceEject, remount, rename, erase, autoEject, autoRemount };

// The names are the persisted (history) and logged form, so they must never change.
inline constexpr EnumEntry<VolumeOperation> volumeOperationNames[] = {
    {VolumeOperation::eject, "eject"},
    {VolumeOperation::forceEject, "forceEject"},
    {VolumeOperation::remount, "remount"},
    {VolumeOperation::rename, "rename"},
    {VolumeOperation::erase, "erase"},
    {VolumeOperation::autoEject, "autoEject"},
    {VolumeOperation::autoRemount, "autoRemount"},
};
constexpr std::span<const EnumEntry<VolumeOperation>> enumTable(VolumeOperation)
{
    return volumeOperationNames;
}

inline size_t qHash(VolumeOperation operation, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(operation), seed);
}
