#include "model/volumekind.h"

QString toString(VolumeKind kind)
{
    switch (kind) {
    case VolumeKind::external:
        return QStringLiteral("external");
    case VolumeKind::diskImage:
        return QStringLiteral("diskImage");
    case VolumeKind::systemImage:
        return QStringLiteral("systemImage");
    case VolumeKind::network:
        return QStringLiteral("network");
    case VolumeKind::internalExtra:
        return QStringLiteral("internalExtra");
    case VolumeKind::boot:
        return QStringLiteral("boot");
    case VolumeKind::systemHidden:
        return QStringLiteral("systemHidden");
    }
    return {};
}

std::optional<VolumeKind> volumeKindFromString(const QString &raw)
{
    for (VolumeKind kind : allVolumeKinds()) {
        if (toString(kind) == raw)
            return kind;
    }
    return std::nullopt;
}

const QList<VolumeKind> &allVolumeKinds()
{
    static const QList<VolumeKind> kinds{VolumeKind::external,      VolumeKind::diskImage,
                                         VolumeKind::systemImage,   VolumeKind::network,
                                         VolumeKind::internalExtra, VolumeKind::boot,
                                         VolumeKind::systemHidden};
    return kinds;
}
