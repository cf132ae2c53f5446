#include "application.h"

#include "common/desktopplaces.h"
#include "discovery/volumestore.h"
#include "policy/excludedvolume.h"
#include "policy/mediadefinitionsupdater.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"
#include "services/autostartmanager.h"
#include "services/programfile.h"
#include "services/uninstallui.h"
#include "services/unplugnotifier.h"
#include "shortcut/menutrackingfilter.h"
#include "stores/historyrecording.h"
#include "stores/preferencesstore.h"
#include "stores/settingskeys.h"
#include "stores/settingsstore.h"
#include "surfaces/trayicon.h"
#include "surfaces/viewoptionsmenu.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"
#include "surfaces/windowicon.h"

#include "sysfsactivitymonitor.h"

#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

Application::Application(AppServices services, QObject *parent)
    : QObject(parent), m_services(std::move(services))
{
    m_prefs = std::make_unique<PreferencesStore>(*m_services.defaults);
    m_icons = std::make_unique<VolumeIconProvider>();
    m_mediaDefinitions = std::make_unique<MediaDefinitionsUpdater>(
        MediaDefinitionsUpdater::defaultFeedURL(), m_services.definitionsCachePath,
        *m_services.defaults, *m_services.definitionsTransport);

    m_busyVolumes = new BusyMarks(BusyMarks::defaultSettleTime, this);
    m_busyVolumes->onSettled = [this] { redrawAfterSettle(); };
    m_volumeChanges = std::make_unique<VolumeChangeHandler>(*m_services.history, *m_busyVolumes);

    OperationFlows::Dependencies flows;
    flows.operations = m_services.operations.get();
    flows.history = m_services.history.get();
    flows.prefs = m_prefs.get();
    flows.prompts = m_services.prompts.get();
    flows.visibleVolumes = [this] { return store().visibleVolumes(); };
    flows.setBusy = [this](const Volume &volume, bool busy) { setBusy(volume, busy); };
    flows.historyChanged = [this] { historyChanged(); };
    if (m_services.unplugNotifications) {
        m_unplugNotifier = std::make_unique<UnplugNotifier>(m_services.unplugNotifications);
        UnplugNotifier *unplug = m_unplugNotifier.get();
        flows.ejectStarted = [unplug](const Volume &volume) { unplug->ejectBegan(volume); };
        flows.ejectFinished = [unplug](const Volume &volume, bool ejected) {
            unplug->ejectEnded(volume, ejected);
        };
    }
    m_flows = std::make_unique<OperationFlows>(std::move(flows));
}

Application::~Application()
{
    // Surfaces and controllers first: they hold the store and the services.
    m_autoEject.reset();
    m_trayIcon.reset();
    m_popover.reset();
    m_mainWindow.reset();
    m_windowIcon.reset();
    if (m_store)
        m_store->onChange = nullptr;
}

VolumeStore &Application::store()
{
    if (!m_store)
        m_store =
            std::make_unique<VolumeStore>(m_services.makeDiskSource(), m_prefs->enabledKinds());
    return *m_store;
}

VolumeActionsMenu &Application::actions()
{
    if (!m_actions) {
        m_actions = std::make_unique<VolumeActionsMenu>();
        m_actions->handlers = makeActionHandlers();
    }
    return *m_actions;
}

VolumeActionHandlers Application::makeActionHandlers()
{
    return VolumeActionHandlers::weakly(this, &Application::eject, &Application::remount,
                                        &Application::rename, &Application::erase);
}

VolumeSurfaceHandlers Application::surfaceHandlers()
{
    return VolumeSurfaceHandlers::weakly(this, &Application::eject, &Application::remount);
}

void Application::installMediaPolicies()
{
    MediaPolicy::installOverrides(MediaPolicyOverrides::load(m_services.overridesPath));
}

