#include "format/volumerowformatter.h"

#include "format/capacityformatter.h"

#include <QCoreApplication>
#include <QStringList>

QString VolumeRowFormatter::displayKind(VolumeKind kind)
{
    switch (kind) {
    case VolumeKind::external:
        //: Volume kind
        return QCoreApplication::translate("VolumeRowFormatter", "External");
    case VolumeKind::diskImage:
        //: Volume kind
        return QCoreApplication::translate("VolumeRowFormatter", "Disk Image");
    case VolumeKind::systemImage:
        //: Volume kind
        return QCoreApplication::translate("VolumeRowFormatter", "System Image");
    case VolumeKind::network:
        //: Volume kind
        return QCoreApplication::translate("VolumeRowFormatter", "Network");
    case VolumeKind::internalExtra:
        //: Volume kind
        return QCoreApplication::translate("VolumeRowFormatter", "Internal");
    case VolumeKind::boot:
        //: Volume kind
        return QCoreApplication::translate("VolumeRowFormatter", "Boot");
    case VolumeKind::systemHidden:
        //: Volume kind
        return QCoreApplication::translate("VolumeRowFormatter", "System");
    }
    return {};
}

QString VolumeRowFormatter::menuLabel(const Volume &volume)
{
    //: Menu row: volume name — kind · free space
    return QCoreApplication::translate("VolumeRowFormatter", "%1  —  %2 · %3")
        .arg(volume.name, displayKind(volume.kind),
             CapacityFormatter::describe(volume.freeBytes, volume.capacityBytes));
}

QString VolumeRowFormatter::accessibilitySummary(const Volume &volume)
{
    QStringList parts{volume.name, displayKind(volume.kind)};
    if (!volume.isMounted)
        //: VoiceOver mount state
        parts.append(QCoreApplication::translate("VolumeRowFormatter", "not mounted"));
    if (volume.freeBytes && volume.capacityBytes)
        parts.append(CapacityFormatter::describe(volume.freeBytes, volume.capacityBytes));
    return parts.join(QStringLiteral(", "));
}
