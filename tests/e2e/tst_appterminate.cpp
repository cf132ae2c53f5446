// The program itself, ended by a signal as logout, a service manager or Ctrl+C end it: it quits
// the way "Quit Quillmere" does, through the terminate step, with the history on disk; one
// signal is enough, whatever windows, pop-ups and questions are open.
#include "fileholder.h"
#include "operationfixture.h"
#include "programharness.h"

#include "stores/historyentrycodec.h"
#include "stores/preferencesstore.h"
#include "stores/settingskeys.h"

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

    static bool recordedMount(const QString &home, const QString &deviceName)
    {
        for (const HistoryEntry &e : historyIn(home)) {
            if (e.operation == QLatin1String("mount") && e.deviceName == deviceName)
                return true;
        }
        return false;
    }

    // A plain test disk mounted while the program runs, once the program has recorded the
    // mount; its loop device name, empty when either did not happen.
    QString mountWhileRunning(const ProgramHarness &app)
    {
        const QString folder = OperationFixture::newDiskFolder();
        m_folders.append(folder);
        const QString loop =
            m_fixture.makeDisks(folder, {QStringLiteral("--mount"), QStringLiteral("plain")})
                .value(QStringLiteral("plain"));
        if (loop.isEmpty() ||
            !QTest::qWaitFor([&] { return recordedMount(app.homePath(), loop); }, 30000))
            return {};
        return loop;
    }

    // What the program has on the X server, told apart as the window manager would: the
    // volumes popover is a pop-up the program places itself (override-redirect), a question
    // a modal dialog, the main window a normal one.
    struct Surfaces {
        int popovers = 0;
        int modalDialogs = 0;
        int mainWindows = 0;
        QString described;

        bool allOpen() const { return popovers == 1 && modalDialogs == 1 && mainWindows == 1; }
    };

    static Surfaces surfacesOf(const ProgramHarness &app)
    {
        Surfaces found;
        // xdotool exits 1 when it finds nothing.
        const QString windows = app.tool(QStringLiteral("xdotool"),
                                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                          QStringLiteral("--pid"), QString::number(app.pid())});
        for (const QString &window : windows.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString properties =
                app.tool(QStringLiteral("xprop"),
                         {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_WINDOW_TYPE"),
                          QStringLiteral("_NET_WM_STATE"), QStringLiteral("WM_NAME")});
            const QString info =
                app.tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
            found.described += properties + info.section(QLatin1Char('\n'), 1, 1) + u'\n';
            if (info.contains(QLatin1String("Override Redirect State: yes")))
                ++found.popovers;
            else if (properties.contains(QLatin1String("_NET_WM_WINDOW_TYPE_DIALOG")) &&
                     properties.contains(QLatin1String("_NET_WM_STATE_MODAL")))
                ++found.modalDialogs;
            else if (properties.contains(QLatin1String("_NET_WM_WINDOW_TYPE_NORMAL")))
                ++found.mainWindows;
        }
        return found;
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
        const QString loop = mountWhileRunning(app);
        QVERIFY2(!loop.isEmpty(), "the program recorded no mount line");
        const auto mountLine = [&] { return recordedMount(app.homePath(), loop); };

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

    // Logout while the popover, a question in a modal dialog and the main window are all open:
    // the one signal still ends the program, promptly and through the terminate step.
    void oneSignalEndsItWithEverySurfaceOpen()
    {
        for (const char *tool : {"xdotool", "xprop", "xwininfo"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/install-deps.sh)")
                                     .arg(QLatin1String(tool))));
        }
        if (!XvfbServer::available())
            QSKIP("Xvfb is not installed");
        XvfbServer x;
        QString error;
        QVERIFY2(x.start(&error), qPrintable(error));
        ProgramHarness app;
        QVERIFY2(app.setUp(m_fixture.busAddress, &error), qPrintable(error));
        app.setDisplay(x.display());
        {
            auto settings = app.defaults();
            settings->setDate(QString::fromLatin1(SettingsKeys::mediaDefsLastFetch),
                              QDateTime::currentDateTimeUtc());
            PreferencesStore(*settings).setPopoverEnabled(true);
        }
        QVERIFY2(app.start(), qPrintable(app.output()));

        const QString loop = mountWhileRunning(app);
        QVERIFY2(!loop.isEmpty(), "the program recorded no mount line");
        // Failed for the file held open: the kernel's "target is busy".
        const auto busyEjectLines = [&] {
            int count = 0;
            for (const HistoryEntry &e : historyIn(app.homePath())) {
                if (e.operation == QLatin1String("eject") && e.deviceName == loop && !e.ok &&
                    e.detail && e.detail->contains(QLatin1String("busy")))
                    ++count;
            }
            return count;
        };

        // Opened in the order that keeps each open: an action closes the popover.
        QCOMPARE(app.launchAgain({QStringLiteral("--action"), QStringLiteral("open")}), 0);
        QVERIFY2(QTest::qWaitFor([&] { return surfacesOf(app).mainWindows == 1; }, 10000),
                 qPrintable(surfacesOf(app).described));

        // A file held open on the volume: Eject All names its holder and asks whether to force.
        QFile held(OperationFixture::mountPointOf(loop) + QStringLiteral("/held.txt"));
        QVERIFY(held.open(QIODevice::WriteOnly));
        held.close();
        FileHolder holder(held.fileName());
        QVERIFY(holder.isReady());
        QCOMPARE(app.launchAgain({QStringLiteral("--action"), QStringLiteral("eject-all")}), 0);
        QVERIFY2(QTest::qWaitFor([&] { return surfacesOf(app).modalDialogs == 1; }, 30000),
                 qPrintable(surfacesOf(app).described + app.output()));

        // A plain launch opens the popover over the question.
        QCOMPARE(app.launchAgain(), 0);
        QVERIFY2(QTest::qWaitFor([&] { return surfacesOf(app).allOpen(); }, 10000),
                 qPrintable(surfacesOf(app).described));
        // A failure alert would follow its eject's line; the question holds the line back.
        QCOMPARE(busyEjectLines(), 0);

        QVERIFY(::kill(pid_t(app.pid()), SIGTERM) == 0);
        QVERIFY2(app.waitForExit(5000),
                 qPrintable(QStringLiteral("still running 5 s after one SIGTERM; on screen:\n") +
                            surfacesOf(app).described));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        // The signal left the question unanswered, so the eject stands as failed: a line
        // recorded only as the program ended, on disk once the terminate step ran.
        QCOMPARE(busyEjectLines(), 1);
        const std::optional<bool> windowOpen =
            app.defaults()->boolValue(QString::fromLatin1(SettingsKeys::mainWindowOpen));
        QCOMPARE(windowOpen, std::optional(true));
    }
};

QTEST_GUILESS_MAIN(TestAppTerminate)
#include "tst_appterminate.moc"
