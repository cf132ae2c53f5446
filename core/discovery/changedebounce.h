#pragma once

#include <QtGlobal>

// When a burst of device and mount-table events becomes one change notification: 0.3 s after
// the last event, but never later than 1 s after the first one still pending, so that a list
// under steady churn still refreshes at least once a second.
namespace ChangeDebounce {

inline constexpr qint64 quietMs = 300;
inline constexpr qint64 ceilingMs = 1000;

// How long after an event at nowMs the notification is due, when the first event not yet
// notified came at firstPendingMs (the same as nowMs for the first of a burst).
qint64 delayAfterEvent(qint64 firstPendingMs, qint64 nowMs);

} // namespace ChangeDebounce
