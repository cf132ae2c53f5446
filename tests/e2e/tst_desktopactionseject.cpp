// The launcher's Eject All action against real devices: `quillmere --action eject-all` is
// handed to the running program, which ejects the test disk over the private udisks2; with no
// program running the same command starts it and ejects.
#include "operationfixture.h"
#include "programharness.h"

#include <QTest>
#include <unistd.h>

class TestDesktopActionsEject : public QObject {
    Q_OBJECT

    OperationFixture m_fixture;
    QString m_disks;
    std::unique_ptr<ProgramHarness> m_program;

    QString attachMountedDisk()
    {
        const QString loop =
            m_fixture.makeDisks(m_disks, {QStringLiteral("--mount"), QStringLiteral("plain")})
                .value(QStringLiteral("plain"));
        if (!loop.isEmpty() && !m_fixture.waitForFileSystems({loop}))
            return {};
        return loop;
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd); not root, so "
                  "they are skipped.");
        if (!PrivateBus::available())
            QSKIP("dbus-daemon is not installed");
        QString error;
        QVERIFY2(m_fixture.setUp(&error), qPrintable(error));
    }

    void cleanupTestCase() { m_fixture.tearDown(); }

    void init()
    {
        m_disks = OperationFixture::newDiskFolder();
        m_program = std::make_unique<ProgramHarness>();
        QString error;
        QVERIFY2(m_program->setUp(m_fixture.busAddress, &error), qPrintable(error));
    }

    void cleanup()
    {
        m_program.reset();
        m_fixture.detachDisks(m_disks);
    }

    void ejectAllIsHandedToTheRunningProgram()
    {
        const QString loop = attachMountedDisk();
        QVERIFY(!loop.isEmpty());
        QVERIFY(OperationFixture::mountedDevices().contains(loop));
        QVERIFY2(m_program->start(), qPrintable(m_program->output()));

        QCOMPARE(m_program->launchAgain({QStringLiteral("--action"), QStringLiteral("eject-all")}),
                 0);
        QVERIFY2(QTest::qWaitFor([&] { return !OperationFixture::isAttached(loop); }, 30000),
                 qPrintable(QStringLiteral("the disk is still attached; the program said: ") +
                            m_program->output()));
        QVERIFY(!OperationFixture::mountedDevices().contains(loop));
        QVERIFY(m_program->isRunning());
    }

    void ejectAllStartsTheProgramWhenNoneRuns()
    {
        const QString loop = attachMountedDisk();
        QVERIFY(!loop.isEmpty());
        QVERIFY(!m_program->ownsName());
        QVERIFY2(m_program->start({QStringLiteral("--action"), QStringLiteral("eject-all")}),
                 qPrintable(m_program->output()));
        QVERIFY2(QTest::qWaitFor([&] { return !OperationFixture::isAttached(loop); }, 30000),
                 qPrintable(QStringLiteral("the disk is still attached; the program said: ") +
                            m_program->output()));
        // It stays, as any launch of the program does.
        QVERIFY(m_program->isRunning());
    }

    void unknownActionsAreRefused()
    {
        QCOMPARE(m_program->launchAgain({QStringLiteral("--action"), QStringLiteral("explode")}),
                 2);
        QVERIFY(!m_program->ownsName());
    }
};

QTEST_GUILESS_MAIN(TestDesktopActionsEject)
#include "tst_desktopactionseject.moc"
