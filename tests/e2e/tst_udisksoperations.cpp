// The volume operations against real loop devices and a real udisks2 (tests/support).
#include "fileholder.h"
#include "operationfixture.h"

#include "mounttablewatcher.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "udisksoperations.h"

#include "discovery/volumestore.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"

#include <QCoro/QCoroTask>
#include <QTest>
#include <sys/mount.h>
#include <unistd.h>

namespace {

template <typename T> T await(QCoro::Task<T> task)
{
    return QCoro::waitFor(std::move(task));
}

} // namespace

class TestUDisksOperations : public QObject {
    Q_OBJECT

private:
    OperationFixture m_fixture;
    QString m_disks;
    std::unique_ptr<UDisksClient> m_client;
    std::shared_ptr<DeviceDescriptionProvider> m_provider;
    std::unique_ptr<VolumeStore> m_store;

    // Volumes from the real source over udisks2; usbDisks are presented as USB drives.
    void discover(const QStringList &usbDisks = {})
    {
        m_store.reset();
        m_provider.reset();
        m_client = std::make_unique<UDisksClient>(m_fixture.bus);
        auto real = std::make_shared<UDisksDescriptionProvider>(m_client.get());
        m_provider = real;
        if (!usbDisks.isEmpty()) {
            m_provider = std::make_shared<UsbPresentingProvider>(real, usbDisks);
        }
        m_store = std::make_unique<VolumeStore>(std::make_shared<UDisksDiskSource>(m_provider),
                                                VolumeStore::defaultEnabledKinds());
        QVERIFY(QTest::qWaitFor([this] { return m_client->hasAnswered(); }, 10000));
        QVERIFY(m_client->isAvailable());
        m_store->start();
    }

    // The volume of a device once udisks2 and the mount table agree on it.
    std::optional<Volume> volume(const QString &deviceName, bool mounted)
    {
        std::optional<Volume> found;
        (void)QTest::qWaitFor(
            [&] {
                m_store->reload();
                for (const Volume &v : m_store->allVolumes()) {
                    if (v.deviceName == deviceName && v.isMounted == mounted &&
                        !m_client->blockObject(deviceName).isEmpty()) {
                        found = v;
                        return true;
                    }
                }
                return false;
            },
            10000);
        return found;
    }

    QHash<QString, QString> threeMounted()
    {
        return m_fixture.makeDisks(m_disks, {QStringLiteral("--mount"), QStringLiteral("three")});
    }

    // udisks2 reports the block mounted at path.
    bool udisksSeesMounted(const QString &deviceName, const QString &path) const
    {
        QProcess info;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_fixture.busAddress);
        info.setProcessEnvironment(env);
        info.start(QStringLiteral("udisksctl"), {QStringLiteral("info"), QStringLiteral("-b"),
                                                 QStringLiteral("/dev/") + deviceName});
        info.waitForFinished(5000);
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        const qsizetype at = out.indexOf(QLatin1String("MountPoints:"));
        return at >= 0 && out.mid(at, out.indexOf(u'\n', at) - at).contains(path);
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

    void init() { m_disks = OperationFixture::newDiskFolder(); }

    // Runs after every test function, also after a failed one.
    void cleanup()
    {
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
        m_store.reset();
        m_provider.reset();
        m_client.reset();
        m_fixture.detachDisks(m_disks);
    }

