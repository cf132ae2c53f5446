#include "stores/sharedfile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <QThread>

namespace SharedFile {

namespace {
constexpr int lockTimeoutMs = 10000;
constexpr int staleLockMs = 10000;
} // namespace

Stamp stamp(const QString &path)
{
    // QFile gives the times in UTC; QFileInfo's local times cost a time-zone lookup each.
    QFile file(path);
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    if (!modified.isValid())
        return {};
    return Stamp{true, file.size(), modified.toMSecsSinceEpoch(),
                 file.fileTime(QFileDevice::FileMetadataChangeTime).toMSecsSinceEpoch()};
}

// QLockFile's own waiting backs off from 100 ms upwards; these writes take a millisecond, so
// poll briefly instead.
bool acquire(QLockFile &lock)
{
    lock.setStaleLockTime(staleLockMs);
    QDeadlineTimer deadline(lockTimeoutMs);
    int pauseMs = 1;
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(pauseMs);
        pauseMs = std::min(pauseMs * 2, 20);
    }
    return true;
}

} // namespace SharedFile
