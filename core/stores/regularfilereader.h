#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Reads a file only when it is a regular one (after links are followed) and not larger than a
// limit, so that a FIFO, a device or a link to /dev/zero put in place of one of the program's
// files is refused instead of read forever. Devices are never even opened.
namespace RegularFileReader {

struct Result {
    enum class Status { ok, missing, notRegular, tooLarge, unreadable };

    Status status = Status::missing;
    QByteArray data;
    // The file was larger than the limit and data holds its end (readTail only).
    bool truncated = false;
    // Why nothing was read, for a log line or a message; empty when ok or missing.
    QString error;

    bool isOk() const { return status == Status::ok; }
};

// The whole file; tooLarge when it holds more than maxBytes.
Result read(const QString &path, qint64 maxBytes);
// The whole file, or its last maxBytes when it is larger.
Result readTail(const QString &path, qint64 maxBytes);

// What kind of thing is at path when it is not a regular file ("a directory", "a FIFO", "a
// character device", ...), following links; empty when it is a regular file or nothing is there.
QString nonRegularKind(const QString &path);

} // namespace RegularFileReader
