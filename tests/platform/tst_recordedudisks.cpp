// A laptop with a LUKS root file system and an unlocked LUKS stick, as udisks2 publishes them
// (recorded in data/udisks-luks-usb-stick.json), served by a fake udisks2 on a private bus: the
// description provider, the disk source and the operations see what they would there, and the
// operations' calls are recorded, also where udisks2 refuses one.
#include "fakes/fakeudisks.h"
#include "fakes/privatebus.h"

#include "devicefilesystemprobe.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "udisksoperations.h"

#include "operations/disklocks.h"
#include "operations/guardeddiskoperations.h"
#include "policy/autoejectpolicy.h"
#include "policy/mediapolicy.h"

#include <QDir>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QString stickLuks = QStringLiteral("5c1a9e0f-3d2b-4e7a-9b61-2f4c8d0a7e13");
const QString rootLuks = QStringLiteral("0e4f6a21-9c8d-4b3e-a1f7-52d6c0b8e394");

// The laptop's mount table: root on its LUKS device, the EFI partition, the stick.
QByteArray mountTable(bool stickMounted)
{
    QByteArray text = "26 1 253:1 / / rw,relatime shared:1 - ext4 /dev/mapper/luks-" +
                      rootLuks.toLatin1() +
                      " rw\n"
                      "27 26 259:1 / /boot/efi rw,relatime shared:2 - vfat /dev/nvme0n1p1 rw\n"
                      "28 26 0:22 / /proc rw,relatime shared:3 - proc proc rw\n";
    if (stickMounted) {
        text += "812 26 253:0 / /media/ann/STICK rw,nosuid,nodev,relatime shared:420 - ext4 "
                "/dev/mapper/luks-" +
                stickLuks.toLatin1() + " rw\n";
    }
    return text;
}

// What the code logged while a test ran: type, category and text.
struct LoggedMessage {
    QtMsgType type;
    QString category;
    QString text;
};
QList<LoggedMessage> logged;

void keepMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    logged.append({type, QString::fromUtf8(context.category), text});
}

// Collects the messages logged while it lives, all of them (whatever the logging rules).
class LogCapture {
public:
    LogCapture()
    {
        logged.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("quillmere.*=true"));
        m_previous = qInstallMessageHandler(keepMessage);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    // The warnings of one category.
    static QStringList warnings(const QString &category)
    {
        QStringList texts;
        for (const LoggedMessage &message : std::as_const(logged)) {
            if (message.type == QtWarningMsg && message.category == category) {
                texts.append(message.text);
            }
        }
        return texts;
    }

private:
    QtMessageHandler m_previous = nullptr;
};

// Every disk free: the fake devices are no disks another operation could hold.
class FreeDiskLocks : public DiskLocks {
public:
    QCoro::Task<DiskLockAttempt> acquire(Volume, VolumeOperation) override
    {
        co_return DiskLockAttempt{};
    }
};

const Volume *findVolume(const VolumeList &volumes, const QString &id)
{
    for (const Volume &v : volumes) {
        if (v.id == id) {
            return &v;
        }
    }
    return nullptr;
}

} // namespace

