#pragma once

#include "model/volume.h"
#include "operations/blocker.h"
#include "operations/operationresult.h"

#include <QCoro/QCoroTask>
#include <QString>
#include <QStringList>

// The seam between the platform's volume operations and everything that drives them.
// Every task completes exactly once and reports failure only through its result.
class DiskOperations {
public:
    virtual ~DiskOperations() = default;

    virtual QCoro::Task<OperationResult> eject(Volume volume, bool force) = 0;
    virtual QCoro::Task<OperationResult> remount(Volume volume) = 0;
    virtual QCoro::Task<OperationResult> rename(Volume volume, QString newName) = 0;
    // format is one of the erase formats the erase panel offers.
    virtual QCoro::Task<OperationResult> erase(Volume volume, QString format, QString newName) = 0;
    // Never fails: anything that goes wrong yields an empty list.
    virtual QCoro::Task<BlockerList> blockers(Volume volume) = 0;
    // The erase formats whose file system can be made on this machine, in the order they are
    // offered, the default first.
    virtual QCoro::Task<QStringList> availableEraseFormats() = 0;
};
