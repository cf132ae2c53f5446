#include "format/volumemenumodel.h"

#include "operations/volumenamerules.h"
#include "policy/mediapolicy.h"

#include <QCoreApplication>

std::optional<QString> VolumeMenuModel::Item::title() const
{
    switch (m_kind) {
    case Kind::toggleExclusion:
        //: Checkmark menu item exempting a volume from bulk ejection
        return QCoreApplication::translate("VolumeMenuModel", "Ignore in Auto-Eject & Eject All");
    case Kind::openInFileManager:
        //: Volume menu item
        return QCoreApplication::translate("VolumeMenuModel", "Open in File Manager");
    case Kind::copyPath:
        //: Volume menu item
        return QCoreApplication::translate("VolumeMenuModel", "Copy Path");
    case Kind::separator:
        return std::nullopt;
    case Kind::eject:
        //: Volume menu item
        return QCoreApplication::translate("VolumeMenuModel", "Eject");
    case Kind::remount:
        //: Volume menu item
        return QCoreApplication::translate("VolumeMenuModel", "Remount");
    case Kind::rename:
        //: Volume menu item
        return QCoreApplication::translate("VolumeMenuModel", "Rename…");
    case Kind::erase:
        //: Volume menu item (destructive)
        return QCoreApplication::translate("VolumeMenuModel", "Erase…");
    }
    return std::nullopt;
}

VolumeMenuModel VolumeMenuModel::make(const Volume &volume, bool isExcluded)
{
    const MediaPolicy policy = MediaPolicy::policy(volume);

    QList<Item> head;
    QList<Item> actions;
    if (volume.isMounted) {
        head = {Item::openInFileManager(), Item::copyPath()};
        if (volume.isRemovable ||
            policy.ejectSemantics == MediaPolicy::EjectSemantics::unmountByPath)
            actions.append(Item::eject());
        if (!volume.deviceName.isEmpty() && volume.kind != VolumeKind::boot && policy.canRename &&
            VolumeNameRules::relabelsWhileMounted(volume.fileSystemType))
            actions.append(Item::rename());
    } else {
        actions = {Item::remount()};
    }

    VolumeMenuModel model;
    model.items = head;
    if (!head.isEmpty() && !actions.isEmpty())
        model.items.append(Item::separator());
    model.items.append(actions);

    if (MediaPolicy::allowsErase(volume)) {
        if (!model.items.isEmpty())
            model.items.append(Item::separator());
        model.items.append(Item::erase());
    }
    if (volume.isRemovable && policy.bulkEjectCandidate) {
        if (!model.items.isEmpty())
            model.items.append(Item::separator());
        model.items.append(Item::toggleExclusion(isExcluded));
    }
    return model;
}
