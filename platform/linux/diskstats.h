#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The kernel's I/O counters of every block device, one line each, as /proc/diskstats lists
// them: "major minor name reads merged sectorsRead ms writes merged sectorsWritten …".
namespace DiskStats {

// Bytes read plus bytes written per device name (sectors of 512 bytes); malformed lines are
// skipped. Partitions are listed too.
QHash<QString, quint64> parse(const QByteArray &text);

} // namespace DiskStats
