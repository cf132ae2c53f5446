#include "operations/blockerscanner.h"

#include <QHash>
#include <QSet>
#include <QStringView>
#include <optional>

namespace {

// Optional sign and ASCII digits only: toLongLong alone would also take surrounding spaces.
std::optional<qint64> processId(QStringView value)
{
    QStringView digits = value;
    if (digits.startsWith(u'+') || digits.startsWith(u'-'))
        digits = digits.mid(1);
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 pid = value.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return pid;
}

} // namespace

namespace BlockerScanner {

BlockerList parse(const QString &output)
{
    QHash<qint64, QString> commands;
    QList<qint64> order;
    std::optional<qint64> current;

    const QStringList lines = output.split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QChar tag = line.front();
        const QStringView value = QStringView(line).mid(1);
        if (tag == u'p') {
            current = processId(value);
            if (current && !commands.contains(*current)) {
                order.append(*current);
                commands.insert(*current, QString());
            }
        } else if (tag == u'c') {
            if (current)
                commands[*current] = value.toString();
        }
    }

    BlockerList blockers;
    blockers.reserve(order.size());
    for (qint64 pid : order)
        blockers.append(Blocker{pid, commands.value(pid)});
    return blockers;
}

BlockerList uniqueCommands(const BlockerList &blockers)
{
    QSet<QString> seen;
    BlockerList unique;
    for (const Blocker &blocker : blockers) {
        if (seen.contains(blocker.command))
            continue;
        seen.insert(blocker.command);
        unique.append(blocker);
    }
    return unique;
}

} // namespace BlockerScanner
