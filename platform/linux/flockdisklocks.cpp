#include "flockdisklocks.h"

#include "platformlogging.h"
#include "runtimefolder.h"

#include "discovery/diskmerger.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <chrono>
#include <fcntl.h>
#include <qcoro/qcorotimer.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

class FlockDiskLock : public DiskLock {
public:
    explicit FlockDiskLock(int fd) : m_fd(fd) {}
    ~FlockDiskLock() override { ::close(m_fd); }
    FlockDiskLock(const FlockDiskLock &) = delete;
    FlockDiskLock &operator=(const FlockDiskLock &) = delete;

private:
    int m_fd;
};

QString holderOf(int fd)
{
    char buffer[64] = {};
    const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
    if (n <= 0)
        return {};
    return QString::fromUtf8(buffer, n).trimmed();
}

} // namespace

FlockDiskLocks::FlockDiskLocks(QString folder, QString deviceFolder)
    : m_folder(std::move(folder)), m_deviceFolder(std::move(deviceFolder))
{
}

QString FlockDiskLocks::lockFilePath(const Volume &volume) const
{
    if (volume.deviceName.isEmpty())
        return {};
    const QString disk = volume.wholeDiskName.value_or(
        DiskMerger::wholeDiskName(volume.deviceName).value_or(volume.deviceName));
    struct stat info {};
    if (::stat(QFile::encodeName(QDir(m_deviceFolder).filePath(disk)).constData(), &info) != 0 ||
        !S_ISBLK(info.st_mode))
        return {};
    const QString folder = m_folder.isEmpty() ? RuntimeFolder::path() : m_folder;
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(
        QStringLiteral("disk-%1:%2.lock").arg(major(info.st_rdev)).arg(minor(info.st_rdev)));
}

QCoro::Task<DiskLockAttempt> FlockDiskLocks::acquire(Volume volume, VolumeOperation operation)
{
    const QString path = lockFilePath(volume);
    if (path.isEmpty())
        co_return DiskLockAttempt{};
    // Never through a link: someone else's file must not be truncated or written here.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        qCWarning(lcUDisks, "Cannot use the disk lock %s; %s runs without it", qUtf8Printable(path),
                  qUtf8Printable(enumName(operation)));
        if (fd >= 0)
            ::close(fd);
        co_return DiskLockAttempt{};
    }
    const QDeadlineTimer deadline(waitMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            DiskLockAttempt held;
            held.outcome = DiskLockAttempt::Outcome::held;
            held.holder = holderOf(fd);
            ::close(fd);
            co_return held;
        }
        co_await QCoro::sleepFor(std::chrono::milliseconds(100));
    }
    const QByteArray name = enumName(operation).toUtf8() + '\n';
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, name.constData(), name.size(), 0) < 0)
        qCWarning(lcUDisks, "Cannot name the holder in %s", qUtf8Printable(path));
    DiskLockAttempt locked;
    locked.outcome = DiskLockAttempt::Outcome::locked;
    locked.lock = std::make_unique<FlockDiskLock>(fd);
    co_return locked;
}
