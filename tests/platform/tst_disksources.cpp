#include "devicedescriptionprovider.h"
#include "mountedvolumebuilder.h"
#include "mounttabledisksource.h"
#include "udisksdisksource.h"
#include "volumeresources.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

class FakeProvider : public DeviceDescriptionProvider {
public:
    bool isAvailable() const override { return true; }
    std::optional<DeviceDescription> description(const QString &deviceName) const override
    {
        ++asked[deviceName];
        const auto it = descriptions.constFind(deviceName);
        if (it == descriptions.cend()) {
            return std::nullopt;
        }
        return it.value();
    }
    QStringList leafDeviceNames() const override { return leaves; }
    void emitChanged() { emit changed(); }

    QHash<QString, DeviceDescription> descriptions;
    QStringList leaves;
    mutable QHash<QString, int> asked;
};

DeviceDescription whole(bool internal)
{
    DeviceDescription d;
    d.whole = true;
    d.deviceInternal = internal;
    return d;
}

DeviceDescription usbPartition(std::optional<QString> label)
{
    DeviceDescription d;
    d.volumeName = label;
    d.mountable = true;
    d.removable = false;
    d.deviceInternal = false;
    d.ejectable = true;
    d.size = 8'000'000'000;
    d.volumeUUID = QStringLiteral("1A2B-3C4D");
    d.deviceModel = QStringLiteral("Flash Drive");
    d.deviceProtocol = QStringLiteral("usb");
    return d;
}

DeviceDescription diskImage()
{
    DeviceDescription d;
    d.whole = true;
    d.mountable = true;
    d.removable = true;
    d.deviceInternal = false;
    d.deviceModel = QStringLiteral("Disk Image");
    d.deviceProtocol = QStringLiteral("Virtual Interface");
    return d;
}

const char mountinfo[] = "27 1 254:0 / / rw - ext4 /dev/vda rw\n"
                         "40 27 8:1 / /media/ann/STICK rw - vfat /dev/sdz1 rw\n"
                         "41 27 0:60 / /mnt/share rw - nfs4 server:/export rw\n"
                         "42 27 7:9 / /srv/image ro - squashfs /dev/loop9 ro\n"
                         "43 27 0:70 / /opt/auto rw - autofs systemd-1 rw\n"
                         "44 27 0:71 / /media/ann/odd rw - ext4 /dev/ rw\n";

} // namespace

class TestDiskSources : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_mountInfo;
    VolumeResourceReader resources() const
    {
        return VolumeResourceReader(SysfsReader(m_dir.filePath(QStringLiteral("sys"))),
                                    QStringLiteral("/home/ann"));
    }

