#include "diskstats.h"
#include "sysfsactivitymonitor.h"
#include "sysfsreader.h"

#include "discovery/activitydiff.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

// A minimal sysfs: devices/<path>/<name> with class/block/<name> and block/<name> linking to it;
// beside it the kernel's table of I/O counters (diskstats) for the same devices.
class FakeSysfs {
public:
    QString root() const { return m_dir.path(); }
    QString diskstats() const { return m_dir.filePath(QStringLiteral("diskstats")); }

    void addDisk(const QString &name, const QString &devicePath = QStringLiteral("virtual/block"))
    {
        const QString dir =
            m_dir.filePath(QStringLiteral("devices/") + devicePath + QLatin1Char('/') + name);
        QDir().mkpath(dir);
        QDir().mkpath(m_dir.filePath(QStringLiteral("class/block")));
        QDir().mkpath(m_dir.filePath(QStringLiteral("block")));
        QFile::link(dir, m_dir.filePath(QStringLiteral("class/block/") + name));
        QFile::link(dir, m_dir.filePath(QStringLiteral("block/") + name));
        setStat(name, 0, 0);
    }

    void addPartition(const QString &disk, const QString &name)
    {
        const QString dir =
            QFileInfo(m_dir.filePath(QStringLiteral("class/block/") + disk)).canonicalFilePath() +
            QLatin1Char('/') + name;
        QDir().mkpath(dir);
        write(dir + QStringLiteral("/partition"), "1");
        QFile::link(dir, m_dir.filePath(QStringLiteral("class/block/") + name));
        m_sectors.insert(name, {0, 0});
        writeDiskstats();
    }

    void addSlave(const QString &synthesized, const QString &slave)
    {
        const QString dir = m_dir.filePath(QStringLiteral("class/block/") + synthesized +
                                           QStringLiteral("/slaves"));
        QDir().mkpath(dir);
        QFile::link(m_dir.filePath(QStringLiteral("class/block/") + slave),
                    dir + QLatin1Char('/') + slave);
    }

    void removeSlaves(const QString &synthesized)
    {
        QDir(m_dir.filePath(QStringLiteral("class/block/") + synthesized +
                            QStringLiteral("/slaves")))
            .removeRecursively();
    }

    void setStat(const QString &name, quint64 sectorsRead, quint64 sectorsWritten)
    {
        write(m_dir.filePath(QStringLiteral("block/") + name + QStringLiteral("/stat")),
              QStringLiteral("  100 0 %1 40 200 0 %2 80 0 100 120 0 0 0 0 0 0\n")
                  .arg(sectorsRead)
                  .arg(sectorsWritten)
                  .toLatin1());
        m_sectors.insert(name, {sectorsRead, sectorsWritten});
        writeDiskstats();
    }

    void setFile(const QString &relative, const QByteArray &content)
    {
        const QString path = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        write(path, content);
    }

    void removeDisk(const QString &name)
    {
        QFile::remove(m_dir.filePath(QStringLiteral("block/") + name));
        QFile::remove(m_dir.filePath(QStringLiteral("class/block/") + name));
        m_sectors.remove(name);
        writeDiskstats();
    }

    // A device the table lists that sysfs does not (yet) show.
    void addToDiskstatsOnly(const QString &name)
    {
        m_sectors.insert(name, {0, 0});
        writeDiskstats();
    }

private:
    void writeDiskstats()
    {
        QByteArray table;
        int minor = 0;
        for (auto it = m_sectors.cbegin(); it != m_sectors.cend(); ++it) {
            table +=
                QStringLiteral("   8      %1 %2 100 0 %3 40 200 0 %4 80 0 100 120 0 0 0 0 0 0\n")
                    .arg(minor++)
                    .arg(it.key())
                    .arg(it->first)
                    .arg(it->second)
                    .toLatin1();
        }
        // Rewritten in place, as the kernel's table stays the same file.
        write(diskstats(), table);
    }

    static void write(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(content);
        }
    }

    QTemporaryDir m_dir;
    QMap<QString, QPair<quint64, quint64>> m_sectors;
};

const QDateTime t0 = QDateTime(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);

} // namespace

