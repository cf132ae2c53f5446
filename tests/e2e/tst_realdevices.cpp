// Real loop devices served by a real udisks2 on a private system bus (tests/support).
#include "mountinfo.h"
#include "sysfsactivitymonitor.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "usbpresentingprovider.h"

#include "discovery/diskmerger.h"
#include "discovery/mounteventdiffer.h"
#include "discovery/volumestore.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <unistd.h>

namespace {

const Volume *findVolume(const VolumeList &volumes, const QString &deviceName)
{
    for (const Volume &v : volumes) {
        if (v.deviceName == deviceName) {
            return &v;
        }
    }
    return nullptr;
}

bool isMounted(const VolumeList &volumes, const QString &deviceName)
{
    const Volume *v = findVolume(volumes, deviceName);
    return v && v->isMounted;
}

} // namespace

class TestRealDevices : public QObject {
    Q_OBJECT

private:
    QString m_support;
    QString m_servicesDir;
    bool m_startedServices = false;
    QString m_busAddress;
    QDBusConnection m_bus{QString()};
    QString m_disks;
    QTemporaryDir m_scratch;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLMERE_SERVICES_DIR"), m_servicesDir);
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_busAddress);
        return env;
    }

    // Runs a harness script or tool; fails the test with its output when it fails.
    QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program, arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            qWarning().noquote() << program << arguments.join(QLatin1Char(' '))
                                 << "failed:" << process.readAllStandardError();
            return QStringLiteral("FAILED");
        }
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QString script(const QString &name) const { return m_support + QLatin1Char('/') + name; }

    // key=value lines of make-test-disks.sh, the loop device names without /dev/.
    QHash<QString, QString> makeDisks(const QStringList &arguments)
    {
        QHash<QString, QString> devices;
        const QString output = run(script(QStringLiteral("make-test-disks.sh")),
                                   QStringList{QStringLiteral("--dir"), m_disks} + arguments);
        for (const QString &line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq > 0) {
                devices.insert(line.left(eq), line.mid(eq + 1).remove(QStringLiteral("/dev/")));
            }
        }
        return devices;
    }

    struct Discovery {
        std::unique_ptr<UDisksClient> client;
        std::shared_ptr<DeviceDescriptionProvider> provider;
        std::unique_ptr<VolumeStore> store;
        int changes = 0;
    };

    // A store over the real udisks2 provider, optionally presenting some disks as USB drives.
    std::unique_ptr<Discovery> discover(const QStringList &usbDisks = {})
    {
        auto d = std::make_unique<Discovery>();
        d->client = std::make_unique<UDisksClient>(m_bus);
        auto real = std::make_shared<UDisksDescriptionProvider>(d->client.get());
        d->provider = real;
        if (!usbDisks.isEmpty()) {
            d->provider = std::make_shared<UsbPresentingProvider>(real, usbDisks);
        }
        auto source = std::make_shared<UDisksDiskSource>(d->provider);
        d->store = std::make_unique<VolumeStore>(source, VolumeStore::defaultEnabledKinds());
        Discovery *raw = d.get();
        d->store->onChange = [raw] { ++raw->changes; };
        if (!QTest::qWaitFor([&] { return d->client->hasAnswered(); }, 10000)) {
            qWarning("udisks2 did not answer");
        }
        d->store->start();
        return d;
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0) {
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd); not root, so "
                  "they are skipped.");
        }
        m_support = QStringLiteral(QUILLMERE_TEST_SUPPORT_DIR);
        QVERIFY2(QFileInfo::exists(script(QStringLiteral("start-services.sh"))),
                 "tests/support not found");
        m_busAddress = qEnvironmentVariable("QUILLMERE_TEST_SYSTEM_BUS_ADDRESS");
        m_servicesDir = qEnvironmentVariable("QUILLMERE_SERVICES_DIR");
        if (m_busAddress.isEmpty()) {
            m_servicesDir = m_scratch.filePath(QStringLiteral("services"));
            m_startedServices = true;
            QVERIFY(run(script(QStringLiteral("start-services.sh")), {}) !=
                    QLatin1String("FAILED"));
            QFile address(m_servicesDir + QStringLiteral("/bus-address"));
            QVERIFY(address.open(QIODevice::ReadOnly));
            m_busAddress = QString::fromUtf8(address.readAll()).trimmed();
        }
        m_bus = QDBusConnection::connectToBus(m_busAddress, QStringLiteral("quillmere-e2e"));
        QVERIFY2(m_bus.isConnected(), qPrintable(m_bus.lastError().message()));
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("quillmere-e2e"));
        if (m_startedServices) {
            run(script(QStringLiteral("stop-services.sh")), {});
        }
    }

    void init()
    {
        QTemporaryDir dir(QStringLiteral("/tmp/quillmere-test-XXXXXX"));
        dir.setAutoRemove(false);
        m_disks = dir.path();
    }

    // Runs after every test function, also after a failed one.
    void cleanup()
    {
        run(script(QStringLiteral("detach-test-disks.sh")), {m_disks});
        // A test that stopped udisksd leaves it running again.
        run(script(QStringLiteral("start-services.sh")), {QStringLiteral("--udisksd-only")});
    }

    void attachingAThreePartitionDiskIsOneChange()
    {
        makeDisks({QStringLiteral("--build-only"), QStringLiteral("three")});
        auto d = discover();
        QTest::qWait(1000);
        const int before = d->changes;

        const auto devices = makeDisks({QStringLiteral("--mount"), QStringLiteral("three")});
        const QString disk = devices.value(QStringLiteral("three"));
        QVERIFY(!disk.isEmpty());
        const QStringList parts = {disk + QStringLiteral("p1"), disk + QStringLiteral("p2"),
                                   disk + QStringLiteral("p3")};
        QTRY_VERIFY_WITH_TIMEOUT(isMounted(d->store->allVolumes(), parts[2]), 15000);
        // Whatever else udisks2 still reports arrives within the quiet period.
        QTest::qWait(3 * UDisksDiskSource::debounceMs);
        QCOMPARE(d->changes - before, 1);

        const VolumeList volumes = d->store->allVolumes();
        const QStringList labels = {QStringLiteral("QMEXT2"), QStringLiteral("QMEXT4"),
                                    QStringLiteral("QMXFS")};
        for (int i = 0; i < 3; ++i) {
            const Volume *v = findVolume(volumes, parts[i]);
            QVERIFY(v);
            QVERIFY(v->isMounted);
            QCOMPARE(v->name, labels[i]);
            QCOMPARE(enumName(v->kind), QStringLiteral("diskImage"));
            QCOMPARE(v->wholeDiskName, std::optional(disk));
            QVERIFY(v->traits.isDiskImage);
            QCOMPARE(v->traits.deviceModel, std::optional(QStringLiteral("Disk Image")));
            QVERIFY(v->volumeUUID.has_value());
        }
        QVERIFY(!findVolume(volumes, disk));
    }

    void anExternalDriveKeepsItsUnmountedPartitionsListed()
    {
        const auto devices = makeDisks(
            {QStringLiteral("--mount"), QStringLiteral("three"), QStringLiteral("helper")});
        const QString disk = devices.value(QStringLiteral("three"));
        const QString helper = devices.value(QStringLiteral("helper"));
        auto d = discover({disk, helper});
        const QString p2 = disk + QStringLiteral("p2");
        QTRY_VERIFY_WITH_TIMEOUT(isMounted(d->store->allVolumes(), p2), 15000);
        for (const QString &p :
             {QStringLiteral("p1"), QStringLiteral("p2"), QStringLiteral("p3")}) {
            const Volume *v = findVolume(d->store->allVolumes(), disk + p);
            QVERIFY(v);
            QCOMPARE(enumName(v->kind), QStringLiteral("external"));
            QVERIFY(v->isRemovable);
            QVERIFY(!v->traits.isDiskImage);
        }

        QTest::qWait(1000);
        VolumeList previous = d->store->allVolumes();
        HistoryEntryList events;
        d->store->onChange = [&] {
            events += MountEventDiffer::diff(previous, d->store->allVolumes(),
                                             QDateTime::currentDateTimeUtc());
            previous = d->store->allVolumes();
        };
        QVERIFY(run(QStringLiteral("udisksctl"), {QStringLiteral("unmount"), QStringLiteral("-b"),
                                                  QStringLiteral("/dev/") + p2}) !=
                QLatin1String("FAILED"));
        QTRY_VERIFY_WITH_TIMEOUT(findVolume(d->store->allVolumes(), p2) &&
                                     !findVolume(d->store->allVolumes(), p2)->isMounted,
                                 15000);
        QTest::qWait(3 * UDisksDiskSource::debounceMs);
        QStringList described;
        // Only this test's disk: other tests may be mounting theirs meanwhile.
        for (const HistoryEntry &e : events) {
            if (DiskMerger::wholeDiskName(e.deviceName) == disk) {
                described.append(e.operation + QLatin1Char(' ') + e.deviceName);
            }
        }
        QCOMPARE(described, QStringList{QStringLiteral("unmount ") + p2});
        QCOMPARE(events[0].operation, QStringLiteral("unmount"));
        QCOMPARE(events[0].deviceName, p2);
        QCOMPARE(events[0].volumeName, QStringLiteral("QMEXT4"));

        const VolumeList volumes = d->store->allVolumes();
        const Volume *unmounted = findVolume(volumes, p2);
        QCOMPARE(unmounted->name, QStringLiteral("QMEXT4"));
        QCOMPARE(unmounted->mountPath, QString());
        QCOMPARE(enumName(unmounted->kind), QStringLiteral("external"));
        QCOMPARE(unmounted->wholeDiskName, std::optional(disk));
        QVERIFY(d->store->visibleVolumes().contains(*unmounted));
        // Neither the partition named like a helper partition nor any whole disk.
        QVERIFY(!findVolume(volumes, helper + QStringLiteral("p1")));
        QVERIFY(!findVolume(volumes, helper));
        QVERIFY(!findVolume(volumes, disk));
    }

    void systemImagesAreHiddenAndLoopMountsAreDiskImages()
    {
        const auto devices = makeDisks(
            {QStringLiteral("--mount"), QStringLiteral("squash"), QStringLiteral("plain")});
        const QString squash = devices.value(QStringLiteral("squash"));
        const QString plain = devices.value(QStringLiteral("plain"));
        auto d = discover();
        QTRY_VERIFY_WITH_TIMEOUT(findVolume(d->store->allVolumes(), plain) &&
                                     findVolume(d->store->allVolumes(), squash),
                                 15000);
        const VolumeList volumes = d->store->allVolumes();
        const Volume *image = findVolume(volumes, squash);
        QCOMPARE(enumName(image->kind), QStringLiteral("systemImage"));
        QVERIFY(image->traits.isSystemManaged);
        QVERIFY(!d->store->visibleVolumes().contains(*image));

        const Volume *ext4 = findVolume(volumes, plain);
        QCOMPARE(enumName(ext4->kind), QStringLiteral("diskImage"));
        QVERIFY(ext4->traits.isDiskImage);
        QCOMPARE(ext4->wholeDiskName, std::optional(plain));
        QCOMPARE(ext4->name, QStringLiteral("QMPLAIN"));
        QVERIFY(d->store->visibleVolumes().contains(*ext4));
    }

    void aRestartedDiskServiceIsPickedUp()
    {
        const auto devices = makeDisks({QStringLiteral("--mount"), QStringLiteral("three")});
        const QString disk = devices.value(QStringLiteral("three"));
        const QString p1 = disk + QStringLiteral("p1");
        const QString p3 = disk + QStringLiteral("p3");
        const QString xfs =
            QStringLiteral("/mnt/") + QFileInfo(m_disks).fileName() + QStringLiteral("/QMXFS");
        QVERIFY(run(QStringLiteral("umount"), {xfs}) != QLatin1String("FAILED"));
        auto d = discover({disk});
        QTRY_VERIFY_WITH_TIMEOUT(findVolume(d->store->allVolumes(), p3), 15000);
        QVERIFY(!findVolume(d->store->allVolumes(), p3)->isMounted);

        run(script(QStringLiteral("stop-services.sh")), {QStringLiteral("--udisksd-only")});
        QTRY_VERIFY_WITH_TIMEOUT(!d->client->isAvailable(), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(!findVolume(d->store->allVolumes(), p3), 15000);
        // Mounted volumes stay listed, now without descriptions.
        const Volume *mounted = findVolume(d->store->allVolumes(), p1);
        QVERIFY(mounted);
        QVERIFY(mounted->isMounted);
        QCOMPARE(mounted->wholeDiskName, std::optional<QString>());

        QVERIFY(run(script(QStringLiteral("start-services.sh")),
                    {QStringLiteral("--udisksd-only")}) != QLatin1String("FAILED"));
        QTRY_VERIFY_WITH_TIMEOUT(d->client->isAvailable(), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(findVolume(d->store->allVolumes(), p3), 15000);
        QVERIFY(!findVolume(d->store->allVolumes(), p3)->isMounted);
        QCOMPARE(findVolume(d->store->allVolumes(), p1)->wholeDiskName, std::optional(disk));
    }

    void writingToADiskMarksItActive()
    {
        const QString disk = makeDisks({QStringLiteral("plain")}).value(QStringLiteral("plain"));
        QVERIFY(!disk.isEmpty());
        SysfsActivityMonitor monitor;
        monitor.start();
        // Attaching makes udev and udisks2 read the device; wait until that is over.
        QTRY_VERIFY_WITH_TIMEOUT(monitor.idleSeconds(disk).value_or(0) > 1.5, 15000);
        QVERIFY(!monitor.isActive(disk));
        QVERIFY(run(QStringLiteral("dd"),
                    {QStringLiteral("if=/dev/zero"), QStringLiteral("of=/dev/") + disk,
                     QStringLiteral("bs=64k"), QStringLiteral("count=16"),
                     QStringLiteral("oflag=direct")}) != QLatin1String("FAILED"));
        QTRY_VERIFY_WITH_TIMEOUT(monitor.isActive(disk), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!monitor.isActive(disk), 5000);
        const double first = monitor.idleSeconds(disk).value_or(-1);
        QVERIFY(first >= 0);
        QTest::qWait(1500);
        QVERIFY(monitor.idleSeconds(disk).value_or(-1) > first);
    }

    void theCommandLineListsAndWarnsWithoutTheDiskService()
    {
        const QString disk = makeDisks({QStringLiteral("--mount"), QStringLiteral("plain")})
                                 .value(QStringLiteral("plain"));
        const QString cli =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../cli/quillmere-cli");
        if (!QFileInfo::exists(cli)) {
            QSKIP("quillmere-cli is not built");
        }
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(cli, {QStringLiteral("list"), QStringLiteral("--json")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QJsonArray array = QJsonDocument::fromJson(process.readAllStandardOutput()).array();
        bool found = false;
        for (const QJsonValue &value : array) {
            const QJsonObject o = value.toObject();
            if (o.value(QStringLiteral("bsdName")).toString() == disk) {
                found = true;
                QCOMPARE(o.value(QStringLiteral("kind")).toString(), QStringLiteral("diskImage"));
                QCOMPARE(o.value(QStringLiteral("wholeDiskBSD")).toString(), disk);
                QCOMPARE(o.value(QStringLiteral("deviceName")).toString(), disk);
                QCOMPARE(o.value(QStringLiteral("wholeDiskName")).toString(), disk);
                QVERIFY(o.value(QStringLiteral("traits"))
                            .toObject()
                            .value(QStringLiteral("isDiskImage"))
                            .toBool());
                QVERIFY(o.contains(QStringLiteral("capacityBytes")));
            }
        }
        QVERIFY(found);
        QCOMPARE(process.readAllStandardError(), QByteArray());

        // --watch: the table, then a line per change, and a normal exit when interrupted.
        QProcess watch;
        watch.setProcessEnvironment(environment());
        watch.start(cli, {QStringLiteral("list"), QStringLiteral("--watch")});
        QVERIFY(watch.waitForStarted());
        QByteArray watched;
        QTRY_VERIFY_WITH_TIMEOUT((watched += watch.readAllStandardOutput()).contains(disk.toUtf8()),
                                 15000);
        const QString mountPoint =
            QStringLiteral("/mnt/") + QFileInfo(m_disks).fileName() + QStringLiteral("/QMPLAIN");
        QVERIFY(run(QStringLiteral("umount"), {mountPoint}) != QLatin1String("FAILED"));
        QTRY_VERIFY_WITH_TIMEOUT((watched += watch.readAllStandardOutput()).contains("unmount"),
                                 15000);
        const QByteArray line = watched.mid(watched.indexOf("unmount")).split('\n').first();
        QVERIFY2(line.contains("QMPLAIN (" + disk.toUtf8() + ")"), line.constData());
        ::kill(static_cast<pid_t>(watch.processId()), SIGINT);
        QVERIFY(watch.waitForFinished(15000));
        QCOMPARE(watch.exitStatus(), QProcess::NormalExit);
        QCOMPARE(watch.exitCode(), 0);

        run(script(QStringLiteral("stop-services.sh")), {QStringLiteral("--udisksd-only")});
        process.start(cli, {QStringLiteral("list"), QStringLiteral("--all")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardError().contains("udisks2 is not running"));
        // Mounted volumes are still listed (the test disk was unmounted above; "/" remains).
        QVERIFY(process.readAllStandardOutput().contains("boot"));
    }
};

QTEST_GUILESS_MAIN(TestRealDevices)
#include "tst_realdevices.moc"
