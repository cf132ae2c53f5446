#pragma once

#include "stores/historyentry.h"

#include <QString>
#include <QTextStream>
#include <qcoro/qcorotask.h>

class QCommandLineParser;
class HistoryStore;

// `history [--limit N] [--json]` prints the operation history, newest first, and says how
// many damaged lines it skipped; `history --export FILE` copies the log to FILE (a regular
// file only; "-" is standard output). Exit status: 0 done, 1 the log could not be read or
// the export failed, 2 the command line was wrong.
class HistoryCommand {
public:
    HistoryCommand(QTextStream &out, QTextStream &err);

    // --json is the list command's option, shared.
    static void addOptions(QCommandLineParser &parser);
    static QString usage();

    int run(const QCommandLineParser &parser);
    int run(HistoryStore &history, const QCommandLineParser &parser);

    static QString render(const HistoryEntryList &entries);
    static QString renderJson(const HistoryEntryList &entries);

private:
    int usageError(const QString &message);
    bool exportToOutput(HistoryStore &history, QString *error);

    QTextStream &m_out;
    QTextStream &m_err;
};