    void ejectingAPartitionOfARemovableDriveUnmountsTheOthersInTableOrder()
    {
        const QString loop = threeMounted().value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString p1 = loop + QStringLiteral("p1");
        const QString p2 = loop + QStringLiteral("p2");
        const QString p3 = loop + QStringLiteral("p3");
        // Mounted again last, so that table order (p2, p3, p1) differs from partition order.
        const QString p1Path = OperationFixture::mountPointOf(p1);
        QCOMPARE(::umount(QFile::encodeName(p1Path).constData()), 0);
        QVERIFY(QProcess::execute(QStringLiteral("mount"),
                                  {QStringLiteral("/dev/") + p1, p1Path}) == 0);
        // udisks2 refuses to unmount what it has not yet seen mounted again.
        QVERIFY(QTest::qWaitFor([&] { return udisksSeesMounted(p1, p1Path); }, 10000));

        discover({loop});
        const auto middle = volume(p2, true);
        QVERIFY(middle);
        QCOMPARE(enumName(middle->kind), enumName(VolumeKind::external));
        QVERIFY(middle->isRemovable);
        QCOMPARE(middle->wholeDiskName, std::optional(loop));
        QCOMPARE(enumName(MediaPolicy::policy(*middle).ejectSemantics),
                 QStringLiteral("unmountKeepAttached"));

        // Every state the mount table passes through while the eject runs.
        QList<QStringList> states;
        MountTableWatcher watcher;
        connect(&watcher, &MountTableWatcher::changed, this, [&] {
            QStringList mine;
            for (const QString &name : OperationFixture::mountedDevices()) {
                if (name == p1 || name == p2 || name == p3) {
                    mine.append(name);
                }
            }
            states.append(mine);
        });

        UDisksOperations operations(m_client.get());
        const OperationResult result = await(operations.eject(*middle, false));
        QCOMPARE(result, (OperationResult{true, std::nullopt}));
        const QStringList mounted = OperationFixture::mountedDevices();
        QVERIFY(!mounted.contains(p1) && !mounted.contains(p2) && !mounted.contains(p3));
        QVERIFY2(OperationFixture::isAttached(loop), "the drive stays attached");

        QTest::qWait(200);
        for (const QStringList &state : std::as_const(states)) {
            // The volume itself goes first, then p3 before p1.
            if (!state.contains(p2)) {
                continue;
            }
            QVERIFY2(state.contains(p1) && state.contains(p3),
                     qPrintable(state.join(u' ') + QStringLiteral(": a sibling went first")));
        }
        for (const QStringList &state : std::as_const(states)) {
            QVERIFY2(!(state.contains(p3) && !state.contains(p1) && !state.contains(p2)),
                     qPrintable(QStringLiteral("p1 was unmounted before p3")));
        }
    }

    void ejectingADiskImageUnmountsEverythingAndDeletesTheLoopDevice()
    {
        const QString loop = threeMounted().value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        discover();
        const auto middle = volume(loop + QStringLiteral("p2"), true);
        QVERIFY(middle);
        QCOMPARE(enumName(middle->kind), enumName(VolumeKind::diskImage));
        QCOMPARE(enumName(MediaPolicy::policy(*middle).ejectSemantics),
                 QStringLiteral("detachImage"));

        UDisksOperations operations(m_client.get());
        const OperationResult result = await(operations.eject(*middle, false));
        QCOMPARE(result, (OperationResult{true, std::nullopt}));
        for (const QString &name : OperationFixture::mountedDevices()) {
            QVERIFY2(!name.startsWith(loop + u'p'), qPrintable(name + QStringLiteral(" mounted")));
        }
        QVERIFY2(!OperationFixture::isAttached(loop), "the loop device is deleted");
    }

    // As Eject All does: every partition of one disk at once, each eject also reaching for the
    // others. Whichever gets to a partition first unmounts it; none of them fails for that.
    void ejectsOfOneDiskAtOnceAllSucceed_data()
    {
        QTest::addColumn<bool>("asDrive");
        QTest::newRow("removable drive") << true;
        QTest::newRow("disk image") << false;
    }

    void ejectsOfOneDiskAtOnceAllSucceed()
    {
        QFETCH(bool, asDrive);
        const QString loop = threeMounted().value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        discover(asDrive ? QStringList{loop} : QStringList());
        VolumeList partitions;
        for (const QString &suffix :
             {QStringLiteral("p1"), QStringLiteral("p2"), QStringLiteral("p3")}) {
            const auto found = volume(loop + suffix, true);
            QVERIFY(found);
            partitions.append(*found);
        }

        UDisksOperations operations(m_client.get());
        std::vector<QCoro::Task<OperationResult>> running;
        for (const Volume &v : std::as_const(partitions)) {
            running.push_back(operations.eject(v, false));
        }
        for (auto &task : running) {
            QCOMPARE(await(std::move(task)), (OperationResult{true, std::nullopt}));
        }
        for (const QString &name : OperationFixture::mountedDevices()) {
            QVERIFY2(!name.startsWith(loop + u'p'), qPrintable(name + QStringLiteral(" mounted")));
        }
        QCOMPARE(OperationFixture::isAttached(loop), asDrive);
    }

