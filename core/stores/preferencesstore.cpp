#include "stores/preferencesstore.h"

#include "discovery/volumestore.h"
#include "stores/userdefaults.h"

#include <limits>

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

template <typename Enum>
Enum readEnum(const UserDefaults &defaults, const char *name,
              std::optional<Enum> (*fromString)(const QString &), Enum fallback)
{
    const auto raw = defaults.string(key(name));
    if (!raw)
        return fallback;
    return fromString(*raw).value_or(fallback);
}

} // namespace

PreferencesStore::PreferencesStore(UserDefaults &defaults) : m_defaults(defaults) {}

bool PreferencesStore::readBool(const char *name, bool fallback) const
{
    return m_defaults.boolValue(key(name)).value_or(fallback);
}

VolumeKindSet PreferencesStore::enabledKinds() const
{
    const auto names = m_defaults.stringList(key(enabledKindsKey));
    if (!names)
        return VolumeStore::defaultEnabledKinds();
    VolumeKindSet kinds;
    for (const QString &name : *names) {
        if (const auto kind = volumeKindFromString(name))
            kinds.insert(*kind);
    }
    return kinds;
}

void PreferencesStore::setEnabledKinds(const VolumeKindSet &kinds)
{
    QStringList names;
    for (const VolumeKind kind : allVolumeKinds()) {
        if (kinds.contains(kind))
            names.append(toString(kind));
    }
    m_defaults.setStringList(key(enabledKindsKey), names);
}

bool PreferencesStore::menuBarEnabled() const
{
    return readBool(menuBarKey, true);
}

void PreferencesStore::setMenuBarEnabled(bool enabled)
{
    m_defaults.setBool(key(menuBarKey), enabled);
}

bool PreferencesStore::dockEnabled() const
{
    return readBool(dockKey, true);
}

void PreferencesStore::setDockEnabled(bool enabled)
{
    m_defaults.setBool(key(dockKey), enabled);
}

SortMode PreferencesStore::sortMode() const
{
    return readEnum(m_defaults, sortKey, &sortModeFromString, SortMode::name);
}

void PreferencesStore::setSortMode(SortMode mode)
{
    m_defaults.setString(key(sortKey), toString(mode));
}

PopoverViewMode PreferencesStore::popoverViewMode() const
{
    return readEnum(m_defaults, viewKey, &popoverViewModeFromString, PopoverViewMode::grid);
}

void PreferencesStore::setPopoverViewMode(PopoverViewMode mode)
{
    m_defaults.setString(key(viewKey), toString(mode));
}

DockDisplayMode PreferencesStore::dockDisplayMode() const
{
    return readEnum(m_defaults, dockDisplayKey, &dockDisplayModeFromString, DockDisplayMode::icon);
}

void PreferencesStore::setDockDisplayMode(DockDisplayMode mode)
{
    m_defaults.setString(key(dockDisplayKey), toString(mode));
}

ConfirmationModel PreferencesStore::confirmationModel() const
{
    return readEnum(m_defaults, DefaultsKeys::confirmationModel, &confirmationModelFromString,
                    ConfirmationModel::alert);
}

void PreferencesStore::setConfirmationModel(ConfirmationModel model)
{
    m_defaults.setString(key(DefaultsKeys::confirmationModel), toString(model));
}

bool PreferencesStore::autoEjectOnSleep() const
{
    return readBool(DefaultsKeys::autoEjectOnSleep, false);
}

void PreferencesStore::setAutoEjectOnSleep(bool enabled)
{
    m_defaults.setBool(key(DefaultsKeys::autoEjectOnSleep), enabled);
}

bool PreferencesStore::autoEjectOnLock() const
{
    return readBool(DefaultsKeys::autoEjectOnLock, false);
}

void PreferencesStore::setAutoEjectOnLock(bool enabled)
{
    m_defaults.setBool(key(DefaultsKeys::autoEjectOnLock), enabled);
}

int PreferencesStore::autoEjectIdleMinutes() const
{
    const auto minutes = m_defaults.integer(key(DefaultsKeys::autoEjectIdleMinutes));
    if (!minutes || *minutes < std::numeric_limits<int>::min() ||
        *minutes > std::numeric_limits<int>::max())
        return 0;
    return int(*minutes);
}

void PreferencesStore::setAutoEjectIdleMinutes(int minutes)
{
    m_defaults.setInteger(key(DefaultsKeys::autoEjectIdleMinutes), minutes);
}

bool PreferencesStore::remountOnWake() const
{
    return readBool(DefaultsKeys::remountOnWake, true);
}

void PreferencesStore::setRemountOnWake(bool enabled)
{
    m_defaults.setBool(key(DefaultsKeys::remountOnWake), enabled);
}

ExcludedVolumeList PreferencesStore::excludedVolumes() const
{
    const auto data = m_defaults.data(key(DefaultsKeys::excludedVolumes));
    if (!data)
        return {};
    return ExcludedVolume::decodeList(*data).value_or(ExcludedVolumeList{});
}

void PreferencesStore::setExcludedVolumes(const ExcludedVolumeList &volumes)
{
    m_defaults.setData(key(DefaultsKeys::excludedVolumes), ExcludedVolume::encodeList(volumes));
}

std::optional<QString> PreferencesStore::languageOverride() const
{
    return m_defaults.string(key(DefaultsKeys::languageOverride));
}

void PreferencesStore::setLanguageOverride(const std::optional<QString> &code)
{
    if (code) {
        m_defaults.setString(key(DefaultsKeys::languageOverride), *code);
        m_defaults.setStringList(key(DefaultsKeys::appleLanguages), QStringList{*code});
    } else {
        m_defaults.remove(key(DefaultsKeys::languageOverride));
        m_defaults.remove(key(DefaultsKeys::appleLanguages));
    }
}

bool PreferencesStore::launchAtLogin() const
{
    return readBool(DefaultsKeys::launchAtLogin, false);
}

void PreferencesStore::setLaunchAtLogin(bool enabled)
{
    m_defaults.setBool(key(DefaultsKeys::launchAtLogin), enabled);
}

void PreferencesStore::migrateFromKestrinDefaults(UserDefaults &standard)
{
    const QString doneKey = key(DefaultsKeys::migratedFromKestrinDefaults);
    if (standard.boolValue(doneKey).value_or(false))
        return;
    if (const auto legacy = standard.suite(key(DefaultsKeys::kestrinDomain))) {
        static const char *const copied[] = {
            DefaultsKeys::enabledKinds,      DefaultsKeys::menuBarEnabled,
            DefaultsKeys::dockEnabled,       DefaultsKeys::sortMode,
            DefaultsKeys::popoverViewMode,   DefaultsKeys::dockDisplayMode,
            DefaultsKeys::confirmationModel, DefaultsKeys::autoEjectOnSleep,
            DefaultsKeys::autoEjectOnLock,   DefaultsKeys::autoEjectIdleMinutes,
            DefaultsKeys::remountOnWake,     DefaultsKeys::launchAtLogin};
        for (const char *name : copied) {
            if (standard.contains(key(name)))
                continue;
            const QVariant value = legacy->object(key(name));
            if (value.isValid())
                standard.setObject(key(name), value);
        }
    }
    standard.setBool(doneKey, true);
}
