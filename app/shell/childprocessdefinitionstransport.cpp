#include "childprocessdefinitionstransport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <qcoro/qcoroprocess.h>
#include <qcoro/qcorosignal.h>
#include <sys/prctl.h>
#include <unistd.h>

ChildProcessDefinitionsTransport::ChildProcessDefinitionsTransport(QString program,
                                                                   std::chrono::milliseconds limit)
    : m_program(std::move(program)), m_limit(limit)
{
}

QCoro::Task<MediaDefinitionsFetchResult> ChildProcessDefinitionsTransport::fetchToken(QUrl url)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const pid_t parent = ::getpid();
    // The child ends with the program instead of outliving it.
    child.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(1);
    });
    const QStringList arguments = {QLatin1String(childArgument), url.toString(QUrl::FullyEncoded)};
    child.setStandardInputFile(QProcess::nullDevice());
    child.start(m_program, arguments, QIODevice::ReadOnly);
    // Not qCoro(child).start(): it waits for a start that failed until its own timeout.
    if (child.state() == QProcess::Starting)
        co_await qCoro(&child, &QProcess::stateChanged);
    if (child.error() == QProcess::FailedToStart)
        co_return MediaDefinitionsFetchResult::failure(
            QStringLiteral("cannot start the download process: %1").arg(child.errorString()));

    bool finished = child.state() == QProcess::NotRunning;
    if (!finished)
        finished = co_await qCoro(child).waitForFinished(m_limit);
    if (!finished) {
        child.kill();
        co_await qCoro(child).waitForFinished(std::chrono::seconds(5));
        co_return MediaDefinitionsFetchResult::failure(
            QStringLiteral("the download process did not end within %1 ms").arg(m_limit.count()));
    }

    const QByteArray output = child.readAllStandardOutput();
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
        co_return MediaDefinitionsFetchResult::success(output);
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 1 && !output.isEmpty())
        co_return MediaDefinitionsFetchResult::failure(QString::fromUtf8(output));
    co_return MediaDefinitionsFetchResult::failure(
        child.exitStatus() == QProcess::CrashExit
            ? QStringLiteral("the download process crashed")
            : QStringLiteral("the download process ended with status %1").arg(child.exitCode()));
}

QString ChildProcessDefinitionsTransport::defaultProgram()
{
    const QString name = QStringLiteral("quillmere-fetch-definitions");
    const QDir here(QCoreApplication::applicationDirPath());
    const QString beside = here.filePath(name);
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QDir::cleanPath(here.filePath(QStringLiteral("../libexec/quillmere/") + name));
}
