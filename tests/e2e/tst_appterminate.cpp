// The program itself, ended by a signal as logout, a service manager or Ctrl+C end it: it quits
// the way "Quit Quillmere" does, through the terminate step, with the history on disk.
#include "operationfixture.h"
#include "programharness.h"

#include "stores/settingskeys.h"
#include "stores/historyentrycodec.h"

#include <QTest>
#include <csignal>
#include <unistd.h>

class TestAppTerminate : public QObject {
    Q_OBJECT

    OperationFixture m_fixture;
    QStringList m_folders;

    static QList<HistoryEntry> historyIn(const QString &home)
    {
        QList<HistoryEntry> lines;
        QFile file(QDir(home).filePath(QStringLiteral("data/Quillmere/history.jsonl")));
        if (!file.open(QIODevice::ReadOnly))
            return lines;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            if (const auto entry = HistoryEntryCodec::decode(raw))
                lines.append(*entry);
        }
        return lines;
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd); not root, so "
                  "they are skipped.");
        QVERIFY2(QFileInfo(QStringLiteral(QUILLMERE_APP_PATH)).isExecutable(),
                 QUILLMERE_APP_PATH " not built");
        QString error;
        QVERIFY2(m_fixture.setUp(&error), qPrintable(error));
    }

    void cleanupTestCase() { m_fixture.tearDown(); }

    void cleanup()
    {
        for (const QString &folder : std::as_const(m_folders))
            m_fixture.detachDisks(folder);
        m_folders.clear();
    }

    void aSignalQuitsThroughTheTerminateStep_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void aSignalQuitsThroughTheTerminateStep()
    {
        QFETCH(int, signal);
        ProgramHarness app;
        QString error;
        QVERIFY2(app.setUp(m_fixture.busAddress, &error), qPrintable(error));
        {
            auto settings = app.defaults();
            // No download of the media definitions from here.
            settings->setDate(QString::fromLatin1(SettingsKeys::mediaDefsLastFetch),
                              QDateTime::currentDateTimeUtc());
        }

        // Running once it answers for the program on the session bus.
        QVERIFY2(app.start(), qPrintable(app.output()));

        // Something for the history: a volume mounted while it runs.
        const QString folder = OperationFixture::newDiskFolder();
        m_folders.append(folder);
        const QString loop =
            m_fixture.makeDisks(folder, {QStringLiteral("--mount"), QStringLiteral("plain")})
                .value(QStringLiteral("plain"));
        QVERIFY(!loop.isEmpty());
        const auto mountLine = [&] {
            for (const HistoryEntry &e : historyIn(app.homePath())) {
                if (e.operation == QLatin1String("mount") && e.deviceName == loop)
                    return true;
            }
            return false;
        };
        QVERIFY2(QTest::qWaitFor(mountLine, 30000), "the program recorded no mount line");

        // The launcher's "Open Quillmere" opens the main window in the running program.
        QCOMPARE(app.launchAgain({QStringLiteral("--action"), QStringLiteral("open")}), 0);

        QVERIFY(::kill(pid_t(app.pid()), signal) == 0);
        QVERIFY(app.waitForExit(30000));
        // Dying of the signal would be a crash exit; quitting returns from the event loop.
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        QVERIFY(mountLine());

        // A quit that closed the window as the user does would have recorded it closed.
        const std::optional<bool> windowOpen =
            app.defaults()->boolValue(QString::fromLatin1(SettingsKeys::mainWindowOpen));
        QCOMPARE(windowOpen, std::optional(true));
    }
};

QTEST_GUILESS_MAIN(TestAppTerminate)
#include "tst_appterminate.moc"