void Application::start()
{
    QPointer<Application> self(this);

    installMediaPolicies();

    [](QPointer<Application> application) -> QCoro::Task<> {
        const auto cached = application->m_mediaDefinitions->installCachedDefinitions();
        std::optional<qint64> revision;
        if (cached)
            revision = cached->rev;
        co_await application->m_mediaDefinitions->fetchIfDue(revision);
    }(self);

    store().onChange = [self] {
        if (self)
            self->volumesChanged();
    };

    actions().exclusionProvider = [self](const Volume &volume) {
        return self && ExcludedVolume::covers(volume, self->m_prefs->excludedVolumes());
    };
    actions().onToggleExclusion = [self](const Volume &volume) {
        if (!self)
            return;
        self->m_prefs->setExcludedVolumes(
            ExcludedVolume::toggling(self->m_prefs->excludedVolumes(), volume));
        if (self->m_trayIcon)
            self->m_trayIcon->refresh();
    };

    if (GlobalShortcuts::Registry *shortcuts = m_services.shortcuts.get()) {
        // Menus hold the keyboard while open; the shortcut must still work then.
        m_menuTracking = std::make_unique<MenuTrackingFilter>(*shortcuts);
        shortcuts->declare(GlobalShortcuts::Name::ejectAll());
        shortcuts->onKeyUp(GlobalShortcuts::Name::ejectAll(), [self] {
            if (self)
                self->ejectAll();
        });
    }

    m_windowIcon = std::make_unique<WindowIcon>(&store(), m_icons.get());
    m_windowIcon->mode = m_prefs->windowIconMode();
    m_windowIcon->sortMode = m_prefs->sortMode();

    if (SysfsActivityMonitor *monitor = m_services.activityMonitor.get()) {
        monitor->setOnUpdate([self](const DriveActivityMap &) {
            if (self)
                self->refreshActivity();
        });
        monitor->start();
    }

    m_autoEject = std::make_unique<AutoEjectController>(
        *m_prefs, [self] { return self ? self->store().visibleVolumes() : VolumeList(); },
        *m_services.operations, *m_services.history, m_services.activityMonitor.get(),
        m_services.autoEjectEvents);
    m_autoEject->start();

    applyConfiguration();

    // Before udisks2 answers, unmounted partitions are unknown and would look newly attached
    // when they appear; the first list waits for its answer (or its absence).
    if (m_services.untilDiskServiceAnswered) {
        [](QPointer<Application> application,
           std::function<QCoro::Task<>()> untilAnswered) -> QCoro::Task<> {
            co_await untilAnswered();
            if (application)
                application->startVolumeStore();
        }(self, m_services.untilDiskServiceAnswered);
    } else {
        startVolumeStore();
    }
}

void Application::startVolumeStore()
{
    store().start();

    if (m_services.defaults->boolValue(QString::fromLatin1(SettingsKeys::mainWindowOpen))
            .value_or(false)) {
        const qint64 pane =
            m_services.defaults->integer(QString::fromLatin1(SettingsKeys::mainWindowPane))
                .value_or(0);
        openMainWindow(pane == 2   ? MainWindowPane::preferences
                       : pane == 1 ? MainWindowPane::history
                                   : MainWindowPane::volumes);
    }

    startFirstStartTask();
}

void Application::startFirstStartTask()
{
    // After the event loop has started, so that the launch is complete when it asks anything.
    QTimer::singleShot(0, this, [self = QPointer<Application>(this)] {
        [](QPointer<Application> application) -> QCoro::Task<> {
            if (!application)
                co_return;
            // The move offer goes first and ends the task when it moves the program.
            if (application->m_services.offerMove &&
                application->m_services.offerMove(*application->m_services.defaults))
                co_return;
            if (AutostartManager *autostart = application->autostart())
                autostart->applyFirstStartDefault(*application->m_services.defaults);
        }(self);
    });
}

void Application::shutdown()
{
    // After an uninstall nothing may be written back.
    if (UninstallUI::isUninstalling())
        return;
    m_services.defaults->setBool(QString::fromLatin1(SettingsKeys::mainWindowOpen),
                                 mainWindowVisible());
}

void Application::reopen()
{
    if (m_popover) {
        m_popover->toggle();
    } else if (m_trayIcon) {
        // Without a popover the tray menu is the surface to show; on a desktop that shows no
        // tray at all, launching the program again is the only way to reach it.
        m_trayIcon->menu()->popup(QCursor::pos());
    }
}

