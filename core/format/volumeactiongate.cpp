#include "format/volumeactiongate.h"

#include "format/volumemenumodel.h"
#include "operations/volumenamerules.h"
#include "policy/mediapolicy.h"
#include "policy/runningsystemguard.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

using Kind = VolumeMenuModel::Item::Kind;

Kind menuItem(VolumeOperation operation)
{
    switch (operation) {
    case VolumeOperation::eject:
    case VolumeOperation::forceEject:
    case VolumeOperation::autoEject:
        return Kind::eject;
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
        return Kind::remount;
    case VolumeOperation::rename:
        return Kind::rename;
    case VolumeOperation::erase:
        return Kind::erase;
    }
    return Kind::eject;
}

QString notMounted()
{
    //: Why an action is refused: "Couldn’t eject “X”: " + this
    return QCoreApplication::translate("VolumeActionGate", "it isn’t mounted.");
}

// The boot volume, system volumes and the other volumes of the boot disk are left alone.
std::optional<QString> leftAlone(const Volume &volume)
{
    if (volume.kind == VolumeKind::boot)
        return RunningSystemGuard::bootVolumeReason();
    if (volume.kind == VolumeKind::systemHidden)
        return RunningSystemGuard::systemVolumeReason();
    if (volume.traits.sharesBootDevice)
        return RunningSystemGuard::onBootDiskReason();
    return std::nullopt;
}

QString notAllowedByPolicy()
{
    //: Why an action is refused: "Couldn’t rename “X”: " + this
    return QCoreApplication::translate("VolumeActionGate", "its media policy doesn’t allow it.");
}

} // namespace

namespace VolumeActionGate {

bool isOffered(const Volume &volume, VolumeOperation operation)
{
    const QList<VolumeMenuModel::Item> items = VolumeMenuModel::make(volume, false).items;
    const Kind wanted = menuItem(operation);
    return std::any_of(items.cbegin(), items.cend(), [wanted](const VolumeMenuModel::Item &item) {
        return item.kind() == wanted;
    });
}

std::optional<QString> refusal(const Volume &volume, VolumeOperation operation)
{
    if (isOffered(volume, operation))
        return std::nullopt;
    switch (menuItem(operation)) {
    case Kind::eject:
        if (!volume.isMounted)
            return notMounted();
        if (const std::optional<QString> reason = leftAlone(volume))
            return reason;
        //: Why an eject is refused: "Couldn’t eject “X”: " + this
        return QCoreApplication::translate("VolumeActionGate",
                                           "it is a fixed internal volume; only removable "
                                           "volumes and network shares are ejected.");
    case Kind::remount:
        //: Why a remount is refused: "Couldn’t remount “X”: " + this
        return QCoreApplication::translate("VolumeActionGate", "it is already mounted.");
    case Kind::rename:
        if (!volume.isMounted)
            return notMounted();
        if (volume.deviceName.isEmpty())
            //: Why a rename is refused: "Couldn’t rename “X”: " + this
            return QCoreApplication::translate("VolumeActionGate", "it has no device node.");
        if (volume.kind == VolumeKind::boot)
            return RunningSystemGuard::bootVolumeReason();
        if (!VolumeNameRules::relabelsWhileMounted(volume.fileSystemType))
            //: Why a rename is refused: "Couldn’t rename “X”: " + this
            return QCoreApplication::translate("VolumeActionGate",
                                               "its file system (XFS) can be renamed only while "
                                               "it is unmounted.");
        return notAllowedByPolicy();
    case Kind::erase:
        if (const std::optional<QString> reason = leftAlone(volume))
            return reason;
        if (const QString problem = MediaPolicy::overridesProblem(); !problem.isEmpty())
            //: Why an erase is refused: "Couldn’t erase “X”: " + this; %1 is the file's fault
            return QCoreApplication::translate("VolumeActionGate",
                                               "no volume is erased until "
                                               "media-policy-overrides.json is fixed (%1).")
                .arg(problem);
        if (!MediaPolicy::policy(volume).canErase)
            return notAllowedByPolicy();
        //: Why an erase is refused: "Couldn’t erase “X”: " + this
        return QCoreApplication::translate("VolumeActionGate",
                                           "only removable, external, and disk-image volumes "
                                           "may be erased.");
    default:
        break;
    }
    return notAllowedByPolicy();
}

} // namespace VolumeActionGate
