#pragma once

#include <QList>
#include <QString>
#include <optional>

// The raw values are the persisted and logged form, so they must never change.
enum class VolumeOperation { eject, forceEject, remount, rename, erase, autoEject, autoRemount };

QString toString(VolumeOperation operation);
std::optional<VolumeOperation> volumeOperationFromString(const QString &raw);
const QList<VolumeOperation> &allVolumeOperations();

inline size_t qHash(VolumeOperation operation, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(operation), seed);
}
