#include "shell/preferencespanefactory.h"

#include "shell/application.h"
#include "surfaces/trayicon.h"
#include "window/preferencespane.h"

namespace PreferencesPaneFactory {

PreferencesPane *make(Application &delegate, QWidget *parent)
{
    PreferencesPane::Dependencies deps;
    deps.prefs = &delegate.prefs();
    deps.store = &delegate.store();
    deps.autostart = delegate.autostart();
    deps.shortcuts = delegate.shortcuts();
    auto *pane = new PreferencesPane(deps, parent);
    QObject::connect(pane, &PreferencesPane::surfacesChanged, &delegate,
                     &Application::applyConfiguration);
    QObject::connect(pane, &PreferencesPane::exclusionsChanged, &delegate, [&delegate] {
        if (TrayIcon *status = delegate.trayIcon())
            status->rebuild();
    });
    QObject::connect(pane, &PreferencesPane::relaunchRequested, &delegate,
                     &Application::relaunch);
    return pane;
}

} // namespace PreferencesPaneFactory
