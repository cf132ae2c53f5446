#include "shell/mainwindowfactory.h"

#include "discovery/volumestore.h"
#include "model/volumesorter.h"
#include "shell/application.h"
#include "stores/historystore.h"
#include "stores/preferencesstore.h"
#include "window/mainwindowcontroller.h"

#include <QPointer>

namespace MainWindowFactory {

std::function<std::unique_ptr<MainWindowSurface>(Application &)> make(HistoryStore &history)
{
    return [&history](Application &delegate) -> std::unique_ptr<MainWindowSurface> {
        QPointer<Application> self(&delegate);
        MainWindowController::Dependencies deps;
        deps.volumesProvider = [self] {
            return self ? VolumeSorter::sorted(self->store().visibleVolumes(),
                                               self->prefs().sortMode())
                        : VolumeList();
        };
        deps.icons = &delegate.icons();
        deps.actions = &delegate.actions();
        deps.volumeHandlers = delegate.surfaceHandlers();
        deps.busyProvider = [self](const Volume &volume) { return self && self->isBusy(volume); };
        deps.activityProvider = [self](const Volume &volume) {
            return self && self->isActive(volume);
        };
        deps.prefs = &delegate.prefs();
        deps.history = &history;
        if (delegate.hasPreferencesPane()) {
            deps.makePreferencesPane = [self](QWidget *parent) {
                return self ? self->makePreferencesPane(parent) : nullptr;
            };
        }
        deps.addViewOptionSections = [self](QMenu *menu) {
            if (self)
                self->addViewOptionSections(menu);
        };
        deps.offersUninstall = delegate.canUninstall();
        auto window = std::make_unique<MainWindowController>(std::move(deps));
        QObject::connect(window.get(), &MainWindowController::ejectAllRequested, &delegate,
                         &Application::ejectAll);
        QObject::connect(window.get(), &MainWindowController::uninstallRequested, &delegate,
                         &Application::uninstall);
        return window;
    };
}

} // namespace MainWindowFactory
