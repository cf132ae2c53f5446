#include "operations/toollauncher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <unistd.h>

namespace {

const QString shell = QStringLiteral("/bin/sh");

CommandResult run(const QString &executable, const QStringList &arguments, double timeout)
{
    return QCoro::waitFor(ToolLauncher::run(executable, arguments, timeout));
}

// The shell here is only the tool under test; the launcher itself never uses one.
CommandResult runScript(const QString &script, double timeout,
                        const QStringList &arguments = QStringList())
{
    return run(shell, QStringList{QStringLiteral("-c"), script, QStringLiteral("sh")} + arguments,
               timeout);
}

} // namespace

char *toString(const CommandResult &r)
{
    return QTest::toString(QStringLiteral("status %1, timed out %2, out %3, err %4")
                               .arg(r.status)
                               .arg(r.timedOut)
                               .arg(r.standardOutput.left(200), r.standardError.left(200)));
}

char *toString(const OperationResult &r)
{
    return QTest::toString(QStringLiteral("ok %1, detail %2")
                               .arg(r.ok)
                               .arg(r.detail.value_or(QStringLiteral("(none)"))));
}

class TestToolLauncher : public QObject {
    Q_OBJECT
private slots:
    void collectsStatusAndBothStreams()
    {
        const CommandResult r = runScript("printf 'to out\\n'; printf 'to err' >&2; exit 3", 5);
        QCOMPARE(r, (CommandResult{3, "to out\n", "to err", false}));
    }

    void argumentsReachTheToolUnchanged()
    {
        const QStringList arguments{"%s|", "a b", "$HOME", "*", ";", "'"};
        const CommandResult r = run(QStringLiteral("/usr/bin/printf"), arguments, 5);
        QCOMPARE(r, (CommandResult{0, "a b|$HOME|*|;|'|", "", false}));
    }

    void standardInputIsTheNullDevice()
    {
        // Give this process a stdin that never ends, so an inherited stdin would keep cat
        // reading until the watchdog fired.
        int fds[2];
        QCOMPARE(::pipe(fds), 0);
        const int savedStdin = ::dup(STDIN_FILENO);
        QVERIFY(savedStdin >= 0);
        ::dup2(fds[0], STDIN_FILENO);
        const CommandResult r = run(QStringLiteral("/bin/cat"), {}, 5);
        ::dup2(savedStdin, STDIN_FILENO);
        ::close(savedStdin);
        ::close(fds[0]);
        ::close(fds[1]);
        QCOMPARE(r, (CommandResult{0, "", "", false}));
    }

    void timedOutToolThatExitsZeroStillTimesOut()
    {
        const CommandResult r =
            runScript("trap 'kill $! 2>/dev/null; exit 0' TERM; sleep 10 & wait", 0.3);
        QVERIFY(r.timedOut);
        QCOMPARE(r.status, 0);
        QCOMPARE(ToolLauncher::result(r, QStringLiteral("hdiutil detach")),
                 (OperationResult{false, QStringLiteral("hdiutil detach timed out")}));
    }

    void toolIgnoringSigtermIsKilled()
    {
        // exec keeps the ignored disposition, so SIGTERM has no effect on the sleep.
        const CommandResult r = runScript("trap '' TERM; exec sleep 10", 0.3);
        QVERIFY(r.timedOut);
        QCOMPARE(r.status, int(SIGKILL));
        QCOMPARE(ToolLauncher::result(r, QStringLiteral("diskutil rename")).detail,
                 std::optional(QStringLiteral("diskutil rename timed out")));
    }

