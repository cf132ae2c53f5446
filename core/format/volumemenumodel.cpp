#include "format/volumemenumodel.h"

#include "policy/mediapolicy.h"

#include <QCoreApplication>

std::optional<QString> VolumeMenuModel::Item::title() const
{
    switch (m_kind) {
    case Kind::toggleExclusion:
        return QCoreApplication::translate("VolumeMenuModel", "Ignore in Auto-Eject & Eject All",
                                           "Checkmark menu item exempting a volume from bulk "
                                           "ejection");
    case Kind::openInFinder:
        return QCoreApplication::translate("VolumeMenuModel", "Open in Finder", "Volume menu item");
    case Kind::copyPath:
        return QCoreApplication::translate("VolumeMenuModel", "Copy Path", "Volume menu item");
    case Kind::separator:
        return std::nullopt;
    case Kind::eject:
        return QCoreApplication::translate("VolumeMenuModel", "Eject", "Volume menu item");
    case Kind::remount:
        return QCoreApplication::translate("VolumeMenuModel", "Remount", "Volume menu item");
    case Kind::rename:
        return QCoreApplication::translate("VolumeMenuModel", "Rename…", "Volume menu item");
    case Kind::erase:
        return QCoreApplication::translate("VolumeMenuModel", "Erase…",
                                           "Volume menu item (destructive)");
    }
    return std::nullopt;
}

VolumeMenuModel VolumeMenuModel::make(const Volume &volume, bool isExcluded)
{
    const MediaPolicy policy = MediaPolicy::policy(volume);

    QList<Item> head;
    QList<Item> actions;
    if (volume.isMounted) {
        head = {Item::openInFinder(), Item::copyPath()};
        if (volume.isRemovable ||
            policy.ejectSemantics == MediaPolicy::EjectSemantics::unmountByPath)
            actions.append(Item::eject());
        if (!volume.bsdName.isEmpty() && volume.kind != VolumeKind::boot && policy.canRename)
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
