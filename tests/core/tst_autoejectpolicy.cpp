#include "policy/autoejectpolicy.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"
#include "volumebuilder.h"

#include <QTest>

namespace {

Volume usbVolume(const QString &name, const QString &disk, std::optional<QString> uuid = {})
{
    return VolumeBuilder(name)
        .id(disk + QStringLiteral("1"))
        .mountedAt(QStringLiteral("/media/u/") + name)
        .device(disk + QStringLiteral("1"))
        .removable()
        .wholeDisk(disk)
        .uuid(uuid)
        .build();
}

Volume networkShare(const QString &name)
{
    return VolumeBuilder(name)
        .id(QStringLiteral("/mnt/") + name)
        .mountedAt(QStringLiteral("/mnt/") + name)
        .network()
        .removable()
        .build();
}

QStringList names(const VolumeList &volumes)
{
    QStringList result;
    for (const Volume &v : volumes)
        result.append(v.name);
    return result;
}

AutoEjectPreferences prefs(bool onSleep, bool onLock, int idleMinutes,
                           QList<ExcludedVolume> exclusions = {})
{
    return AutoEjectPreferences{onSleep, onLock, idleMinutes, exclusions};
}

const AutoEjectPolicy::IdleSeconds noIdleQueries = [](const QString &) -> std::optional<double> {
    qFatal("idle time queried outside the idle check");
    return std::nullopt;
};

} // namespace