private slots:
    void initTestCase()
    {
        m_mountInfo = m_dir.filePath(QStringLiteral("mountinfo"));
        QFile file(m_mountInfo);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(mountinfo);
    }

    void browsableAndLocalRules()
    {
        const QString home = QStringLiteral("/home/ann");
        QVERIFY(VolumeResourceReader::isBrowsablePath(QStringLiteral("/"), home));
        QVERIFY(VolumeResourceReader::isBrowsablePath(QStringLiteral("/media/ann/X"), home));
        QVERIFY(VolumeResourceReader::isBrowsablePath(QStringLiteral("/run/media/ann/X"), home));
        QVERIFY(VolumeResourceReader::isBrowsablePath(QStringLiteral("/mnt/data"), home));
        QVERIFY(VolumeResourceReader::isBrowsablePath(QStringLiteral("/home/ann/mnt"), home));
        QVERIFY(!VolumeResourceReader::isBrowsablePath(QStringLiteral("/home/annex/mnt"), home));
        QVERIFY(!VolumeResourceReader::isBrowsablePath(QStringLiteral("/mnt"), home));
        QVERIFY(!VolumeResourceReader::isBrowsablePath(QStringLiteral("/snap/core/1"), home));
        QVERIFY(!VolumeResourceReader::isBrowsablePath(QStringLiteral("/mediax/a"), home));
        QVERIFY(VolumeResourceReader::isSystemFileSystemType(QStringLiteral("squashfs")));
        QVERIFY(!VolumeResourceReader::isSystemFileSystemType(QStringLiteral("ext4")));
        QVERIFY(VolumeResourceReader::isNetworkFileSystemType(QStringLiteral("fuse.sshfs")));
        QVERIFY(!VolumeResourceReader::isNetworkFileSystemType(QStringLiteral("fuse")));

        MountInfoEntry entry;
        entry.mountPoint = QStringLiteral("/media/ann/X");
        entry.fsType = QStringLiteral("ext4");
        QCOMPARE(resources().read(entry, QStringLiteral("/dev/sdq1"), false).isBrowsable,
                 std::optional(true));
        // udisks2's HintIgnore hides an otherwise browsable mount.
        QCOMPARE(resources().read(entry, QStringLiteral("/dev/sdq1"), true).isBrowsable,
                 std::optional(false));
        entry.fsType = QStringLiteral("tmpfs");
        QCOMPARE(resources().read(entry, QStringLiteral("tmpfs"), false).isBrowsable,
                 std::optional(false));
    }

    void buildsFromResourcesWhenNothingDescribesTheDevice()
    {
        MountedVolumeBuilder::Input share;
        share.path = QStringLiteral("/mnt/share");
        share.resources.isLocal = false;
        share.resources.isBrowsable = true;
        Volume v = MountedVolumeBuilder::build(share);
        QCOMPARE(v.id, QStringLiteral("/mnt/share"));
        QCOMPARE(v.deviceName, QString());
        QCOMPARE(v.name, QStringLiteral("share"));
        QCOMPARE(enumName(v.kind), QStringLiteral("network"));
        QVERIFY(v.traits.isNetwork);

        // A local mount with a backing file counts as a disk image.
        MountedVolumeBuilder::Input image;
        image.path = QStringLiteral("/mnt/img");
        image.deviceName = QStringLiteral("loop4");
        image.resources.urlForRemounting = QStringLiteral("/tmp/a.img");
        image.resources.isRemovable = true;
        v = MountedVolumeBuilder::build(image);
        QCOMPARE(enumName(v.kind), QStringLiteral("diskImage"));
        QVERIFY(v.traits.isDiskImage);
        QVERIFY(v.isRemovable);
        QCOMPARE(v.traits.deviceModel, std::optional<QString>());
    }

    void aDescriptionOverridesTheResourceValues()
    {
        MountedVolumeBuilder::Input in;
        in.path = QStringLiteral("/media/ann/STICK");
        in.deviceName = QStringLiteral("sdz1");
        in.resources.isRemovable = false;
        in.resources.isInternal = true;
        in.description = usbPartition(QStringLiteral("STICK"));
        in.wholeDiskName = QStringLiteral("sdz");
        in.bootWholeDiskName = QStringLiteral("vda");
        Volume v = MountedVolumeBuilder::build(in);
        QVERIFY(v.isRemovable);
        QCOMPARE(enumName(v.kind), QStringLiteral("external"));
        QCOMPARE(v.volumeUUID, std::optional(QStringLiteral("1A2B-3C4D")));
        QCOMPARE(v.traits.deviceModel, std::optional(QStringLiteral("Flash Drive")));
        QVERIFY(!v.traits.sharesBootDevice);

        // A disk image, even one the resources call removable, mounted where nobody browses.
        in.path = QStringLiteral("/srv/image");
        in.description = diskImage();
        in.resources.isBrowsable = false;
        v = MountedVolumeBuilder::build(in);
        QCOMPARE(enumName(v.kind), QStringLiteral("systemImage"));
        QVERIFY(v.traits.isDiskImage);
        QVERIFY(v.traits.isSystemManaged);

        // ntfs-3g mounts show as fuseblk; udisks2 knows better.
        in.fileSystemType = QStringLiteral("fuseblk");
        QCOMPARE(MountedVolumeBuilder::build(in).fileSystemType, QStringLiteral("fuseblk"));
        in.description->fileSystemType = QStringLiteral("ntfs");
        QCOMPARE(MountedVolumeBuilder::build(in).fileSystemType, QStringLiteral("ntfs"));

        DeviceDescription dvd = whole(false);
        dvd.mediaKind = QStringLiteral("OPTICAL_DVD");
        in.description = dvd;
        QVERIFY(MountedVolumeBuilder::build(in).traits.isOptical);
    }

    void sourceListsMountedThenUnmountedVolumes()
    {
        auto provider = std::make_shared<FakeProvider>();
        provider->descriptions.insert(QStringLiteral("vda"), whole(true));
        provider->descriptions.insert(QStringLiteral("sdz"), whole(false));
        provider->descriptions.insert(QStringLiteral("sdz1"),
                                      usbPartition(QStringLiteral("STICK")));
        provider->descriptions.insert(QStringLiteral("sdz2"), usbPartition(std::nullopt));
        provider->descriptions[QStringLiteral("sdz2")].mediaName = QStringLiteral("Backup");
        provider->descriptions[QStringLiteral("sdz2")].fileSystemType = QStringLiteral("exfat");
        provider->descriptions.insert(QStringLiteral("loop9"), diskImage());
        // sdz1 is mounted and sdz3 undescribed: neither is listed as unmounted.
        provider->leaves = {QStringLiteral("sdz1"), QStringLiteral("sdz2"), QStringLiteral("sdz3")};
        UDisksDiskSource source(provider, resources(), m_mountInfo);

        const VolumeList volumes = source.currentVolumes();
        QStringList ids;
        for (const Volume &v : volumes) {
            ids.append(v.id);
        }
        QCOMPARE(ids, (QStringList{QStringLiteral("vda"), QStringLiteral("sdz1"),
                                   QStringLiteral("/mnt/share"), QStringLiteral("loop9"),
                                   QStringLiteral("/media/ann/odd"), QStringLiteral("sdz2")}));
        const Volume &root = volumes[0];
        QCOMPARE(enumName(root.kind), QStringLiteral("boot"));
        QCOMPARE(root.wholeDiskName, std::optional(QStringLiteral("vda")));
        QVERIFY(root.traits.sharesBootDevice);

        const Volume &stick = volumes[1];
        QCOMPARE(stick.name, QStringLiteral("STICK"));
        QCOMPARE(enumName(stick.kind), QStringLiteral("external"));
        QCOMPARE(stick.wholeDiskName, std::optional(QStringLiteral("sdz")));
        QVERIFY(stick.isRemovable);

        QCOMPARE(enumName(volumes[2].kind), QStringLiteral("network"));
        QCOMPARE(enumName(volumes[3].kind), QStringLiteral("systemImage"));
        // An unpartitioned disk is its own whole disk.
        QCOMPARE(volumes[3].wholeDiskName, std::optional<QString>(QStringLiteral("loop9")));
        // A source of exactly "/dev/" names no device.
        QCOMPARE(volumes[4].deviceName, QString());

        const Volume &backup = volumes[5];
        QVERIFY(!backup.isMounted);
        QCOMPARE(backup.name, QStringLiteral("Backup"));
        // The file-system type that decides which names fit: udisks2's, else the mount table's.
        QCOMPARE(backup.fileSystemType, QStringLiteral("exfat"));
        QCOMPARE(stick.fileSystemType, QStringLiteral("vfat"));
        QCOMPARE(volumes[2].fileSystemType, QStringLiteral("nfs4"));
        QCOMPARE(backup.wholeDiskName, std::optional(QStringLiteral("sdz")));
        QCOMPARE(enumName(backup.kind), QStringLiteral("external"));
    }

    // Each device is described once per list, and afresh for the next: a label changed in
    // between shows.
    void eachListAsksForEveryDescriptionOnceAndAfresh()
    {
        auto provider = std::make_shared<FakeProvider>();
        provider->descriptions.insert(QStringLiteral("vda"), whole(true));
        provider->descriptions.insert(QStringLiteral("sdz"), whole(false));
        provider->descriptions.insert(QStringLiteral("sdz1"),
                                      usbPartition(QStringLiteral("STICK")));
        provider->leaves = {QStringLiteral("sdz1")};
        UDisksDiskSource source(provider, resources(), m_mountInfo);

        const auto stickName = [](const VolumeList &volumes) {
            for (const Volume &v : volumes) {
                if (v.deviceName == QLatin1String("sdz1"))
                    return v.name;
            }
            return QString();
        };
        QCOMPARE(stickName(source.currentVolumes()), QStringLiteral("STICK"));
        QVERIFY(!provider->asked.isEmpty());
        for (auto it = provider->asked.cbegin(); it != provider->asked.cend(); ++it)
            QVERIFY2(it.value() == 1, qPrintable(it.key()));

        provider->descriptions[QStringLiteral("sdz1")].volumeName = QStringLiteral("RENAMED");
        provider->asked.clear();
        QCOMPARE(stickName(source.currentVolumes()), QStringLiteral("RENAMED"));
        QCOMPARE(provider->asked.value(QStringLiteral("sdz1")), 1);
    }

    void hiddenAndSystemPartitionsAreNotOfferedForRemount()
    {
        auto provider = std::make_shared<FakeProvider>();
        provider->descriptions.insert(QStringLiteral("sdz"), whole(false));
        provider->descriptions.insert(QStringLiteral("sdz2"), usbPartition(QStringLiteral("DATA")));
        provider->descriptions.insert(QStringLiteral("sdz3"), usbPartition(QStringLiteral("HIDE")));
        provider->descriptions[QStringLiteral("sdz3")].hintIgnore = true;
        provider->descriptions.insert(QStringLiteral("sdz4"), usbPartition(QStringLiteral("SYS")));
        provider->descriptions[QStringLiteral("sdz4")].hintSystem = true;
        // An EFI partition of an MBR disk.
        provider->descriptions.insert(QStringLiteral("sdz5"), usbPartition(QStringLiteral("BOOT")));
        provider->descriptions[QStringLiteral("sdz5")].contentHint = QStringLiteral("0xef");
        provider->leaves = {QStringLiteral("sdz2"), QStringLiteral("sdz3"), QStringLiteral("sdz4"),
                            QStringLiteral("sdz5")};
        UDisksDiskSource source(provider, resources(), m_mountInfo);
        QStringList unmounted;
        for (const Volume &v : source.currentVolumes()) {
            if (!v.isMounted) {
                unmounted.append(v.id);
            }
        }
        QCOMPARE(unmounted, QStringList{QStringLiteral("sdz2")});
    }

    void theBootDiskIsFoundBelowALogicalVolume()
    {
        QTemporaryDir dir;
        // sysfs: the logical volume dm-3 is built on nvme0n1p3.
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sys/class/block/dm-3/slaves/nvme0n1p3")));
        QFile table(dir.filePath(QStringLiteral("mountinfo")));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("27 1 253:3 / / rw - xfs /dev/dm-3 rw\n"
                    "28 27 259:1 / /boot/efi rw - vfat /dev/nvme0n1p1 rw\n"
                    "29 27 259:2 / /srv/data rw - ext4 /dev/nvme0n1p2 rw\n");
        table.close();
        auto provider = std::make_shared<FakeProvider>();
        provider->descriptions.insert(QStringLiteral("nvme0n1"), whole(true));
        DeviceDescription partition = whole(true);
        partition.whole = false;
        provider->descriptions.insert(QStringLiteral("nvme0n1p1"), partition);
        provider->descriptions.insert(QStringLiteral("nvme0n1p2"), partition);
        provider->descriptions.insert(QStringLiteral("dm-3"), whole(true));
        UDisksDiskSource source(
            provider,
            VolumeResourceReader(SysfsReader(dir.filePath(QStringLiteral("sys"))),
                                 QStringLiteral("/home/ann")),
            table.fileName());
        const VolumeList volumes = source.currentVolumes();
        QCOMPARE(volumes.size(), 3);
        QCOMPARE(volumes[0].deviceName, QStringLiteral("dm-3"));
        QCOMPARE(volumes[0].wholeDiskName, std::optional(QStringLiteral("nvme0n1")));
        for (const Volume &v : volumes) {
            QVERIFY2(v.traits.sharesBootDevice, qPrintable(v.id));
        }
    }

    void withoutTheDiskServiceOnlyMountedVolumesAreListed()
    {
        auto provider = std::make_shared<FakeProvider>();
        UDisksDiskSource source(provider, resources(), m_mountInfo);
        const VolumeList volumes = source.currentVolumes();
        QCOMPARE(volumes.size(), 5);
        QCOMPARE(volumes[1].id, QStringLiteral("sdz1"));
        QCOMPARE(volumes[1].name, QStringLiteral("STICK"));
        QCOMPARE(volumes[1].wholeDiskName, std::optional<QString>());
        QCOMPARE(volumes[1].volumeUUID, std::optional<QString>());
    }

    void changesAreCoalescedOnTheMainThread()
    {
        auto provider = std::make_shared<FakeProvider>();
        auto source = std::make_unique<UDisksDiskSource>(provider, resources(), m_mountInfo);
        int calls = 0;
        source->setChangeHandler([&calls] {
            QCOMPARE(QThread::currentThread(), qApp->thread());
            ++calls;
        });
        QCOMPARE(calls, 0);
        for (int i = 0; i < 5; ++i) {
            provider->emitChanged();
            QTest::qWait(100);
        }
        QCOMPARE(calls, 0);
        QTRY_COMPARE(calls, 1);
        QTest::qWait(2 * UDisksDiskSource::debounceMs);
        QCOMPARE(calls, 1);

        // Released with a change pending: the handler is never called.
        provider->emitChanged();
        source.reset();
        QTest::qWait(2 * UDisksDiskSource::debounceMs);
        QCOMPARE(calls, 1);
    }

    void mountTableSourceNamesVolumesByTheirMountPoint()
    {
        MountTableDiskSource source(resources(), m_mountInfo);
        int calls = 0;
        source.setChangeHandler([&calls] { ++calls; });
        const VolumeList volumes = source.currentVolumes();
        QCOMPARE(volumes.size(), 5);
        QCOMPARE(volumes[0].id, QStringLiteral("/"));
        QCOMPARE(volumes[0].deviceName, QStringLiteral("/"));
        QCOMPARE(enumName(volumes[0].kind), QStringLiteral("boot"));
        QCOMPARE(volumes[1].id, QStringLiteral("STICK"));
        QCOMPARE(volumes[1].deviceName, QStringLiteral("STICK"));
        QVERIFY(!volumes[1].isRemovable);
        QCOMPARE(volumes[1].wholeDiskName, std::optional<QString>());
        QCOMPARE(enumName(volumes[2].kind), QStringLiteral("network"));
        QCOMPARE(enumName(volumes[3].kind), QStringLiteral("systemHidden"));
        QTest::qWait(50);
        QCOMPARE(calls, 0);

        // A removable USB volume is external but not marked removable by this source.
        MountInfoEntry entry;
        entry.mountPoint = QStringLiteral("/media/ann/USB");
        VolumeResources r;
        r.isRemovable = true;
        r.isInternal = false;
        r.isBrowsable = true;
        const Volume usb = MountTableDiskSource::build(entry, r);
        QCOMPARE(enumName(usb.kind), QStringLiteral("external"));
        QVERIFY(!usb.isRemovable);
    }
};

QTEST_GUILESS_MAIN(TestDiskSources)
#include "tst_disksources.moc"
