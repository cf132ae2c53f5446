#pragma once

// Every user-defaults key of the program. Values read and written through PreferencesStore
// have their keys there too; these are the ones other parts use directly.
namespace SettingsKeys {

inline constexpr char enabledKinds[] = "enabledKinds";
inline constexpr char menuBarEnabled[] = "menuBarEnabled";
inline constexpr char popoverEnabled[] = "dockEnabled";
inline constexpr char sortMode[] = "sortMode";
inline constexpr char popoverViewMode[] = "popoverViewMode";
inline constexpr char windowIconMode[] = "dockDisplayMode";
inline constexpr char confirmationModel[] = "confirmationModel";
inline constexpr char autoEjectOnSleep[] = "autoEjectOnSleep";
inline constexpr char autoEjectOnLock[] = "autoEjectOnLock";
inline constexpr char autoEjectIdleMinutes[] = "autoEjectIdleMinutes";
inline constexpr char remountOnWake[] = "remountOnWake";
inline constexpr char excludedVolumes[] = "excludedVolumes";
inline constexpr char languageOverride[] = "QMLanguageOverride";
inline constexpr char launchAtLogin[] = "launchAtLogin";

// Boolean: the one-time copy of the predecessor's settings has run.
inline constexpr char migratedFromKestrinDefaults[] = "migratedFromKestrinDefaults";
// Boolean: the main window was open when the application last quit.
inline constexpr char mainWindowOpen[] = "QMMainWindowOpen";
// Integer: main-window pane last shown (0 volumes, 1 history, 2 preferences).
inline constexpr char mainWindowPane[] = "QMMainWindowPane";
// String "grid" or "list".
inline constexpr char mainWindowViewMode[] = "mainWindowViewMode";
// Bytes: the main window's size and place (QWidget::saveGeometry), restored when it is made.
inline constexpr char mainWindowGeometry[] = "mainWindowGeometry";
// Boolean: registering at login has been attempted once by default.
inline constexpr char loginItemDefaultApplied[] = "QMLoginItemDefaultApplied";
// Date of the last media-definitions fetch.
inline constexpr char mediaDefsLastFetch[] = "QMMediaDefsLastFetch";
// String list: folders from which the user declined the move offer.
inline constexpr char moveOfferDeclinedLocations[] = "QMMoveOfferDeclinedLocations";
// String list: the interface languages of the next launch; written with languageOverride.
inline constexpr char appleLanguages[] = "AppleLanguages";
// Followed by the shortcut name ("ejectAll").
inline constexpr char globalShortcutsPrefix[] = "GlobalShortcuts_";
// String: JSON object of what was last asked of the desktop portal's global shortcuts, by
// shortcut name ({"ejectAll": {"description": …, "preferredTrigger": …}}).
inline constexpr char portalBoundShortcuts[] = "QMPortalBoundShortcuts";

// The predecessor's domain, read once by the migration.
inline constexpr char kestrinDomain[] = "com.jtarnwick.Kestrin";

} // namespace SettingsKeys