    void aBusyVolumeNamesItsHolderAndGivesWayToForce()
    {
        const QString loop = threeMounted().value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString p2 = loop + QStringLiteral("p2");
        discover({loop});
        const auto middle = volume(p2, true);
        QVERIFY(middle);

        const QString file = middle->mountPath + QStringLiteral("/held.txt");
        QFile create(file);
        QVERIFY(create.open(QIODevice::WriteOnly));
        create.close();
        FileHolder holder(file);
        QVERIFY(holder.isReady());

        UDisksOperations operations(m_client.get());
        const OperationResult refused = await(operations.eject(*middle, false));
        QVERIFY(!refused.ok);
        QVERIFY2(refused.detail && refused.detail->contains(QLatin1String("target is busy")),
                 qPrintable(refused.detail.value_or(QString())));
        QVERIFY(OperationFixture::mountedDevices().contains(p2));

        const BlockerList blockers = await(operations.blockers(*middle));
        QVERIFY2(blockers.contains(Blocker{holder.pid(), QStringLiteral("sleep")}),
                 qPrintable(QString::number(blockers.size())));

        const OperationResult forced = await(operations.eject(*middle, true));
        QCOMPARE(forced, (OperationResult{true, std::nullopt}));
        QVERIFY(!OperationFixture::mountedDevices().contains(p2));
    }

    void aSiblingThatStaysMountedFailsTheEject()
    {
        const QString loop = threeMounted().value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString p1 = loop + QStringLiteral("p1");
        const QString p2 = loop + QStringLiteral("p2");
        discover({loop});
        const auto middle = volume(p2, true);
        QVERIFY(middle);
        const QString file = OperationFixture::mountPointOf(p1) + QStringLiteral("/held.txt");
        QFile create(file);
        QVERIFY(create.open(QIODevice::WriteOnly));
        create.close();
        FileHolder holder(file);
        QVERIFY(holder.isReady());

        UDisksOperations operations(m_client.get());
        const OperationResult result = await(operations.eject(*middle, false));
        QVERIFY(!result.ok);
        // Busy, and it says which volumes were unmounted and which one was not.
        QCOMPARE(result.error, OperationError::busy);
        QVERIFY2(result.detail &&
                     result.detail->startsWith(QStringLiteral("“QMEXT4”, “QMXFS” w")) &&
                     result.detail->contains(
                         QStringLiteral(" unmounted; “QMEXT2” on the same disk is busy (")) &&
                     result.detail->contains(QStringLiteral("/dev/") + p1) &&
                     result.detail->contains(QLatin1String("busy")),
                 qPrintable(result.detail.value_or(QString())));
        const QStringList mounted = OperationFixture::mountedDevices();
        QVERIFY(!mounted.contains(p2));
        QVERIFY(mounted.contains(p1));
    }

    void remountMountsAnAttachedPartitionWhereUDisksChooses()
    {
        const QString loop = threeMounted().value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString p2 = loop + QStringLiteral("p2");
        QCOMPARE(::umount(QFile::encodeName(OperationFixture::mountPointOf(p2)).constData()), 0);
        discover({loop});
        const auto unmounted = volume(p2, false);
        QVERIFY2(unmounted, "the unmounted partition is listed");
        QCOMPARE(unmounted->name, QStringLiteral("QMEXT4"));

        UDisksOperations operations(m_client.get());
        const OperationResult result = await(operations.remount(*unmounted));
        QCOMPARE(result, (OperationResult{true, std::nullopt}));
        const QString path = OperationFixture::mountPointOf(p2);
        QVERIFY2(path.startsWith(QLatin1String("/run/media/")) ||
                     path.startsWith(QLatin1String("/media/")),
                 qPrintable(path));
    }

    void renameChangesTheLabelOnDisk()
    {
        const QString loop = threeMounted().value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString p2 = loop + QStringLiteral("p2");
        discover();
        const auto ext4 = volume(p2, true);
        QVERIFY(ext4);

        UDisksOperations operations(m_client.get());
        const OperationResult result = await(operations.rename(*ext4, QStringLiteral("QMRENAMED")));
        QCOMPARE(result, (OperationResult{true, std::nullopt}));
        QCOMPARE(OperationFixture::label(p2), QStringLiteral("QMRENAMED"));
    }

