#include "volumebuilder.h"

#include "format/volumeactiongate.h"
#include "operations/blocker.h"
#include "operations/confirmationmodel.h"
#include "operations/disklocks.h"
#include "operations/diskoperations.h"
#include "operations/ejecttruth.h"
#include "operations/erasecheck.h"
#include "operations/filesystemprobe.h"
#include "operations/guardeddiskoperations.h"
#include "operations/operationrecorder.h"
#include "operations/operationresult.h"
#include "operations/renametruth.h"
#include "operations/unplugnotices.h"
#include "operations/volumenamerules.h"
#include "operations/volumeoperation.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"
#include "policy/runningsystemguard.h"
#include "stores/historyentrycodec.h"

#include <QCoro/QCoroTask>
#include <QCoro/QCoroTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {

// Completes only after the event loop has turned, as real operations do.
class DeferredOperations : public DiskOperations {
public:
    QStringList calls;
    OperationResult renamed{true, std::nullopt};

    QCoro::Task<OperationResult> eject(Volume volume, bool force) override
    {
        calls << QStringLiteral("eject %1 %2").arg(volume.deviceName).arg(force);
        co_await later();
        co_return OperationResult{false, QStringLiteral("busy")};
    }
    QCoro::Task<OperationResult> remount(Volume volume) override
    {
        calls << QStringLiteral("remount %1").arg(volume.deviceName);
        co_await later();
        co_return OperationResult{true, std::nullopt};
    }
    QCoro::Task<OperationResult> rename(Volume volume, QString newName) override
    {
        calls << QStringLiteral("rename %1 %2").arg(volume.deviceName, newName);
        co_await later();
        // A copy: QCoro moves from a member that co_return names.
        co_return OperationResult(renamed);
    }
    QCoro::Task<OperationResult> erase(Volume volume, QString format, QString newName) override
    {
        calls << QStringLiteral("erase %1 %2 %3").arg(volume.deviceName, format, newName);
        co_await later();
        co_return OperationResult{true, std::nullopt};
    }
    QCoro::Task<BlockerList> blockers(Volume volume) override
    {
        calls << QStringLiteral("blockers %1").arg(volume.deviceName);
        co_await later();
        BlockerList list;
        list << Blocker{42, QStringLiteral("vim")};
        co_return list;
    }
    QCoro::Task<QStringList> availableEraseFormats() override
    {
        co_await later();
        co_return QStringList{QStringLiteral("ext4")};
    }

private:
    static QCoro::Task<> later()
    {
        QTimer timer;
        timer.setSingleShot(true);
        timer.start(0);
        co_await timer;
    }
};

class FakeLocks : public DiskLocks {
public:
    QString holder;
    QStringList asked;

    QCoro::Task<DiskLockAttempt> acquire(Volume volume, VolumeOperation operation) override
    {
        asked << QStringLiteral("%1 %2").arg(enumName(operation), volume.deviceName);
        DiskLockAttempt attempt;
        if (!holder.isEmpty()) {
            attempt.outcome = DiskLockAttempt::Outcome::held;
            attempt.holder = holder;
        }
        co_return attempt;
    }
};

class FakeProbe : public FileSystemProbe {
public:
    std::optional<ProbedFileSystem> found;
    int probes = 0;

    QCoro::Task<std::optional<ProbedFileSystem>> probe(QString) override
    {
        ++probes;
        co_return std::optional<ProbedFileSystem>(found);
    }
};

QString sameType(const QString &format)
{
    return format;
}

// A mounted USB stick's ext4 partition.
Volume stickVolume()
{
    Volume stick;
    stick.name = QStringLiteral("Stick");
    stick.deviceName = QStringLiteral("sdb1");
    stick.isMounted = true;
    stick.isRemovable = true;
    stick.mountPath = QStringLiteral("/media/u/Stick");
    stick.fileSystemType = QStringLiteral("ext4");
    return stick;
}

