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
    return [&history](Application &application) -> std::unique_ptr<MainWindowSurface> {
        QPointer<Application> self(&application);
        MainWindowController::Dependencies deps;
        deps.volumesProvider = [self] {
            return self ? VolumeSorter::sorted(self->store().visibleVolumes(),
                                               self->prefs().sortMode())
                        : VolumeList();
        };
        deps.icons = &application.icons();
        deps.actions = &application.actions();
        deps.volumeHandlers = application.surfaceHandlers();
        deps.busyProvider = [self](const Volume &volume) { return self && self->isBusy(volume); };
        deps.activityProvider = [self](const Volume &volume) {
            return self && self->isActive(volume);
        };
        deps.prefs = &application.prefs();
        deps.history = &history;
        if (application.hasPreferencesPane()) {
            deps.makePreferencesPane = [self](QWidget *parent) {
                return self ? self->makePreferencesPane(parent) : nullptr;
            };
        }
        deps.addViewOptionSections = [self](QMenu *menu) {
            if (self)
                self->addViewOptionSections(menu);
        };
        deps.offersUninstall = application.canUninstall();
        auto window = std::make_unique<MainWindowController>(std::move(deps));
        QObject::connect(window.get(), &MainWindowController::ejectAllRequested, &application,
                         &Application::ejectAll);
        QObject::connect(window.get(), &MainWindowController::uninstallRequested, &application,
                         &Application::uninstall);
        return window;
    };
}

} // namespace MainWindowFactory
