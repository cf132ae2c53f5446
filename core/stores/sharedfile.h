#pragma once

#include <QString>
#include <QtGlobal>

class QLockFile;

// For files that the program and the command line write alike (settings, history).
namespace SharedFile {

// What a file looked like when it was last seen: a write by another process changes it.
struct Stamp {
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedMs = -1;
    qint64 changedMs = -1;

    bool operator==(const Stamp &) const = default;
};

Stamp stamp(const QString &path);

// Takes the lock file that guards a short write, waiting up to 10 seconds; a lock whose
// holder died is taken over. False when it could not be taken.
bool acquire(QLockFile &lock);

// An advisory lock (flock) on a lock file beside a shared file, held while in scope, waiting
// up to timeoutMs. Unlike QLockFile it writes nothing to disk, so it is cheap enough for every
// history line, and the kernel lets go of it when its holder dies. The lock file is never
// opened through a link, and one of another user is not used.
class ScopedLock {
public:
    explicit ScopedLock(const QString &lockPath, int timeoutMs = 10000);
    ~ScopedLock();
    ScopedLock(const ScopedLock &) = delete;
    ScopedLock &operator=(const ScopedLock &) = delete;

    bool isLocked() const { return m_locked; }

private:
    int m_fd = -1;
    bool m_locked = false;
};

} // namespace SharedFile
