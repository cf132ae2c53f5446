#pragma once

#include "model/volume.h"

#include "operations/volumeoperation.h"

#include <QString>
#include <QTextStream>
#include <functional>
#include <memory>
#include <optional>
#include <qcoro/qcorotask.h>

class QCommandLineParser;
class OperationSession;

// `eject [--force] VOLUME`, `eject-all`, `remount VOLUME`, `rename VOLUME NAME`,
// `erase VOLUME --format F --name N --yes` and `blockers VOLUME`. Only what the actions menu
// would offer for the volume runs, and each operation that runs leaves the one history line
// the application would leave. Exit status: 0 done, 1 the operation failed, was refused or no
// volume matched, 2 the command line was wrong (a name the file system cannot hold included)
// or the erase unconfirmed.
class OperationCommands {
public:
    using SessionFactory = std::function<std::unique_ptr<OperationSession>()>;

    // Without a factory the session is udisks2's on the system bus.
    OperationCommands(QTextStream &out, QTextStream &err, SessionFactory makeSession = {});
    ~OperationCommands();

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

    // Runs one eject, records it and reports it; its exit status.
    QCoro::Task<int> ejectOne(OperationSession &session, Volume volume, bool force);
    std::optional<Volume> resolve(OperationSession &session, const QString &argument);
    // False, with the reason printed, when no menu would offer the operation for the volume.
    bool isOffered(const Volume &volume, VolumeOperation operation);
    int usageError(const QString &message);

    QTextStream &m_out;
    QTextStream &m_err;
    SessionFactory m_makeSession;
};
