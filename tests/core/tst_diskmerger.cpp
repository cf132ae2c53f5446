#include "discovery/diskmerger.h"

#include <QTest>

namespace {

// A removable, mountable, unmounted partition; tests change what they examine.
UnmountedCandidate partition(const QString &deviceName,
                             std::optional<QString> volumeName = std::nullopt)
{
    UnmountedCandidate c;
    c.deviceName = deviceName;
    c.volumeName = std::move(volumeName);
    c.isMountable = true;
    c.isRemovableOrExternal = true;
    c.sizeBytes = 8'000'000'000;
    return c;
}

QStringList ids(const VolumeList &volumes)
{
    QStringList result;
    for (const Volume &v : volumes)
        result.append(v.id);
    return result;
}

bool included(const UnmountedCandidate &c, const QSet<QString> &mounted = {},
              const QSet<QString> &sliced = {})
{
    return DiskMerger::shouldInclude(c, mounted, sliced);
}

} // namespace

class TestDiskMerger : public QObject {
    Q_OBJECT
private slots:
    void wholeDisk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("whole"); // empty: none

        QTest::newRow("disk slice") << "disk4s2"
                                    << "disk4";
        QTest::newRow("disk two digits") << "disk10s1"
                                         << "disk10";
        QTest::newRow("disk itself") << "disk4"
                                     << "disk4";
        QTest::newRow("disk alone") << "disk"
                                    << "";
        QTest::newRow("disks1") << "disks1"
                                << "";
        QTest::newRow("diskX") << "diskX"
                               << "";
        QTest::newRow("disk with device path") << "/dev/disk4s2"
                                               << "";
        QTest::newRow("disk with arabic-indic digit") << "disk\u0663"
                                                      << "";
        QTest::newRow("disk digit then arabic-indic") << "disk2\u0663s1"
                                                      << "disk2";

        QTest::newRow("sd partition") << "sdb1"
                                      << "sdb";
        QTest::newRow("sd partition two digits") << "sdb12"
                                                 << "sdb";
        QTest::newRow("sd itself") << "sdb"
                                   << "sdb";
        QTest::newRow("sd two letters") << "sdaa3"
                                        << "sdaa";
        QTest::newRow("xvd") << "xvda1"
                             << "xvda";
        QTest::newRow("vd") << "vdc"
                            << "vdc";
        QTest::newRow("hd") << "hda2"
                            << "hda";
        QTest::newRow("sd without letter") << "sd1"
                                           << "";
        QTest::newRow("sd letters after digits") << "sdb1a"
                                                 << "";
        QTest::newRow("sd arabic-indic digit") << "sdb\u0661"
                                               << "";
        QTest::newRow("nvme partition") << "nvme0n1p2"
                                        << "nvme0n1";
        QTest::newRow("nvme itself") << "nvme0n1"
                                     << "nvme0n1";
        QTest::newRow("nvme controller") << "nvme0"
                                         << "";
        QTest::newRow("nvme p without number") << "nvme0n1p"
                                               << "";
        QTest::newRow("mmcblk partition") << "mmcblk0p1"
                                          << "mmcblk0";
        QTest::newRow("mmcblk itself") << "mmcblk0"
                                       << "mmcblk0";
        QTest::newRow("mmcblk boot area") << "mmcblk0boot0"
                                          << "";
        QTest::newRow("loop partition") << "loop3p1"
                                        << "loop3";
        QTest::newRow("loop itself") << "loop3"
                                     << "loop3";
        QTest::newRow("loop alone") << "loop"
                                    << "";
        QTest::newRow("md itself") << "md127"
                                   << "md127";
        QTest::newRow("md partition") << "md127p1"
                                      << "md127";
        QTest::newRow("optical") << "sr0"
                                 << "sr0";
        QTest::newRow("device mapper") << "dm-2"
                                       << "dm-2";
        QTest::newRow("device mapper without number") << "dm-"
                                                      << "";
        QTest::newRow("mapper name") << "mapper/root"
                                     << "";
        QTest::newRow("upper case kernel name") << "SDB1"
                                                << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void wholeDisk()
    {
        QFETCH(QString, name);
        QFETCH(QString, whole);
        const std::optional<QString> expected =
            whole.isEmpty() ? std::nullopt : std::optional(whole);
        QCOMPARE(DiskMerger::wholeDiskName(name), expected);
    }

