#include "mountinfo.h"
#include "volumeresources.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Recorded from real machines; line 3 is a bind mount of a subtree of line 2, line 7 a
// second bind of the whole of line 5, lines 9 and 10 an automounter with its real mount,
// line 15 an untriggered automounter and line 17 a mount over the one of line 16.
static const char recorded[] =
    "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
    "27 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw,discard\n"
    "28 27 254:0 /var/lib/docker/hosts /etc/hosts rw,relatime - ext4 /dev/vda rw\n"
    "31 27 0:40 / /run/media/ann/My\\040Disk rw,nosuid master:3 - vfat /dev/sdb1 rw,uid=1000\n"
    "32 27 8:18 / /media/ann/Tab\\011Name rw,relatime shared:7 master:2 - ext4 /dev/sdb2 rw\n"
    "33 27 253:0 / /home rw,relatime - xfs /dev/mapper/vg-home rw\n"
    "34 27 8:18 / /mnt/again rw,relatime - ext4 /dev/sdb2 rw\n"
    "35 27 0:50 /@snapshots /.snapshots rw - btrfs /dev/nvme0n1p3 rw,subvol=/@snapshots\n"
    "36 27 0:51 / /boot rw,relatime - autofs systemd-1 rw,fd=48,pgrp=1\n"
    "37 36 259:1 / /boot rw,relatime - vfat /dev/nvme0n1p1 rw\n"
    "38 27 0:50 /@home/ann /srv/ann rw - btrfs /dev/nvme0n1p3 rw\n"
    "39 27 0:50 /@snapshots/1 /srv/snap rw - btrfs /dev/nvme0n1p3 rw\n"
    "40 27 0:60 / /net/back\\134slash rw - nfs4 server:/export rw\n"
    "42 22 0:26 / /proc/sys/fs/binfmt_misc rw - autofs systemd-1 rw\n"
    "43 27 0:80 / /mnt/over rw - tmpfs tmpfs rw\n"
    "44 27 0:81 / /mnt/over rw - tmpfs tmpfs rw,size=1k\n"
    "this line is not a mount\n"
    "41 27 0:61 / /short rw -\n";

class TestMountInfo : public QObject {
    Q_OBJECT

private slots:
    void parsesFieldsAndSkipsMalformedLines()
    {
        const MountInfoList entries = MountInfo::parse(recorded);
        QCOMPARE(entries.size(), 16);
        const MountInfoEntry &root = entries[1];
        QCOMPARE(root.mountId, 27);
        QCOMPARE(root.parentId, 1);
        QCOMPARE(root.majorMinor, QStringLiteral("254:0"));
        QCOMPARE(root.root, QStringLiteral("/"));
        QCOMPARE(root.mountPoint, QStringLiteral("/"));
        QCOMPARE(root.fsType, QStringLiteral("ext4"));
        QCOMPARE(root.source, QStringLiteral("/dev/vda"));
        QCOMPARE(root.superOptions, QStringLiteral("rw,discard"));
        // Optional tagged fields (shared:, master:) do not shift the fields after "-".
        QCOMPARE(entries[4].fsType, QStringLiteral("ext4"));
        QCOMPARE(entries[4].source, QStringLiteral("/dev/sdb2"));
    }

    void decodesOctalEscapes()
    {
        const MountInfoList entries = MountInfo::parse(recorded);
        QCOMPARE(entries[3].mountPoint, QStringLiteral("/run/media/ann/My Disk"));
        QCOMPARE(entries[4].mountPoint, QStringLiteral("/media/ann/Tab\tName"));
        QCOMPARE(entries[12].mountPoint, QStringLiteral("/net/back\\slash"));
        QCOMPARE(MountInfo::decodeField("a\\012b"), QStringLiteral("a\nb"));
        // Not an escape: too short, or not octal digits.
        QCOMPARE(MountInfo::decodeField("end\\04"), QStringLiteral("end\\04"));
        QCOMPARE(MountInfo::decodeField("x\\089"), QStringLiteral("x\\089"));
        // Escaped bytes form UTF-8 together.
        QCOMPARE(MountInfo::decodeField("caf\\303\\251"), QStringLiteral("caf\u00e9"));
    }