void Application::applyConfiguration()
{
    QPointer<Application> self(this);

    if (!m_prefs->menuBarEnabled()) {
        m_trayIcon.reset();
    } else if (!m_trayIcon) {
        auto status = std::make_unique<TrayIcon>(&store(), m_icons.get(), &actions());
        status->sortMode = m_prefs->sortMode();
        if (hasPreferencesPane()) {
            status->offersPreferences = true;
            connect(status.get(), &TrayIcon::preferencesRequested, this,
                    [this] { openMainWindow(MainWindowPane::preferences); });
        }
        connect(status.get(), &TrayIcon::historyRequested, this,
                [this] { openMainWindow(MainWindowPane::history); });
        connect(status.get(), &TrayIcon::mainWindowRequested, this,
                [this] { openMainWindow(MainWindowPane::volumes); });
        // A primary click on the tray icon does what launching the program again does.
        connect(status.get(), &TrayIcon::activated, this, &Application::reopen);
        status->volumeHandlers = surfaceHandlers();
        status->busyProvider = [self](const Volume &volume) {
            return self && self->isBusy(volume);
        };
        status->activityProvider = [self](const Volume &volume) {
            return self && self->isActive(volume);
        };
        connect(status.get(), &TrayIcon::ejectAllRequested, this, &Application::ejectAll);
        status->refresh();
        m_trayIcon = std::move(status);
    }

    // The launcher belongs to the desktop, so there is no dock presence to show or hide.
    if (m_prefs->popoverEnabled()) {
        if (!m_popover)
            createPopover();
    } else if (m_popover) {
        if (m_popover->isShown())
            m_popover->close();
        m_popover.reset();
    }

    if (m_windowIcon)
        m_windowIcon->refresh();
}

void Application::createPopover()
{
    if (!m_services.makePopover)
        return;
    std::unique_ptr<PopoverSurface> popover = m_services.makePopover(*this);
    if (!popover)
        return;
    QPointer<Application> self(this);
    popover->sortMode = m_prefs->sortMode();
    popover->viewMode = m_prefs->popoverViewMode();
    popover->onVisibilityChange = [self](bool visible) {
        if (!self || !self->m_windowIcon || self->m_windowIcon->popoverOpen == visible)
            return;
        self->m_windowIcon->popoverOpen = visible;
        self->m_windowIcon->refresh();
    };
    popover->optionsMenuProvider = [self]() -> QMenu * {
        if (!self)
            return nullptr;
        auto *menu = new QMenu();
        self->addViewOptionSections(menu);
        return menu;
    };
    popover->volumeHandlers = surfaceHandlers();
    popover->busyProvider = [self](const Volume &volume) { return self && self->isBusy(volume); };
    popover->activityProvider = [self](const Volume &volume) {
        return self && self->isActive(volume);
    };
    if (m_services.reduceMotion)
        popover->reduceMotion = m_services.reduceMotion;
    popover->anchorArea = [self]() -> QRect {
        // No tray icon until a tray host appears.
        if (!self || !self->m_trayIcon || !self->m_trayIcon->trayIcon())
            return {};
        return self->m_trayIcon->trayIcon()->geometry();
    };
    m_popover = std::move(popover);
}

void Application::addViewOptionSections(QMenu *menu)
{
    QPointer<Application> self(this);
    ViewOptionsMenu::Handlers handlers;
    handlers.selectSort = [self](const QAction *item) {
        if (self)
            self->selectSort(item);
    };
    handlers.selectDisplay = [self](const QAction *item) {
        if (self)
            self->selectDisplay(item);
    };
    handlers.selectView = [self](const QAction *item) {
        if (self)
            self->selectView(item);
    };
    ViewOptionsMenu::addSections(menu, *m_prefs, std::move(handlers));
}

void Application::selectSort(const QAction *item)
{
    const auto mode = item ? enumFromName<SortMode>(item->data().toString()) : std::nullopt;
    if (!mode)
        return;
    m_prefs->setSortMode(*mode);
    applySortMode();
}

void Application::applySortMode()
{
    const SortMode mode = m_prefs->sortMode();
    if (m_trayIcon)
        m_trayIcon->sortMode = mode;
    if (m_popover)
        m_popover->sortMode = mode;
    if (m_windowIcon)
        m_windowIcon->sortMode = mode;
    if (m_trayIcon)
        m_trayIcon->refresh();
    if (m_popover && m_popover->isShown())
        m_popover->rebuildContentsAndLayout();
    if (m_windowIcon)
        m_windowIcon->refresh();
    // The window reads the order afresh at each redraw.
    if (mainWindowVisible())
        m_mainWindow->refreshVolumes();
}

void Application::selectView(const QAction *item)
{
    const auto mode = item ? enumFromName<PopoverViewMode>(item->data().toString()) : std::nullopt;
    if (!mode)
        return;
    m_prefs->setPopoverViewMode(*mode);
    if (m_popover) {
        m_popover->viewMode = *mode;
        if (m_popover->isShown())
            m_popover->rebuildContentsAndLayout();
    }
}

void Application::selectDisplay(const QAction *item)
{
    const auto mode = item ? enumFromName<WindowIconMode>(item->data().toString()) : std::nullopt;
    if (!mode)
        return;
    m_prefs->setWindowIconMode(*mode);
    if (m_windowIcon) {
        m_windowIcon->mode = *mode;
        m_windowIcon->refresh();
    }
}