    void partitionsAmongMountSources()
    {
        const QStringList sources{
            "/dev/disk4",   "/dev/disk4s1",   "/dev/disk40s1", "/dev/disk4s10", "/dev/sdb",
            "/dev/sdb1",    "/dev/sdba1",     "/dev/sdb12",    "/dev/sdbx",     "/dev/loop0",
            "/dev/loop0p1", "/dev/loop01",    "/dev/loop10",   "/dev/loop0p",   "/dev/nvme0n1p2",
            "server:/x",    "/dev/nvme0n10p1"};
        QCOMPARE(DiskMerger::partitionDeviceNames("disk4", sources),
                 (QStringList{"disk4", "disk4s1", "disk4s10"}));
        QCOMPARE(DiskMerger::partitionDeviceNames("sdb", sources),
                 (QStringList{"sdb", "sdb1", "sdb12"}));
        QCOMPARE(DiskMerger::partitionDeviceNames("loop0", sources),
                 (QStringList{"loop0", "loop0p1"}));
        QCOMPARE(DiskMerger::partitionDeviceNames("nvme0n1", sources), QStringList{"nvme0n1p2"});
        QVERIFY(DiskMerger::partitionDeviceNames("sdc", sources).isEmpty());
        QVERIFY(DiskMerger::partitionDeviceNames(QString(), sources).isEmpty());
    }

    void deviceNameFromMountSource()
    {
        QCOMPARE(DiskMerger::deviceName("/dev/sdb1"), std::optional<QString>("sdb1"));
        QCOMPARE(DiskMerger::deviceName("/dev/disk4s1"), std::optional<QString>("disk4s1"));
        QCOMPARE(DiskMerger::deviceName("/dev/"), std::nullopt);
        QCOMPARE(DiskMerger::deviceName("server:/share"), std::nullopt);
        QCOMPARE(DiskMerger::deviceName("dev/sdb1"), std::nullopt);
        QCOMPARE(DiskMerger::deviceName(QString()), std::nullopt);
    }

    void slicedWholeDisksOfBothSchemes()
    {
        QCOMPARE(DiskMerger::slicedWholeDisks({"sdc", "sdb1", "disk6s1"},
                                              {"nvme0n1p2", "sr0", "loop3", "server:/x"}),
                 (QSet<QString>{"sdb", "disk6", "nvme0n1"}));
        QVERIFY(DiskMerger::slicedWholeDisks({}, {}).isEmpty());
    }

    void rejectsWhatIsNotOffered()
    {
        QVERIFY(included(partition("sdb1")));
        QVERIFY(!included(partition("sdb1"), {"sdb1"}));

        UnmountedCandidate c = partition("loop0p1");
        c.isDiskImage = true;
        QVERIFY(!included(c));
        c = partition("sdb2");
        c.isMountable = false;
        QVERIFY(!included(c));
        c = partition("nvme0n1p3");
        c.isRemovableOrExternal = false;
        QVERIFY(!included(c));

        // A whole disk is offered only while none of its partitions is known.
        c = partition("sdc");
        c.isWholeDisk = true;
        QVERIFY(included(c, {}, {"sdb"}));
        QVERIFY(!included(c, {}, {"sdc"}));
        // A partition is not rejected by its own disk being sliced.
        QVERIFY(included(partition("sdc1"), {}, {"sdc"}));
    }

    // Asked for everything attached, what an interrupted erase or another tool left is listed
    // too; internal disks, unrecognised content and system devices that are no image are not.
    void everythingAttachedAddsImagesAndBlankPartitions()
    {
        UnmountedCandidate image = partition("loop0p2", QStringLiteral("IMG"));
        image.isDiskImage = true;
        image.isSystemDevice = true;
        UnmountedCandidate blank = partition("sdb2");
        blank.isMountable = false;
        blank.isBlank = true;
        UnmountedCandidate locked = partition("sdb3");
        locked.isMountable = false;
        UnmountedCandidate internalBlank = blank;
        internalBlank.deviceName = QStringLiteral("nvme0n1p4");
        internalBlank.isRemovableOrExternal = false;
        UnmountedCandidate systemStick = partition("sdc1");
        systemStick.isSystemDevice = true;
        const UnmountedCandidateList candidates{image, blank, locked, internalBlank, systemStick};

        QCOMPARE(ids(DiskMerger::unmountedVolumes(candidates, {"loop0p1"}, {})), QStringList());
        const VolumeList all = DiskMerger::unmountedVolumes(
            candidates, {"loop0p1"}, {}, DiskMerger::UnmountedScope::everythingAttached);
        QCOMPARE(ids(all), (QStringList{"loop0p2", "sdb2"}));
        // The image is one still: ejecting it detaches the image.
        QCOMPARE(all.at(0).kind, VolumeKind::diskImage);
        QVERIFY(all.at(0).traits.isDiskImage);
        QCOMPARE(all.at(0).wholeDiskName, std::optional<QString>("loop0"));
        QCOMPARE(all.at(1).kind, VolumeKind::external);
        QCOMPARE(all.at(1).name, QStringLiteral("sdb2"));
    }

