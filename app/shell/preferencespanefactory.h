#pragma once

class Application;
class PreferencesPane;
class QWidget;

// Builds the Preferences pane the way the main window hosts it: over the application's
// preferences, volume store, autostart entry and shortcuts, with its announcements wired back to
// the application (surfaces applied, the tray's menus rebuilt, the program relaunched).
namespace PreferencesPaneFactory {

PreferencesPane *make(Application &application, QWidget *parent = nullptr);

} // namespace PreferencesPaneFactory
