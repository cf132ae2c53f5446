#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <chrono>
#include <memory>
#include <optional>

// statvfs off the caller's thread (in a child process, waited for by a thread of its own), for
// file systems whose server may never answer (a hard NFS mount whose server is gone, a FUSE
// daemon that hangs): a read that has not answered within the limit reads as "no capacity",
// and while it still hangs its path is not asked again, so the caller never waits for it
// twice. Copies share their reads. Thread-safe.
class CapacityProbe {
public:
    struct Capacity {
        qint64 total = 0;
        qint64 available = 0;

        bool operator==(const Capacity &) const = default;
    };

    static constexpr std::chrono::milliseconds defaultLimit{250};

    explicit CapacityProbe(std::chrono::milliseconds limit = defaultLimit);

    // Starts reading each path that is not being read already, so that reads of several paths
    // wait for them together.
    void start(const QStringList &paths);
    // Starts a read of the path unless one runs, then waits until the limit after that read
    // began. A late answer is dropped: the next call asks again.
    std::optional<Capacity> read(const QString &path);
    // Reads still hanging after their limit passed.
    int hangingReads() const;

    // statvfs on the caller's thread, for file systems answered from memory.
    static std::optional<Capacity> readNow(const QByteArray &path);

private:
    struct Shared;
    std::chrono::milliseconds m_limit;
    std::shared_ptr<Shared> m_shared;
};
