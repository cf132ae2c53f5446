#pragma once

#include "model/volume.h"

#include <QString>
#include <QTextStream>
#include <optional>
#include <qcoro/qcorotask.h>

class QCommandLineParser;
class OperationSession;

// `eject [--force] VOLUME`, `eject-all`, `remount VOLUME`, `rename VOLUME NAME`,
// `erase VOLUME --format F --name N --yes` and `blockers VOLUME`. Each operation that runs
// leaves the one history line the application would leave. Exit status: 0 done, 1 the
// operation failed or no volume matched, 2 the command line was wrong or the erase unconfirmed.
class OperationCommands {
public:
    OperationCommands(QTextStream &out, QTextStream &err);

    static void addOptions(QCommandLineParser &parser);
    static bool handles(const QString &command);
    static QString usage();

    // parser.positionalArguments() starts with the command.
    QCoro::Task<int> run(const QCommandLineParser &parser);

    // The erase format an argument names ("exfat" or "ExFAT" gives "ExFAT"), if any.
    static std::optional<QString> eraseFormat(const QString &argument);

private:
    QCoro::Task<int> eject(OperationSession &session, QString argument, bool force);
    QCoro::Task<int> ejectAll(OperationSession &session);
    QCoro::Task<int> remount(OperationSession &session, QString argument);
    QCoro::Task<int> rename(OperationSession &session, QString argument, QString newName);
    QCoro::Task<int> erase(OperationSession &session, QString argument, QString format,
                           QString newName, bool confirmed);
    QCoro::Task<int> blockers(OperationSession &session, QString argument);

    // Runs one eject, records it and reports it; true when it succeeded.
    QCoro::Task<bool> ejectOne(OperationSession &session, Volume volume, bool force);
    std::optional<Volume> resolve(OperationSession &session, const QString &argument);
    int usageError(const QString &message);

    QTextStream &m_out;
    QTextStream &m_err;
};
