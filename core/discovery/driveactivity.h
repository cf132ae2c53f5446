#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

// Read/write activity of one physical disk, as of the last sample.
struct DriveActivity {
    QString wholeDiskName;
    bool isActive = false;
    // When the byte counter was last seen to change; for a disk never seen to change,
    // when it was first sampled.
    QDateTime lastActive;

    bool operator==(const DriveActivity &) const = default;
};

using DriveActivityMap = QHash<QString, DriveActivity>;
