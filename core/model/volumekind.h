#pragma once

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

QString toString(VolumeKind kind);
std::optional<VolumeKind> volumeKindFromString(const QString &raw);
const QList<VolumeKind> &allVolumeKinds();

inline size_t qHash(VolumeKind kind, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(kind), seed);
}

using VolumeKindSet = QSet<VolumeKind>;