class TestRecordedUDisks : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    QTemporaryDir m_dir;
    std::unique_ptr<FakeUDisks> m_udisks;
    QDBusConnection m_connection{QString()};
    UDisksClient *m_client = nullptr;
    std::shared_ptr<UDisksDescriptionProvider> m_provider;

    QString mountInfoPath() const { return m_dir.filePath(QStringLiteral("mountinfo")); }

    void writeMountTable(bool stickMounted)
    {
        QFile file(mountInfoPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(mountTable(stickMounted));
    }

    // Volumes as the application's source builds them here; no sysfs, no real mounts.
    VolumeList currentVolumes()
    {
        UDisksDiskSource source(
            m_provider,
            VolumeResourceReader(SysfsReader(m_dir.filePath(QStringLiteral("sys"))),
                                 QStringLiteral("/home/ann")),
            mountInfoPath());
        return source.currentVolumes();
    }

private slots:
    void initTestCase()
    {
        if (!PrivateBus::available()) {
            QSKIP("dbus-daemon is not installed");
        }
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("sys/class/block")));
    }

    void init()
    {
        m_bus = std::make_unique<PrivateBus>();
        QString error;
        QVERIFY2(m_bus->start(&error), qPrintable(error));
        m_connection = m_bus->connect(QStringLiteral("fake-udisks"));
        writeMountTable(true);
        m_udisks = std::make_unique<FakeUDisks>(m_connection, mountInfoPath());
        QVERIFY2(m_udisks->load(qEnvironmentVariable("QUILLMERE_TEST_DATA") +
                                    QStringLiteral("/udisks-luks-usb-stick.json"),
                                &error),
                 qPrintable(error));
        QVERIFY(m_udisks->registerOnBus());
        m_client = new UDisksClient(m_bus->connect(QStringLiteral("client")), this);
        m_provider = std::make_shared<UDisksDescriptionProvider>(m_client);
        QVERIFY(QTest::qWaitFor([this] { return m_client->isAvailable(); }, 5000));
    }

    void cleanup()
    {
        m_provider.reset();
        delete m_client;
        m_client = nullptr;
        m_udisks.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-udisks"));
        m_bus.reset();
    }

    void theCleartextDeviceIsDescribedWithTheStickItUnlocks()
    {
        const auto d = m_provider->description(QStringLiteral("dm-0"));
        QVERIFY(d);
        QCOMPARE(d->volumeName, std::optional(QStringLiteral("STICK")));
        QVERIFY(d->mountable);
        QVERIFY(d->whole);
        QVERIFY(d->removable);
        QVERIFY(!d->deviceInternal);
        QVERIFY(d->ejectable);
        QCOMPARE(d->deviceModel, std::optional(QStringLiteral("Ultra")));
        QCOMPARE(d->deviceProtocol, std::optional(QStringLiteral("usb")));
        QCOMPARE(d->backingDevice, std::optional(QStringLiteral("sdb1")));
        QVERIFY(!d->indicatesDiskImage());

        // The encrypted partition itself holds no file system that could be mounted.
        const auto locked = m_provider->description(QStringLiteral("sdb1"));
        QVERIFY(locked);
        QVERIFY(!locked->mountable);
        QVERIFY(!locked->backingDevice);

        // The mount table names it by its mapper link.
        QCOMPARE(m_provider->kernelName(QStringLiteral("/dev/mapper/luks-") + stickLuks),
                 std::optional(QStringLiteral("dm-0")));
        QCOMPARE(m_provider->kernelName(QStringLiteral("/dev/sdb1")),
                 std::optional(QStringLiteral("sdb1")));
        QVERIFY(!m_provider->kernelName(QStringLiteral("/dev/mapper/other")));
    }

    // udisks2 may announce a change and then send a listing taken before it; a client
    // starting just then must still end up with the change.
    void changesAnnouncedBeforeAnOlderListingAreKept()
    {
        const QString stick = QStringLiteral("/org/freedesktop/UDisks2/block_devices/dm_2d0");
        const QString sdb1 = QStringLiteral("/org/freedesktop/UDisks2/block_devices/sdb1");
        m_udisks->whileListing = [&] {
            m_udisks->whileListing = nullptr;
            m_udisks->lockFromOutside(sdb1);
        };
        UDisksClient late(m_bus->connect(QStringLiteral("late")));
        QVERIFY(QTest::qWaitFor([&] { return late.isAvailable(); }, 5000));
        QTest::qWait(200);
        QVERIFY(!m_udisks->objects().contains(QDBusObjectPath(stick)));
        QVERIFY(!late.hasInterface(stick, UDisksClient::blockInterface));
        QCOMPARE(late.properties(sdb1, QStringLiteral("org.freedesktop.UDisks2.Encrypted"))
                     .value(QStringLiteral("CleartextDevice"))
                     .value<QDBusObjectPath>()
                     .path(),
                 QStringLiteral("/"));
        QDBusConnection::disconnectFromBus(QStringLiteral("late"));
    }

    void anUnlockedStickIsAnExternalVolumeThatEjectAllIncludes()
    {
        const VolumeList volumes = currentVolumes();
        const Volume *stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        QCOMPARE(stick->name, QStringLiteral("STICK"));
        QCOMPARE(stick->mountPath, QStringLiteral("/media/ann/STICK"));
        QCOMPARE(stick->deviceName, QStringLiteral("dm-0"));
        QCOMPARE(enumName(stick->kind), QStringLiteral("external"));
        QVERIFY(stick->isMounted);
        QVERIFY(stick->isRemovable);
        QVERIFY(stick->isEjectable);
        QCOMPARE(stick->wholeDiskName, std::optional(QStringLiteral("sdb")));
        QCOMPARE(stick->volumeUUID,
                 std::optional(QStringLiteral("B4E2C7D1-6A38-4F95-8C0E-1D7A3F52E9B6")));
        QVERIFY(!stick->traits.sharesBootDevice);
        QCOMPARE(stick->traits.deviceModel, std::optional(QStringLiteral("Ultra")));
        QVERIFY(MediaPolicy::policy(*stick).ejectSemantics !=
                MediaPolicy::EjectSemantics::detachImage);
        QVERIFY(MediaPolicy::offersEjectAction(*stick));

        const VolumeList ejectAll = AutoEjectPolicy::volumesForEjectAll(volumes, {});
        QVERIFY(findVolume(ejectAll, QStringLiteral("dm-0")));
        AutoEjectPreferences onSleep;
        onSleep.ejectOnSleep = true;
        const VolumeList beforeSleep = AutoEjectPolicy::volumesToEject(
            volumes, AutoEjectTrigger::sleep, onSleep, [](const QString &) { return 600.0; });
        QVERIFY(findVolume(beforeSleep, QStringLiteral("dm-0")));

        // The encrypted partition below it is not a second volume.
        QVERIFY(!findVolume(volumes, QStringLiteral("sdb1")));
    }

    void theBootDiskIsFoundBelowTheEncryptedRoot()
    {
        const VolumeList volumes = currentVolumes();
        const Volume *root = findVolume(volumes, QStringLiteral("dm-1"));
        QVERIFY(root);
        QCOMPARE(enumName(root->kind), QStringLiteral("boot"));
        QCOMPARE(root->wholeDiskName, std::optional(QStringLiteral("nvme0n1")));
        QVERIFY(root->traits.sharesBootDevice);
        QVERIFY(!root->isRemovable);

        const Volume *efi = findVolume(volumes, QStringLiteral("nvme0n1p1"));
        QVERIFY(efi);
        QVERIFY(efi->traits.sharesBootDevice);
        QVERIFY(!findVolume(AutoEjectPolicy::volumesForEjectAll(volumes, {}),
                            QStringLiteral("nvme0n1p1")));
    }

    void anUnlockedButUnmountedStickIsOfferedForRemount()
    {
        writeMountTable(false);
        const VolumeList volumes = currentVolumes();
        const Volume *stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        QVERIFY(!stick->isMounted);
        QCOMPARE(stick->name, QStringLiteral("STICK"));
        QCOMPARE(enumName(stick->kind), QStringLiteral("external"));
        QVERIFY(!findVolume(volumes, QStringLiteral("sdb1")));

        // Ejecting it locks it: there is nothing to unmount.
        UDisksOperations operations(m_client, mountInfoPath());
        const OperationResult result = QCoro::waitFor(operations.eject(*stick, false));
        QVERIFY2(result.ok, qPrintable(result.detail.value_or(QString())));
        QCOMPARE(m_udisks->callSummary(), QStringList{QStringLiteral("Lock sdb1")});
    }

    void ejectUnmountsThenLocksAndLeavesNothingDecrypted()
    {
        const VolumeList volumes = currentVolumes();
        const Volume *stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        UDisksOperations operations(m_client, mountInfoPath());
        const OperationResult result = QCoro::waitFor(operations.eject(*stick, false));
        QVERIFY2(result.ok, qPrintable(result.detail.value_or(QString())));
        QCOMPARE(m_udisks->callSummary(),
                 (QStringList{QStringLiteral("Unmount dm_2d0"), QStringLiteral("Lock sdb1")}));
        // polkit may ask the user; udisks2 only lets it when the call allows it.
        for (const FakeUDisks::Call &call : m_udisks->calls()) {
            QVERIFY(call.interactiveAuthorizationAllowed);
        }

        // Once udisks2 has said so, the stick is listed neither mounted nor for remount.
        QVERIFY(QTest::qWaitFor(
            [this] { return m_provider->description(QStringLiteral("dm-0")) == std::nullopt; },
            5000));
        const VolumeList after = currentVolumes();
        for (const Volume &v : after) {
            QVERIFY2(v.wholeDiskName != std::optional(QStringLiteral("sdb")) &&
                         !v.deviceName.startsWith(QLatin1String("sdb")) &&
                         v.deviceName != QLatin1String("dm-0"),
                     qPrintable(v.id));
        }
    }

    void aRefusedLockFailsTheEjectWithUDisksText()
    {
        m_udisks->refuse(QStringLiteral("Lock"),
                         {QStringLiteral("org.freedesktop.UDisks2.Error.Failed"),
                          QStringLiteral("Error locking /dev/sdb1: Device or resource busy")});
        const Volume *stick = nullptr;
        const VolumeList volumes = currentVolumes();
        stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        UDisksOperations operations(m_client, mountInfoPath());
        const OperationResult result = QCoro::waitFor(operations.eject(*stick, false));
        QVERIFY(!result.ok);
        QCOMPARE(result.detail,
                 std::optional(QStringLiteral("“STICK” was unmounted, but the eject didn’t finish: "
                                              "an encrypted volume on the same device couldn’t be "
                                              "locked: Error locking /dev/sdb1: Device or "
                                              "resource busy")));
    }

    void aRefusedUnmountLocksNothing()
    {
        m_udisks->refuse(QStringLiteral("Unmount"),
                         {QStringLiteral("org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain"),
                          QStringLiteral("Not authorized to perform operation")});
        const VolumeList volumes = currentVolumes();
        const Volume *stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        UDisksOperations operations(m_client, mountInfoPath());
        const OperationResult result = QCoro::waitFor(operations.eject(*stick, false));
        QVERIFY(!result.ok);
        QCOMPARE(result.error, OperationError::noAuthenticationAgent);
        QCOMPARE(result.detail,
                 std::optional(OperationErrors::text(OperationError::noAuthenticationAgent, {})));
        QCOMPARE(m_udisks->callSummary(), QStringList{QStringLiteral("Unmount dm_2d0")});
    }

    void everyRefusalIsLoggedWithTheDeviceAndTheErrorName()
    {
        m_udisks->refuse(QStringLiteral("Unmount"),
                         {QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy"),
                          QStringLiteral("Error unmounting /dev/dm-0: target is busy")});
        const VolumeList volumes = currentVolumes();
        const Volume *stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        UDisksOperations operations(m_client, mountInfoPath());
        {
            LogCapture capture;
            QVERIFY(!QCoro::waitFor(operations.eject(*stick, false)).ok);
            const QStringList warnings = LogCapture::warnings(QStringLiteral("quillmere.udisks"));
            QCOMPARE(warnings.size(), 1);
            QCOMPARE(warnings.constFirst(),
                     QStringLiteral("udisks2 refused Unmount of dm-0 "
                                    "(/org/freedesktop/UDisks2/block_devices/dm_2d0): "
                                    "org.freedesktop.UDisks2.Error.DeviceBusy: Error unmounting "
                                    "/dev/dm-0: target is busy"));
        }
    }

    // An erase's format and the mount after it alike, each once.
    void aRefusedFormatAndMountAreLoggedEach()
    {
        m_udisks->refuse(QStringLiteral("Format"),
                         {QStringLiteral("org.freedesktop.UDisks2.Error.NotAuthorizedDismissed"),
                          QStringLiteral("Not authorized")});
        m_udisks->refuse(QStringLiteral("Mount"),
                         {QStringLiteral("org.freedesktop.UDisks2.Error.Failed"),
                          QStringLiteral("Error mounting /dev/dm-0: wrong fs type")});
        const VolumeList volumes = currentVolumes();
        const Volume *stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        UDisksOperations operations(m_client, mountInfoPath());
        {
            LogCapture capture;
            const OperationResult erased = QCoro::waitFor(
                operations.erase(*stick, QStringLiteral("ext4"), QStringLiteral("WIPED")));
            QVERIFY(!erased.ok);
            const QStringList warnings = LogCapture::warnings(QStringLiteral("quillmere.udisks"));
            QCOMPARE(warnings.size(), 2);
            QVERIFY2(warnings[0].startsWith(QLatin1String("udisks2 refused Format of dm-0 (")) &&
                         warnings[0].contains(
                             QLatin1String("org.freedesktop.UDisks2.Error.NotAuthorizedDismissed")),
                     qPrintable(warnings[0]));
            QVERIFY2(warnings[1].startsWith(QLatin1String("udisks2 refused Mount of dm-0 (")),
                     qPrintable(warnings[1]));
        }
    }

    void aFailedToolIsLoggedWithItsCommandAndHowItEnded()
    {
        const QString share = m_dir.filePath(QStringLiteral("no-such-share"));
        QFile table(mountInfoPath());
        QVERIFY(table.open(QIODevice::Append));
        table.write("900 26 0:80 / " + share.toUtf8() +
                    " rw,nosuid,nodev shared:500 - fuse.sshfs ann@host:/ rw\n");
        table.close();
        Volume remote;
        remote.id = share;
        remote.name = QStringLiteral("host");
        remote.mountPath = share;
        remote.isMounted = true;
        remote.fileSystemType = QStringLiteral("fuse.sshfs");
        remote.traits.isNetwork = true;
        UDisksOperations operations(m_client, mountInfoPath());
        LogCapture capture;
        // fusermount3 finds nothing mounted there, or is not installed at all.
        QVERIFY(!QCoro::waitFor(operations.eject(remote, false)).ok);
        const QStringList warnings = LogCapture::warnings(QStringLiteral("quillmere.tools"));
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].startsWith(
                     QStringLiteral("%1 -u %2 failed: ")
                         .arg(QLatin1String(UDisksOperations::fusermountPath), share)),
                 qPrintable(warnings[0]));
        QVERIFY(LogCapture::warnings(QStringLiteral("quillmere.udisks")).isEmpty());
    }

    void anEraseAsksFirstWhetherTheFormatCanBeMade()
    {
        const VolumeList volumes = currentVolumes();
        const Volume *stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        UDisksOperations operations(m_client, mountInfoPath());
        const OperationResult result = QCoro::waitFor(
            operations.erase(*stick, QStringLiteral("ExFAT"), QStringLiteral("WIPED")));
        QCOMPARE(result.ok, false);
        QCOMPARE(result.detail, std::optional(QStringLiteral(
                                    "This computer can’t make ExFAT file systems: mkfs.exfat is "
                                    "not installed.")));
        // Nothing was unmounted, nothing wiped.
        QCOMPARE(m_udisks->callSummary(), QStringList{QStringLiteral("CanFormat Manager")});
    }

    void anEraseMountsTheVolumeAgainWhenTheFormatFails_data()
    {
        QTest::addColumn<bool>("formatFails");
        QTest::addColumn<bool>("mountFails");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("detail");
        const QString formatError =
            QStringLiteral("Error wiping device: Failed to wipe signatures on the device "
                           "'/dev/dm-0'");
        const QString mountError =
            QStringLiteral("Error mounting /dev/dm-0: wrong fs type, bad option, bad superblock");
        QTest::newRow("format fails") << true << false << false << formatError;
        QTest::newRow("format and mount fail")
            << true << true << false
            << formatError + QStringLiteral(" The volume couldn’t be mounted again: ") + mountError;
        QTest::newRow("erased but not mounted")
            << false << true << true
            << QStringLiteral("Erased, but the volume couldn’t be mounted: ") + mountError;
        QTest::newRow("erased") << false << false << true << QString();
    }

    void anEraseMountsTheVolumeAgainWhenTheFormatFails()
    {
        QFETCH(bool, formatFails);
        QFETCH(bool, mountFails);
        QFETCH(bool, ok);
        QFETCH(QString, detail);
        if (formatFails) {
            m_udisks->refuse(QStringLiteral("Format"),
                             {QStringLiteral("org.freedesktop.UDisks2.Error.Failed"),
                              QStringLiteral("Error wiping device: Failed to wipe signatures on "
                                             "the device '/dev/dm-0'")});
        }
        if (mountFails) {
            m_udisks->refuse(QStringLiteral("Mount"),
                             {QStringLiteral("org.freedesktop.UDisks2.Error.Failed"),
                              QStringLiteral("Error mounting /dev/dm-0: wrong fs type, bad "
                                             "option, bad superblock")});
        }
        const VolumeList volumes = currentVolumes();
        const Volume *stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        UDisksOperations operations(m_client, mountInfoPath());
        const OperationResult result = QCoro::waitFor(
            operations.erase(*stick, QStringLiteral("ext4"), QStringLiteral("WIPED")));
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.detail.value_or(QString()), detail);
        QCOMPARE(m_udisks->callSummary(),
                 (QStringList{QStringLiteral("CanFormat Manager"), QStringLiteral("Unmount dm_2d0"),
                              QStringLiteral("Format dm_2d0"), QStringLiteral("Mount dm_2d0")}));
        const FakeUDisks::Call format = m_udisks->calls().at(2);
        QCOMPARE(format.arguments.value(0).toString(), QStringLiteral("ext4"));
        const QVariantMap options = qdbus_cast<QVariantMap>(format.arguments.value(1));
        QCOMPARE(options.value(QStringLiteral("label")).toString(), QStringLiteral("WIPED"));
        QVERIFY(options.value(QStringLiteral("take-ownership")).toBool());
    }

    // udisks2 may relabel the device and then fail to say so, or end without an answer: the
    // label read from the device itself (here an image named after it) decides what is told.
    void aRefusedRenameIsToldByTheLabelOnTheDevice_data()
    {
        QTest::addColumn<QString>("errorName");
        QTest::addColumn<QString>("labelOnDevice");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("detail");
        const QString failed = QStringLiteral("org.freedesktop.UDisks2.Error.Failed");
        const QString timedOut = QStringLiteral("Error setting label: Timed out");
        QTest::newRow("relabelled") << failed << QStringLiteral("PHOTOS") << true << QString();
        QTest::newRow("relabelled, then gone")
            << QStringLiteral("org.freedesktop.DBus.Error.NoReply") << QStringLiteral("PHOTOS")
            << true << QString();
        QTest::newRow("unchanged") << failed << QStringLiteral("STICK") << false << timedOut;
        QTest::newRow("third name")
            << failed << QStringLiteral("PHOTO") << false
            << QStringLiteral("The volume is now named “PHOTO”, not “PHOTOS”: ") + timedOut;
    }

    void aRefusedRenameIsToldByTheLabelOnTheDevice()
    {
        QFETCH(QString, errorName);
        QFETCH(QString, labelOnDevice);
        QFETCH(bool, ok);
        QFETCH(QString, detail);
        const QString mkfs = QStandardPaths::findExecutable(
            QStringLiteral("mkfs.ext4"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        if (mkfs.isEmpty() ||
            !QFileInfo(QString::fromLatin1(DeviceFileSystemProbe::blkidPath)).isExecutable()) {
            QSKIP("mkfs.ext4 or blkid is not installed");
        }
        QTemporaryDir devices;
        const QString image = devices.filePath(QStringLiteral("dm-0"));
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(4 << 20));
        file.close();
        QCOMPARE(QProcess::execute(mkfs, {QStringLiteral("-q"), QStringLiteral("-F"),
                                          QStringLiteral("-L"), labelOnDevice, image}),
                 0);

        m_udisks->refuse(QStringLiteral("SetLabel"),
                         {errorName, QStringLiteral("Error setting label: Timed out")});
        const VolumeList volumes = currentVolumes();
        const Volume *stick = findVolume(volumes, QStringLiteral("dm-0"));
        QVERIFY(stick);
        QCOMPARE(stick->name, QStringLiteral("STICK"));
        UDisksOperations operations(m_client, mountInfoPath());
        FreeDiskLocks locks;
        DeviceFileSystemProbe probe(m_client, devices.path());
        GuardedDiskOperations guarded(operations, locks, &probe, &UDisksOperations::filesystemType);
        const OperationResult result =
            QCoro::waitFor(guarded.rename(*stick, QStringLiteral("PHOTOS")));
        QCOMPARE(result.ok, ok);
        if (ok) {
            QCOMPARE(result.detail, std::nullopt);
        } else {
            QCOMPARE(result.detail.value_or(QString()), detail);
            QCOMPARE(result.error, OperationError::failed);
        }
        // Read from the device, not asked of udisks2.
        QCOMPARE(m_udisks->callSummary(), QStringList{QStringLiteral("SetLabel dm_2d0")});
    }

    void theFormatsOfferedAreThoseUDisksCanMake()
    {
        UDisksOperations operations(m_client, mountInfoPath());
        const QStringList formats = QCoro::waitFor(operations.availableEraseFormats());
        QCOMPARE(formats, QStringList{QStringLiteral("ext4")});
        QCOMPARE(m_udisks->callSummary(), (QStringList{QStringLiteral("CanFormat Manager"),
                                                       QStringLiteral("CanFormat Manager"),
                                                       QStringLiteral("CanFormat Manager"),
                                                       QStringLiteral("CanFormat Manager")}));
        QStringList asked;
        for (const FakeUDisks::Call &call : m_udisks->calls()) {
            asked.append(call.arguments.value(0).toString());
        }
        QCOMPARE(asked, (QStringList{QStringLiteral("ext4"), QStringLiteral("exfat"),
                                     QStringLiteral("vfat"), QStringLiteral("ntfs")}));
    }
};

QTEST_GUILESS_MAIN(TestRecordedUDisks)
#include "tst_recordedudisks.moc"
