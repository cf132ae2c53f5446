#include "diskstats.h"

#include <QList>

QHash<QString, quint64> DiskStats::parse(const QByteArray &text)
{
    QHash<QString, quint64> bytes;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 10) {
            continue;
        }
        bool okRead = false;
        bool okWritten = false;
        const quint64 read = fields[5].toULongLong(&okRead);
        const quint64 written = fields[9].toULongLong(&okWritten);
        if (okRead && okWritten && !fields[2].isEmpty()) {
            bytes.insert(QString::fromLatin1(fields[2]), (read + written) * 512);
        }
    }
    return bytes;
}
