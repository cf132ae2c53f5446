#include "discovery/changedebounce.h"
#include "discovery/mounteventdiffer.h"
#include "discovery/volumestore.h"
#include "volumebuilder.h"

#include <QTest>

namespace {

class FakeDiskSource : public DiskSource {
public:
    VolumeList volumes;
    int reads = 0;
    ChangeHandler handler;

    VolumeList currentVolumes() override
    {
        ++reads;
        return volumes;
    }
    void setChangeHandler(ChangeHandler h) override { handler = std::move(h); }
    void announce()
    {
        if (handler)
            handler();
    }
};

Volume volume(const QString &id, VolumeKind kind = VolumeKind::external, bool mounted = true)
{
    VolumeBuilder v(QStringLiteral("Name of ") + id);
    v.id(id).device(QStringLiteral("bsd-") + id).kind(kind);
    if (mounted)
        v.mountedAt(QStringLiteral("/media/u/") + id);
    else
        v.unmounted();
    return v.build();
}

QStringList ids(const VolumeList &volumes)
{
    QStringList result;
    for (const Volume &v : volumes)
        result.append(v.id);
    return result;
}

// "unmount:a" per entry, so a whole diff compares in one line.
QStringList events(const HistoryEntryList &entries)
{
    QStringList result;
    for (const HistoryEntry &e : entries)
        result.append(e.operation + u':' + e.deviceName.mid(4));
    return result;
}

const QDateTime when = QDateTime::fromString(QStringLiteral("2026-03-01T10:00:00Z"), Qt::ISODate);

} // namespace

class TestVolumeStore : public QObject {
    Q_OBJECT
private slots:
    void debounceWaitsForQuietButNotForever()
    {
        using ChangeDebounce::delayAfterEvent;
        QCOMPARE(delayAfterEvent(0, 0), 300);
        QCOMPARE(delayAfterEvent(0, 200), 300);
        QCOMPARE(delayAfterEvent(0, 800), 200);
        QCOMPARE(delayAfterEvent(0, 1000), 0);
        QCOMPARE(delayAfterEvent(0, 5000), 0);

        // Events every 0.2 s for 30 s, never a quiet 0.3 s: a timer restarted at each event with
        // the delay above still fires about once a second.
        const auto notifications = [](qint64 gapMs, qint64 spanMs) {
            int fired = 0;
            // -1: nothing pending.
            qint64 first = -1;
            qint64 due = -1;
            for (qint64 now = 0; now <= spanMs + 2000; ++now) {
                if (due >= 0 && now >= due) {
                    ++fired;
                    first = -1;
                    due = -1;
                }
                if (now <= spanMs && now % gapMs == 0) {
                    if (first < 0)
                        first = now;
                    due = now + delayAfterEvent(first, now);
                }
            }
            return fired;
        };
        QVERIFY(notifications(200, 30000) >= 25);
        // Events further apart than the quiet time each get their own notification.
        QCOMPARE(notifications(400, 4000), 11);
    }

    void defaultKindsHideSystemVolumes()
    {
        QCOMPARE(VolumeStore::defaultEnabledKinds(),
                 (VolumeKindSet{VolumeKind::external, VolumeKind::diskImage, VolumeKind::network,
                                VolumeKind::internalExtra}));
    }

    void startReadsAtOnceAndRegistersWithoutCallingBack()
    {
        auto source = std::make_shared<FakeDiskSource>();
        source->volumes = {volume("a"), volume("root", VolumeKind::boot), volume("b")};
        VolumeStore store(source, VolumeStore::defaultEnabledKinds());
        int changes = 0;
        store.onChange = [&] { ++changes; };

        QVERIFY(store.visibleVolumes().isEmpty());
        QVERIFY(store.allVolumes().isEmpty());
        QCOMPARE(source->reads, 0);
        QVERIFY(!source->handler);

        store.start();
        QVERIFY(bool(source->handler));
        QCOMPARE(source->reads, 1);
        QCOMPARE(changes, 1);
        QCOMPARE(ids(store.allVolumes()), (QStringList{"a", "root", "b"}));
        QCOMPARE(ids(store.visibleVolumes()), (QStringList{"a", "b"}));
    }

