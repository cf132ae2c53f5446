// The list keeps up under steady churn: with one loop device attached and detached every 0.2 s
// (so events never pause for the 0.3 s quiet time), the store still refreshes about once a
// second, and a second device mounted and unmounted for 1.5 s at a time gets every line, both
// in a store of this test's own and in the history of the program running meanwhile.

#include "operationfixture.h"
#include "programharness.h"

#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"

#include "discovery/mounteventdiffer.h"
#include "discovery/volumestore.h"
#include "stores/historyentrycodec.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <sys/mount.h>
#include <unistd.h>

class TestDiscoveryChurn : public QObject {
    Q_OBJECT

    OperationFixture m_fixture;

    bool runTool(const QString &program, const QStringList &arguments) const
    {
        bool ok = false;
        m_fixture.run(program, arguments, &ok);
        return ok;
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0) {
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd); not root, so "
                  "they are skipped.");
        }
        QString error;
        QVERIFY2(m_fixture.setUp(&error), qPrintable(error));
    }

    void cleanupTestCase() { m_fixture.tearDown(); }

    void mountsOutlastingTheCeilingAreAllSeenUnderChurn()
    {
        const QString folder = OperationFixture::newDiskFolder();
        const auto detach = qScopeGuard([&] { m_fixture.detachDisks(folder); });
        const QString loop =
            m_fixture.makeDisks(folder, {QStringLiteral("plain")}).value(QStringLiteral("plain"));
        QVERIFY(!loop.isEmpty());
        QVERIFY(m_fixture.waitForFileSystems({loop}));
        // Where the test disks are mounted: a folder below /tmp is none the program shows.
        const QString mountPoint =
            QStringLiteral("/mnt/%1/churn-mount").arg(QFileInfo(folder).fileName());
        QVERIFY(QDir().mkpath(mountPoint));
        const auto unmount =
            qScopeGuard([&] { ::umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH); });

        UDisksClient client(m_fixture.bus);
        auto provider = std::make_shared<UDisksDescriptionProvider>(&client);
        VolumeKindSet every;
        for (VolumeKind kind : enumValues<VolumeKind>())
            every.insert(kind);
        VolumeStore store(std::make_shared<UDisksDiskSource>(provider), every);
        int refreshes = 0;
        VolumeList previous;
        HistoryEntryList lines;
        store.onChange = [&] {
            ++refreshes;
            for (const HistoryEntry &entry : MountEventDiffer::diff(
                     previous, store.allVolumes(), QDateTime::currentDateTimeUtc())) {
                if (entry.deviceName == loop)
                    lines.append(entry);
            }
            previous = store.allVolumes();
        };
        QVERIFY(QTest::qWaitFor([&] { return client.isAvailable(); }, 10000));
        ProgramHarness app;
        QString error;
        QVERIFY2(app.setUp(m_fixture.busAddress, &error), qPrintable(error));
        // No download of the media definitions from here.
        app.defaults()->setDate(QString::fromLatin1(SettingsKeys::mediaDefsLastFetch),
                                QDateTime::currentDateTimeUtc());
        QVERIFY2(app.start(), qPrintable(app.output()));
        store.start();
        QTest::qWait(1000);
        const int before = refreshes;
        lines.clear();

        // One image attached and detached every 0.2 s for 30 s, by a shell of its own.
        const QString image = folder + QStringLiteral("/images/churn.img");
        QVERIFY(runTool(QStringLiteral("truncate"),
                        {QStringLiteral("-s"), QStringLiteral("8M"), image}));
        QProcess churn;
        churn.start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QStringLiteral("end=$(($(date +%s) + 30)); while [ $(date +%s) -lt $end ]; do "
                            "d=$(losetup -f --show \"$0\") && sleep 0.1 && losetup -d \"$d\"; "
                            "sleep 0.1; done"),
             image});
        const auto stopChurn = qScopeGuard([&] {
            churn.kill();
            churn.waitForFinished();
            QProcess leftovers;
            leftovers.start(QStringLiteral("losetup"), {QStringLiteral("-j"), image});
            leftovers.waitForFinished();
            for (const QByteArray &row : leftovers.readAllStandardOutput().split('\n')) {
                const qsizetype colon = row.indexOf(':');
                if (colon > 0)
                    runTool(QStringLiteral("losetup"),
                            {QStringLiteral("-d"), QString::fromLatin1(row.left(colon))});
            }
        });
        QVERIFY(churn.waitForStarted());

        // Meanwhile the other device: mounted for 1.5 s, unmounted for 1.5 s, ten times.
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 10; ++i) {
            QVERIFY(runTool(QStringLiteral("mount"), {QStringLiteral("/dev/") + loop, mountPoint}));
            QTest::qWait(1500);
            QVERIFY(runTool(QStringLiteral("umount"), {mountPoint}));
            QTest::qWait(1500);
        }
        // The churn goes on to its 30 s; the last change needs its notification too.
        QVERIFY(churn.waitForFinished(std::max<qint64>(35000 - clock.elapsed(), 1000)) ||
                churn.state() == QProcess::NotRunning);
        QTest::qWait(1500);

        const int during = refreshes - before;
        QVERIFY2(during >= 25, qPrintable(QStringLiteral("%1 refreshes").arg(during)));
        QStringList seen;
        for (const HistoryEntry &entry : std::as_const(lines))
            seen.append(entry.operation);
        QStringList expected;
        for (int i = 0; i < 10; ++i)
            expected << QStringLiteral("mount") << QStringLiteral("unmount");
        QCOMPARE(seen, expected);

        QStringList recorded;
        QFile history(
            QDir(app.homePath()).filePath(QStringLiteral("data/Quillmere/history.jsonl")));
        QVERIFY(history.open(QIODevice::ReadOnly));
        for (const QByteArray &raw : history.readAll().split('\n')) {
            if (const auto entry = HistoryEntryCodec::decode(raw);
                entry && entry->deviceName == loop)
                recorded.append(entry->operation);
        }
        QVERIFY2(recorded == expected, qPrintable(recorded.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(TestDiscoveryChurn)
#include "tst_discoverychurn.moc"
