#include "format/volumerowformatter.h"

#include "format/capacityformatter.h"

#include <QCoreApplication>
#include <QStringList>

QString VolumeRowFormatter::displayKind(VolumeKind kind)
{
    switch (kind) {
    case VolumeKind::external:
        return QCoreApplication::translate("VolumeRowFormatter", "External", "Volume kind");
    case VolumeKind::diskImage:
        return QCoreApplication::translate("VolumeRowFormatter", "Disk Image", "Volume kind");
    case VolumeKind::systemImage:
        return QCoreApplication::translate("VolumeRowFormatter", "System Image", "Volume kind");
    case VolumeKind::network:
        return QCoreApplication::translate("VolumeRowFormatter", "Network", "Volume kind");
    case VolumeKind::internalExtra:
        return QCoreApplication::translate("VolumeRowFormatter", "Internal", "Volume kind");
    case VolumeKind::boot:
        return QCoreApplication::translate("VolumeRowFormatter", "Boot", "Volume kind");
    case VolumeKind::systemHidden:
        return QCoreApplication::translate("VolumeRowFormatter", "System", "Volume kind");
    }
    return {};
}

QString VolumeRowFormatter::menuLabel(const Volume &volume)
{
    return QCoreApplication::translate("VolumeRowFormatter", "%1  —  %2 · %3",
                                       "Menu row: volume name — kind · free space")
        .arg(volume.name, displayKind(volume.kind),
             CapacityFormatter::describe(volume.freeBytes, volume.capacityBytes));
}

QString VolumeRowFormatter::accessibilitySummary(const Volume &volume)
{
    QStringList parts{volume.name, displayKind(volume.kind)};
    if (!volume.isMounted)
        parts.append(QCoreApplication::translate("VolumeRowFormatter", "not mounted",
                                                 "VoiceOver mount state"));
    if (volume.freeBytes && volume.capacityBytes)
        parts.append(CapacityFormatter::describe(volume.freeBytes, volume.capacityBytes));
    return parts.join(QStringLiteral(", "));
}
