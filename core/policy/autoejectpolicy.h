#pragma once

#include "model/volume.h"
#include "policy/excludedvolume.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

enum class AutoEjectTrigger { sleep, lock, idleCheck };

// The auto-eject settings as one pass sees them; built fresh for every pass.
struct AutoEjectPreferences {
    bool ejectOnSleep = false;
    bool ejectOnLock = false;
    // Zero or less turns idle ejection off.
    int idleMinutes = 0;
    QList<ExcludedVolume> exclusions;

    bool operator==(const AutoEjectPreferences &) const = default;
};

// What is kept of an auto-ejected volume to find it again after wake or unlock.
struct RemountRecord {
    std::optional<QString> volumeUUID;
    QString name;
    QString deviceName;

    bool operator==(const RemountRecord &) const = default;
};

namespace AutoEjectPolicy {

// Seconds without activity of a whole disk, or nothing when unknown.
using IdleSeconds = std::function<std::optional<double>(const QString &wholeDiskName)>;

// Keeps the input order. idleSeconds is only consulted for AutoEjectTrigger::idleCheck.
VolumeList volumesToEject(const VolumeList &volumes, AutoEjectTrigger trigger,
                          const AutoEjectPreferences &prefs, const IdleSeconds &idleSeconds);
VolumeList volumesForEjectAll(const VolumeList &volumes, const QList<ExcludedVolume> &exclusions);
// UUID first, then name, then device name; each pass over the whole list.
std::optional<Volume> remountMatch(const RemountRecord &record, const VolumeList &volumes);

} // namespace AutoEjectPolicy
