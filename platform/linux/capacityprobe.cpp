#include "capacityprobe.h"

#include <QFile>
#include <QHash>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <signal.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// What the child writes: the two figures, or -1 when statvfs failed.
struct Answer {
    qint64 total = -1;
    qint64 available = -1;
};

} // namespace

// Each read runs in a child process rather than a thread: a thread stuck in a FUSE request
// cannot be killed, and would keep the program (or quillmere-cli) from ever exiting.
struct CapacityProbe::Shared {
    struct Read {
        Clock::time_point started;
        pid_t pid = -1;
        int fd = -1;
        bool done = false;
        bool late = false;
        std::optional<Capacity> result;
    };

    std::mutex mutex;
    QHash<QString, Read> reads;

    ~Shared()
    {
        for (Read &read : reads) {
            finish(read, false);
        }
    }

    static void startLocked(Shared &shared, const QString &path)
    {
        Read read;
        read.started = Clock::now();
        read.done = true; // unless the child starts
        const QByteArray bytes = QFile::encodeName(path);
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) == 0) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                // Only async-signal-safe calls here: the parent has other threads. Nobody may
                // be reading any more when a hung read ends.
                ::signal(SIGPIPE, SIG_IGN);
                ::close(fds[0]);
                Answer answer;
                struct statvfs fs {};
                if (::statvfs(bytes.constData(), &fs) == 0) {
                    answer.total = static_cast<qint64>(fs.f_blocks) * qint64(fs.f_frsize);
                    answer.available = static_cast<qint64>(fs.f_bavail) * qint64(fs.f_frsize);
                }
                [[maybe_unused]] const ssize_t n = ::write(fds[1], &answer, sizeof answer);
                ::_exit(0);
            }
            ::close(fds[1]);
            if (pid > 0) {
                read.pid = pid;
                read.fd = fds[0];
                read.done = false;
            } else {
                ::close(fds[0]);
            }
        }
        shared.reads.insert(path, read);
    }

    // Waits up to timeoutMs for the child's answer; true once it answered (or failed).
    static bool await(Read &read, int timeoutMs)
    {
        if (read.done) {
            return true;
        }
        pollfd p{read.fd, POLLIN, 0};
        int ready = 0;
        do {
            ready = ::poll(&p, 1, std::max(timeoutMs, 0));
        } while (ready < 0 && errno == EINTR);
        if (ready == 0) {
            return false;
        }
        Answer answer;
        if (::read(read.fd, &answer, sizeof answer) == sizeof answer && answer.total >= 0) {
            read.result = Capacity{answer.total, answer.available};
        }
        finish(read, true);
        return true;
    }

    // Closes the pipe and collects the child; one still hanging is left to init.
    static void finish(Read &read, bool answered)
    {
        if (read.fd >= 0) {
            ::close(read.fd);
            read.fd = -1;
        }
        if (read.pid > 0) {
            while (::waitpid(read.pid, nullptr, answered ? 0 : WNOHANG) < 0 && errno == EINTR) {
            }
            read.pid = -1;
        }
        read.done = true;
    }
};

CapacityProbe::CapacityProbe(std::chrono::milliseconds limit)
    : m_limit(limit), m_shared(std::make_shared<Shared>())
{
}

void CapacityProbe::start(const QStringList &paths)
{
    const std::lock_guard lock(m_shared->mutex);
    // Forget the mounts that are gone once their reads have ended.
    for (auto it = m_shared->reads.begin(); it != m_shared->reads.end();) {
        if (it->late && !paths.contains(it.key()) && Shared::await(*it, 0)) {
            it = m_shared->reads.erase(it);
        } else {
            ++it;
        }
    }
    for (const QString &path : paths) {
        if (!m_shared->reads.contains(path)) {
            Shared::startLocked(*m_shared, path);
        }
    }
}

std::optional<CapacityProbe::Capacity> CapacityProbe::read(const QString &path)
{
    const std::lock_guard lock(m_shared->mutex);
    auto it = m_shared->reads.find(path);
    if (it != m_shared->reads.end() && it->late) {
        // It hung before: an answer that came since is stale, and asking again is pointless
        // while it still hangs.
        if (!Shared::await(*it, 0)) {
            return std::nullopt;
        }
        m_shared->reads.erase(it);
        it = m_shared->reads.end();
    }
    if (it == m_shared->reads.end()) {
        Shared::startLocked(*m_shared, path);
        it = m_shared->reads.find(path);
    }
    const auto remaining =
        std::chrono::duration_cast<std::chrono::milliseconds>(it->started + m_limit - Clock::now());
    if (!Shared::await(*it, static_cast<int>(remaining.count()))) {
        it->late = true;
        return std::nullopt;
    }
    const std::optional<Capacity> result = it->result;
    m_shared->reads.erase(it);
    return result;
}

int CapacityProbe::hangingReads() const
{
    const std::lock_guard lock(m_shared->mutex);
    int hanging = 0;
    for (Shared::Read &read : m_shared->reads) {
        if (read.late && !Shared::await(read, 0)) {
            ++hanging;
        }
    }
    return hanging;
}

std::optional<CapacityProbe::Capacity> CapacityProbe::readNow(const QByteArray &path)
{
    struct statvfs fs {};
    if (::statvfs(path.constData(), &fs) != 0) {
        return std::nullopt;
    }
    const auto unit = static_cast<qint64>(fs.f_frsize);
    return Capacity{static_cast<qint64>(fs.f_blocks) * unit,
                    static_cast<qint64>(fs.f_bavail) * unit};
}
