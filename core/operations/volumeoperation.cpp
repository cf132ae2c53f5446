#include "operations/volumeoperation.h"

QString toString(VolumeOperation operation)
{
    switch (operation) {
    case VolumeOperation::eject:
        return QStringLiteral("eject");
    case VolumeOperation::forceEject:
        return QStringLiteral("forceEject");
    case VolumeOperation::remount:
        return QStringLiteral("remount");
    case VolumeOperation::rename:
        return QStringLiteral("rename");
    case VolumeOperation::erase:
        return QStringLiteral("erase");
    case VolumeOperation::autoEject:
        return QStringLiteral("autoEject");
    case VolumeOperation::autoRemount:
        return QStringLiteral("autoRemount");
    }
    return {};
}

std::optional<VolumeOperation> volumeOperationFromString(const QString &raw)
{
    for (VolumeOperation operation : allVolumeOperations()) {
        if (toString(operation) == raw)
            return operation;
    }
    return std::nullopt;
}

const QList<VolumeOperation> &allVolumeOperations()
{
    static const QList<VolumeOperation> operations{
        VolumeOperation::eject,      VolumeOperation::forceEject, VolumeOperation::remount,
        VolumeOperation::rename,     VolumeOperation::erase,      VolumeOperation::autoEject,
        VolumeOperation::autoRemount};
    return operations;
}
