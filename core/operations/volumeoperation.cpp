#include "operations/volumeoperation.h"

QString toString(VolumeOperation operation)
{
    return enumName(operation);
}

std::optional<VolumeOperation> volumeOperationFromString(const QString &raw)
{
    return enumFromName<VolumeOperation>(raw);
}

const QList<VolumeOperation> &allVolumeOperations()
{
    return enumValues<VolumeOperation>();
}
