// quillmere-cli as an ordinary user against the private udisks2, with polkitd on the same bus
// (tests/support starts it with rules of the test's own). With a rule that allows the user
// what an active desktop session may do, list, rename and eject work. With one that asks for a
// password and no agent to ask it, they fail at once, saying that an authentication agent is
// needed, and change nothing. With an agent whose dialog the user dismisses, the operation
// ends quietly as cancelled. With a real text agent (pkttyagent on a pseudo-terminal, asking
// the user for their own password), the operation goes on once the password is given, and a
// prompt the user takes long over keeps its call waiting while udisksd answers pings. udisksd that
// stops (SIGSTOP) or dies under a waiting command fails it within seconds, and a udisksd started
// again afterwards is asked nothing. These tests stop, kill and start udisksd again, so they run
// alone (RUN_SERIAL).
#include "operationfixture.h"

#include "stores/historyentrycodec.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QTest>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString userName = QStringLiteral("quillmere-test");
const QByteArray password = "quillmere-polkit-test";

struct Run {
    int code = -1;
    QString out;
    QString err;
};

} // namespace

class TestUnprivileged : public QObject {
    Q_OBJECT

    OperationFixture m_fixture;
    QString m_disks;
    QString m_rules;
    std::unique_ptr<QTemporaryDir> m_home;
    QString m_cli;
    QString m_agentScript;
    QString m_dismissingAgent;
    uint m_uid = 0;
    uint m_gid = 0;
    bool m_userCreated = false;
    QProcess m_session;

    // The user's quillmere-cli, with a home of its own and nothing of root's environment.
    Run asUser(const QStringList &arguments)
    {
        const QString home = m_home->path();
        QProcess process;
        process.start(
            QStringLiteral("setpriv"),
            QStringList{QStringLiteral("--reuid=%1").arg(m_uid),
                        QStringLiteral("--regid=%1").arg(m_gid), QStringLiteral("--clear-groups"),
                        QStringLiteral("env"), QStringLiteral("-i"), QStringLiteral("HOME=") + home,
                        QStringLiteral("LANG=C.UTF-8"), QStringLiteral("PATH=/usr/bin:/bin"),
                        QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS=") + m_fixture.busAddress, m_cli} +
                arguments);
        Run run;
        // No prompt can be answered here: a wait would be for ever, not a slow answer.
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    // polkitd reloads its rules when the folder changes; pkcheck on a process of the user
    // tells when the new ones are in force (0 allowed, 2 needs authentication).
    bool setRules(const QString &result, int pkcheckAnswer)
    {
        QFile file(m_rules + QStringLiteral("/50-quillmere-test.rules"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return false;
        }
        file.write(
            QStringLiteral("// Quillmere's unprivileged test: what its user may do with udisks2.\n"
                           "polkit.addRule(function(action, subject) {\n"
                           "    if (subject.user == \"%1\" &&\n"
                           "        action.id.indexOf(\"org.freedesktop.udisks2.\") == 0)\n"
                           "        return polkit.Result.%2;\n"
                           "});\n")
                .arg(userName, result)
                .toUtf8());
        file.close();
        return QTest::qWaitFor(
            [&] {
                QProcess check;
                check.setProcessEnvironment(m_fixture.environment());
                check.start(QStringLiteral("pkcheck"),
                            {QStringLiteral("--action-id"),
                             QStringLiteral("org.freedesktop.udisks2.filesystem-unmount-others"),
                             QStringLiteral("--process"), QString::number(m_session.processId())});
                return check.waitForFinished(10000) && check.exitCode() == pkcheckAnswer;
            },
            15000);
    }

    QList<HistoryEntry> history() const
    {
        QList<HistoryEntry> lines;
        QFile file(m_home->filePath(QStringLiteral(".local/share/Quillmere/history.jsonl")));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray &raw : file.readAll().split('\n')) {
                if (const auto entry = HistoryEntryCodec::decode(raw)) {
                    lines.append(*entry);
                }
            }
        }
        return lines;
    }

    // The user's quillmere-cli on a pseudo-terminal, with an authentication agent (pkttyagent
    // unless named) registered for exactly that process before it starts; standard output and
    // error are the terminal's. The agent's pid is written to agent.pid in the home.
    std::unique_ptr<QProcess> startWithAgent(const QStringList &arguments,
                                             const QString &agent = QStringLiteral("pkttyagent"))
    {
        QStringList command{m_agentScript, agent, m_cli};
        for (const QString &argument : arguments)
            command.append(argument);
        QStringList quoted;
        for (const QString &part : command)
            quoted.append(QLatin1Char('\'') + part + QLatin1Char('\''));
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::MergedChannels);
        // polkit's password helper is set-user-ID and so ignores DBUS_SYSTEM_BUS_ADDRESS: in a
        // mount namespace of their own, the private bus's folder stands in for /run/dbus (a
        // slave of the machine's, so udisksd's unmounts show in its mount table).
        QFile busDir(m_fixture.servicesDir + QStringLiteral("/bus-dir"));
        const QString bus = busDir.open(QIODevice::ReadOnly)
                                ? QString::fromUtf8(busDir.readAll()).trimmed()
                                : QString();
        process->start(
            QStringLiteral("unshare"),
            QStringList{QStringLiteral("--mount"),
                        QStringLiteral("--propagation"),
                        QStringLiteral("slave"),
                        QStringLiteral("sh"),
                        QStringLiteral("-c"),
                        QStringLiteral("mount --bind \"$0\" /run/dbus && exec \"$@\""),
                        bus,
                        QStringLiteral("setpriv"),
                        QStringLiteral("--reuid=%1").arg(m_uid),
                        QStringLiteral("--regid=%1").arg(m_gid),
                        QStringLiteral("--clear-groups"),
                        QStringLiteral("env"),
                        QStringLiteral("-i"),
                        QStringLiteral("HOME=") + m_home->path(),
                        QStringLiteral("LANG=C.UTF-8"),
                        QStringLiteral("PATH=/usr/bin:/bin"),
                        QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS=") + m_fixture.busAddress,
                        QStringLiteral("script"),
                        QStringLiteral("-qfec"),
                        quoted.join(QLatin1Char(' ')),
                        QStringLiteral("/dev/null")});
        return process;
    }