char *toString(const DriveActivity &a)
{
    return QTest::toString(QStringLiteral("%1 active %2 since %3")
                               .arg(a.wholeDiskName)
                               .arg(a.isActive)
                               .arg(a.lastActive.toString(Qt::ISODate)));
}

class TestSysfsActivityMonitor : public QObject {
    Q_OBJECT

private slots:
    void diffMarksChangesActiveAndKeepsQuietDisksLastActive()
    {
        using namespace ActivityDiff;
        const Counters first = {{QStringLiteral("sdb"), 1000}, {QStringLiteral("sdc"), 5}};
        Outcome o1 = activity({}, first, {}, t0);
        QCOMPARE(o1.activities.value(QStringLiteral("sdb")),
                 (DriveActivity{QStringLiteral("sdb"), false, t0}));

        const QDateTime t1 = t0.addSecs(1);
        Outcome o2 = activity(first, {{QStringLiteral("sdb"), 1000}, {QStringLiteral("sdc"), 9}},
                              o1.lastActive, t1);
        QCOMPARE(o2.activities.value(QStringLiteral("sdb")),
                 (DriveActivity{QStringLiteral("sdb"), false, t0}));
        QCOMPARE(o2.activities.value(QStringLiteral("sdc")),
                 (DriveActivity{QStringLiteral("sdc"), true, t1}));

        // A counter that goes down (a driver restart) is activity too.
        const QDateTime t2 = t0.addSecs(2);
        Outcome o3 = activity({{QStringLiteral("sdb"), 1000}}, {{QStringLiteral("sdb"), 10}},
                              o2.lastActive, t2);
        QVERIFY(o3.activities.value(QStringLiteral("sdb")).isActive);
        // Disks missing from the new sample drop out.
        QVERIFY(!o3.lastActive.contains(QStringLiteral("sdc")));

        QCOMPARE(idleSeconds(o3.lastActive, QStringLiteral("sdb"), t2.addSecs(600)),
                 std::optional<double>(600.0));
        QCOMPARE(idleSeconds(o3.lastActive, QStringLiteral("sdz"), t2), std::optional<double>());
    }

    void readerTurnsSectorsIntoBytesAndFindsWholeDisks()
    {
        FakeSysfs sys;
        sys.addDisk(QStringLiteral("sdb"), QStringLiteral("pci0000:00/usb2/2-1/host4/block"));
        sys.addPartition(QStringLiteral("sdb"), QStringLiteral("sdb1"));
        sys.addDisk(QStringLiteral("vda"), QStringLiteral("pci0000:00/virtio1/block"));
        sys.setStat(QStringLiteral("sdb"), 3, 4);
        sys.setFile(QStringLiteral("block/vda/stat"), "garbage\n");
        sys.setFile(QStringLiteral("block/sdb/removable"), "1\n");
        sys.addDisk(QStringLiteral("loop2"));
        sys.setFile(QStringLiteral("block/loop2/loop/backing_file"), "/tmp/x/disk.img\n");

        const SysfsReader reader(sys.root());
        QCOMPARE(reader.statBytes(QStringLiteral("sdb")), std::optional<quint64>(7 * 512));
        QCOMPARE(reader.statBytes(QStringLiteral("vda")), std::optional<quint64>());
        QCOMPARE(reader.wholeDisk(QStringLiteral("sdb1")), std::optional(QStringLiteral("sdb")));
        QCOMPARE(reader.wholeDisk(QStringLiteral("sdb")), std::optional(QStringLiteral("sdb")));
        QCOMPARE(reader.wholeDisk(QStringLiteral("sdx")), std::optional<QString>());
        QVERIFY(reader.isRemovable(QStringLiteral("sdb")));
        QVERIFY(!reader.isInternal(QStringLiteral("sdb")));
        QVERIFY(!reader.isRemovable(QStringLiteral("vda")));
        QVERIFY(reader.isInternal(QStringLiteral("vda")));
        QCOMPARE(reader.loopBackingFile(QStringLiteral("loop2")),
                 std::optional(QStringLiteral("/tmp/x/disk.img")));
        QCOMPARE(reader.loopBackingFile(QStringLiteral("sdb")), std::optional<QString>());
    }

