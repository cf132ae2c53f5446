// Times the pure work of one surface redraw over 1,000 volumes: sorting, policy look-ups,
// menu models and row labels. Prints the median and the fastest of N timed runs.

#include "format/volumemenumodel.h"
#include "format/volumerowformatter.h"
#include "model/volumesorter.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int volumeCount = 1000;
constexpr int warmUpRuns = 5;
constexpr int timedRuns = 51;

// Keeps the optimiser from dropping the measured work.
volatile qsizetype sink = 0;

VolumeList generateVolumes()
{
    QRandomGenerator random(20261208); // fixed seed: the same list on every run
    const QStringList words{"Backup", "photos", "Archive", "ÉTÉ",  "data",        "Scratch",
                            "Über",   "media",  "Work",    "zeta", "Time Machine"};
    VolumeList volumes;
    volumes.reserve(volumeCount);
    for (int i = 0; i < volumeCount; ++i) {
        Volume v;
        v.name = words.at(random.bounded(words.size())) + QLatin1Char(' ') +
                 QString::number(random.bounded(10000));
        v.deviceName = QStringLiteral("sd%1%2").arg(QChar(u'a' + i % 26)).arg(i / 26 + 1);
        v.id = v.deviceName;
        v.isMounted = random.bounded(10) != 0;
        v.mountPath = v.isMounted ? QStringLiteral("/run/media/u/") + v.name : QString();
        v.isRemovable = random.bounded(4) != 0;
        v.isEjectable = v.isRemovable;
        v.capacityBytes = qint64(random.bounded(1, 4000)) * 1000000000;
        if (v.isMounted)
            v.freeBytes = *v.capacityBytes / qint64(random.bounded(1, 10));
        v.wholeDiskName = QStringLiteral("sd%1").arg(QChar(u'a' + i % 26));
        v.volumeUUID = QStringLiteral("%1-0000-4000-8000-%2")
                           .arg(i, 8, 16, QLatin1Char('0'))
                           .arg(i, 12, 16, QLatin1Char('0'))
                           .toUpper();
        switch (random.bounded(8)) {
        case 0:
            v.kind = VolumeKind::diskImage;
            v.traits.isDiskImage = true;
            v.traits.deviceModel = QStringLiteral("Disk Image");
            break;
        case 1:
            v.kind = VolumeKind::network;
            v.deviceName.clear();
            v.traits.isNetwork = true;
            break;
        case 2:
            v.kind = VolumeKind::internalExtra;
            v.traits.deviceModel = QStringLiteral("Samsung SSD 980");
            break;
        case 3:
            v.traits.isOptical = true;
            v.traits.deviceModel = QStringLiteral("DVD-RW");
            break;
        default:
            v.traits.deviceModel = QStringLiteral("SanDisk Ultra %1").arg(random.bounded(5));
            break;
        }
        volumes.append(v);
    }
    return volumes;
}

// Twenty rules in each layer, a few of which match the generated volumes.
MediaPolicyOverrides generateRules(const char *flag)
{
    MediaPolicyOverrides layer;
    for (int i = 0; i < 20; ++i) {
        MediaPolicyOverride rule;
        if (i % 2 == 0)
            rule.match.deviceModel = QStringLiteral("SanDisk Ultra %1").arg(i / 2);
        else
            rule.match.volumeName = QStringLiteral("Backup %1").arg(i * 97);
        if (qstrcmp(flag, "rename") == 0)
            rule.policy.canRename = false;
        else
            rule.policy.bulkEjectCandidate = false;
        layer.entries.append(rule);
    }
    return layer;
}

void measure(const char *label, const std::function<void()> &work)
{
    for (int i = 0; i < warmUpRuns; ++i)
        work();
    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(timedRuns);
    QElapsedTimer timer;
    for (int i = 0; i < timedRuns; ++i) {
        timer.start();
        work();
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const double median = nanoseconds[nanoseconds.size() / 2] / 1000.0;
    const double fastest = nanoseconds.front() / 1000.0;
    std::printf("%-44s median %9.1f us  min %9.1f us  (%6.0f ns/volume)\n", label, median, fastest,
                median * 1000.0 / volumeCount);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const VolumeList volumes = generateVolumes();
    std::printf("%d volumes, %d warm-up runs, median of %d runs\n", volumeCount, warmUpRuns,
                timedRuns);

    const std::pair<const char *, SortMode> modes[] = {
        {"VolumeSorter::sorted (name)", SortMode::name},
        {"VolumeSorter::sorted (kind)", SortMode::kind},
        {"VolumeSorter::sorted (size)", SortMode::size},
        {"VolumeSorter::sorted (free)", SortMode::free}};
    for (const auto &[label, mode] : modes)
        measure(label,
                [&volumes, mode = mode] { sink = VolumeSorter::sorted(volumes, mode).size(); });

    const auto allPolicies = [&volumes] {
        qsizetype bulk = 0;
        for (const Volume &v : volumes)
            bulk += MediaPolicy::policy(v).bulkEjectCandidate;
        sink = bulk;
    };
    const auto allMenus = [&volumes] {
        qsizetype items = 0;
        for (const Volume &v : volumes)
            items += VolumeMenuModel::make(v, false).items.size();
        sink = items;
    };
    measure("MediaPolicy::policy(volume), no overrides", allPolicies);
    measure("VolumeMenuModel::make, no overrides", allMenus);

    MediaPolicy::installPulledDefinitions(generateRules("bulk"));
    MediaPolicy::installOverrides(generateRules("rename"));
    measure("MediaPolicy::policy(volume), 2 x 20 rules", allPolicies);
    measure("VolumeMenuModel::make, 2 x 20 rules", allMenus);

    measure("VolumeRowFormatter::menuLabel", [&volumes] {
        qsizetype length = 0;
        for (const Volume &v : volumes)
            length += VolumeRowFormatter::menuLabel(v).size();
        sink = length;
    });
    return 0;
}
