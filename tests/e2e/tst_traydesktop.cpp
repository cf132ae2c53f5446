// The program in a real desktop's tray: an XFCE panel (its systray plugin, a StatusNotifierItem
// host) with xfwm4 on Xvfb, on a private session bus, and real disks over the private udisks2.
// The test reads and clicks the exported menu over D-Bus as the panel does.
#include "operationfixture.h"
#include "programharness.h"
#include "statusnotifierhost.h"
#include "xfcepanel.h"

#include <QTest>
#include <unistd.h>

class TestTrayDesktop : public QObject {
    Q_OBJECT

    OperationFixture m_fixture;
    QString m_disks;
    XvfbServer m_x;
    std::unique_ptr<ProgramHarness> m_program;
    std::unique_ptr<XfcePanel> m_panel;
    QDBusConnection m_session{QString()};

    static constexpr const char *hostConnection = "quillmere-tray-host";

    QString attachMounted(const QString &kind)
    {
        const QHash<QString, QString> made =
            m_fixture.makeDisks(m_disks, {QStringLiteral("--mount"), kind});
        const QString loop = made.value(kind);
        if (loop.isEmpty())
            return {};
        // "three" names the disk; its file systems are its partitions.
        QStringList devices{loop};
        if (kind == QLatin1String("three"))
            devices = {loop + QStringLiteral("p1"), loop + QStringLiteral("p2"),
                       loop + QStringLiteral("p3")};
        return m_fixture.waitForFileSystems(devices) ? loop : QString();
    }

    QString programLog() const
    {
        return QStringLiteral("the program said: ") + m_program->output();
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd); not root, so "
                  "they are skipped.");
        if (!PrivateBus::available() || !XvfbServer::available() || !XfcePanel::available())
            QSKIP("dbus-daemon, Xvfb, xfce4-panel, xfwm4 and xfconf are needed "
                  "(scripts/install-deps.sh)");
        QString error;
        QVERIFY2(m_fixture.setUp(&error), qPrintable(error));
        QVERIFY2(m_x.start(&error), qPrintable(error));
    }

    void cleanupTestCase() { m_fixture.tearDown(); }

    void init()
    {
        m_disks = OperationFixture::newDiskFolder();
        m_program = std::make_unique<ProgramHarness>();
        QString error;
        QVERIFY2(m_program->setUp(m_fixture.busAddress, &error), qPrintable(error));
        m_program->setDisplay(m_x.display());
        m_session = QDBusConnection::connectToBus(
            m_program->environment().value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")),
            QLatin1String(hostConnection));
        QVERIFY(m_session.isConnected());
        m_panel = std::make_unique<XfcePanel>();
        QVERIFY2(m_panel->startSession(m_program->environment(), &error), qPrintable(error));
    }

    void cleanup()
    {
        m_panel.reset();
        m_program.reset();
        QDBusConnection::disconnectFromBus(QLatin1String(hostConnection));
        m_fixture.detachDisks(m_disks);
    }

    // A host's click on a row it read before other volumes appeared above it ejects that row's
    // volume; every exported row has a label; the icon is exported by name.
    void hostClicksReachTheVolumeTheyShowed()
    {
        const QString plain = attachMounted(QStringLiteral("plain"));
        QVERIFY(!plain.isEmpty());
        QString error;
        QVERIFY2(m_panel->startPanel(m_session, &error), qPrintable(error));
        QVERIFY2(m_program->start(), qPrintable(programLog()));

        StatusNotifierHost host(m_session);
        QVERIFY2(QTest::qWaitFor([&] { return host.selectItemOf(m_program->pid()); }, 30000),
                 qPrintable(host.registeredItems().join(u' ') + u' ' + programLog()));
        QCOMPARE(host.itemProperty(QStringLiteral("IconName")).toString(),
                 QStringLiteral("quillmere-symbolic"));

        StatusNotifierHost::MenuItem menu;
        QVERIFY(QTest::qWaitFor(
            [&] {
                menu = host.layout();
                return menu.find(QStringLiteral("QMPLAIN")) != nullptr;
            },
            30000));
        const StatusNotifierHost::MenuItem plainRow = *menu.find(QStringLiteral("QMPLAIN"));
        const StatusNotifierHost::MenuItem *eject = plainRow.find(QStringLiteral("Eject"));
        QVERIFY(eject);
        const int ejectId = eject->id;

        // Three volumes arrive, two of them sorted above it.
        const QString three = attachMounted(QStringLiteral("three"));
        QVERIFY(!three.isEmpty());
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         menu = host.layout();
                         return menu.find(QStringLiteral("QMEXT2")) != nullptr &&
                                menu.find(QStringLiteral("QMXFS")) != nullptr;
                     },
                     30000),
                 qPrintable(programLog()));
        QCOMPARE(menu.find(QStringLiteral("QMPLAIN"))->id, plainRow.id);

        // No row but separators without a label, the capacity rows included; the shortcuts
        // travel with their rows.
        int gauges = 0;
        menu.forEach([&](const StatusNotifierHost::MenuItem &item) {
            if (item.isSeparator() || !item.isVisible())
                return;
            QVERIFY2(!item.label().isEmpty(), qPrintable(QString::number(item.id)));
            gauges += item.label().contains(QStringLiteral(" free of "));
        });
        QVERIFY(gauges >= 4);
        const StatusNotifierHost::MenuItem *quit = menu.find(QStringLiteral("Quit Quillmere"));
        QVERIFY(quit);
        QVERIFY(quit->properties.contains(QStringLiteral("shortcut")));

        // The click read before the change.
        QVERIFY(host.click(ejectId));
        QVERIFY2(QTest::qWaitFor([&] { return !OperationFixture::isAttached(plain); }, 30000),
                 qPrintable(QStringLiteral("QMPLAIN is still attached; ") + programLog()));
        QVERIFY(OperationFixture::isAttached(three));
        QVERIFY(OperationFixture::mountedDevices().contains(three + QStringLiteral("p1")));
    }

    // At login the program may start before the panel: the icon appears once the panel is
    // there, and again after the panel restarts.
    void aPanelThatComesLaterGetsTheIcon()
    {
        QVERIFY2(m_program->start(), qPrintable(programLog()));
        // Long enough for the program to have settled without a tray.
        QTest::qWait(5000);
        QString error;
        QVERIFY2(m_panel->startPanel(m_session, &error), qPrintable(error));
        StatusNotifierHost host(m_session);
        QVERIFY2(QTest::qWaitFor([&] { return host.selectItemOf(m_program->pid()); }, 30000),
                 qPrintable(host.registeredItems().join(u' ') + u' ' + programLog()));
        QCOMPARE(host.itemProperty(QStringLiteral("IconName")).toString(),
                 QStringLiteral("quillmere-symbolic"));

        m_panel->stopPanel();
        QVERIFY(QTest::qWaitFor(
            [&] {
                return !m_session.interface()
                            ->isServiceRegistered(QString::fromLatin1(XfcePanel::watcherService))
                            .value();
            },
            10000));
        QVERIFY2(m_panel->startPanel(m_session, &error), qPrintable(error));
        QVERIFY2(QTest::qWaitFor([&] { return host.selectItemOf(m_program->pid()); }, 30000),
                 qPrintable(host.registeredItems().join(u' ') + u' ' + programLog()));
        QVERIFY(m_program->isRunning());
    }
};

QTEST_GUILESS_MAIN(TestTrayDesktop)
#include "tst_traydesktop.moc"
