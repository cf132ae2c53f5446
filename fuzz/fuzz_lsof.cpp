// The open-files lister's field output (lsof -Fpc).
#include "fuzzcheck.h"
#include "operations/blockerscanner.h"

#include <QSet>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString output = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const BlockerList blockers = BlockerScanner::parse(output);
    QSet<qint64> pids;
    for (const Blocker &b : blockers) {
        FUZZ_CHECK(!pids.contains(b.pid));
        pids.insert(b.pid);
    }
    const BlockerList unique = BlockerScanner::uniqueCommands(blockers);
    QSet<QString> commands;
    for (const Blocker &b : unique) {
        FUZZ_CHECK(!commands.contains(b.command));
        commands.insert(b.command);
    }
    FUZZ_CHECK(unique.size() <= blockers.size());
    return 0;
}