    void eraseLeavesAnEmptyMountedFileSystemWithTheNewName()
    {
        const QString loop = threeMounted().value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString p2 = loop + QStringLiteral("p2");
        discover({loop});
        const auto target = volume(p2, true);
        QVERIFY(target);
        QFile old(target->mountPath + QStringLiteral("/old.txt"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("gone after the erase");
        old.close();

        UDisksOperations operations(m_client.get());
        const OperationResult result =
            await(operations.erase(*target, QStringLiteral("ext4"), QStringLiteral("QMERASED")));
        QCOMPARE(result, (OperationResult{true, std::nullopt}));
        QCOMPARE(OperationFixture::label(p2), QStringLiteral("QMERASED"));
        const QString path = OperationFixture::mountPointOf(p2);
        QVERIFY2(!path.isEmpty(), "mounted again");
        const QStringList entries =
            QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QCOMPARE(entries, QStringList{QStringLiteral("lost+found")});
    }

    void aFormatThatFailsLeavesThePartitionMountedAgain()
    {
        const QString loop = threeMounted().value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString p2 = loop + QStringLiteral("p2");
        discover({loop});
        const auto target = volume(p2, true);
        QVERIFY(target);
        QFile kept(target->mountPath + QStringLiteral("/kept.txt"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("still here after the failed erase");
        kept.close();
        const auto keptAt = [&p2] {
            QFile file(OperationFixture::mountPointOf(p2) + QStringLiteral("/kept.txt"));
            return file.open(QIODevice::ReadOnly) &&
                   file.readAll() == "still here after the failed erase";
        };

        // A file system this machine has no tool for (the tests install none for exFAT):
        // refused before anything is unmounted, since udisks2 would wipe the old one first.
        UDisksOperations operations(m_client.get());
        const QStringList makeable = await(operations.availableEraseFormats());
        QVERIFY(makeable.contains(QStringLiteral("ext4")));
        QString missing;
        for (const QString &format : UDisksOperations::eraseFormats()) {
            if (!makeable.contains(format)) {
                missing = format;
            }
        }
        if (!missing.isEmpty()) {
            const OperationResult refused =
                await(operations.erase(*target, missing, QStringLiteral("QMFAILED")));
            QVERIFY(!refused.ok);
            QVERIFY2(
                refused.detail &&
                    refused.detail->startsWith(
                        QStringLiteral("This computer can’t make %1 file systems").arg(missing)),
                qPrintable(refused.detail.value_or(QString())));
            QCOMPARE(OperationFixture::mountPointOf(p2), target->mountPath);
        }

        // A device that refuses writes: the format fails after the unmount.
        QProcess readOnly;
        readOnly.start(QStringLiteral("blockdev"),
                       {QStringLiteral("--setro"), QStringLiteral("/dev/") + p2});
        QVERIFY(readOnly.waitForFinished() && readOnly.exitCode() == 0);
        const OperationResult failed =
            await(operations.erase(*target, QStringLiteral("ext4"), QStringLiteral("QMFAILED")));
        QVERIFY(!failed.ok);
        QVERIFY2(failed.detail && !failed.detail->isEmpty() &&
                     !failed.detail->contains(QLatin1String("mounted again")),
                 qPrintable(failed.detail.value_or(QString())));
        QCOMPARE(OperationFixture::label(p2), QStringLiteral("QMEXT4"));
        QVERIFY2(!OperationFixture::mountPointOf(p2).isEmpty(), "the partition is mounted again");
        QVERIFY(keptAt());
    }

    void anOverrideCannotHaveALocalDiskImageUnmountedByItsPath()
    {
        const QString loop =
            m_fixture.makeDisks(m_disks, {QStringLiteral("--mount"), QStringLiteral("plain")})
                .value(QStringLiteral("plain"));
        QVERIFY(!loop.isEmpty());
        discover();
        const auto plain = volume(loop, true);
        QVERIFY(plain);
        QCOMPARE(plain->name, QStringLiteral("QMPLAIN"));

        const auto rules = MediaPolicyOverrides::decode(
            R"([{"match": {"volumeName": "QMPLAIN"}, "policy": {"ejectSemantics": "unmountByPath"}}])");
        QVERIFY(rules);
        MediaPolicy::installOverrides(*rules);
        UDisksOperations operations(m_client.get());
        const OperationResult result = await(operations.eject(*plain, false));
        QCOMPARE(result, (OperationResult{true, std::nullopt}));
        QVERIFY(MountInfo::visibleAt(MountInfo::read(), plain->mountPath) == nullptr);
        // Unmounting by path is for network shares and FUSE mounts only: the rule does not
        // change how a local disk image is ejected, so it is detached.
        QVERIFY(!OperationFixture::isAttached(loop));
    }
};

QTEST_GUILESS_MAIN(TestUDisksOperations)
#include "tst_udisksoperations.moc"
