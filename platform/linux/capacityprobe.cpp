#include "capacityprobe.h"

#include <QFile>
#include <QHash>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// What the child leaves for its parent: the two figures, or -1 when statvfs failed.
struct Answer {
    qint64 total = -1;
    qint64 available = -1;
};

// statvfs in a vfork child. A thread stuck in a FUSE request cannot be killed and would keep
// the program (or quillmere-cli) from ever exiting; a thread that waits for its vfork child
// can be, and the child that hangs is left to init.
std::optional<CapacityProbe::Capacity> readInChild(const char *path)
{
    // The child shares this memory until it exits; the answer is written there.
    auto *volatile answer = new Answer;
    const pid_t pid = ::vfork();
    if (pid == 0) {
        struct statvfs fs {};
        if (::statvfs(path, &fs) == 0) {
            answer->total = static_cast<qint64>(fs.f_blocks) * static_cast<qint64>(fs.f_frsize);
            answer->available = static_cast<qint64>(fs.f_bavail) * static_cast<qint64>(fs.f_frsize);
        }
        ::_exit(0);
    }
    std::optional<CapacityProbe::Capacity> result;
    if (pid > 0) {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        if (answer->total >= 0) {
            result = CapacityProbe::Capacity{answer->total, answer->available};
        }
    }
    delete answer;
    return result;
}

} // namespace

struct CapacityProbe::Shared {
    struct Read {
        Clock::time_point started;
        Clock::time_point finished;
        bool done = false;
        std::optional<Capacity> result;
    };

    std::mutex mutex;
    std::condition_variable answered;
    QHash<QString, std::shared_ptr<Read>> reads;

    // The thread holds the shared state, so a read that hangs past the probe's life stays safe.
    static void startLocked(const std::shared_ptr<Shared> &shared, const QString &path)
    {
        auto read = std::make_shared<Read>();
        read->started = Clock::now();
        try {
            std::thread([shared, read, bytes = QFile::encodeName(path)] {
                const std::optional<Capacity> capacity = readInChild(bytes.constData());
                const std::lock_guard lock(shared->mutex);
                read->result = capacity;
                read->finished = Clock::now();
                read->done = true;
                shared->answered.notify_all();
            }).detach();
        } catch (const std::system_error &) {
            // No thread to spare: no capacity this time.
            read->finished = read->started;
            read->done = true;
        }
        shared->reads.insert(path, read);
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
        if ((*it)->done && !paths.contains(it.key())) {
            it = m_shared->reads.erase(it);
        } else {
            ++it;
        }
    }
    for (const QString &path : paths) {
        if (!m_shared->reads.contains(path)) {
            Shared::startLocked(m_shared, path);
        }
    }
}

std::optional<CapacityProbe::Capacity> CapacityProbe::read(const QString &path)
{
    std::unique_lock lock(m_shared->mutex);
    auto it = m_shared->reads.find(path);
    // An answer that came after the limit is stale: ask again.
    if (it != m_shared->reads.end() && (*it)->done && (*it)->finished > (*it)->started + m_limit) {
        m_shared->reads.erase(it);
        it = m_shared->reads.end();
    }
    if (it == m_shared->reads.end()) {
        Shared::startLocked(m_shared, path);
        it = m_shared->reads.find(path);
    }
    const std::shared_ptr<Shared::Read> read = *it;
    m_shared->answered.wait_until(lock, read->started + m_limit, [&read] { return read->done; });
    if (!read->done) {
        return std::nullopt;
    }
    m_shared->reads.remove(path);
    return read->result;
}

int CapacityProbe::hangingReads() const
{
    const std::lock_guard lock(m_shared->mutex);
    const Clock::time_point now = Clock::now();
    int hanging = 0;
    for (const auto &read : std::as_const(m_shared->reads)) {
        if (!read->done && now > read->started + m_limit) {
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