class TestAutoEjectPolicy : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
        MediaPolicy::installPulledDefinitions(MediaPolicyOverrides::empty);
    }

    void emptyListGivesNothing()
    {
        const auto idle = [](const QString &) { return std::optional(1e9); };
        for (AutoEjectTrigger trigger :
             {AutoEjectTrigger::sleep, AutoEjectTrigger::lock, AutoEjectTrigger::idleCheck})
            QVERIFY(
                AutoEjectPolicy::volumesToEject({}, trigger, prefs(true, true, 1), idle).isEmpty());
        QVERIFY(AutoEjectPolicy::volumesForEjectAll({}, {}).isEmpty());
    }

    void triggersAreGatedByTheirOwnSetting()
    {
        const VolumeList volumes{usbVolume(QStringLiteral("Stick"), QStringLiteral("sdb"))};
        QCOMPARE(names(AutoEjectPolicy::volumesToEject(volumes, AutoEjectTrigger::sleep,
                                                       prefs(true, false, 0), noIdleQueries)),
                 QStringList{QStringLiteral("Stick")});
        QVERIFY(AutoEjectPolicy::volumesToEject(volumes, AutoEjectTrigger::sleep,
                                                prefs(false, true, 5), noIdleQueries)
                    .isEmpty());
        QCOMPARE(names(AutoEjectPolicy::volumesToEject(volumes, AutoEjectTrigger::lock,
                                                       prefs(false, true, 0), noIdleQueries)),
                 QStringList{QStringLiteral("Stick")});
        QVERIFY(AutoEjectPolicy::volumesToEject(volumes, AutoEjectTrigger::lock,
                                                prefs(true, false, 5), noIdleQueries)
                    .isEmpty());
    }

    void candidatesAreMountedRemovableBulkAndNotExcluded()
    {
        Volume fixed = usbVolume(QStringLiteral("Fixed"), QStringLiteral("sdc"));
        fixed.isRemovable = false;
        Volume unmounted = usbVolume(QStringLiteral("Unmounted"), QStringLiteral("sdd"));
        unmounted.isMounted = false;
        Volume onBootDisk = usbVolume(QStringLiteral("OnBoot"), QStringLiteral("sde"));
        onBootDisk.traits.sharesBootDevice = true;
        const VolumeList volumes{
            usbVolume(QStringLiteral("B"), QStringLiteral("sdf")),
            fixed,
            unmounted,
            networkShare(QStringLiteral("Share")),
            onBootDisk,
            usbVolume(QStringLiteral("Named"), QStringLiteral("sdg"), QStringLiteral("U-1")),
            usbVolume(QStringLiteral("A"), QStringLiteral("sdh")),
        };
        QCOMPARE(names(AutoEjectPolicy::volumesForEjectAll(volumes, {})),
                 (QStringList{QStringLiteral("B"), QStringLiteral("Named"), QStringLiteral("A")}));

        // A name-only entry covers by name; a different UUID does not stop a name match.
        const QList<ExcludedVolume> exclusions{
            ExcludedVolume{QStringLiteral("U-other"), QStringLiteral("Named")},
            ExcludedVolume{std::nullopt, QStringLiteral("B")}};
        QCOMPARE(names(AutoEjectPolicy::volumesForEjectAll(volumes, exclusions)),
                 QStringList{QStringLiteral("A")});
        QCOMPARE(names(AutoEjectPolicy::volumesToEject(volumes, AutoEjectTrigger::sleep,
                                                       prefs(true, false, 0, exclusions),
                                                       noIdleQueries)),
                 QStringList{QStringLiteral("A")});
    }

    void overridesDecideBulkCandidacy()
    {
        const VolumeList volumes{networkShare(QStringLiteral("Share")),
                                 usbVolume(QStringLiteral("Stick"), QStringLiteral("sdb"))};
        QString error;
        const auto layer = MediaPolicyOverrides::decode(
            R"([{"match": {"volumeName": "Share"}, "policy": {"bulkEjectCandidate": true}},
                {"match": {"volumeName": "Stick"}, "policy": {"bulkEjectCandidate": false}}])",
            &error);
        QVERIFY2(layer, qPrintable(error));
        MediaPolicy::installOverrides(*layer);
        QCOMPARE(names(AutoEjectPolicy::volumesForEjectAll(volumes, {})),
                 QStringList{QStringLiteral("Share")});
    }

    void idleCheckUsesTheWholeDiskIdleTime()
    {
        Volume noDisk = usbVolume(QStringLiteral("NoDisk"), QStringLiteral("sdz"));
        noDisk.wholeDiskName.reset();
        const VolumeList volumes{
            usbVolume(QStringLiteral("Exact"), QStringLiteral("sdb")),
            usbVolume(QStringLiteral("Short"), QStringLiteral("sdc")),
            usbVolume(QStringLiteral("Unknown"), QStringLiteral("sdd")),
            noDisk,
            usbVolume(QStringLiteral("Long"), QStringLiteral("sde")),
        };
        QStringList asked;
        const AutoEjectPolicy::IdleSeconds idle = [&asked](const QString &disk) {
            asked.append(disk);
            if (disk == QLatin1String("sdb"))
                return std::optional(600.0);
            if (disk == QLatin1String("sdc"))
                return std::optional(599.9);
            if (disk == QLatin1String("sde"))
                return std::optional(86400.0);
            return std::optional<double>();
        };
        QCOMPARE(names(AutoEjectPolicy::volumesToEject(volumes, AutoEjectTrigger::idleCheck,
                                                       prefs(false, false, 10), idle)),
                 (QStringList{QStringLiteral("Exact"), QStringLiteral("Long")}));
        QVERIFY(!asked.contains(QStringLiteral("sdz")));

        QVERIFY(AutoEjectPolicy::volumesToEject(volumes, AutoEjectTrigger::idleCheck,
                                                prefs(true, true, 0), idle)
                    .isEmpty());
        QVERIFY(AutoEjectPolicy::volumesToEject(volumes, AutoEjectTrigger::idleCheck,
                                                prefs(true, true, -5), idle)
                    .isEmpty());
    }

    void remountMatchPrefersUuidThenNameThenDevice()
    {
        const Volume namedA = usbVolume(QStringLiteral("A"), QStringLiteral("sdb"));
        const Volume uuidU =
            usbVolume(QStringLiteral("B"), QStringLiteral("sdc"), QStringLiteral("U"));
        QCOMPARE(
            AutoEjectPolicy::remountMatch(
                RemountRecord{QStringLiteral("U"), QStringLiteral("A"), QStringLiteral("sdx1")},
                {namedA, uuidU}),
            std::optional(uuidU));

        Volume secondA = usbVolume(QStringLiteral("A"), QStringLiteral("sdd"));
        QCOMPARE(AutoEjectPolicy::remountMatch(
                     RemountRecord{std::nullopt, QStringLiteral("A"), QStringLiteral("sdd1")},
                     {namedA, secondA}),
                 std::optional(namedA));

        // Name beats device name even when another volume has the recorded device.
        const Volume deviceOnly = usbVolume(QStringLiteral("C"), QStringLiteral("sde"));
        QCOMPARE(
            AutoEjectPolicy::remountMatch(
                RemountRecord{QStringLiteral("gone"), QStringLiteral("A"), QStringLiteral("sde1")},
                {deviceOnly, namedA}),
            std::optional(namedA));
        QCOMPARE(
            AutoEjectPolicy::remountMatch(
                RemountRecord{QStringLiteral("gone"), QStringLiteral("Z"), QStringLiteral("sde1")},
                {namedA, deviceOnly}),
            std::optional(deviceOnly));
        QCOMPARE(AutoEjectPolicy::remountMatch(
                     RemountRecord{std::nullopt, QStringLiteral("Z"), QStringLiteral("sdq1")},
                     {namedA, deviceOnly}),
                 std::optional<Volume>());
    }

    void remountMatchNeverPairsTwoVolumesWithoutDevice()
    {
        const VolumeList volumes{networkShare(QStringLiteral("Other share"))};
        QCOMPARE(AutoEjectPolicy::remountMatch(
                     RemountRecord{std::nullopt, QStringLiteral("Share"), QString()}, volumes),
                 std::optional<Volume>());
    }
};

QTEST_GUILESS_MAIN(TestAutoEjectPolicy)
#include "tst_autoejectpolicy.moc"
