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

} // namespace SharedFile
