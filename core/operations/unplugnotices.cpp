#include "operations/unplugnotices.h"

bool UnplugNotices::concerns(const Volume &volume)
{
    return volume.isRemovable && volume.wholeDiskName && !volume.wholeDiskName->isEmpty() &&
           !volume.traits.isDiskImage && !volume.traits.isNetwork &&
           volume.kind != VolumeKind::diskImage && volume.kind != VolumeKind::network;
}

bool UnplugNotices::began(const Volume &volume)
{
    if (!concerns(volume))
        return false;
    Drive &drive = m_drives[*volume.wholeDiskName];
    if (drive.running == 0 && !drive.shown)
        drive = Drive{volume.name};
    ++drive.running;
    return true;
}

UnplugNotices::Decision UnplugNotices::stillRunning(const Volume &volume)
{
    if (!concerns(volume))
        return {};
    const auto found = m_drives.find(*volume.wholeDiskName);
    if (found == m_drives.end() || found->running == 0 || found->shown)
        return {};
    found->shown = true;
    return {Step::showWriting, found.key(), found->name};
}

UnplugNotices::Decision UnplugNotices::ended(const Volume &volume, bool ejected)
{
    if (!concerns(volume))
        return {};
    const auto found = m_drives.find(*volume.wholeDiskName);
    if (found == m_drives.end() || found->running == 0)
        return {};
    found->failed = found->failed || !ejected;
    if (--found->running > 0)
        return {};
    const Drive drive = *found;
    const QString key = found.key();
    m_drives.erase(found);
    if (!drive.shown)
        return {};
    return {drive.failed ? Step::close : Step::showSafe, key, drive.name};
}
