#pragma once

#include "model/volume.h"

#include <QDateTime>
#include <optional>

class BusyMarks;
class HistoryRecording;

// Turns each publication of the volume store into "mount" and "unmount" history lines and
// keeps the busy marks that depend on mount states. The first publication only sets the
// baseline: what is attached at launch was not mounted or unmounted by anyone now. Images the
// system mounts for itself are left out of the history.
class VolumeChangeHandler {
public:
    VolumeChangeHandler(HistoryRecording &history, BusyMarks &busy);

    // allVolumes is the store's complete list (not only the visible one). Returns whether
    // history lines were written.
    bool handle(const VolumeList &allVolumes, const QDateTime &now = QDateTime::currentDateTime());

    const std::optional<VolumeList> &lastSnapshot() const { return m_lastSnapshot; }

private:
    HistoryRecording &m_history;
    BusyMarks &m_busy;
    std::optional<VolumeList> m_lastSnapshot;
};
