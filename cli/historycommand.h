#pragma once

#include "stores/historyentry.h"

#include <QString>
#include <QTextStream>
#include <qcoro/qcorotask.h>

class QCommandLineParser;
class HistoryStore;

// `history [--limit N] [--json]` prints the operation history, newest first;
// `history --export FILE` copies the log to FILE. Exit status: 0 done, 1 the export failed,
// 2 the command line was wrong.
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

    QTextStream &m_out;
    QTextStream &m_err;
};