    void everyNotificationReloadsEvenWhenNothingChanged()
    {
        auto source = std::make_shared<FakeDiskSource>();
        source->volumes = {volume("a")};
        VolumeStore store(source, VolumeStore::defaultEnabledKinds());
        int changes = 0;
        store.onChange = [&] { ++changes; };
        store.start();

        source->announce();
        source->announce();
        QCOMPARE(source->reads, 3);
        QCOMPARE(changes, 3);

        source->volumes = {};
        source->announce();
        QVERIFY(store.allVolumes().isEmpty());
        QCOMPARE(changes, 4);
    }

    void assigningKindsNotifiesWithoutReading()
    {
        auto source = std::make_shared<FakeDiskSource>();
        source->volumes = {volume("img", VolumeKind::diskImage), volume("a")};
        VolumeStore store(source, VolumeStore::defaultEnabledKinds());
        store.start();
        int changes = 0;
        store.onChange = [&] { ++changes; };

        store.setEnabledKinds({});
        QCOMPARE(changes, 1);
        QVERIFY(store.visibleVolumes().isEmpty());
        QCOMPARE(store.allVolumes().size(), 2);

        store.setEnabledKinds({VolumeKind::diskImage});
        store.setEnabledKinds({VolumeKind::diskImage}); // equal set still notifies
        QCOMPARE(changes, 3);
        QCOMPARE(ids(store.visibleVolumes()), QStringList{"img"});
        QCOMPARE(source->reads, 1);
    }

    void worksWithoutOnChange()
    {
        auto source = std::make_shared<FakeDiskSource>();
        source->volumes = {volume("a")};
        VolumeStore store(source, {VolumeKind::external});
        store.start();
        source->announce();
        store.setEnabledKinds({});
        QCOMPARE(store.allVolumes().size(), 1);
    }

    void releasedStoreIgnoresLaterNotifications()
    {
        auto source = std::make_shared<FakeDiskSource>();
        int changes = 0;
        {
            VolumeStore store(source, VolumeStore::defaultEnabledKinds());
            store.onChange = [&] { ++changes; };
            store.start();
        }
        source->announce();
        QCOMPARE(source->reads, 1);
        QCOMPARE(changes, 1);
    }

    void diffOfEqualOrEmptyLists()
    {
        const VolumeList list{volume("a"), volume("p", VolumeKind::external, false), volume("b")};
        QVERIFY(MountEventDiffer::diff(list, list, when).isEmpty());
        QVERIFY(MountEventDiffer::diff({}, {}, when).isEmpty());
        QCOMPARE(events(MountEventDiffer::diff({}, list, when)),
                 (QStringList{"mount:a", "mount:b"}));
        QCOMPARE(events(MountEventDiffer::diff(list, {}, when)),
                 (QStringList{"unmount:a", "unmount:b"}));
    }

    void diffEntriesCarryTheVolumeAndDate()
    {
        const HistoryEntryList entries = MountEventDiffer::diff({}, {volume("a")}, when);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first(), (HistoryEntry{when, "Name of a", "bsd-a", "mount", true,
                                                std::nullopt, std::nullopt}));
    }

    void diffFollowsMountedStateById()
    {
        Volume renamed = volume("a");
        renamed.name = QStringLiteral("Renamed");
        renamed.freeBytes = 5;
        const VolumeList old{volume("a"), volume("b"), volume("c", VolumeKind::external, false),
                             volume("gone", VolumeKind::external, false)};
        const VolumeList now{volume("x"), volume("b", VolumeKind::external, false), renamed,
                             volume("c"), volume("new", VolumeKind::external, false)};
        // Unmounts first, in old order; then mounts, in new order. A change of name or space,
        // or an unmounted partition appearing or leaving, produces nothing.
        QCOMPARE(events(MountEventDiffer::diff(old, now, when)),
                 (QStringList{"unmount:b", "mount:x", "mount:c"}));
    }

    void diffSeesOnlyTheFirstOfDuplicateIds()
    {
        const VolumeList old{volume("a", VolumeKind::external, false), volume("a")};
        const VolumeList now{volume("a")};
        // old's map says "a" is unmounted, so "a" in now is a mount; old's second "a" is
        // still visited and finds "a" mounted in now, so no unmount.
        QCOMPARE(events(MountEventDiffer::diff(old, now, when)), QStringList{"mount:a"});
        // Reversed roles: now's map has "a" unmounted.
        QCOMPARE(events(MountEventDiffer::diff(now, old, when)), QStringList{"unmount:a"});
    }
};

QTEST_GUILESS_MAIN(TestVolumeStore)
#include "tst_volumestore.moc"
