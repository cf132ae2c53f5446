#pragma once

#include "discovery/driveactivity.h"

#include <QString>
#include <functional>
#include <optional>

// Per-disk activity and idle time, sampled by a platform monitor.
class ActivityMonitoring {
public:
    using UpdateHandler = std::function<void(const DriveActivityMap &)>;

    virtual ~ActivityMonitoring() = default;

    // Called with every disk's activity after each sample.
    virtual UpdateHandler onUpdate() const = 0;
    virtual void setOnUpdate(UpdateHandler handler) = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
    // Seconds since the disk was last active; none when the monitor has no record of it.
    virtual std::optional<double> idleSeconds(const QString &wholeDiskName) = 0;
};
