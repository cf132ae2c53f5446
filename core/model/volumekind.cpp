#include "model/volumekind.h"

QString toString(VolumeKind kind)
{
    return enumName(kind);
}

std::optional<VolumeKind> volumeKindFromString(const QString &raw)
{
    return enumFromName<VolumeKind>(raw);
}

const QList<VolumeKind> &allVolumeKinds()
{
    return enumValues<VolumeKind>();
}
