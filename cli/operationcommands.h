#pragma once

#include "model/volume.h"

#include "operations/operationresult.h"
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
// or the erase unconfirmed, 3 the password prompt was dismissed, 4 not authorized, 5 the volume
// is busy, 6 udisks2 is not available.
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

    // The exit status of an operation's result.
    static int exitCode(const OperationResult &result);

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
    // Prints why the operation failed (a dismissed prompt without the failure title) and
    // returns its exit status.
    int reportFailure(VolumeOperation operation, const Volume &volume,
                      const OperationResult &result);

    QTextStream &m_out;
    QTextStream &m_err;
    SessionFactory m_makeSession;
};
