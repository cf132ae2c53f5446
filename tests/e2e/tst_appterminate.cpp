// The program itself, ended by a signal as logout, a service manager or Ctrl+C end it: it quits
// the way "Quit Quillmere" does, through the terminate step, with the history on disk.
#include "operationfixture.h"

#include "../support/fakes/privatebus.h"

#include "stores/appsupport.h"
#include "stores/defaultskeys.h"
#include "stores/historyentrycodec.h"
#include "stores/jsonfiledefaultsbackend.h"
#include "stores/userdefaults.h"

#include <QDBusConnectionInterface>
#include <QScopeGuard>
#include <QTest>
#include <csignal>
#include <unistd.h>

class TestAppTerminate : public QObject {
    Q_OBJECT

    OperationFixture m_fixture;
    PrivateBus m_sessionBus;
    QStringList m_folders;

    static std::unique_ptr<UserDefaults> settingsIn(const QString &home)
    {
        return std::make_unique<UserDefaults>(std::make_unique<JsonFileDefaultsBackend>(
            QDir(home).filePath(QStringLiteral("config/quillmere")),
            AppSupport::bundleIdentifier()));
    }

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
        QVERIFY2(m_sessionBus.start(&error), qPrintable(error));
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
        QTemporaryDir home;
        {
            auto settings = settingsIn(home.path());
            // No download of the media definitions from here.
            settings->setDate(QString::fromLatin1(DefaultsKeys::mediaDefsLastFetch),
                              QDateTime::currentDateTimeUtc());
        }

        QProcessEnvironment env = m_fixture.environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionBus.address());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess app;
        app.setProcessEnvironment(env);
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(QStringLiteral(QUILLMERE_APP_PATH), {});
        QVERIFY(app.waitForStarted());
        const auto stop = qScopeGuard([&app] {
            if (app.state() != QProcess::NotRunning) {
                app.kill();
                app.waitForFinished();
            }
        });

        // Running once it answers for the program on the session bus.
        QDBusConnection bus = m_sessionBus.connect(QStringLiteral("terminate-test"));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return bus.interface()->isServiceRegistered(AppSupport::bundleIdentifier()) ||
                       app.state() == QProcess::NotRunning;
            },
            30000));
        QCOMPARE(app.state(), QProcess::Running);

        // Something for the history: a volume mounted while it runs.
        const QString folder = OperationFixture::newDiskFolder();
        m_folders.append(folder);
        const QString loop =
            m_fixture.makeDisks(folder, {QStringLiteral("--mount"), QStringLiteral("plain")})
                .value(QStringLiteral("plain"));
        QVERIFY(!loop.isEmpty());
        const auto mountLine = [&] {
            for (const HistoryEntry &e : historyIn(home.path())) {
                if (e.operation == QLatin1String("mount") && e.bsdName == loop)
                    return true;
            }
            return false;
        };
        QVERIFY2(QTest::qWaitFor(mountLine, 30000), "the program recorded no mount line");

        // The launcher's "Open Quillmere" opens the main window in the running program.
        QProcess open;
        open.setProcessEnvironment(env);
        open.setProcessChannelMode(QProcess::ForwardedChannels);
        open.start(QStringLiteral(QUILLMERE_APP_PATH),
                   {QStringLiteral("--action"), QStringLiteral("open")});
        QVERIFY(open.waitForFinished(30000));
        QCOMPARE(open.exitCode(), 0);

        QVERIFY(::kill(pid_t(app.processId()), signal) == 0);
        QVERIFY(app.waitForFinished(30000));
        // Dying of the signal would be a crash exit; quitting returns from the event loop.
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        QVERIFY(mountLine());

        // A quit that closed the window as the user does would have recorded it closed.
        const std::optional<bool> windowOpen =
            settingsIn(home.path())->boolValue(QString::fromLatin1(DefaultsKeys::mainWindowOpen));
        QCOMPARE(windowOpen, std::optional(true));
        QDBusConnection::disconnectFromBus(QStringLiteral("terminate-test"));
    }
};

QTEST_GUILESS_MAIN(TestAppTerminate)
#include "tst_appterminate.moc"