void Application::performAction(DesktopAction action)
{
    if (m_popover && m_popover->isShown())
        m_popover->close();
    switch (action) {
    case DesktopAction::open:
        openMainFromLauncher();
        break;
    case DesktopAction::ejectAll:
        ejectAllOnceDisksAreKnown();
        break;
    case DesktopAction::history:
        openMainWindow(MainWindowPane::history);
        break;
    case DesktopAction::preferences:
        openMainWindow(MainWindowPane::preferences);
        break;
    case DesktopAction::openVolumes:
        openVolumesInFileManager();
        break;
    case DesktopAction::diskUtility:
        openDisks();
        break;
    }
}

QCoro::Task<> Application::ejectAllOnceDisksAreKnown()
{
    QPointer<Application> self(this);
    if (m_services.untilDiskServiceAnswered)
        co_await m_services.untilDiskServiceAnswered();
    if (!self)
        co_return;
    // The store may still wait out the quiet time after the service's first answer.
    self->store().reload();
    self->ejectAll();
}

void Application::openMainFromLauncher()
{
    openMainWindow(MainWindowPane::volumes);
}

void Application::openVolumesInFileManager()
{
    DesktopPlaces::openFolder(DesktopPlaces::volumesFolder());
}

void Application::openDisks()
{
    if (!DesktopPlaces::launchDisks())
        qWarning("Quillmere: no disk management application (gnome-disks) could be started");
}

void Application::openMainWindow(MainWindowPane pane)
{
    if (!m_mainWindow && m_services.makeMainWindow)
        m_mainWindow = m_services.makeMainWindow(*this);
    if (m_mainWindow)
        m_mainWindow->show(pane);
}

void Application::relaunch()
{
    if (m_services.relaunch)
        m_services.relaunch(ProgramFile::current().path);
}

bool Application::hasPreferencesPane() const
{
    return m_services.makePreferencesPane && m_services.makeMainWindow;
}

QWidget *Application::makePreferencesPane(QWidget *parent)
{
    return m_services.makePreferencesPane ? m_services.makePreferencesPane(*this, parent) : nullptr;
}

void Application::uninstall()
{
    if (m_services.uninstall)
        m_services.uninstall(*this);
}

bool Application::mainWindowVisible() const
{
    return m_mainWindow && m_mainWindow->isVisible();
}

void Application::volumesChanged()
{
    if (m_volumeChanges->handle(store().allVolumes()))
        historyChanged();

    if (m_trayIcon)
        m_trayIcon->refresh();
    if (m_popover && m_popover->isShown())
        m_popover->rebuildContentsAndLayout();
    if (mainWindowVisible())
        m_mainWindow->refreshVolumes();
    if (m_windowIcon)
        m_windowIcon->refresh();
}

void Application::setBusy(const Volume &volume, bool busy)
{
    if (busy)
        m_busyVolumes->insert(volume.id);
    else
        m_busyVolumes->remove(volume.id);
    redrawAfterSettle();
}

void Application::redrawAfterSettle()
{
    if (m_trayIcon)
        m_trayIcon->refresh();
    if (m_popover && m_popover->isShown())
        m_popover->rebuildContentsAndLayout();
    if (mainWindowVisible())
        m_mainWindow->refreshVolumes();
}

bool Application::isBusy(const Volume &volume) const
{
    return m_busyVolumes->contains(volume.id);
}

bool Application::isActive(const Volume &volume) const
{
    SysfsActivityMonitor *monitor = m_services.activityMonitor.get();
    return monitor && volume.wholeDiskName && monitor->isActive(*volume.wholeDiskName);
}

void Application::refreshActivity()
{
    if (m_popover)
        m_popover->refreshActivity();
    if (m_trayIcon)
        m_trayIcon->refreshActivity();
    if (mainWindowVisible() && m_mainWindow->showsVolumesPane())
        m_mainWindow->refreshVolumesActivity();
}

void Application::historyChanged()
{
    if (mainWindowVisible())
        m_mainWindow->refreshHistory();
}

void Application::eject(const Volume &volume)
{
    m_flows->eject(volume);
}

void Application::remount(const Volume &volume)
{
    m_flows->remount(volume);
}

void Application::rename(const Volume &volume)
{
    m_flows->rename(volume);
}

void Application::erase(const Volume &volume)
{
    m_flows->erase(volume);
}

void Application::ejectAll()
{
    m_flows->ejectAll();
}
