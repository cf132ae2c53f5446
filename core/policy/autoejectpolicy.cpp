#include "policy/autoejectpolicy.h"

#include "policy/mediapolicy.h"

namespace {

VolumeList bulkEjectCandidates(const VolumeList &volumes, const QList<ExcludedVolume> &exclusions)
{
    VolumeList candidates;
    for (const Volume &volume : volumes) {
        if (volume.isMounted && volume.isRemovable &&
            MediaPolicy::policy(volume).bulkEjectCandidate &&
            !ExcludedVolume::covers(volume, exclusions))
            candidates.append(volume);
    }
    return candidates;
}

} // namespace

VolumeList AutoEjectPolicy::volumesToEject(const VolumeList &volumes, AutoEjectTrigger trigger,
                                           const AutoEjectPreferences &prefs,
                                           const IdleSeconds &idleSeconds)
{
    switch (trigger) {
    case AutoEjectTrigger::sleep:
        return prefs.ejectOnSleep ? bulkEjectCandidates(volumes, prefs.exclusions) : VolumeList();
    case AutoEjectTrigger::lock:
        return prefs.ejectOnLock ? bulkEjectCandidates(volumes, prefs.exclusions) : VolumeList();
    case AutoEjectTrigger::idleCheck:
        break;
    }

    if (prefs.idleMinutes <= 0 || !idleSeconds)
        return {};
    const double threshold = prefs.idleMinutes * 60.0;
    VolumeList idle;
    for (const Volume &volume : bulkEjectCandidates(volumes, prefs.exclusions)) {
        if (!volume.wholeDiskName)
            continue;
        const std::optional<double> seconds = idleSeconds(*volume.wholeDiskName);
        if (seconds && threshold <= *seconds)
            idle.append(volume);
    }
    return idle;
}

VolumeList AutoEjectPolicy::volumesForEjectAll(const VolumeList &volumes,
                                               const QList<ExcludedVolume> &exclusions)
{
    return bulkEjectCandidates(volumes, exclusions);
}

std::optional<Volume> AutoEjectPolicy::remountMatch(const RemountRecord &record,
                                                    const VolumeList &volumes)
{
    if (record.volumeUUID) {
        for (const Volume &volume : volumes) {
            if (volume.volumeUUID == record.volumeUUID)
                return volume;
        }
    }
    for (const Volume &volume : volumes) {
        if (volume.name == record.name)
            return volume;
    }
    // "No device" must not match every other volume without one.
    if (record.deviceName.isEmpty())
        return std::nullopt;
    for (const Volume &volume : volumes) {
        if (volume.deviceName == record.deviceName)
            return volume;
    }
    return std::nullopt;
}