    void volumeNameHidesMediaName()
    {
        UnmountedCandidate c = partition("sdb1", QStringLiteral("Data"));
        c.mediaName = QStringLiteral("EFI");
        QVERIFY(included(c));

        c.volumeName = std::nullopt;
        QVERIFY(!included(c));
        c.mediaName = QStringLiteral("Recovery");
        QVERIFY(!included(c));
        c.mediaName = QStringLiteral("Recovery HD");
        QVERIFY(included(c));

        // An empty volume name is still the name tested.
        c = partition("sdb1", QString());
        c.mediaName = QStringLiteral("vm");
        QVERIFY(included(c));

        for (const char *helper : {"efi", "Preboot", "UPDATE", "vm", "recovery"})
            QVERIFY2(!included(partition("sdb1", QString::fromLatin1(helper))), helper);
    }

    void efiContentHintInAnyCase()
    {
        // The GPT type GUID, the scheme name, and the MBR type of an EFI partition.
        for (const char *hint :
             {"C12A7328-F81F-11D2-BA4B-00A0C93EC93B", "c12a7328-f81f-11d2-ba4b-00a0c93ec93b", "efi",
              "EFI", "0xef", "0xEF"}) {
            UnmountedCandidate c = partition("sdb1", QStringLiteral("Data"));
            c.contentHint = QString::fromLatin1(hint);
            QVERIFY2(!included(c), hint);
        }
        UnmountedCandidate c = partition("sdb1", QStringLiteral("Data"));
        c.contentHint = QStringLiteral("0FC63DAF-8483-4772-8E79-3D69D8477DE4");
        QVERIFY(included(c));
        // Other MBR types, FAT32 with LBA among them, are ordinary partitions.
        for (const char *hint : {"0x0c", "0x83", "0x07"}) {
            c.contentHint = QString::fromLatin1(hint);
            QVERIFY2(included(c), hint);
        }
    }

    void buildsUnmountedVolumes()
    {
        UnmountedCandidate stick = partition("sdb1", QStringLiteral("STICK"));
        stick.mediaName = QStringLiteral("primary");
        stick.volumeUUID = QStringLiteral("1234-ABCD");
        stick.isEjectable = true;
        UnmountedCandidate efi = partition("sdb2");
        efi.mediaName = QStringLiteral("EFI");
        UnmountedCandidate byMedia = partition("nvme1n1p3");
        byMedia.mediaName = QStringLiteral("Media name");
        byMedia.sizeBytes = std::nullopt;
        UnmountedCandidate bare = partition("mmcblk0p1");
        UnmountedCandidate wholeSdb = partition("sdb");
        wholeSdb.isWholeDisk = true;
        UnmountedCandidate wholeSdc = partition("sdc");
        wholeSdc.isWholeDisk = true;
        UnmountedCandidate wholeSdd = partition("sdd");
        wholeSdd.isWholeDisk = true;

        const VolumeList volumes =
            DiskMerger::unmountedVolumes({stick, efi, byMedia, bare, wholeSdb, wholeSdc, wholeSdd},
                                         {"sdd2"}, QStringLiteral("nvme1n1"));
        // sdb is sliced by a candidate, sdd by a mounted partition.
        QCOMPARE(ids(volumes), (QStringList{"sdb1", "nvme1n1p3", "mmcblk0p1", "sdc"}));

        Volume expected;
        expected.id = QStringLiteral("sdb1");
        expected.name = QStringLiteral("STICK");
        expected.deviceName = QStringLiteral("sdb1");
        expected.capacityBytes = 8'000'000'000;
        expected.isEjectable = true;
        expected.kind = VolumeKind::external;
        expected.isMounted = false;
        expected.isRemovable = true;
        expected.wholeDiskName = QStringLiteral("sdb");
        expected.volumeUUID = QStringLiteral("1234-ABCD");
        QCOMPARE(volumes.at(0), expected);

        QCOMPARE(volumes.at(1).name, QStringLiteral("Media name"));
        QCOMPARE(volumes.at(1).capacityBytes, std::nullopt);
        QVERIFY(volumes.at(1).traits.sharesBootDevice);
        QCOMPARE(volumes.at(2).name, QStringLiteral("mmcblk0p1"));
        QVERIFY(!volumes.at(2).traits.sharesBootDevice);
        QCOMPARE(volumes.at(3).wholeDiskName, std::optional<QString>("sdc"));
        QVERIFY(volumes.at(3).mountPath.isEmpty());
    }

    void noBootDiskSharesNothing()
    {
        const VolumeList volumes =
            DiskMerger::unmountedVolumes({partition("diskX"), partition("disk5s1")}, {}, {});
        QCOMPARE(ids(volumes), (QStringList{"diskX", "disk5s1"}));
        QCOMPARE(volumes.at(0).wholeDiskName, std::nullopt);
        QCOMPARE(volumes.at(1).wholeDiskName, std::optional<QString>("disk5"));
        QVERIFY(!volumes.at(1).traits.sharesBootDevice);
    }
};

QTEST_GUILESS_MAIN(TestDiskMerger)
#include "tst_diskmerger.moc"