    void missingOrUnrunnableExecutable_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/quillmere-tool");
        QTest::newRow("not executable") << QStringLiteral("/etc/hostname");
        QTest::newRow("directory") << QStringLiteral("/tmp");
    }
    void missingOrUnrunnableExecutable()
    {
        QFETCH(QString, executable);
        const CommandResult r = run(executable, {QStringLiteral("x")}, 5);
        QCOMPARE(r.status, -1);
        QVERIFY(!r.timedOut);
        QCOMPARE(r.standardOutput, QString());
        QVERIFY(!r.standardError.trimmed().isEmpty());
        QCOMPARE(ToolLauncher::result(r, QStringLiteral("umount")),
                 (OperationResult{false, r.standardError.trimmed()}));
    }

    void megabytesOnBothStreamsDoNotStall()
    {
        const int size = 4 * 1024 * 1024;
        const CommandResult r = runScript(
            "head -c $1 /dev/zero | tr '\\000' o & head -c $1 /dev/zero | tr '\\000' e >&2; wait",
            60, {QString::number(size)});
        QVERIFY(!r.timedOut);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.standardOutput.size(), size);
        QCOMPARE(r.standardError.size(), size);
        QCOMPARE(r.standardOutput.count(u'o'), size);
        QCOMPARE(r.standardError.count(u'e'), size);
    }

    void invalidUtf8IsReplacedNotFatal()
    {
        const CommandResult r =
            runScript("printf 'ok \\377\\376 \\303\\251nd'; printf '\\300bad\\n' >&2; exit 2", 5);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.standardOutput, QStringLiteral(u"ok \uFFFD\uFFFD \u00E9nd"));
        QCOMPARE(r.standardError, QStringLiteral(u"\uFFFDbad\n"));
        QCOMPARE(ToolLauncher::result(r, QStringLiteral("umount")).detail,
                 std::optional(QStringLiteral(u"\uFFFDbad")));
    }

    void eventLoopRunsWhileTheToolDoes()
    {
        // The tool waits for a file that only a timer on this thread creates.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString flag = dir.filePath(QStringLiteral("go"));
        QTimer::singleShot(50, [flag] {
            QFile file(flag);
            QVERIFY(file.open(QIODevice::WriteOnly));
        });
        const CommandResult r =
            runScript("while [ ! -e \"$1\" ]; do sleep 0.02; done; echo seen", 10, {flag});
        QCOMPARE(r, (CommandResult{0, "seen\n", "", false}));
    }

    void outcomeConversion_data()
    {
        QTest::addColumn<CommandResult>("outcome");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<OperationResult>("expected");

        QTest::newRow("time-out wins over success")
            << CommandResult{0, "done", "", true} << "umount"
            << OperationResult{false, "umount timed out"};
        QTest::newRow("time-out wins over a message")
            << CommandResult{1, "", "busy", true} << "umount"
            << OperationResult{false, "umount timed out"};
        QTest::newRow("success ignores output") << CommandResult{0, "out", "warning", false}
                                                << "umount" << OperationResult{true, std::nullopt};
        QTest::newRow("white space only")
            << CommandResult{1, " \n\t", "\r\n ", false} << "diskutil rename"
            << OperationResult{false, "diskutil rename failed (exit 1)"};
        QTest::newRow("standard output when standard error is blank")
            << CommandResult{4, "  line of text\n", "\n", false} << "umount"
            << OperationResult{false, "line of text"};
        QTest::newRow("standard error first") << CommandResult{4, "from out", "\tfrom err\n", false}
                                              << "umount" << OperationResult{false, "from err"};
        QTest::newRow("inner lines kept") << CommandResult{32, "", "\nfirst\nsecond\n\n", false}
                                          << "umount" << OperationResult{false, "first\nsecond"};
        QTest::newRow("not started without a description")
            << CommandResult{-1, "", "", false} << "lsof"
            << OperationResult{false, "lsof failed (exit -1)"};
        QTest::newRow("placeholder in the prefix stays literal")
            << CommandResult{2, "", "", false} << "tool %2"
            << OperationResult{false, "tool %2 failed (exit 2)"};
    }
    void outcomeConversion()
    {
        QFETCH(CommandResult, outcome);
        QFETCH(QString, prefix);
        QFETCH(OperationResult, expected);
        QCOMPARE(ToolLauncher::result(outcome, prefix), expected);
    }
};

QTEST_GUILESS_MAIN(TestToolLauncher)
#include "tst_toollauncher.moc"
