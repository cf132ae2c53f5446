#pragma once

#include "model/viewoptions.h"
#include "model/volumekind.h"
#include "operations/confirmationmodel.h"
#include "policy/excludedvolume.h"
#include "stores/settingskeys.h"

#include <QString>
#include <optional>

class SettingsStore;

// The typed settings of the program. Keeps no copy: every read goes to the defaults and every
// write straight to them. Getters never fail; a missing or mistyped value gives the default.
class PreferencesStore {
public:
    static constexpr const char *enabledKindsKey = SettingsKeys::enabledKinds;
    static constexpr const char *menuBarKey = SettingsKeys::menuBarEnabled;
    static constexpr const char *popoverKey = SettingsKeys::popoverEnabled;
    static constexpr const char *sortKey = SettingsKeys::sortMode;
    static constexpr const char *viewKey = SettingsKeys::popoverViewMode;
    static constexpr const char *windowIconKey = SettingsKeys::windowIconMode;

    explicit PreferencesStore(SettingsStore &defaults);

    SettingsStore &defaults() const { return m_settings; }

    // Unknown names are skipped; an empty stored list stays empty.
    VolumeKindSet enabledKinds() const;
    void setEnabledKinds(const VolumeKindSet &kinds);

    bool menuBarEnabled() const;
    void setMenuBarEnabled(bool enabled);
    bool popoverEnabled() const;
    void setPopoverEnabled(bool enabled);

    SortMode sortMode() const;
    void setSortMode(SortMode mode);
    PopoverViewMode popoverViewMode() const;
    void setPopoverViewMode(PopoverViewMode mode);
    WindowIconMode windowIconMode() const;
    void setWindowIconMode(WindowIconMode mode);
    ConfirmationModel confirmationModel() const;
    void setConfirmationModel(ConfirmationModel model);

    bool autoEjectOnSleep() const;
    void setAutoEjectOnSleep(bool enabled);
    bool autoEjectOnLock() const;
    void setAutoEjectOnLock(bool enabled);
    // 0 means idle ejection is off. Not clamped here.
    int autoEjectIdleMinutes() const;
    void setAutoEjectIdleMinutes(int minutes);
    bool remountOnWake() const;
    void setRemountOnWake(bool enabled);

    ExcludedVolumeList excludedVolumes() const;
    void setExcludedVolumes(const ExcludedVolumeList &volumes);

    // A language code; absent follows the system. Setting it also sets (or removes) the
    // interface language list of the next launch.
    std::optional<QString> languageOverride() const;
    void setLanguageOverride(const std::optional<QString> &code);

    bool launchAtLogin() const;
    void setLaunchAtLogin(bool enabled);

    // Copies the predecessor's settings once, never over a value already set. Runs before
    // anything else reads settings.
    static void migrateFromKestrinDefaults(SettingsStore &standard);

private:
    bool readBool(const char *key, bool fallback) const;

    SettingsStore &m_settings;
};