Volume bootVolume()
{
    Volume root;
    root.id = QStringLiteral("root");
    root.name = QStringLiteral("/");
    root.mountPath = QStringLiteral("/");
    root.deviceName = QStringLiteral("sda2");
    root.kind = VolumeKind::boot;
    root.isMounted = true;
    root.fileSystemType = QStringLiteral("ext4");
    root.traits.deviceModel = QStringLiteral("Boot SSD");
    root.traits.sharesBootDevice = true;
    return root;
}

} // namespace

class TestOperations : public QObject {
    Q_OBJECT
private slots:
    void unplugNoticeOnlyForSlowEjectsOfADrive()
    {
        using Step = UnplugNotices::Step;
        using Decision = UnplugNotices::Decision;
        const auto stickVolume = [](const QString &name, const QString &device) {
            return VolumeBuilder(name)
                .id(QStringLiteral("id-") + name)
                .device(device)
                .wholeDisk(QStringLiteral("sdb"))
                .external()
                .removable()
                .ejectable()
                .mountedAt(QStringLiteral("/media/ann/") + name)
                .build();
        };
        const Volume stick = stickVolume(QStringLiteral("STICK"), QStringLiteral("sdb1"));
        const Volume data = stickVolume(QStringLiteral("DATA"), QStringLiteral("sdb2"));

        // Not a drive to unplug: an internal volume, a disk image, a network share.
        Volume internal = stick;
        internal.isRemovable = false;
        Volume image = VolumeBuilder(stick).kind(VolumeKind::diskImage).build();
        image.traits.isDiskImage = true;
        const Volume share = VolumeBuilder(QStringLiteral("Share")).network().build();
        for (const Volume &volume : {internal, image, share}) {
            UnplugNotices notices;
            QVERIFY(!notices.began(volume));
            QCOMPARE(notices.stillRunning(volume), Decision{});
            QCOMPARE(notices.ended(volume, true), Decision{});
        }

        // A quick eject shows nothing.
        UnplugNotices quick;
        QVERIFY(quick.began(stick));
        QCOMPARE(quick.ended(stick, true), Decision{});
        QCOMPARE(quick.stillRunning(stick), Decision{});

        // A slow one: "writing", then "safe to unplug".
        UnplugNotices slow;
        QVERIFY(slow.began(stick));
        const Decision writing{Step::showWriting, QStringLiteral("sdb"), QStringLiteral("STICK")};
        QCOMPARE(slow.stillRunning(stick), writing);
        QCOMPARE(slow.stillRunning(stick), Decision{});
        QCOMPARE(slow.ended(stick, true),
                 (Decision{Step::showSafe, QStringLiteral("sdb"), QStringLiteral("STICK")}));

        // A slow one that fails (or is cancelled) takes its notice away.
        UnplugNotices failing;
        failing.began(stick);
        failing.stillRunning(stick);
        QCOMPARE(failing.ended(stick, false),
                 (Decision{Step::close, QStringLiteral("sdb"), QStringLiteral("STICK")}));

        // Eject All of two volumes of one drive: one notice, safe only when both are done, gone
        // when one of them failed.
        for (const bool secondEjected : {true, false}) {
            UnplugNotices all;
            all.began(stick);
            all.began(data);
            QCOMPARE(all.stillRunning(stick), writing);
            QCOMPARE(all.stillRunning(data), Decision{});
            QCOMPARE(all.ended(stick, true), Decision{});
            QCOMPARE(all.ended(data, secondEjected).step,
                     secondEjected ? Step::showSafe : Step::close);
            // The drive starts afresh with the next eject.
            all.began(data);
            QCOMPARE(all.stillRunning(data).name, QStringLiteral("DATA"));
        }
    }

    void volumeOperationsKeepTheirOrderAndRawValues()
    {
        QStringList raws;
        for (VolumeOperation operation : enumValues<VolumeOperation>())
            raws << enumName(operation);
        QCOMPARE(raws, QStringList({"eject", "forceEject", "remount", "rename", "erase",
                                    "autoEject", "autoRemount"}));
        for (VolumeOperation operation : enumValues<VolumeOperation>())
            QCOMPARE(enumFromName<VolumeOperation>(enumName(operation)), std::optional(operation));
    }

