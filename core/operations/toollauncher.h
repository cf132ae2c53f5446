#pragma once

#include "operations/commandresult.h"
#include "operations/operationresult.h"

#include <QCoro/QCoroTask>
#include <QString>
#include <QStringList>
#include <chrono>

// Runs the system's command-line tools for the volume operations.
class ToolLauncher {
public:
    // After the time limit the tool gets SIGTERM, and SIGKILL this much later.
    static constexpr std::chrono::milliseconds killDelay{2000};

    // Starts executable directly (no shell) with stdin on the null device. Must be awaited on a
    // thread with a running event loop; never blocks it. Always completes, never throws.
    static QCoro::Task<CommandResult> run(QString executable, QStringList arguments,
                                          double timeoutSeconds);
    // A time-out wins over any exit status; otherwise a failure carries the tool's own message.
    static OperationResult result(const CommandResult &outcome, const QString &failurePrefix);
};
