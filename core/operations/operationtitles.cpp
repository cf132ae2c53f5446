#include "operations/operationtitles.h"

#include <QCoreApplication>

QString operationFailureTitle(VolumeOperation operation, const QString &volumeName)
{
    switch (operation) {
    case VolumeOperation::eject:
    case VolumeOperation::autoEject:
        //: Eject failure title; %1 is the volume name
        return QCoreApplication::translate("OperationTitles", "Couldn’t eject “%1”")
            .arg(volumeName);
    case VolumeOperation::forceEject:
        //: Force-eject failure title; %1 is the volume name
        return QCoreApplication::translate("OperationTitles", "Couldn’t force eject “%1”")
            .arg(volumeName);
    case VolumeOperation::rename:
        //: Rename failure title; %1 is the volume name
        return QCoreApplication::translate("OperationTitles", "Couldn’t rename “%1”")
            .arg(volumeName);
    case VolumeOperation::erase:
        //: Erase failure title; %1 is the volume name
        return QCoreApplication::translate("OperationTitles", "Couldn’t erase “%1”")
            .arg(volumeName);
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
        //: Remount failure title; %1 is the volume name
        return QCoreApplication::translate("OperationTitles", "Couldn’t remount “%1”")
            .arg(volumeName);
    }
    return {};
}
