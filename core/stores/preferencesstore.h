#pragma once

#include "model/viewoptions.h"
#include "model/volumekind.h"
#include "operations/confirmationmodel.h"
#include "policy/excludedvolume.h"
#include "stores/defaultskeys.h"

#include <QString>
#include <optional>

class UserDefaults;

// The typed settings of the program. Keeps no copy: every read goes to the defaults and every
// write straight to them. Getters never fail; a missing or mistyped value gives the default.
class PreferencesStore {
public:
    static constexpr const char *enabledKindsKey = DefaultsKeys::enabledKinds;
    static constexpr const char *menuBarKey = DefaultsKeys::menuBarEnabled;
    static constexpr const char *dockKey = DefaultsKeys::dockEnabled;
    static constexpr const char *sortKey = DefaultsKeys::sortMode;
    static constexpr const char *viewKey = DefaultsKeys::popoverViewMode;
    static constexpr const char *dockDisplayKey = DefaultsKeys::dockDisplayMode;

    explicit PreferencesStore(UserDefaults &defaults);

    UserDefaults &defaults() const { return m_defaults; }

    // Unknown names are skipped; an empty stored list stays empty.
    VolumeKindSet enabledKinds() const;
    void setEnabledKinds(const VolumeKindSet &kinds);

    bool menuBarEnabled() const;
    void setMenuBarEnabled(bool enabled);
    bool dockEnabled() const;
    void setDockEnabled(bool enabled);

    SortMode sortMode() const;
    void setSortMode(SortMode mode);
    PopoverViewMode popoverViewMode() const;
    void setPopoverViewMode(PopoverViewMode mode);
    DockDisplayMode dockDisplayMode() const;
    void setDockDisplayMode(DockDisplayMode mode);
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
    static void migrateFromKestrinDefaults(UserDefaults &standard);

private:
    bool readBool(const char *key, bool fallback) const;

    UserDefaults &m_defaults;
};