    void volumeMountsDropAutomounterPlaceholdersAndRepeatedTrees()
    {
        QStringList points;
        for (const MountInfoEntry &e : MountInfo::volumeMounts(MountInfo::parse(recorded))) {
            points.append(e.mountPoint);
        }
        const QStringList expected = {QStringLiteral("/"),
                                      QStringLiteral("/run/media/ann/My Disk"),
                                      QStringLiteral("/media/ann/Tab\tName"),
                                      QStringLiteral("/home"),
                                      QStringLiteral("/.snapshots"),
                                      QStringLiteral("/boot"),
                                      QStringLiteral("/srv/ann"),
                                      QStringLiteral("/net/back\\slash")};
        // Gone: /proc and both tmpfs mounts on /mnt/over (not volumes), /etc/hosts (a subtree
        // of /), /mnt/again (the same tree as the sdb2 mount), /srv/snap (inside the
        // /@snapshots subvolume already listed) and both automounters.
        QCOMPARE(points, expected);
        const MountInfoList kept = MountInfo::volumeMounts(MountInfo::parse(recorded));
        QCOMPARE(kept[5].fsType, QStringLiteral("vfat"));
        QCOMPARE(kept.last().fsType, QStringLiteral("nfs4"));
    }

    void mountsThatAreNotVolumesAreLeftOut()
    {
        // A desktop in a container runtime's host: the root of a container (overlay) at "/",
        // the session's tmpfs with gvfs and the document portal inside, a docker container
        // with its network namespace, a snap with its mount namespace, an NFS share, a stick.
        static const char desktop[] =
            "24 1 0:22 / / rw,relatime shared:1 - overlay overlay rw,lowerdir=/l,upperdir=/u,"
            "workdir=/w\n"
            "25 24 0:23 / /dev/shm rw,nosuid,nodev shared:5 - tmpfs tmpfs rw,inode64\n"
            "26 24 0:5 / /dev rw,nosuid shared:2 - devtmpfs udev rw,size=8004380k,mode=755\n"
            "27 26 0:24 / /dev/pts rw,nosuid,noexec shared:3 - devpts devpts rw,gid=5,mode=620\n"
            "30 24 0:25 / /run rw,nosuid,nodev shared:6 - tmpfs tmpfs rw,size=1632908k,mode=755\n"
            "31 24 0:26 / /sys rw,nosuid,nodev,noexec shared:7 - sysfs sysfs rw\n"
            "32 31 0:27 / /sys/fs/cgroup rw,nosuid shared:9 - cgroup2 cgroup2 rw,nsdelegate\n"
            "33 31 0:8 / /sys/kernel/debug rw,nosuid shared:15 - debugfs debugfs rw\n"
            "34 31 0:28 / /sys/firmware/efi/efivars rw,nosuid shared:10 - efivarfs efivarfs rw\n"
            "60 30 0:52 / /run/user/1000 rw,nosuid,nodev,relatime shared:340 - tmpfs tmpfs "
            "rw,size=1632904k,nr_inodes=408226,mode=700,uid=1000,gid=1000,inode64\n"
            "61 60 0:53 / /run/user/1000/gvfs rw,nosuid,nodev,relatime shared:361 - "
            "fuse.gvfsd-fuse gvfsd-fuse rw,user_id=1000,group_id=1000\n"
            "62 60 0:54 / /run/user/1000/doc rw,nosuid,nodev,relatime shared:383 - fuse.portal "
            "portal rw,user_id=1000,group_id=1000\n"
            "70 24 0:60 / /var/lib/docker/overlay2/3f2a9c/merged rw,relatime - overlay overlay "
            "rw,lowerdir=/var/lib/docker/overlay2/l/ABC,upperdir=/var/lib/docker/overlay2/3f2a9c/"
            "diff,workdir=/var/lib/docker/overlay2/3f2a9c/work\n"
            "71 30 0:4 net:[4026532601] /run/docker/netns/8c1f2e3d4a5b rw shared:420 - nsfs nsfs "
            "rw\n"
            "80 24 0:70 / /mnt/nas rw,relatime shared:450 - nfs4 nas.local:/export/media rw,"
            "vers=4.2,hard,proto=tcp,timeo=600,retrans=2,sec=sys,addr=192.168.1.10\n"
            "81 24 7:3 / /snap/core22/1380 ro,nodev,relatime shared:460 - squashfs /dev/loop3 ro\n"
            "82 30 0:4 mnt:[4026532790] /run/snapd/ns/firefox.mnt rw - nsfs nsfs rw\n"
            "90 24 8:17 / /media/ann/STICK rw,nosuid,nodev,relatime shared:500 - vfat /dev/sdb1 "
            "rw,uid=1000\n";
        const MountInfoList entries = MountInfo::parse(desktop);
        QCOMPARE(entries.size(), 18);
        QStringList points;
        for (const MountInfoEntry &e : MountInfo::volumeMounts(entries)) {
            points.append(e.mountPoint);
        }
        // "/" stays whatever its type.
        QCOMPARE(points, (QStringList{QStringLiteral("/"), QStringLiteral("/mnt/nas"),
                                      QStringLiteral("/snap/core22/1380"),
                                      QStringLiteral("/media/ann/STICK")}));

        // The share is a network volume whose capacity is never read on the caller's thread.
        const MountInfoEntry &nfs = entries[14];
        QCOMPARE(nfs.fsType, QStringLiteral("nfs4"));
        QVERIFY(VolumeResourceReader::mayHang(nfs.fsType));
        QVERIFY(VolumeResourceReader::mayHang(QStringLiteral("fuse.sshfs")));
        QVERIFY(VolumeResourceReader::mayHang(QStringLiteral("fuseblk")));
        QVERIFY(!VolumeResourceReader::mayHang(QStringLiteral("ext4")));
        QVERIFY(!VolumeResourceReader::mayHang(QStringLiteral("vfat")));
        const VolumeResources share =
            VolumeResourceReader(SysfsReader(QStringLiteral("/nonexistent")),
                                 QStringLiteral("/home/ann"))
                .read(nfs, nfs.source, false);
        QCOMPARE(share.isLocal, std::optional(false));
        QCOMPARE(share.isBrowsable, std::optional(true));
        QVERIFY(!share.totalCapacity);
    }

