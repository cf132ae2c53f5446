#include "discovery/activitydiff.h"

namespace ActivityDiff {

Outcome activity(const Counters &previous, const Counters &now, const LastActiveDates &lastActive,
                 const QDateTime &date)
{
    Outcome outcome;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const QString &disk = it.key();
        const auto before = previous.constFind(disk);
        const bool active = before != previous.cend() && before.value() != it.value();
        QDateTime since = date;
        if (!active) {
            since = lastActive.value(disk, date);
        }
        outcome.activities.insert(disk, DriveActivity{disk, active, since});
        outcome.lastActive.insert(disk, since);
    }
    return outcome;
}

std::optional<double> idleSeconds(const LastActiveDates &lastActive, const QString &disk,
                                  const QDateTime &now)
{
    const auto it = lastActive.constFind(disk);
    if (it == lastActive.cend()) {
        return std::nullopt;
    }
    return it.value().msecsTo(now) / 1000.0;
}

} // namespace ActivityDiff