    void diskstatsTableTurnsSectorsIntoBytes()
    {
        const QByteArray table = "   8       0 sda 1 0 10 0 2 0 20 0 0 0 0 0 0 0 0 0 0\n"
                                 "   8       1 sda1 1 0 3 0 2 0\t4 0 0 0 0\n"
                                 "garbage\n"
                                 "   7       0 loop0 1 0 x 0 2 0 20\n"
                                 " 253       0 dm-0 0 0 0 0 0 0 0 0 0 0 0";
        const QHash<QString, quint64> bytes = DiskStats::parse(table);
        QCOMPARE(bytes.value(QStringLiteral("sda")), quint64(30 * 512));
        QCOMPARE(bytes.value(QStringLiteral("sda1")), quint64(7 * 512));
        QCOMPARE(bytes.value(QStringLiteral("dm-0"), 1), quint64(0));
        QCOMPARE(bytes.size(), 3);
        QVERIFY(DiskStats::parse(QByteArray()).isEmpty());
    }

    void monitorReportsActivityAndIdleTime()
    {
        FakeSysfs sys;
        sys.addDisk(QStringLiteral("sdb"));
        SysfsActivityMonitor monitor{SysfsReader(sys.root()), sys.diskstats()};
        QDateTime now = t0;
        monitor.setClock([&now] { return now; });
        int updates = 0;
        monitor.setOnUpdate([&updates](const DriveActivityMap &) { ++updates; });

        monitor.sample();
        QVERIFY(!monitor.isActive(QStringLiteral("sdb")));
        now = now.addSecs(1);
        sys.setStat(QStringLiteral("sdb"), 0, 8);
        monitor.sample();
        QVERIFY(monitor.isActive(QStringLiteral("sdb")));
        QCOMPARE(monitor.idleSeconds(QStringLiteral("sdb")), std::optional<double>(0.0));
        now = now.addSecs(600);
        monitor.sample();
        QVERIFY(!monitor.isActive(QStringLiteral("sdb")));
        QCOMPARE(monitor.idleSeconds(QStringLiteral("sdb")), std::optional<double>(600.0));
        QCOMPARE(updates, 3);

        QCOMPARE(monitor.idleSeconds(QStringLiteral("sdq")), std::optional<double>());
        QVERIFY(!monitor.isActive(QStringLiteral("sdq")));
    }

    void aDiskThatComesBackIsNew()
    {
        FakeSysfs sys;
        sys.addDisk(QStringLiteral("sdb"));
        SysfsActivityMonitor monitor{SysfsReader(sys.root()), sys.diskstats()};
        QDateTime now = t0;
        monitor.setClock([&now] { return now; });
        monitor.sample();
        sys.removeDisk(QStringLiteral("sdb"));
        now = now.addSecs(5);
        monitor.sample();
        QCOMPARE(monitor.idleSeconds(QStringLiteral("sdb")), std::optional<double>());
        sys.addDisk(QStringLiteral("sdb"));
        sys.setStat(QStringLiteral("sdb"), 99, 99);
        now = now.addSecs(5);
        monitor.sample();
        QCOMPARE(monitor.currentActivities().value(QStringLiteral("sdb")),
                 (DriveActivity{QStringLiteral("sdb"), false, now}));
    }