    void unknownOperationStringsHaveNoValue_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::newRow("wrong case") << QStringLiteral("forceeject");
        QTest::newRow("mount event") << QStringLiteral("mount");
        QTest::newRow("unmount event") << QStringLiteral("unmount");
        QTest::newRow("empty") << QString();
        QTest::newRow("padded") << QStringLiteral(" eject");
    }
    void unknownOperationStringsHaveNoValue()
    {
        QFETCH(QString, raw);
        QCOMPARE(enumFromName<VolumeOperation>(raw), std::optional<VolumeOperation>());
    }

    void operationEncodesAsOneJsonString()
    {
        const QJsonArray array{enumName(VolumeOperation::autoRemount)};
        QCOMPARE(QJsonDocument(array).toJson(QJsonDocument::Compact),
                 QByteArray(R"(["autoRemount"])"));
    }

    void operationsHashByCase()
    {
        QSet<VolumeOperation> seen;
        for (VolumeOperation operation : enumValues<VolumeOperation>())
            seen.insert(operation);
        seen.insert(VolumeOperation::eject);
        QCOMPARE(seen.size(), 7);
        QVERIFY(seen.contains(VolumeOperation::autoEject));
    }

    void confirmationModelsRawValuesAndTitles()
    {
        QStringList raws;
        QStringList titles;
        for (ConfirmationModel model : enumValues<ConfirmationModel>()) {
            raws << enumName(model);
            titles << confirmationModelTitle(model);
            QCOMPARE(enumFromName<ConfirmationModel>(enumName(model)), std::optional(model));
        }
        QCOMPARE(raws, QStringList({"alert", "typeName", "holdButton", "yolo"}));
        QCOMPARE(titles, QStringList({"Standard confirmation", "Type the volume name",
                                      "Hold to confirm", "No confirmation (YOLO)"}));
        QCOMPARE(enumFromName<ConfirmationModel>(QStringLiteral("YOLO")),
                 std::optional<ConfirmationModel>());
        QCOMPARE(enumFromName<ConfirmationModel>(QStringLiteral("Standard confirmation")),
                 std::optional<ConfirmationModel>());
    }

    void absentDetailDiffersFromEmptyDetail()
    {
        const OperationResult success{true, std::nullopt};
        QCOMPARE(success, (OperationResult{true, std::nullopt}));
        QVERIFY(success != (OperationResult{true, QString()}));
        QVERIFY((OperationResult{false, QStringLiteral("x")}) !=
                (OperationResult{false, QStringLiteral("y")}));
    }

    void blockersCompareBothFields()
    {
        const Blocker a{12, QStringLiteral("Preview")};
        QCOMPARE(a, (Blocker{12, QStringLiteral("Preview")}));
        QVERIFY(a != (Blocker{34, QStringLiteral("Preview")}));
        QVERIFY(a != (Blocker{12, QStringLiteral("preview")}));
    }

    void namesFitTheFileSystem_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem"); // a part of the message; empty: accepted

        const QString ext4 = QStringLiteral("ext4");
        QTest::newRow("ext4 16 bytes") << ext4 << QStringLiteral("ABCDEFGHIJKLMNOP") << QString();
        QTest::newRow("ext4 300 bytes")
            << ext4 << QString(300, u'x')
            << QStringLiteral("at most 16 bytes long; this one has 300");
        // 15 bytes and a two-byte letter: cut at 16 it would end inside the letter.
        QTest::newRow("ext4 mid-character")
            << ext4 << QStringLiteral("ABCDEFGHIJKLMNOé") << QStringLiteral("this one has 17");
        QTest::newRow("ext4 eight é") << ext4 << QString(8, u'é') << QString();
        QTest::newRow("ext2 upper case type")
            << QStringLiteral("EXT2") << QString(17, u'a') << QStringLiteral("ext2 volumes");
        QTest::newRow("xfs 12") << QStringLiteral("xfs") << QStringLiteral("ABCDEFGHIJKL")
                                << QString();
        QTest::newRow("xfs 13") << QStringLiteral("xfs") << QStringLiteral("ABCDEFGHIJKLM")
                                << QStringLiteral("12 bytes");
        QTest::newRow("xfs space") << QStringLiteral("xfs") << QStringLiteral("My Disk")
                                   << QStringLiteral("can’t contain spaces");
        QTest::newRow("fat 11") << QStringLiteral("vfat") << QStringLiteral("BACKUP 2026")
                                << QString();
        QTest::newRow("fat 12") << QStringLiteral("vfat") << QStringLiteral("BACKUP 20261")
                                << QStringLiteral("11 bytes");
        QTest::newRow("fat star") << QStringLiteral("MS-DOS FAT32") << QStringLiteral("A*B")
                                  << QStringLiteral("“*”");
        QTest::newRow("fat accent")
            << QStringLiteral("vfat") << QStringLiteral("Café") << QStringLiteral("not “é”");
        QTest::newRow("exfat 11 é") << QStringLiteral("exfat") << QString(11, u'é') << QString();
        QTest::newRow("exfat 12") << QStringLiteral("ExFAT") << QString(12, u'a')
                                  << QStringLiteral("11 characters");
        QTest::newRow("exfat colon")
            << QStringLiteral("exfat") << QStringLiteral("a:b") << QStringLiteral("“:”");
        QTest::newRow("ntfs 128") << QStringLiteral("ntfs") << QString(128, u'ä') << QString();
        QTest::newRow("ntfs3 129")
            << QStringLiteral("ntfs3") << QString(129, u'a') << QStringLiteral("128 characters");
        QTest::newRow("btrfs 255") << QStringLiteral("btrfs") << QString(255, u'b') << QString();
        QTest::newRow("btrfs 256")
            << QStringLiteral("btrfs") << QString(256, u'b') << QStringLiteral("255 bytes");
        QTest::newRow("unknown type any length")
            << QStringLiteral("f2fs") << QString(400, u'z') << QString();
        QTest::newRow("line break anywhere") << QStringLiteral("f2fs") << QStringLiteral("a\nb")
                                             << QStringLiteral("control characters");
        QTest::newRow("escape on ext4")
            << ext4 << QStringLiteral("\x1b[31m") << QStringLiteral("control characters");
        QTest::newRow("C1 control")
            << QString() << QStringLiteral("a\u009bb") << QStringLiteral("control characters");
    }

    void namesFitTheFileSystem()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(QString, problem);
        const std::optional<QString> found = VolumeNameRules::problem(type, name);
        if (problem.isEmpty()) {
            QVERIFY2(!found, qPrintable(found.value_or(QString())));
        } else {
            QVERIFY(found);
            QVERIFY2(found->contains(problem), qPrintable(*found));
        }
    }

    // A failed eject says what it did: nothing, the volume but not its sibling, or every
    // volume but not the rest of the eject.
    void aFailedEjectTellsWhatItUnmounted()
    {
        using EjectTruth::Mount;
        const Mount a{QStringLiteral("loop0p1"), QStringLiteral("A")};
        const Mount b{QStringLiteral("loop0p2"), QStringLiteral("B")};
        const QString busy = QStringLiteral("target is busy");
        const auto detail = [&](EjectTruth::Mounts after, OperationError error) {
            return EjectTruth::detail(a.deviceName, QStringLiteral("A"), {a, b}, after, error,
                                      busy);
        };
        QCOMPARE(detail({a, b}, OperationError::busy), busy);
        QCOMPARE(detail({b}, OperationError::busy),
                 QStringLiteral("“A” was unmounted; “B” on the same disk is busy (target is "
                                "busy)."));
        QCOMPARE(detail({b}, OperationError::failed),
                 QStringLiteral("“A” was unmounted, but “B” on the same disk couldn’t be: target "
                                "is busy"));
        // (The English catalogue makes "was" "were" for two.)
        const QString both = detail({}, OperationError::diskServiceGone);
        QVERIFY2(both.startsWith(QStringLiteral("“A”, “B” w")), qPrintable(both));
        QVERIFY2(both.endsWith(QStringLiteral("but the eject didn’t finish: target is busy")),
                 qPrintable(both));
        QCOMPARE(detail({a}, OperationError::busy),
                 QStringLiteral("“B” was unmounted, but “A” couldn’t be: target is busy"));
    }

    // A failed rename is told by the label read back from the device: udisks2 may have
    // relabelled it and failed to say so, or left a third name.
    void aFailedRenameIsToldByTheLabelOnTheDevice()
    {
        const OperationResult refused{false, QStringLiteral("Error setting label: timed out"),
                                      OperationError::failed};
        const auto verdict = [&](const char *type, const std::optional<QString> &label) {
            std::optional<ProbedFileSystem> found;
            if (label)
                found = ProbedFileSystem{QString::fromLatin1(type), *label};
            return RenameTruth::verdict(refused, QString::fromLatin1(type), QStringLiteral("Old"),
                                        QStringLiteral("New"), found);
        };
        const OperationResult done{true, std::nullopt};
        QCOMPARE(verdict("ext4", QStringLiteral("New")), done);
        QCOMPARE(verdict("vfat", QStringLiteral("NEW")), done);
        QCOMPARE(verdict("ext4", QStringLiteral("Old")), refused);
        QCOMPARE(verdict("vfat", QStringLiteral("OLD")), refused);
        // Unreadable, or no label: an unlabelled volume is listed by a stand-in name.
        QCOMPARE(verdict("ext4", std::nullopt), refused);
        QCOMPARE(verdict("ext4", QString()), refused);
        // ext4 keeps case, so "NEW" is a third name.
        QCOMPARE(verdict("ext4", QStringLiteral("NEW")),
                 (OperationResult{false,
                                  QStringLiteral("The volume is now named “NEW”, not “New”: Error "
                                                 "setting label: timed out"),
                                  OperationError::failed}));
        // The failure keeps its kind.
        const OperationResult gone{false, std::nullopt, OperationError::diskServiceGone};
        const OperationResult half = RenameTruth::verdict(
            gone, QStringLiteral("ext4"), QStringLiteral("Old"), QStringLiteral("New"),
            ProbedFileSystem{QStringLiteral("ext4"), QStringLiteral("Ne")});
        QCOMPARE(half.error, OperationError::diskServiceGone);
        QVERIFY2(half.detail->startsWith(QStringLiteral("The volume is now named “Ne”, not “New”: "
                                                        "udisks2")),
                 qPrintable(*half.detail));
    }

    // The guard reads the device back after a failed rename, but not after authorization was
    // refused: udisks2 did nothing then, and reading through it could prompt again.
    void aGuardedRenameReadsTheLabelBackAfterAFailure()
    {
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
        Volume stick = stickVolume();
        DeferredOperations inner;
        FakeLocks locks;
        FakeProbe probe;
        probe.found = ProbedFileSystem{QStringLiteral("ext4"), QStringLiteral("Backup")};
        GuardedDiskOperations guarded(inner, locks, &probe, sameType);

        inner.renamed = {false, QStringLiteral("Error setting label"), OperationError::failed};
        QCOMPARE(QCoro::waitFor(guarded.rename(stick, QStringLiteral("Backup"))),
                 (OperationResult{true, std::nullopt}));
        QCOMPARE(probe.probes, 1);

        inner.renamed = {false, OperationErrors::text(OperationError::cancelled, {}),
                         OperationError::cancelled};
        QCOMPARE(QCoro::waitFor(guarded.rename(stick, QStringLiteral("Backup"))), inner.renamed);
        QCOMPARE(probe.probes, 1);
    }

    // A dismissed password prompt is recorded as cancelled, and the line reads back so; a line
    // without a state, as older files hold, reads back without one.
    void aCancelledOperationIsRecordedAsCancelled()
    {
        Volume volume;
        volume.name = QStringLiteral("A");
        volume.deviceName = QStringLiteral("sdb1");
        const QDateTime date(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
        const OperationResult cancelled{false,
                                        OperationErrors::text(OperationError::cancelled, QString()),
                                        OperationError::cancelled};
        const HistoryEntry line =
            OperationRecorder::entry(VolumeOperation::eject, volume, cancelled, date);
        QCOMPARE(line.state, std::optional(QStringLiteral("cancelled")));
        const QByteArray encoded = HistoryEntryCodec::encode(line);
        QVERIFY2(encoded.contains("\"state\":\"cancelled\""), encoded.constData());
        QCOMPARE(HistoryEntryCodec::decode(encoded), std::optional(line));

        const OperationResult refused{false, QStringLiteral("no"), OperationError::notAuthorized};
        const HistoryEntry failed =
            OperationRecorder::entry(VolumeOperation::eject, volume, refused, date);
        QCOMPARE(failed.state, std::nullopt);
        QVERIFY(!HistoryEntryCodec::encode(failed).contains("state"));
    }

    void operationsAreAwaitedThroughTheInterface()
    {
        DeferredOperations fake;
        DiskOperations &operations = fake;
        Volume volume;
        volume.deviceName = QStringLiteral("sdb1");

        QCOMPARE(QCoro::waitFor(operations.eject(volume, true)),
                 (OperationResult{false, QStringLiteral("busy")}));
        QVERIFY(QCoro::waitFor(operations.remount(volume)).ok);
        QVERIFY(QCoro::waitFor(operations.rename(volume, QStringLiteral("Backup"))).ok);
        QVERIFY(
            QCoro::waitFor(operations.erase(volume, QStringLiteral("ext4"), QStringLiteral("Work")))
                .ok);
        QCOMPARE(QCoro::waitFor(operations.blockers(volume)),
                 BlockerList({Blocker{42, QStringLiteral("vim")}}));
        QCOMPARE(fake.calls, QStringList({"eject sdb1 1", "remount sdb1", "rename sdb1 Backup",
                                          "erase sdb1 ext4 Work", "blockers sdb1"}));
    }

    void theRunningSystemIsRefusedBeforeAnyCallWhateverTheOverridesSay()
    {
        // A rule that would have the boot volume unmounted by its folder and made erasable.
        const auto rules = MediaPolicyOverrides::decode(R"([
            {"match": {"volumeName": "/"}, "policy": {"ejectSemantics": "unmountByPath",
             "canErase": true, "canRename": true, "bulkEjectCandidate": true}},
            {"match": {"deviceModel": "Boot SSD"}, "policy": {"ejectSemantics": "detachImage"}},
            {"match": {"volumeName": "usr"}, "policy": {"ejectSemantics": "unmountByPath"}}
        ])");
        QVERIFY(rules);
        MediaPolicy::installOverrides(*rules);
        const Volume root = bootVolume();
        const MediaPolicy builtIn = MediaPolicy::policy(root.traits);
        QVERIFY(MediaPolicy::policy(root) == builtIn);

        Volume usr = root;
        usr.name = QStringLiteral("usr");
        usr.kind = VolumeKind::internalExtra;
        usr.mountPath = QStringLiteral("/usr");
        usr.traits.sharesBootDevice = false;
        QVERIFY(RunningSystemGuard::isRunningSystem(usr));
        QVERIFY(MediaPolicy::policy(usr).ejectSemantics !=
                MediaPolicy::EjectSemantics::unmountByPath);

        DeferredOperations inner;
        FakeLocks locks;
        FakeProbe probe;
        GuardedDiskOperations guarded(inner, locks, &probe, sameType);
        for (const Volume &volume : {root, usr}) {
            QVERIFY(!QCoro::waitFor(guarded.eject(volume, false)).ok);
            QVERIFY(!QCoro::waitFor(guarded.eject(volume, true)).ok);
            QVERIFY(!QCoro::waitFor(guarded.rename(volume, QStringLiteral("X"))).ok);
            const OperationResult erased =
                QCoro::waitFor(guarded.erase(volume, QStringLiteral("ext4"), QStringLiteral("X")));
            QVERIFY(!erased.ok);
            QVERIFY(erased.detail && !erased.detail->isEmpty());
        }
        QVERIFY2(inner.calls.isEmpty(), qPrintable(inner.calls.join(u',')));
        QVERIFY(locks.asked.isEmpty());
        QCOMPARE(probe.probes, 0);

        // Rules may still take capabilities away there.
        MediaPolicy::installOverrides(*MediaPolicyOverrides::decode(
            R"([{"match": {"volumeName": "/"}, "policy": {"canRename": false}}])"));
        QVERIFY(!MediaPolicy::policy(root).canRename);
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);

        QVERIFY(RunningSystemGuard::mayUnmountByPath(QStringLiteral("nfs4")));
        QVERIFY(RunningSystemGuard::mayUnmountByPath(QStringLiteral("fuse.sshfs")));
        QVERIFY(!RunningSystemGuard::mayUnmountByPath(QStringLiteral("fuse.gvfsd-fuse")));
        QVERIFY(!RunningSystemGuard::mayUnmountByPath(QStringLiteral("fuse.")));
        QVERIFY(!RunningSystemGuard::mayUnmountByPath(QStringLiteral("ext4")));
        QVERIFY(!RunningSystemGuard::mayUnmountByPath(QStringLiteral("davfs")));
    }

    void renameIsOfferedOnlyWhereTheFileSystemRelabelsMounted()
    {
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
        Volume stick = stickVolume();
        QVERIFY(VolumeActionGate::isOffered(stick, VolumeOperation::rename));
        stick.fileSystemType = QStringLiteral("xfs");
        QVERIFY(!VolumeActionGate::isOffered(stick, VolumeOperation::rename));
        QVERIFY(VolumeActionGate::refusal(stick, VolumeOperation::rename)
                    ->contains(QLatin1String("only while it is unmounted")));
    }

    void aHeldDiskAndAnUnconfirmedEraseAreNotReportedDone()
    {
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
        Volume stick = stickVolume();
        stick.fileSystemType.clear();
        DeferredOperations inner;
        FakeLocks locks;
        FakeProbe probe;
        GuardedDiskOperations guarded(inner, locks, &probe, sameType);

        locks.holder = QStringLiteral("erase");
        const OperationResult held = QCoro::waitFor(guarded.eject(stick, false));
        QVERIFY(!held.ok);
        QVERIFY(held.held);
        QVERIFY(inner.calls.isEmpty());

        locks.holder.clear();
        probe.found = ProbedFileSystem{QStringLiteral("ext4"), QStringLiteral("Work")};
        QVERIFY(QCoro::waitFor(guarded.erase(stick, QStringLiteral("ext4"), QStringLiteral("Work")))
                    .ok);
        QCOMPARE(locks.asked.last(), QStringLiteral("erase sdb1"));
        probe.found = ProbedFileSystem{};
        const OperationResult blank =
            QCoro::waitFor(guarded.erase(stick, QStringLiteral("ext4"), QStringLiteral("Work")));
        QVERIFY(!blank.ok);
        QVERIFY(!blank.held);

        const OperationResult done{true, std::nullopt};
        const ProbedFileSystem other{QStringLiteral("ext4"), QStringLiteral("B")};
        const OperationResult wrong =
            EraseCheck::verdict(done, QStringLiteral("ext4"), QStringLiteral("A"), other);
        QVERIFY(!wrong.ok);
        QVERIFY(wrong.detail->contains(QStringLiteral("“B”")));
        QVERIFY(
            !EraseCheck::verdict(done, QStringLiteral("ext4"), QStringLiteral("A"), std::nullopt)
                 .ok);
        QVERIFY(
            EraseCheck::verdict(done, QStringLiteral("vfat"), QStringLiteral("Data"),
                                ProbedFileSystem{QStringLiteral("vfat"), QStringLiteral("DATA")})
                .ok);
    }
};

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
