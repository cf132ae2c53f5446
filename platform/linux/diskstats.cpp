#include "diskstats.h"

#include <QByteArrayView>

namespace {

// The next word of a line, skipping the spaces before it; empty at the end.
QByteArrayView nextWord(QByteArrayView line, qsizetype &at)
{
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
        ++at;
    const qsizetype start = at;
    while (at < line.size() && line[at] != ' ' && line[at] != '\t')
        ++at;
    return line.sliced(start, at - start);
}

} // namespace

QHash<QString, quint64> DiskStats::parse(const QByteArray &text)
{
    // Read every second at rest: words are looked at in place, not copied.
    QHash<QString, quint64> bytes;
    const QByteArrayView all(text);
    qsizetype lineStart = 0;
    while (lineStart < all.size()) {
        qsizetype lineEnd = all.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = all.size();
        const QByteArrayView line = all.sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;

        qsizetype at = 0;
        QByteArrayView words[10];
        int count = 0;
        for (; count < 10; ++count) {
            words[count] = nextWord(line, at);
            if (words[count].isEmpty())
                break;
        }
        if (count < 10)
            continue;
        bool okRead = false;
        bool okWritten = false;
        const quint64 read = words[5].toULongLong(&okRead);
        const quint64 written = words[9].toULongLong(&okWritten);
        if (okRead && okWritten)
            bytes.insert(QString::fromLatin1(words[2]), (read + written) * 512);
    }
    return bytes;
}