    void synthesizedDisksResolveToTheirPhysicalDiskOnce()
    {
        FakeSysfs sys;
        sys.addDisk(QStringLiteral("sdb"));
        sys.addPartition(QStringLiteral("sdb"), QStringLiteral("sdb2"));
        sys.addDisk(QStringLiteral("dm-0"));
        sys.addSlave(QStringLiteral("dm-0"), QStringLiteral("sdb2"));
        // LVM on LUKS: dm-1 sits on dm-0.
        sys.addDisk(QStringLiteral("dm-1"));
        sys.addSlave(QStringLiteral("dm-1"), QStringLiteral("dm-0"));
        SysfsActivityMonitor monitor{SysfsReader(sys.root()), sys.diskstats()};
        QDateTime now = t0;
        monitor.setClock([&now] { return now; });
        monitor.sample();
        // Synthesized disks are not sampled themselves.
        QCOMPARE(monitor.currentActivities().keys(), QList<QString>{QStringLiteral("sdb")});

        now = now.addSecs(1);
        sys.setStat(QStringLiteral("sdb"), 1, 0);
        monitor.sample();
        QVERIFY(monitor.isActive(QStringLiteral("dm-0")));
        QVERIFY(monitor.isActive(QStringLiteral("dm-1")));
        now = now.addSecs(30);
        QCOMPARE(monitor.idleSeconds(QStringLiteral("dm-1")), std::optional<double>(30.0));
        // The answer is cached: the tree is not walked again.
        sys.removeSlaves(QStringLiteral("dm-0"));
        sys.removeSlaves(QStringLiteral("dm-1"));
        QCOMPARE(monitor.idleSeconds(QStringLiteral("dm-0")), std::optional<double>(30.0));
        QCOMPARE(monitor.idleSeconds(QStringLiteral("dm-1")), std::optional<double>(30.0));
    }

    void sysfsIsReadAgainOnlyWhenTheDisksChange()
    {
        FakeSysfs sys;
        sys.addDisk(QStringLiteral("sdb"));
        sys.addPartition(QStringLiteral("sdb"), QStringLiteral("sdb1"));
        sys.addDisk(QStringLiteral("sdc"));
        SysfsActivityMonitor monitor{SysfsReader(sys.root()), sys.diskstats()};
        QDateTime now = t0;
        monitor.setClock([&now] { return now; });
        monitor.sample();
        QCOMPARE(monitor.currentActivities().size(), 2);

        // sysfs changes behind the monitor's back (sdc now looks synthesized) while the table
        // lists the same devices: the counters still come, sysfs was not asked again.
        sys.addSlave(QStringLiteral("sdc"), QStringLiteral("sdb1"));
        now = now.addSecs(1);
        sys.setStat(QStringLiteral("sdc"), 5, 5);
        monitor.sample();
        QVERIFY(monitor.isActive(QStringLiteral("sdc")));

        // A new device in the table: the disks are worked out again.
        sys.addToDiskstatsOnly(QStringLiteral("sdd"));
        now = now.addSecs(1);
        monitor.sample();
        QCOMPARE(monitor.currentActivities().keys(), QList<QString>{QStringLiteral("sdb")});
        // sdc resolves to the disk below it now.
        QVERIFY(!monitor.isActive(QStringLiteral("sdc")));
        QCOMPARE(monitor.idleSeconds(QStringLiteral("sdc")), std::optional<double>(2.0));

        // The table read fails: no disk, no crash; back when it is readable again.
        QVERIFY(QFile::remove(sys.diskstats()));
        monitor.stop();
        monitor.sample();
        QVERIFY(monitor.currentActivities().isEmpty());
        sys.setStat(QStringLiteral("sdb"), 1, 1);
        monitor.sample();
        QCOMPARE(monitor.currentActivities().keys(), QList<QString>{QStringLiteral("sdb")});
    }

    void startSamplesAtOnceAndOnlyOnce()
    {
        FakeSysfs sys;
        sys.addDisk(QStringLiteral("sdb"));
        SysfsActivityMonitor monitor{SysfsReader(sys.root()), sys.diskstats()};
        QDateTime now = t0;
        monitor.setClock([&now] { return now; });
        int updates = 0;
        monitor.setOnUpdate([&updates](const DriveActivityMap &) { ++updates; });
        monitor.start();
        monitor.start();
        QCOMPARE(updates, 1);
        QVERIFY(monitor.isRunning());

        sys.setStat(QStringLiteral("sdb"), 7, 7);
        monitor.stop();
        QVERIFY(!monitor.isRunning());
        now = now.addSecs(3);
        monitor.start();
        QCOMPARE(updates, 2);
        // After a restart every disk is inactive, and keeps its last-active time.
        QCOMPARE(monitor.currentActivities().value(QStringLiteral("sdb")),
                 (DriveActivity{QStringLiteral("sdb"), false, t0}));
        monitor.stop();
    }
};

QTEST_GUILESS_MAIN(TestSysfsActivityMonitor)
#include "tst_sysfsactivitymonitor.moc"
