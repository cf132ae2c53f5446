#pragma once

#include "discovery/driveactivity.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QtGlobal>
#include <optional>

// Compares two samples of cumulative per-disk byte counters.
namespace ActivityDiff {

using Counters = QHash<QString, quint64>;
using LastActiveDates = QHash<QString, QDateTime>;

struct Outcome {
    DriveActivityMap activities;
    // The lastActive of every disk in the new sample; disks that vanished are gone.
    LastActiveDates lastActive;
};

// A counter that changed in either direction (a driver restart resets it) is activity;
// a disk without a previous total is new and inactive.
Outcome activity(const Counters &previous, const Counters &now, const LastActiveDates &lastActive,
                 const QDateTime &date);

std::optional<double> idleSeconds(const LastActiveDates &lastActive, const QString &disk,
                                  const QDateTime &now);

} // namespace ActivityDiff
