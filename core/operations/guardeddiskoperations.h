#pragma once

#include "operations/diskoperations.h"
#include "operations/volumeoperation.h"

#include <functional>

class DiskLocks;
class FileSystemProbe;

// The door every front end goes through to the disk operations: it refuses the running
// system before any call or tool, lets one operation at a time work on a disk, calls an erase
// done only when a fresh probe of the device finds what was asked for, and tells a failed rename
// by the label a fresh probe finds.
class GuardedDiskOperations : public DiskOperations {
public:
    // fileSystemType maps an erase format to the type the probe reports ("ext4", "vfat").
    // Without a probe an erase or a rename is taken at the inner operations' word (for
    // operations that touch no real device). Everything given outlives this object.
    GuardedDiskOperations(DiskOperations &inner, DiskLocks &locks, FileSystemProbe *probe,
                          std::function<QString(const QString &)> fileSystemType);

    QCoro::Task<OperationResult> eject(Volume volume, bool force) override;
    QCoro::Task<OperationResult> remount(Volume volume) override;
    QCoro::Task<OperationResult> rename(Volume volume, QString newName) override;
    QCoro::Task<OperationResult> erase(Volume volume, QString format, QString newName) override;
    QCoro::Task<BlockerList> blockers(Volume volume) override;
    QCoro::Task<QStringList> availableEraseFormats() override;

    // The refusal for the running system, as a sentence; none when the operation may run.
    static std::optional<OperationResult> refused(const Volume &volume, VolumeOperation operation);

private:
    DiskOperations &m_inner;
    DiskLocks &m_locks;
    FileSystemProbe *m_probe;
    std::function<QString(const QString &)> m_fileSystemType;
};