    void visibleAtTakesTheLastMountOnAPath()
    {
        const MountInfoList entries = MountInfo::parse(recorded);
        const MountInfoEntry *boot = MountInfo::visibleAt(entries, QStringLiteral("/boot"));
        QVERIFY(boot);
        QCOMPARE(boot->source, QStringLiteral("/dev/nvme0n1p1"));
        QVERIFY(!MountInfo::visibleAt(entries, QStringLiteral("/nowhere")));
    }

    void readsAFileAndAnswersNothingForAMissingOne()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("mountinfo")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(recorded);
        file.close();
        QCOMPARE(MountInfo::read(file.fileName()).size(), 16);
        QVERIFY(MountInfo::read(dir.filePath(QStringLiteral("missing"))).isEmpty());
    }

    void mapperSourcesResolveToTheirKernelName()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("dev/mapper")));
        QFile node(dir.filePath(QStringLiteral("dev/dm-3")));
        QVERIFY(node.open(QIODevice::WriteOnly));
        node.close();
        QVERIFY(QFile::link(QStringLiteral("../dm-3"),
                            dir.filePath(QStringLiteral("dev/mapper/vg-home"))));
        const QString resolved =
            resolvedMountSource(dir.filePath(QStringLiteral("dev/mapper/vg-home")));
        QCOMPARE(QFileInfo(resolved).fileName(), QStringLiteral("dm-3"));
        QCOMPARE(resolvedMountSource(QStringLiteral("server:/export")),
                 QStringLiteral("server:/export"));
        QCOMPARE(resolvedMountSource(QStringLiteral("/dev/does-not-exist-here")),
                 QStringLiteral("/dev/does-not-exist-here"));
    }
};

QTEST_GUILESS_MAIN(TestMountInfo)
#include "tst_mountinfo.moc"
