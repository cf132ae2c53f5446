#include "shell/preferencespanefactory.h"

#include "shell/application.h"
#include "surfaces/trayicon.h"
#include "window/preferencespane.h"

namespace PreferencesPaneFactory {

PreferencesPane *make(Application &application, QWidget *parent)
{
    PreferencesPane::Dependencies deps;
    deps.prefs = &application.prefs();
    deps.store = &application.store();
    deps.autostart = application.autostart();
    deps.shortcuts = application.shortcuts();
    auto *pane = new PreferencesPane(deps, parent);
    QObject::connect(pane, &PreferencesPane::surfacesChanged, &application,
                     &Application::applyConfiguration);
    QObject::connect(pane, &PreferencesPane::exclusionsChanged, &application, [&application] {
        if (TrayIcon *status = application.trayIcon())
            status->refresh();
    });
    QObject::connect(pane, &PreferencesPane::relaunchRequested, &application,
                     &Application::relaunch);
    return pane;
}

} // namespace PreferencesPaneFactory