    // True once the agent asks for the password; all output so far is appended to *output.
    static bool waitForPrompt(QProcess &process, QByteArray *output)
    {
        return QTest::qWaitFor(
            [&] {
                output->append(process.readAll());
                return output->contains("Password:");
            },
            30000);
    }

    // The exit status once it ended (-1 if it did not within the time), output appended.
    static int finish(QProcess &process, QByteArray *output, int withinMs = 60000)
    {
        (void)QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, withinMs);
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            output->append(process.readAll());
            return -1;
        }
        output->append(process.readAll());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    void stopAgent()
    {
        QFile file(m_home->filePath(QStringLiteral("agent.pid")));
        if (file.open(QIODevice::ReadOnly)) {
            const pid_t pid = file.readAll().trimmed().toInt();
            if (pid > 0)
                ::kill(pid, SIGTERM);
            file.close();
            file.remove();
        }
    }

    pid_t udisksdPid() const
    {
        QFile file(m_fixture.servicesDir + QStringLiteral("/udisksd.pid"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : 0;
    }

    bool udisksOnBus() const
    {
        return m_fixture.bus.interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.UDisks2"));
    }

    // Kills udisksd (stopped or not) and starts a new one, as a crash and a restart would.
    bool restartUdisksd()
    {
        if (const pid_t pid = udisksdPid(); pid > 0)
            ::kill(pid, SIGKILL);
        if (!QTest::qWaitFor([&] { return !udisksOnBus(); }, 15000))
            return false;
        bool ok = false;
        m_fixture.run(m_fixture.script(QStringLiteral("stop-services.sh")),
                      {QStringLiteral("--udisksd-only")});
        m_fixture.run(m_fixture.script(QStringLiteral("start-services.sh")),
                      {QStringLiteral("--udisksd-only")}, &ok);
        return ok && udisksOnBus();
    }

    QString plainDisk()
    {
        const QString loop =
            m_fixture.makeDisks(m_disks, {QStringLiteral("--mount"), QStringLiteral("plain")})
                .value(QStringLiteral("plain"));
        if (!loop.isEmpty() && !m_fixture.waitForFileSystems({loop})) {
            return {};
        }
        return loop;
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0) {
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd, a test user); not "
                  "root, so they are skipped.");
        }
        const QString built = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../cli/quillmere-cli"));
        QVERIFY2(QFileInfo(built).isExecutable(), qPrintable(built + QStringLiteral(" not built")));
        QString error;
        QVERIFY2(m_fixture.setUp(&error), qPrintable(error));
        m_rules = m_fixture.servicesDir + QStringLiteral("/polkit-rules.d");
        if (m_fixture.servicesDir.isEmpty() || !QFileInfo(m_rules).isDir() ||
            !m_fixture.bus.interface()->isServiceRegistered(
                QStringLiteral("org.freedesktop.PolicyKit1"))) {
            QSKIP("polkitd is not running on the private bus (scripts/install-deps.sh installs "
                  "it; tests/support/start-services.sh starts it).");
        }

        bool ok = false;
        const QStringList ids = m_fixture
                                    .run(m_fixture.script(QStringLiteral("test-user.sh")),
                                         {QStringLiteral("create"), userName}, &ok)
                                    .split(u' ', Qt::SkipEmptyParts);
        QVERIFY2(ok && ids.size() == 2, "the test user could not be made");
        m_userCreated = true;
        m_uid = ids[0].toUInt();
        m_gid = ids[1].trimmed().toUInt();

        // Its home, with a copy of the program it may run wherever the build folder lies.
        m_home = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/quillmere-home-XXXXXX"));
        QVERIFY(m_home->isValid());
        m_cli = m_home->filePath(QStringLiteral("quillmere-cli"));
        QVERIFY(QFile::copy(built, m_cli));
        QVERIFY(QFile::setPermissions(m_cli, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(::chown(QFile::encodeName(m_home->path()).constData(), m_uid, m_gid) == 0);
        QVERIFY(::chown(QFile::encodeName(m_cli).constData(), m_uid, m_gid) == 0);

        // Runs a command with a text agent registered for its process, as a desktop's agent is
        // registered for the user's session: the shell registers the agent for itself, waits
        // until it is registered, then becomes the command (same pid, same start time).
        m_agentScript = m_home->filePath(QStringLiteral("with-agent.sh"));
        m_dismissingAgent = m_home->filePath(QStringLiteral("dismissing-agent"));
        QVERIFY(QFile::copy(QStringLiteral(QUILLMERE_DISMISSING_AGENT), m_dismissingAgent));
        QVERIFY(QFile::setPermissions(m_dismissingAgent,
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(::chown(QFile::encodeName(m_dismissingAgent).constData(), m_uid, m_gid) == 0);
        QFile agent(m_agentScript);
        QVERIFY(agent.open(QIODevice::WriteOnly));
        agent.write("#!/bin/sh\n"
                    "ready=\"$HOME/agent-ready\"\n"
                    "rm -f \"$ready\" && mkfifo \"$ready\" || exit 90\n"
                    "agent=$1\n"
                    "shift\n"
                    "\"$agent\" --process $$ --notify-fd 3 3>\"$ready\" &\n"
                    "echo $! >\"$HOME/agent.pid\"\n"
                    "cat \"$ready\" >/dev/null\n"
                    "rm -f \"$ready\"\n"
                    "exec \"$@\"\n");
        agent.close();
        QVERIFY(
            QFile::setPermissions(m_agentScript, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(::chown(QFile::encodeName(m_agentScript).constData(), m_uid, m_gid) == 0);
        {
            QProcess setPassword;
            setPassword.setProcessEnvironment(m_fixture.environment());
            setPassword.start(m_fixture.script(QStringLiteral("test-user.sh")),
                              {QStringLiteral("password"), userName});
            setPassword.write(password + '\n');
            setPassword.closeWriteChannel();
            QVERIFY(setPassword.waitForFinished(30000) && setPassword.exitCode() == 0);
        }

        // A process of the user for pkcheck to ask about.
        m_session.start(QStringLiteral("setpriv"),
                        {QStringLiteral("--reuid=%1").arg(m_uid),
                         QStringLiteral("--regid=%1").arg(m_gid), QStringLiteral("--clear-groups"),
                         QStringLiteral("sleep"), QStringLiteral("3600")});
        QVERIFY(m_session.waitForStarted());
    }

    void cleanupTestCase()
    {
        if (m_session.state() != QProcess::NotRunning) {
            m_session.kill();
            m_session.waitForFinished();
        }
        if (!m_rules.isEmpty()) {
            QFile::remove(m_rules + QStringLiteral("/50-quillmere-test.rules"));
        }
        m_home.reset();
        if (m_userCreated) {
            m_fixture.run(m_fixture.script(QStringLiteral("test-user.sh")),
                          {QStringLiteral("remove"), userName});
        }
        m_fixture.tearDown();
    }

    void init() { m_disks = OperationFixture::newDiskFolder(); }
    void cleanup()
    {
        stopAgent();
        // udisksd running again, whatever a failed test left.
        if (const pid_t pid = udisksdPid(); pid > 0)
            ::kill(pid, SIGCONT);
        if (!udisksOnBus())
            QVERIFY2(restartUdisksd(), "udisksd could not be started again");
        m_fixture.detachDisks(m_disks);
    }

    void anAllowedUserListsRenamesAndEjects()
    {
        QVERIFY2(setRules(QStringLiteral("YES"), 0), "polkitd did not take the rules");
        const QString loop = plainDisk();
        QVERIFY(!loop.isEmpty());

        Run run = asUser({QStringLiteral("list"), QStringLiteral("--all")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QLatin1String("QMPLAIN")), qPrintable(run.out));

        run = asUser({QStringLiteral("rename"), loop, QStringLiteral("QMUSER")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(OperationFixture::label(loop), QStringLiteral("QMUSER"));

        // root mounted it and root attached it: both steps of the detach need the rule.
        run = asUser({QStringLiteral("eject"), QStringLiteral("QMUSER")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY(!OperationFixture::isAttached(loop));

        QStringList lines;
        for (const HistoryEntry &entry : history()) {
            lines.append(entry.operation + (entry.ok ? QString() : QStringLiteral(" failed")));
        }
        QCOMPARE(lines, (QStringList{QStringLiteral("rename"), QStringLiteral("eject")}));
    }

    void withoutAnAgentAnAdministratorsPasswordFailsAtOnce()
    {
        QVERIFY2(setRules(QStringLiteral("AUTH_ADMIN"), 2), "polkitd did not take the rules");
        const QString loop = plainDisk();
        QVERIFY(!loop.isEmpty());
        const qsizetype before = history().size();
        const QString noAgent = QStringLiteral("no authentication agent is running");

        Run run = asUser({QStringLiteral("rename"), loop, QStringLiteral("QMNOPE")});
        QCOMPARE(run.code, 4);
        QVERIFY2(run.err.contains(noAgent), qPrintable(run.err));
        QVERIFY2(!run.err.contains(QLatin1String("Did not receive a reply")), qPrintable(run.err));
        QCOMPARE(OperationFixture::label(loop), QStringLiteral("QMPLAIN"));

        run = asUser({QStringLiteral("eject"), QStringLiteral("QMPLAIN")});
        QCOMPARE(run.code, 4);
        QVERIFY2(run.err.contains(noAgent), qPrintable(run.err));
        // Nothing the user could do about it with force.
        QVERIFY2(!run.err.contains(QLatin1String("--force")), qPrintable(run.err));
        // Nothing half done: still mounted, still attached.
        QVERIFY(OperationFixture::mountedDevices().contains(loop));
        QVERIFY(OperationFixture::isAttached(loop));

        const QList<HistoryEntry> added = history().mid(before);
        QCOMPARE(added.size(), 2);
        for (const HistoryEntry &entry : added) {
            QVERIFY(!entry.ok);
            QVERIFY(entry.detail && entry.detail->contains(noAgent));
            QCOMPARE(entry.state, std::nullopt);
        }
    }

    // The user dismisses the agent's password dialog: the operation ends as cancelled (exit
    // status 3, a history line with the state "cancelled", no failure title), nothing changed.
    void aDismissedPromptEndsTheOperationQuietly()
    {
        QVERIFY2(setRules(QStringLiteral("AUTH_SELF"), 2), "polkitd did not take the rules");
        const QString loop = plainDisk();
        QVERIFY(!loop.isEmpty());
        const qsizetype before = history().size();

        for (const QStringList &arguments :
             {QStringList{QStringLiteral("rename"), loop, QStringLiteral("QMNOPE")},
              QStringList{QStringLiteral("eject"), loop}}) {
            const auto cli = startWithAgent(arguments, m_dismissingAgent);
            QByteArray output;
            const int code = finish(*cli, &output);
            QVERIFY2(output.contains("dismissed org.freedesktop.udisks2."), output.constData());
            QVERIFY2(code == 3, output.constData());
            QVERIFY2(output.contains("Authentication was cancelled."), output.constData());
            QVERIFY2(!output.contains("Couldn"), output.constData());
            stopAgent();
        }
        QCOMPARE(OperationFixture::label(loop), QStringLiteral("QMPLAIN"));
        QVERIFY(OperationFixture::mountedDevices().contains(loop));
        QVERIFY(OperationFixture::isAttached(loop));

        const QList<HistoryEntry> added = history().mid(before);
        QCOMPARE(added.size(), 2);
        for (const HistoryEntry &entry : added) {
            QVERIFY(!entry.ok);
            QCOMPARE(entry.state, std::optional(QStringLiteral("cancelled")));
        }
    }

    // With the password given the operation goes on; a volume a program holds is busy (exit
    // status 5) and its holder is named for eject --force.
    void aGivenPasswordLetsTheOperationRunAndABusyVolumeIsBusy()
    {
        QVERIFY2(setRules(QStringLiteral("AUTH_SELF"), 2), "polkitd did not take the rules");
        const QString loop = plainDisk();
        QVERIFY(!loop.isEmpty());
        const QString mountPoint = OperationFixture::mountPointOf(loop);
        // The user's own program, which the user's lsof can see.
        QProcess holder;
        holder.setWorkingDirectory(mountPoint);
        holder.start(QStringLiteral("setpriv"),
                     {QStringLiteral("--reuid=%1").arg(m_uid),
                      QStringLiteral("--regid=%1").arg(m_gid), QStringLiteral("--clear-groups"),
                      QStringLiteral("sleep"), QStringLiteral("600")});
        QVERIFY(holder.waitForStarted());

        const auto cli = startWithAgent({QStringLiteral("eject"), loop});
        QByteArray output;
        QVERIFY2(waitForPrompt(*cli, &output), output.constData());
        cli->write(password + '\n');
        const int code = finish(*cli, &output);
        holder.kill();
        holder.waitForFinished();
        QVERIFY2(code == 5, output.constData());
        QVERIFY2(output.contains("target is busy"), output.constData());
        QVERIFY2(output.contains("sleep"), output.constData());
        QVERIFY(OperationFixture::isAttached(loop));
        QCOMPARE(history().constLast().state, std::nullopt);
    }

    // A prompt the user takes long over keeps its call waiting: udisksd answers the pings. Once
    // udisksd is stopped the call fails within seconds naming udisks2 (exit status 6); a udisksd
    // started after the old one died is asked nothing.
    void aStoppedUdisksdFailsTheWaitingCallButAPromptKeepsIt()
    {
        QVERIFY2(setRules(QStringLiteral("AUTH_SELF"), 2), "polkitd did not take the rules");
        const QString loop = plainDisk();
        QVERIFY(!loop.isEmpty());
        const qsizetype before = history().size();

        const auto cli = startWithAgent({QStringLiteral("rename"), loop, QStringLiteral("QMLATE")});
        QByteArray output;
        QVERIFY2(waitForPrompt(*cli, &output), output.constData());
        // Three ping rounds with the prompt open.
        QTest::qWait(3 * 3000 + 1000);
        QVERIFY2(cli->state() != QProcess::NotRunning, output.constData());

        const pid_t udisksd = udisksdPid();
        QVERIFY(udisksd > 0);
        QVERIFY(::kill(udisksd, SIGSTOP) == 0);
        const int code = finish(*cli, &output, 30000);
        QVERIFY2(code == 6, output.constData());
        QVERIFY2(output.contains("udisks2"), output.constData());
        stopAgent();

        QVERIFY(restartUdisksd());
        QVERIFY(m_fixture.waitForFileSystems({loop}));
        QTest::qWait(2000);
        QCOMPARE(OperationFixture::label(loop), QStringLiteral("QMPLAIN"));
        const QList<HistoryEntry> added = history().mid(before);
        QCOMPARE(added.size(), 1);
        QVERIFY(!added.constFirst().ok);
        QVERIFY(added.constFirst().detail &&
                added.constFirst().detail->contains(QLatin1String("udisks2")));
    }

    // udisksd stopped before the command starts: its first listing gets no answer, and the
    // eject fails within seconds naming udisks2 instead of waiting; when a new udisksd is up,
    // the disk image is still there and mounted.
    void aStoppedUdisksdDoesNotHoldTheCommandForEver()
    {
        QVERIFY2(setRules(QStringLiteral("YES"), 0), "polkitd did not take the rules");
        const QString loop = plainDisk();
        QVERIFY(!loop.isEmpty());
        const pid_t udisksd = udisksdPid();
        QVERIFY(udisksd > 0);
        QVERIFY(::kill(udisksd, SIGSTOP) == 0);
        const Run run = asUser({QStringLiteral("eject"), loop});
        QVERIFY2(run.code == 6, qPrintable(run.err));
        QVERIFY2(run.err.contains(QLatin1String("udisks2")), qPrintable(run.err));
        // A disk image is never taken for an internal volume, with or without udisks2.
        QVERIFY2(!run.err.contains(QLatin1String("internal")), qPrintable(run.err));

        QVERIFY(restartUdisksd());
        QVERIFY(m_fixture.waitForFileSystems({loop}));
        QTest::qWait(2000);
        QVERIFY(OperationFixture::mountedDevices().contains(loop));
        QVERIFY(OperationFixture::isAttached(loop));
    }
};

QTEST_GUILESS_MAIN(TestUnprivileged)
#include "tst_unprivileged.moc"
