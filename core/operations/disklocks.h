#pragma once

#include "model/volume.h"
#include "operations/volumeoperation.h"

#include <QCoro/QCoroTask>
#include <QString>
#include <memory>

// Held while one operation works on a disk; letting go of it frees the disk.
class DiskLock {
public:
    virtual ~DiskLock() = default;
};

// What asking for a disk's lock came to.
struct DiskLockAttempt {
    enum class Outcome { locked, held, noDisk };

    Outcome outcome = Outcome::noDisk;
    std::unique_ptr<DiskLock> lock;
    // The operation holding the disk ("erase"), when held; empty when it did not say.
    QString holder;
};

// One operation per whole disk at a time, across every process of the user.
class DiskLocks {
public:
    virtual ~DiskLocks() = default;

    // Waits a few seconds at most for the disk of the volume. noDisk when the volume has no
    // disk of its own (a network share), which needs no lock.
    virtual QCoro::Task<DiskLockAttempt> acquire(Volume volume, VolumeOperation operation) = 0;
};
