// One operation per disk at a time, across command-line processes: a held disk is refused with
// the holder's name, and two erases of one partition started together leave a sound file system
// named as the one reported last.

#include "operationfixture.h"

#include "flockdisklocks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
    qint64 finishedMs = -1;
};

} // namespace

class TestDiskExclusion : public QObject {
    Q_OBJECT

    OperationFixture m_fixture;
    QTemporaryDir m_home;
    QString m_cli;
    QStringList m_folders;

    void startCli(QProcess &process, const QStringList &arguments) const
    {
        QProcessEnvironment env = m_fixture.environment();
        env.remove(QStringLiteral("QT_LOGGING_RULES"));
        process.setProcessEnvironment(env);
        process.start(m_cli, arguments);
    }

    static CliRun collect(QProcess &process, const QElapsedTimer &clock)
    {
        CliRun run;
        if (process.state() != QProcess::NotRunning && !process.waitForFinished(180000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.finishedMs = clock.elapsed();
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    static bool runTool(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    QString newDisk(const QString &kind)
    {
        const QString folder = OperationFixture::newDiskFolder();
        m_folders.append(folder);
        return m_fixture.makeDisks(folder, {QStringLiteral("--mount"), kind}).value(kind);
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0) {
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd); not root, so "
                  "they are skipped.");
        }
        m_cli = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/../cli/quillmere-cli"));
        QVERIFY2(QFileInfo(m_cli).isExecutable(), qPrintable(m_cli + QStringLiteral(" not built")));
        QVERIFY(m_home.isValid());
        // The command lines and this process share the settings, the history and the locks.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
        const QString runtime = m_home.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        QVERIFY(
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        QString error;
        QVERIFY2(m_fixture.setUp(&error), qPrintable(error));
    }

    void cleanupTestCase() { m_fixture.tearDown(); }

    void cleanup()
    {
        for (const QString &folder : std::as_const(m_folders)) {
            m_fixture.detachDisks(folder);
        }
        m_folders.clear();
    }

    void aHeldDiskIsRefusedNamingTheHolder()
    {
        const QString loop = newDisk(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString partition = loop + QStringLiteral("p2");
        QVERIFY(m_fixture.waitForFileSystems({partition}));
        QVERIFY(OperationFixture::mountedDevices().contains(partition));

        // An erase of another process holds the whole disk, through another of its partitions.
        Volume sibling;
        sibling.deviceName = loop + QStringLiteral("p1");
        const QString lockPath = FlockDiskLocks().lockFilePath(sibling);
        QVERIFY(!lockPath.isEmpty());
        const int held =
            ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(held >= 0);
        const auto release = qScopeGuard([held] { ::close(held); });
        QVERIFY(::flock(held, LOCK_EX) == 0);
        QVERIFY(::ftruncate(held, 0) == 0);
        QVERIFY(::write(held, "erase\n", 6) == 6);

        QElapsedTimer clock;
        clock.start();
        QProcess eject;
        startCli(eject, {QStringLiteral("eject"), partition});
        const CliRun run = collect(eject, clock);
        QCOMPARE(run.code, 5);
        QVERIFY2(run.err.contains(QStringLiteral("(Erase)")), qPrintable(run.err));
        QVERIFY(OperationFixture::mountedDevices().contains(partition));
    }

    void twoErasesOfOnePartitionAtOnceLeaveWhatWasReported()
    {
        const QString loop = newDisk(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString partition = loop + QStringLiteral("p2");
        const QString device = QStringLiteral("/dev/") + partition;
        QVERIFY(m_fixture.waitForFileSystems({partition}));
        // Below /mnt, where the desktop shows it, so that it stays an erasable disk image.
        const QString ownMount =
            QStringLiteral("/mnt/%1/QMRACE").arg(QFileInfo(m_folders.last()).fileName());
        QVERIFY(QDir().mkpath(ownMount));
        const auto unmountOwn =
            qScopeGuard([&] { ::umount2(QFile::encodeName(ownMount), MNT_DETACH); });

        for (int round = 0; round < 20; ++round) {
            const QStringList labels{QStringLiteral("QMA%1").arg(round),
                                     QStringLiteral("QMB%1").arg(round)};
            QElapsedTimer clock;
            clock.start();
            QProcess first;
            QProcess second;
            startCli(first, {QStringLiteral("erase"), partition, QStringLiteral("--name"),
                             labels[0], QStringLiteral("--yes")});
            startCli(second, {QStringLiteral("erase"), partition, QStringLiteral("--name"),
                              labels[1], QStringLiteral("--yes")});
            // Each finish is timed as it happens: waiting for one process after the other would
            // time the second as finishing no earlier than the first.
            qint64 finished[2] = {-1, -1};
            QObject::connect(&first, &QProcess::finished, [&] { finished[0] = clock.elapsed(); });
            QObject::connect(&second, &QProcess::finished, [&] { finished[1] = clock.elapsed(); });
            QTRY_VERIFY_WITH_TIMEOUT(finished[0] >= 0 && finished[1] >= 0, 180000);
            CliRun runs[] = {collect(first, clock), collect(second, clock)};
            runs[0].finishedMs = finished[0];
            runs[1].finishedMs = finished[1];

            // Each either erased, or was refused because the other held the disk.
            QString reported;
            qint64 reportedAt = -1;
            for (int i = 0; i < 2; ++i) {
                const CliRun &run = runs[i];
                const QString what = QStringLiteral("round %1, %2: exit %3, out %4, err %5")
                                         .arg(round)
                                         .arg(labels[i])
                                         .arg(run.code)
                                         .arg(run.out, run.err);
                // The other may also have found the partition unmounted by the first one's
                // erase: an unmounted partition of a disk image is not listed.
                const bool missed = run.code == 2 && runs[1 - i].code == 0 &&
                                    run.err.contains(QStringLiteral("No volume is called"));
                QVERIFY2(run.code == 0 || run.code == 5 || missed, qPrintable(what));
                if (run.code == 0) {
                    QVERIFY2(run.out.contains(QStringLiteral("“%1”.").arg(labels[i])),
                             qPrintable(what));
                    if (run.finishedMs > reportedAt) {
                        reported = labels[i];
                        reportedAt = run.finishedMs;
                    }
                }
            }
            QVERIFY2(!reported.isEmpty(), qPrintable(QStringLiteral("round %1").arg(round)));
            QCOMPARE(OperationFixture::label(partition), reported);

            // Sound: a file written survives unmounting and mounting, and fsck finds no fault.
            const QString mounted = OperationFixture::mountPointOf(partition);
            if (!mounted.isEmpty()) {
                QVERIFY(runTool(QStringLiteral("umount"), {mounted}));
            }
            QVERIFY(runTool(QStringLiteral("mount"), {device, ownMount}));
            {
                QFile file(ownMount + QStringLiteral("/kept.txt"));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(labels.join(u' ').toUtf8());
                file.flush();
                QCOMPARE(::fsync(file.handle()), 0);
            }
            QVERIFY(runTool(QStringLiteral("umount"), {ownMount}));
            QVERIFY2(runTool(QStringLiteral("fsck.ext4"),
                             {QStringLiteral("-n"), QStringLiteral("-f"), device}),
                     qPrintable(QStringLiteral("round %1: fsck found faults").arg(round)));
            QVERIFY(runTool(QStringLiteral("mount"), {device, ownMount}));
            QFile kept(ownMount + QStringLiteral("/kept.txt"));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), labels.join(u' ').toUtf8());
            kept.close();
            // Left mounted: an unmounted partition of a disk image is not listed, so the next
            // round could not name it.
            QVERIFY(m_fixture.waitForFileSystems({partition}));
        }
    }
};

QTEST_GUILESS_MAIN(TestDiskExclusion)
#include "tst_diskexclusion.moc"
