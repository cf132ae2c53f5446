#include "operations/guardeddiskoperations.h"

#include "format/historyformatter.h"
#include "operations/disklocks.h"
#include "operations/erasecheck.h"
#include "operations/filesystemprobe.h"
#include "operations/renametruth.h"
#include "policy/mediapolicy.h"
#include "policy/runningsystemguard.h"

#include <QCoreApplication>

namespace {

QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

OperationResult heldBy(const Volume &volume, const QString &holder)
{
    OperationResult result;
    result.held = true;
    if (holder.isEmpty()) {
        //: Operation failure: another operation works on the same disk
        result.detail = QCoreApplication::translate(
                            "GuardedDiskOperations",
                            "Another operation is working on the disk of “%1”. Try again when it "
                            "has finished.")
                            .arg(volume.name);
    } else {
        //: Operation failure; %2 is the operation that holds the disk ("Erase")
        result.detail = QCoreApplication::translate(
                            "GuardedDiskOperations",
                            "The disk of “%1” is busy with another operation (%2). Try again "
                            "when it has finished.")
                            .arg(volume.name, HistoryFormatter::operationName(holder));
    }
    return result;
}

} // namespace

GuardedDiskOperations::GuardedDiskOperations(DiskOperations &inner, DiskLocks &locks,
                                             FileSystemProbe *probe,
                                             std::function<QString(const QString &)> fileSystemType)
    : m_inner(inner), m_locks(locks), m_probe(probe), m_fileSystemType(std::move(fileSystemType))
{
}

std::optional<OperationResult> GuardedDiskOperations::refused(const Volume &volume,
                                                              VolumeOperation operation)
{
    if (const auto reason = RunningSystemGuard::refusal(volume, operation))
        return OperationResult{false, sentence(*reason)};
    const bool ejecting = operation == VolumeOperation::eject ||
                          operation == VolumeOperation::forceEject ||
                          operation == VolumeOperation::autoEject;
    if (ejecting &&
        MediaPolicy::policy(volume).ejectSemantics == MediaPolicy::EjectSemantics::unmountByPath &&
        !RunningSystemGuard::mayUnmountByPath(volume.fileSystemType)) {
        //: Eject failure: only network shares and FUSE mounts are unmounted by their folder
        return OperationResult{false,
                               QCoreApplication::translate(
                                   "GuardedDiskOperations",
                                   "“%1” is neither a network share nor a FUSE mount, so it is not "
                                   "unmounted by its folder.")
                                   .arg(volume.name)};
    }
    return std::nullopt;
}

QCoro::Task<OperationResult> GuardedDiskOperations::eject(Volume volume, bool force)
{
    const VolumeOperation operation = force ? VolumeOperation::forceEject : VolumeOperation::eject;
    if (auto refusal = refused(volume, operation))
        co_return *refusal;
    const DiskLockAttempt attempt = co_await m_locks.acquire(volume, operation);
    if (attempt.outcome == DiskLockAttempt::Outcome::held)
        co_return heldBy(volume, attempt.holder);
    co_return co_await m_inner.eject(volume, force);
}

QCoro::Task<OperationResult> GuardedDiskOperations::remount(Volume volume)
{
    if (auto refusal = refused(volume, VolumeOperation::remount))
        co_return *refusal;
    const DiskLockAttempt attempt = co_await m_locks.acquire(volume, VolumeOperation::remount);
    if (attempt.outcome == DiskLockAttempt::Outcome::held)
        co_return heldBy(volume, attempt.holder);
    co_return co_await m_inner.remount(volume);
}

QCoro::Task<OperationResult> GuardedDiskOperations::rename(Volume volume, QString newName)
{
    if (auto refusal = refused(volume, VolumeOperation::rename))
        co_return *refusal;
    const DiskLockAttempt attempt = co_await m_locks.acquire(volume, VolumeOperation::rename);
    if (attempt.outcome == DiskLockAttempt::Outcome::held)
        co_return heldBy(volume, attempt.holder);
    const OperationResult done = co_await m_inner.rename(volume, newName);
    if (m_probe == nullptr || !RenameTruth::mayHaveChanged(done))
        co_return done;
    // Still under the lock, as for an erase; the label is read from the device, not udisks2.
    const std::optional<ProbedFileSystem> found = co_await m_probe->probe(volume.deviceName);
    co_return RenameTruth::verdict(done, volume.fileSystemType, volume.name, newName, found);
}

QCoro::Task<OperationResult> GuardedDiskOperations::erase(Volume volume, QString format,
                                                          QString newName)
{
    if (auto refusal = refused(volume, VolumeOperation::erase))
        co_return *refusal;
    const DiskLockAttempt attempt = co_await m_locks.acquire(volume, VolumeOperation::erase);
    if (attempt.outcome == DiskLockAttempt::Outcome::held)
        co_return heldBy(volume, attempt.holder);
    const OperationResult done = co_await m_inner.erase(volume, format, newName);
    if (!done.ok || m_probe == nullptr)
        co_return done;
    // Still under the lock: nothing else may change the device before it is read back.
    const std::optional<ProbedFileSystem> found = co_await m_probe->probe(volume.deviceName);
    co_return EraseCheck::verdict(done, m_fileSystemType(format), newName, found);
}

QCoro::Task<BlockerList> GuardedDiskOperations::blockers(Volume volume)
{
    co_return co_await m_inner.blockers(volume);
}

QCoro::Task<QStringList> GuardedDiskOperations::availableEraseFormats()
{
    co_return co_await m_inner.availableEraseFormats();
}
