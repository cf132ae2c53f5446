#pragma once

class Application;
class PreferencesPane;
class QWidget;

// Builds the Preferences pane the way the main window hosts it: over the delegate's
// preferences, volume store, login item and shortcuts, with its announcements wired back to the
// delegate (surfaces applied, the tray's menus rebuilt, the program relaunched).
namespace PreferencesPaneFactory {

PreferencesPane *make(Application &delegate, QWidget *parent = nullptr);

} // namespace PreferencesPaneFactory
