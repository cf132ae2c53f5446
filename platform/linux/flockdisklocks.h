#pragma once

#include "operations/disklocks.h"

// Disk locks as flock()s on one file per whole disk in the user's runtime folder, named by the
// disk's device number so that a renamed or re-attached device keeps its lock. The holder
// writes its operation's name into the file for those who wait. The kernel lets go of the lock
// when its holder dies.
class FlockDiskLocks : public DiskLocks {
public:
    static constexpr int waitMs = 3000;

    explicit FlockDiskLocks(QString folder = QString(),
                            QString deviceFolder = QStringLiteral("/dev"));

    QCoro::Task<DiskLockAttempt> acquire(Volume volume, VolumeOperation operation) override;

    // The lock file of the whole disk a volume is on, or empty when it has no disk.
    QString lockFilePath(const Volume &volume) const;

private:
    QString m_folder;
    QString m_deviceFolder;
};
