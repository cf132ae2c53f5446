#include "stores/sharedfile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

ScopedLock::ScopedLock(const QString &lockPath, int timeoutMs)
{
    m_fd = ::open(QFile::encodeName(lockPath).constData(),
                  O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    if (m_fd < 0)
        return;
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    QDeadlineTimer deadline(timeoutMs);
    int pauseMs = 1;
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_locked = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
            return;
        QThread::msleep(pauseMs);
        pauseMs = std::min(pauseMs * 2, 20);
    }
}

ScopedLock::~ScopedLock()
{
    // Closing the last descriptor releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace SharedFile
