#include "stores/preferencesstore.h"

#include "discovery/volumestore.h"
#include "stores/settingsstore.h"

#include <limits>

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

template <NamedEnum Enum>
Enum readEnum(const SettingsStore &defaults, const char *name, Enum fallback)
{
    const auto raw = defaults.string(key(name));
    if (!raw)
        return fallback;
    return enumFromName<Enum>(*raw).value_or(fallback);
}

} // namespace

PreferencesStore::PreferencesStore(SettingsStore &defaults) : m_settings(defaults) {}

bool PreferencesStore::readBool(const char *name, bool fallback) const
{
    return m_settings.boolValue(key(name)).value_or(fallback);
}

VolumeKindSet PreferencesStore::enabledKinds() const
{
    const auto names = m_settings.stringList(key(enabledKindsKey));
    if (!names)
        return VolumeStore::defaultEnabledKinds();
    VolumeKindSet kinds;
    for (const QString &name : *names) {
        if (const auto kind = enumFromName<VolumeKind>(name))
            kinds.insert(*kind);
    }
    return kinds;
}

void PreferencesStore::setEnabledKinds(const VolumeKindSet &kinds)
{
    QStringList names;
    for (const VolumeKind kind : enumValues<VolumeKind>()) {
        if (kinds.contains(kind))
            names.append(enumName(kind));
    }
    m_settings.setStringList(key(enabledKindsKey), names);
}

bool PreferencesStore::menuBarEnabled() const
{
    return readBool(menuBarKey, true);
}

void PreferencesStore::setMenuBarEnabled(bool enabled)
{
    m_settings.setBool(key(menuBarKey), enabled);
}

bool PreferencesStore::popoverEnabled() const
{
    return readBool(popoverKey, true);
}

void PreferencesStore::setPopoverEnabled(bool enabled)
{
    m_settings.setBool(key(popoverKey), enabled);
}

SortMode PreferencesStore::sortMode() const
{
    return readEnum(m_settings, sortKey, SortMode::name);
}

void PreferencesStore::setSortMode(SortMode mode)
{
    m_settings.setString(key(sortKey), enumName(mode));
}

PopoverViewMode PreferencesStore::popoverViewMode() const
{
    return readEnum(m_settings, viewKey, PopoverViewMode::grid);
}

void PreferencesStore::setPopoverViewMode(PopoverViewMode mode)
{
    m_settings.setString(key(viewKey), enumName(mode));
}

WindowIconMode PreferencesStore::windowIconMode() const
{
    return readEnum(m_settings, windowIconKey, WindowIconMode::icon);
}

void PreferencesStore::setWindowIconMode(WindowIconMode mode)
{
    m_settings.setString(key(windowIconKey), enumName(mode));
}

ConfirmationModel PreferencesStore::confirmationModel() const
{
    return readEnum(m_settings, SettingsKeys::confirmationModel, ConfirmationModel::alert);
}

void PreferencesStore::setConfirmationModel(ConfirmationModel model)
{
    m_settings.setString(key(SettingsKeys::confirmationModel), enumName(model));
}

bool PreferencesStore::autoEjectOnSleep() const
{
    return readBool(SettingsKeys::autoEjectOnSleep, false);
}

void PreferencesStore::setAutoEjectOnSleep(bool enabled)
{
    m_settings.setBool(key(SettingsKeys::autoEjectOnSleep), enabled);
}

bool PreferencesStore::autoEjectOnLock() const
{
    return readBool(SettingsKeys::autoEjectOnLock, false);
}

void PreferencesStore::setAutoEjectOnLock(bool enabled)
{
    m_settings.setBool(key(SettingsKeys::autoEjectOnLock), enabled);
}

int PreferencesStore::autoEjectIdleMinutes() const
{
    const auto minutes = m_settings.integer(key(SettingsKeys::autoEjectIdleMinutes));
    if (!minutes || *minutes < std::numeric_limits<int>::min() ||
        *minutes > std::numeric_limits<int>::max())
        return 0;
    return int(*minutes);
}

void PreferencesStore::setAutoEjectIdleMinutes(int minutes)
{
    m_settings.setInteger(key(SettingsKeys::autoEjectIdleMinutes), minutes);
}

bool PreferencesStore::remountOnWake() const
{
    return readBool(SettingsKeys::remountOnWake, true);
}

void PreferencesStore::setRemountOnWake(bool enabled)
{
    m_settings.setBool(key(SettingsKeys::remountOnWake), enabled);
}

ExcludedVolumeList PreferencesStore::excludedVolumes() const
{
    const auto data = m_settings.data(key(SettingsKeys::excludedVolumes));
    if (!data)
        return {};
    return ExcludedVolume::decodeList(*data).value_or(ExcludedVolumeList{});
}

void PreferencesStore::setExcludedVolumes(const ExcludedVolumeList &volumes)
{
    m_settings.setData(key(SettingsKeys::excludedVolumes), ExcludedVolume::encodeList(volumes));
}

std::optional<QString> PreferencesStore::languageOverride() const
{
    return m_settings.string(key(SettingsKeys::languageOverride));
}

void PreferencesStore::setLanguageOverride(const std::optional<QString> &code)
{
    if (code) {
        m_settings.setString(key(SettingsKeys::languageOverride), *code);
        m_settings.setStringList(key(SettingsKeys::appleLanguages), QStringList{*code});
    } else {
        m_settings.remove(key(SettingsKeys::languageOverride));
        m_settings.remove(key(SettingsKeys::appleLanguages));
    }
}

bool PreferencesStore::launchAtLogin() const
{
    return readBool(SettingsKeys::launchAtLogin, false);
}

void PreferencesStore::setLaunchAtLogin(bool enabled)
{
    m_settings.setBool(key(SettingsKeys::launchAtLogin), enabled);
}

void PreferencesStore::migrateFromKestrinDefaults(SettingsStore &standard)
{
    const QString doneKey = key(SettingsKeys::migratedFromKestrinDefaults);
    if (standard.boolValue(doneKey).value_or(false))
        return;
    if (const auto legacy = standard.suite(key(SettingsKeys::kestrinDomain))) {
        static const char *const copied[] = {
            SettingsKeys::enabledKinds,      SettingsKeys::menuBarEnabled,
            SettingsKeys::popoverEnabled,       SettingsKeys::sortMode,
            SettingsKeys::popoverViewMode,   SettingsKeys::windowIconMode,
            SettingsKeys::confirmationModel, SettingsKeys::autoEjectOnSleep,
            SettingsKeys::autoEjectOnLock,   SettingsKeys::autoEjectIdleMinutes,
            SettingsKeys::remountOnWake,     SettingsKeys::launchAtLogin};
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
