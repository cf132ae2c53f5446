// quillmere-cli as an ordinary user against the private udisks2, with polkitd on the same bus
// (tests/support starts it with rules of the test's own). With a rule that allows the user
// what an active desktop session may do, list, rename and eject work; with one that asks for
// an administrator's password and no agent to ask it, they fail at once with udisks2's text
// and change nothing.
#include "operationfixture.h"

#include "stores/historyentrycodec.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QTest>
#include <unistd.h>

namespace {

const QString userName = QStringLiteral("quillmere-test");

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
    void cleanup() { m_fixture.detachDisks(m_disks); }

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
        const QString notAuthorized = QStringLiteral("Not authorized to perform operation");

        Run run = asUser({QStringLiteral("rename"), loop, QStringLiteral("QMNOPE")});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(notAuthorized), qPrintable(run.err));
        QVERIFY2(!run.err.contains(QLatin1String("Did not receive a reply")), qPrintable(run.err));
        QCOMPARE(OperationFixture::label(loop), QStringLiteral("QMPLAIN"));

        run = asUser({QStringLiteral("eject"), QStringLiteral("QMPLAIN")});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(notAuthorized), qPrintable(run.err));
        // Nothing half done: still mounted, still attached.
        QVERIFY(OperationFixture::mountedDevices().contains(loop));
        QVERIFY(OperationFixture::isAttached(loop));

        const QList<HistoryEntry> added = history().mid(before);
        QCOMPARE(added.size(), 2);
        for (const HistoryEntry &entry : added) {
            QVERIFY(!entry.ok);
            QCOMPARE(entry.detail, std::optional(notAuthorized));
        }
    }
};

QTEST_GUILESS_MAIN(TestUnprivileged)
#include "tst_unprivileged.moc"
