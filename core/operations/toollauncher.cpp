#include "operations/toollauncher.h"

#include <QCoreApplication>
#include <QCoro/QCoroSignal>
#include <QProcess>
#include <QTimer>
#include <cmath>
#include <limits>

namespace {

std::chrono::milliseconds timeLimit(double seconds)
{
    if (!(seconds > 0)) // also NaN
        return std::chrono::milliseconds{0};
    const double ms = std::ceil(seconds * 1000.0);
    const double cap = std::numeric_limits<int>::max(); // QTimer's range
    return std::chrono::milliseconds{static_cast<qint64>(std::min(ms, cap))};
}

// One child process with its collected output and its watchdog. Everything happens on the
// thread that owns it, so no locking is needed; ended() is emitted exactly once.
class ToolRun : public QObject {
    Q_OBJECT
public:
    ToolRun(const QString &executable, const QStringList &arguments, double timeoutSeconds)
    {
        process.setProgram(executable);
        process.setArguments(arguments);
        process.setStandardInputFile(QProcess::nullDevice());
        process.setProcessChannelMode(QProcess::SeparateChannels);

        // Reading as data arrives keeps a chatty tool from stalling on a full pipe.
        connect(&process, &QProcess::readyReadStandardOutput, this,
                [this] { standardOutput += process.readAllStandardOutput(); });
        connect(&process, &QProcess::readyReadStandardError, this,
                [this] { standardError += process.readAllStandardError(); });
        connect(&process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                finishUnstarted();
        });
        connect(&process, &QProcess::finished, this, [this] { finishExited(); });

        // A coarse timer may fire 5 % late, minutes for a four-hour erase.
        watchdog.setTimerType(Qt::PreciseTimer);
        watchdog.setSingleShot(true);
        watchdog.setInterval(timeLimit(timeoutSeconds));
        killer.setTimerType(Qt::PreciseTimer);
        killer.setSingleShot(true);
        killer.setInterval(ToolLauncher::killDelay);
        connect(&process, &QProcess::started, &watchdog, qOverload<>(&QTimer::start));
        connect(&watchdog, &QTimer::timeout, this, [this] {
            outcome.timedOut = true;
            process.terminate();
            killer.start();
        });
        // QProcess signals only a child it has not reaped yet, so a reused pid is never hit.
        connect(&killer, &QTimer::timeout, &process, &QProcess::kill);
    }

    void start() { process.start(QIODevice::ReadOnly); }

    bool isOver = false;
    CommandResult outcome;

signals:
    void ended();

private:
    void finishUnstarted()
    {
        stopWatchdog();
        outcome = CommandResult{-1, QString(), process.errorString(), false};
        end();
    }

    void finishExited()
    {
        stopWatchdog();
        standardOutput += process.readAllStandardOutput();
        standardError += process.readAllStandardError();
        outcome.status = process.exitCode();
        outcome.standardOutput = QString::fromUtf8(standardOutput);
        outcome.standardError = QString::fromUtf8(standardError);
        end();
    }

    void stopWatchdog()
    {
        watchdog.stop();
        killer.stop();
    }

    void end()
    {
        if (isOver)
            return;
        isOver = true;
        emit ended();
    }

    QProcess process;
    QTimer watchdog;
    QTimer killer;
    QByteArray standardOutput;
    QByteArray standardError;
};

} // namespace

QCoro::Task<CommandResult> ToolLauncher::run(QString executable, QStringList arguments,
                                             double timeoutSeconds)
{
    ToolRun run(executable, arguments, timeoutSeconds);
    run.start();
    if (!run.isOver)
        co_await qCoro(&run, &ToolRun::ended);
    co_return run.outcome;
}

OperationResult ToolLauncher::result(const CommandResult &outcome, const QString &failurePrefix)
{
    if (outcome.timedOut) {
        //: External tool watchdog; %1 is a tool name
        return {false,
                QCoreApplication::translate("ToolLauncher", "%1 timed out").arg(failurePrefix)};
    }
    if (outcome.status == 0)
        return {true, std::nullopt};

    QString detail = outcome.standardError.trimmed();
    if (detail.isEmpty())
        detail = outcome.standardOutput.trimmed();
    if (!detail.isEmpty())
        return {false, detail};

    //: External tool failure; %1 is a tool name
    return {false, QCoreApplication::translate("ToolLauncher", "%1 failed (exit %2)")
                       .arg(failurePrefix, QString::number(outcome.status))};
}

#include "toollauncher.moc"
