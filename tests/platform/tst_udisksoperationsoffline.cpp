// The udisks2 operations where no device is needed: replies turned into results, the commands
// and mount-table readings they rely on, and every operation without a disk service.
#include "udisksclient.h"
#include "udiskserrors.h"
#include "udisksoperations.h"
#include "volumebuilder.h"

#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"

#include <QCoro/QCoroTask>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename T> T await(QCoro::Task<T> task)
{
    return QCoro::waitFor(std::move(task));
}

QDBusMessage errorReply(const QString &name, const QString &message)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(
        UDisksClient::service, QStringLiteral("/org/freedesktop/UDisks2/block_devices/sdb1"),
        UDisksClient::filesystemInterface, QStringLiteral("Unmount"));
    return call.createErrorReply(name, message);
}

Volume partition(const QString &name, const QString &deviceName, const QString &mountPath)
{
    return VolumeBuilder(name)
        .id(deviceName)
        .device(deviceName)
        .mountPath(mountPath)
        .mounted(!mountPath.isEmpty())
        .removable()
        .wholeDisk(QStringLiteral("sdb"))
        .external()
        .build();
}

} // namespace

class TestUDisksOperationsOffline : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeMountInfo(const QByteArray &text)
    {
        const QString path = m_dir.filePath(QStringLiteral("mountinfo"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
        return path;
    }

private slots:
    void init() { MediaPolicy::installOverrides(MediaPolicyOverrides::empty); }

    void aRefusalCarriesUDisksMessage()
    {
        const QDBusMessage busy =
            errorReply(QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy"),
                       QStringLiteral("Error unmounting /dev/sdb1: target is busy"));
        QCOMPARE(
            UDisksOperations::result(busy),
            (OperationResult{false, QStringLiteral("Error unmounting /dev/sdb1: target is busy"),
                             OperationError::busy}));

        // Relayed through GDBus, the error name comes first in the message.
        const QDBusMessage relayed = errorReply(
            QStringLiteral("org.freedesktop.UDisks2.Error.Failed"),
            QStringLiteral("GDBus.Error:org.freedesktop.systemd1.NoSuchUnit: Unit x not found."));
        QCOMPARE(UDisksOperations::result(relayed).detail,
                 std::optional(QStringLiteral("Unit x not found.")));
    }

    // Each error name of udisks2 and of the bus as the kind the flows and the command line act
    // on; the kinds that tell the user what to do replace udisks2's words.
    void refusalsAreTypedByTheirErrorName()
    {
        const QString udisks = QStringLiteral("org.freedesktop.UDisks2.Error.");
        const QString bus = QStringLiteral("org.freedesktop.DBus.Error.");
        const QString denied = QStringLiteral("Not authorized to perform operation");
        const struct {
            QString name;
            QString message;
            OperationError error;
        } cases[] = {
            {udisks + QStringLiteral("DeviceBusy"), QStringLiteral("target is busy"),
             OperationError::busy},
            // Older udisks2 report umount's refusal as a plain failure.
            {udisks + QStringLiteral("Failed"),
             QStringLiteral("Error unmounting /dev/loop0p1: target is busy"), OperationError::busy},
            {udisks + QStringLiteral("NotAuthorized"), denied, OperationError::notAuthorized},
            {udisks + QStringLiteral("NotAuthorizedCanObtain"), denied,
             OperationError::noAuthenticationAgent},
            {udisks + QStringLiteral("NotAuthorizedDismissed"),
             QStringLiteral("The authentication dialog was dismissed"), OperationError::cancelled},
            {udisks + QStringLiteral("Cancelled"), QStringLiteral("cancelled"),
             OperationError::cancelled},
            {udisks + QStringLiteral("NotMounted"), QStringLiteral("not mounted"),
             OperationError::notMounted},
            {udisks + QStringLiteral("Failed"), QStringLiteral("Error formatting"),
             OperationError::failed},
            {bus + QStringLiteral("ServiceUnknown"), QString(), OperationError::diskServiceGone},
            {bus + QStringLiteral("NoReply"), QStringLiteral("Message recipient disconnected"),
             OperationError::diskServiceGone},
            {bus + QStringLiteral("Disconnected"), QString(), OperationError::diskServiceGone},
            {bus + QStringLiteral("Timeout"), QStringLiteral("no answer in time"),
             OperationError::failed},
            {bus + QStringLiteral("AccessDenied"), QStringLiteral("denied"),
             OperationError::failed},
        };
        for (const auto &c : cases) {
            const OperationResult result = UDisksOperations::result(errorReply(c.name, c.message));
            QVERIFY(!result.ok);
            QVERIFY2(result.error == c.error, qPrintable(c.name + QLatin1Char(' ') + c.message));
            QCOMPARE(result.detail, std::optional(OperationErrors::text(c.error, c.message)));
        }

        // Words a user can act on, never udisks2's "Not authorized".
        const QString noAgent =
            OperationErrors::text(OperationError::noAuthenticationAgent, denied);
        QVERIFY2(noAgent.contains(QLatin1String("authentication agent")), qPrintable(noAgent));
        const QString refused = OperationErrors::text(OperationError::notAuthorized, denied);
        QVERIFY2(refused.contains(QLatin1String("refused")), qPrintable(refused));
        QVERIFY(OperationErrors::text(OperationError::diskServiceGone, QString())
                    .contains(QLatin1String("udisks2")));
        // A call that ran out of its own time names its step, a vanished daemon does not.
        QCOMPARE(UDisksErrors::result(errorReply(bus + QStringLiteral("Timeout"), {}),
                                      QStringLiteral("unmount loop0p1"))
                     .detail,
                 std::optional(QStringLiteral("unmount loop0p1 timed out")));
        QCOMPARE(UDisksErrors::result(errorReply(bus + QStringLiteral("NoReply"), {}),
                                      QStringLiteral("unmount loop0p1"))
                     .error,
                 OperationError::diskServiceGone);
    }

    void aRefusalWithoutMessageNamesItsStatus()
    {
        QCOMPARE(UDisksOperations::result(
                     errorReply(QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy"), {}))
                     .detail,
                 std::optional(QStringLiteral("Refused by the system (status 0x0000000E)")));
        QCOMPARE(UDisksOperations::result(
                     errorReply(QStringLiteral("org.freedesktop.UDisks2.Error.Failed"), {}))
                     .detail,
                 std::optional(QStringLiteral("Refused by the system (status 0x00000000)")));
        const OperationResult other =
            UDisksOperations::result(errorReply(QStringLiteral("org.example.Error.Odd"), {}));
        QVERIFY(!other.ok);
        QVERIFY(other.detail->startsWith(QLatin1String("Refused by the system (status 0x")));
    }

    void successHasNoDetail()
    {
        const QDBusMessage call = QDBusMessage::createMethodCall(
            UDisksClient::service, QStringLiteral("/x"), UDisksClient::filesystemInterface,
            QStringLiteral("Unmount"));
        QCOMPARE(UDisksOperations::result(call.createReply()),
                 (OperationResult{true, std::nullopt}));
    }

    void pathUnmountsUseUmountOrFusermount()
    {
        QCOMPARE(UDisksOperations::pathUnmountCommand(QStringLiteral("/mnt/share"),
                                                      QStringLiteral("cifs"), false),
                 (QStringList{QStringLiteral("/usr/bin/umount"), QStringLiteral("/mnt/share")}));
        QCOMPARE(UDisksOperations::pathUnmountCommand(QStringLiteral("/mnt/share"),
                                                      QStringLiteral("nfs4"), true),
                 (QStringList{QStringLiteral("/usr/bin/umount"), QStringLiteral("-l"),
                              QStringLiteral("/mnt/share")}));
        QCOMPARE(UDisksOperations::pathUnmountCommand(QStringLiteral("/home/u/remote"),
                                                      QStringLiteral("fuse.sshfs"), false),
                 (QStringList{QStringLiteral("/usr/bin/fusermount3"), QStringLiteral("-u"),
                              QStringLiteral("/home/u/remote")}));
        // fusermount3 spells a lazy unmount -z.
        QCOMPARE(UDisksOperations::pathUnmountCommand(QStringLiteral("/home/u/remote"),
                                                      QStringLiteral("fuse.sshfs"), true),
                 (QStringList{QStringLiteral("/usr/bin/fusermount3"), QStringLiteral("-u"),
                              QStringLiteral("-z"), QStringLiteral("/home/u/remote")}));
    }

    void eraseFormatsMapToLinuxTypes()
    {
        QCOMPARE(UDisksOperations::eraseFormats(),
                 (QStringList{QStringLiteral("ext4"), QStringLiteral("ExFAT"),
                              QStringLiteral("MS-DOS FAT32"), QStringLiteral("NTFS")}));
        QStringList types;
        for (const QString &format : UDisksOperations::eraseFormats()) {
            types.append(UDisksOperations::filesystemType(format));
        }
        QCOMPARE(types, (QStringList{QStringLiteral("ext4"), QStringLiteral("exfat"),
                                     QStringLiteral("vfat"), QStringLiteral("ntfs")}));
        QCOMPARE(UDisksOperations::filesystemType(QStringLiteral("btrfs")),
                 QStringLiteral("btrfs"));
    }

    void siblingsComeFromTheMountTableInItsOrder()
    {
        const QString path =
            writeMountInfo("22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                           "40 22 8:19 / /media/u/C rw - ext4 /dev/sdb3 rw\n"
                           "41 22 8:17 / /media/u/A rw - vfat /dev/sdb1 rw\n"
                           "42 22 8:18 / /media/u/B rw - ext4 /dev/sdb2 rw\n"
                           "43 22 8:33 / /media/u/D rw - ext4 /dev/sdba1 rw\n"
                           "44 22 0:50 / /mnt/share rw - cifs //server/share rw\n");
        UDisksOperations operations(nullptr, path);
        const UDisksOperations::MountedPartitions mounted =
            operations.mountedPartitions(QStringLiteral("sdb"));
        QCOMPARE(mounted, (UDisksOperations::MountedPartitions{
                              {QStringLiteral("sdb3"), QStringLiteral("/media/u/C")},
                              {QStringLiteral("sdb1"), QStringLiteral("/media/u/A")},
                              {QStringLiteral("sdb2"), QStringLiteral("/media/u/B")}}));
        QCOMPARE(UDisksOperations::siblingsToUnmount(QStringLiteral("sdb1"), mounted),
                 (QStringList{QStringLiteral("sdb3"), QStringLiteral("sdb2")}));
        QVERIFY(!UDisksOperations::holdsSystem(mounted));
    }

    // A live system started from a stick: its medium and /boot/efi are on the stick the user
    // keeps data on; ejecting the data partition must leave the running system alone.
    void anEjectNeverUnmountsWhatTheRunningSystemNeeds()
    {
        const QString path =
            writeMountInfo("22 1 0:30 / / rw - overlay overlay rw\n"
                           "30 22 8:17 / /run/live/medium ro - iso9660 /dev/sdb1 ro\n"
                           "31 22 8:18 / /boot/efi rw - vfat /dev/sdb2 rw\n"
                           "40 22 8:19 / /media/u/DATA rw - ext4 /dev/sdb3 rw\n"
                           "41 22 8:20 / /media/u/MORE rw - ext4 /dev/sdb4 rw\n");
        UDisksOperations operations(nullptr, path);
        const UDisksOperations::MountedPartitions mounted =
            operations.mountedPartitions(QStringLiteral("sdb"));
        QCOMPARE(mounted.size(), 4);
        QCOMPARE(UDisksOperations::siblingsToUnmount(QStringLiteral("sdb3"), mounted),
                 QStringList{QStringLiteral("sdb4")});
        QVERIFY(UDisksOperations::holdsSystem(mounted));

        // The system's own partition is refused before anything is asked of udisks2.
        Volume efi =
            partition(QStringLiteral("EFI"), QStringLiteral("sdb2"), QStringLiteral("/boot/efi"));
        const OperationResult refused = await(operations.eject(efi, false));
        QVERIFY(!refused.ok);
        QCOMPARE(refused.detail, std::optional(QStringLiteral(
                                     "“EFI” is mounted at /boot/efi, which the running system "
                                     "needs; Quillmere leaves it alone.")));
    }

    void withoutUDisksEveryDeviceOrPathOperationFailsWithItsOpenText()
    {
        const QString table = writeMountInfo("22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                             "44 22 0:50 / /mnt/share rw - cifs //s/share rw\n");
        UDisksClient client{QDBusConnection(QString())};
        UDisksOperations operations(&client, table);

        // Every operation of a device needs udisks2 and says so.
        const Volume usb = partition(QStringLiteral("Photos"), QStringLiteral("sdb1"),
                                     QStringLiteral("/media/u/Photos"));
        const OperationResult gone = UDisksErrors::serviceGone();
        QCOMPARE(gone.error, OperationError::diskServiceGone);
        QCOMPARE(await(operations.eject(usb, false)), gone);
        QCOMPARE(await(operations.eject(usb, true)), gone);
        QCOMPARE(await(operations.remount(usb)), gone);
        QCOMPARE(await(operations.rename(usb, QStringLiteral("New"))), gone);
        QCOMPARE(await(operations.erase(usb, QStringLiteral("ext4"), QStringLiteral("New"))), gone);

        Volume image = partition(QStringLiteral("Image"), QStringLiteral("loop3p1"),
                                 QStringLiteral("/media/u/Image"));
        image.kind = VolumeKind::diskImage;
        image.traits.isDiskImage = true;
        image.wholeDiskName = QStringLiteral("loop3");
        QCOMPARE(await(operations.eject(image, false)), gone);

        Volume share = partition(QStringLiteral("share"), QString(), QStringLiteral("/mnt/share"));
        share.kind = VolumeKind::network;
        share.traits.isNetwork = true;
        share.wholeDiskName.reset();
        QCOMPARE(await(operations.eject(share, false)).detail,
                 std::optional(QStringLiteral("Couldn’t open the volume at /mnt/share")));
    }

    void checksThatNeedNoDeviceComeFirst()
    {
        UDisksClient client{QDBusConnection(QString())};
        UDisksOperations operations(&client, writeMountInfo(""));

        Volume share = partition(QStringLiteral("share"), QString(), QString());
        share.traits.isNetwork = true;
        QCOMPARE(await(operations.eject(share, false)).detail,
                 std::optional(QStringLiteral("“share” isn’t mounted.")));
        QVERIFY(await(operations.remount(share))
                    .detail->startsWith(QStringLiteral("“share” is a network share.")));

        const Volume nodeless = partition(QStringLiteral("Odd"), QString(), QStringLiteral("/x"));
        QCOMPARE(await(operations.eject(nodeless, false)).detail,
                 std::optional(QStringLiteral("“Odd” has no device node to eject.")));
        QCOMPARE(await(operations.rename(nodeless, QStringLiteral("N"))).detail,
                 std::optional(QStringLiteral("“Odd” has no device node to rename.")));
        QCOMPARE(
            await(operations.erase(nodeless, QStringLiteral("ext4"), QStringLiteral("N"))).detail,
            std::optional(QStringLiteral("“Odd” has no device node to erase.")));

        // The erase policy is asked before anything else, even the device node.
        Volume boot = nodeless;
        boot.name = QStringLiteral("Boot");
        boot.kind = VolumeKind::boot;
        boot.traits.sharesBootDevice = true;
        QCOMPARE(await(operations.erase(boot, QStringLiteral("ext4"), QStringLiteral("N"))).detail,
                 std::optional(QStringLiteral("“Boot” can’t be erased — only removable, external, "
                                              "and disk-image volumes may be erased.")));

        // A volume that is not mounted on a fixed disk: nothing to do.
        Volume fixed = partition(QStringLiteral("Data"), QStringLiteral("sda2"), QString());
        fixed.isRemovable = false;
        QCOMPARE(await(operations.eject(fixed, false)), (OperationResult{true, std::nullopt}));
        QVERIFY(await(operations.blockers(fixed)).isEmpty());
    }

    void blockersNameTheProcessesInAFolder()
    {
        if (!QFileInfo(QString::fromLatin1(UDisksOperations::lsofPath)).isExecutable()) {
            QSKIP("lsof is not installed");
        }
        QTemporaryDir folder;
        QProcess first;
        QProcess second;
        for (QProcess *p : {&first, &second}) {
            p->setWorkingDirectory(folder.path());
            p->start(QStringLiteral("sleep"), {QStringLiteral("60")});
            QVERIFY(p->waitForStarted());
        }
        const qint64 firstPid = first.processId();
        UDisksOperations operations(nullptr);
        const Volume held =
            partition(QStringLiteral("Held"), QStringLiteral("sdz1"), folder.path());
        const BlockerList blockers = await(operations.blockers(held));
        for (QProcess *p : {&first, &second}) {
            p->kill();
            p->waitForFinished();
        }
        // Two sleeps, one per command name: the first of them.
        QCOMPARE(blockers, (BlockerList{Blocker{firstPid, QStringLiteral("sleep")}}));
    }
};

QTEST_GUILESS_MAIN(TestUDisksOperationsOffline)
#include "tst_udisksoperationsoffline.moc"
