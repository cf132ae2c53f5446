#include "discovery/mounteventdiffer.h"

#include <QHash>

namespace MountEventDiffer {

namespace {

// Mounted state by id; the first volume with an id wins.
QHash<QString, bool> mountedById(const VolumeList &volumes)
{
    QHash<QString, bool> result;
    result.reserve(volumes.size());
    for (const Volume &volume : volumes) {
        if (!result.contains(volume.id))
            result.insert(volume.id, volume.isMounted);
    }
    return result;
}

void appendVanished(HistoryEntryList &entries, const VolumeList &from,
                    const QHash<QString, bool> &other, const QString &operation,
                    const QDateTime &date)
{
    for (const Volume &volume : from) {
        if (volume.isMounted && !other.value(volume.id, false))
            entries.append(
                HistoryEntry{date, volume.name, volume.deviceName, operation, true, {}, {}});
    }
}

} // namespace

HistoryEntryList diff(const VolumeList &oldVolumes, const VolumeList &newVolumes,
                      const QDateTime &date)
{
    HistoryEntryList entries;
    appendVanished(entries, oldVolumes, mountedById(newVolumes), QStringLiteral("unmount"), date);
    appendVanished(entries, newVolumes, mountedById(oldVolumes), QStringLiteral("mount"), date);
    return entries;
}

} // namespace MountEventDiffer
