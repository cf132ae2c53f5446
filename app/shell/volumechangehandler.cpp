#include "volumechangehandler.h"

#include "busymarks.h"

#include "discovery/mounteventdiffer.h"
#include "stores/historyrecording.h"

#include <QHash>
#include <QSet>

VolumeChangeHandler::VolumeChangeHandler(HistoryRecording &history, BusyMarks &busy)
    : m_history(history), m_busy(busy)
{
}

namespace {

// Images that the system mounts for itself (snap packages) come and go with software updates:
// nobody mounted or unmounted them, so they leave no history line.
VolumeList userMounts(const VolumeList &volumes)
{
    VolumeList result;
    for (const Volume &volume : volumes) {
        if (!volume.traits.isSystemManaged)
            result.append(volume);
    }
    return result;
}

} // namespace

bool VolumeChangeHandler::handle(const VolumeList &allVolumes, const QDateTime &now)
{
    bool wrote = false;
    if (m_lastSnapshot) {
        const HistoryEntryList entries =
            MountEventDiffer::diff(userMounts(*m_lastSnapshot), userMounts(allVolumes), now);
        for (const HistoryEntry &entry : entries)
            m_history.append(entry);
        wrote = !entries.isEmpty();

        QHash<QString, bool> mountedBefore;
        for (const Volume &volume : *m_lastSnapshot)
            mountedBefore.insert(volume.id, volume.isMounted);

        for (const Volume &volume : allVolumes) {
            if (!mountedBefore.contains(volume.id) && !volume.isMounted && volume.isRemovable)
                m_busy.markSettling(volume.id);
        }
        for (const Volume &volume : allVolumes) {
            const auto before = mountedBefore.constFind(volume.id);
            if (before != mountedBefore.cend() && *before != volume.isMounted)
                m_busy.remove(volume.id);
        }
    }
    m_lastSnapshot = allVolumes;
    return wrote;
}
