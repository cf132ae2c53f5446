#include "appdelegate.h"

#include "discovery/volumestore.h"
#include "policy/excludedvolume.h"
#include "policy/mediadefinitionsupdater.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"
#include "services/loginitemmanager.h"
#include "services/programfile.h"
#include "services/uninstallui.h"
#include "shell/desktopplaces.h"
#include "shortcut/menutrackingfilter.h"
#include "stores/defaultskeys.h"
#include "stores/historyrecording.h"
#include "stores/preferencesstore.h"
#include "stores/userdefaults.h"
#include "surfaces/docktilecontroller.h"
#include "surfaces/statusitem.h"
#include "surfaces/viewoptionsmenu.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"

#include "sysfsactivitymonitor.h"

#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <QTimer>

AppDelegate::AppDelegate(AppServices services, QObject *parent)
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
    m_flows = std::make_unique<OperationFlows>(std::move(flows));
}

AppDelegate::~AppDelegate()
{
    // Surfaces and controllers first: they hold the store and the services.
    m_autoEject.reset();
    m_statusController.reset();
    m_dockPopover.reset();
    m_mainWindow.reset();
    m_dockTile.reset();
    if (m_store)
        m_store->onChange = nullptr;
}

VolumeStore &AppDelegate::store()
{
    if (!m_store)
        m_store =
            std::make_unique<VolumeStore>(m_services.makeDiskSource(), m_prefs->enabledKinds());
    return *m_store;
}

VolumeActionsMenu &AppDelegate::actions()
{
    if (!m_actions) {
        m_actions = std::make_unique<VolumeActionsMenu>();
        m_actions->handlers = makeActionHandlers();
    }
    return *m_actions;
}

VolumeActionHandlers AppDelegate::makeActionHandlers()
{
    return VolumeActionHandlers::weakly(this, &AppDelegate::eject, &AppDelegate::remount,
                                        &AppDelegate::rename, &AppDelegate::erase);
}

VolumeSurfaceHandlers AppDelegate::surfaceHandlers()
{
    return VolumeSurfaceHandlers::weakly(this, &AppDelegate::eject, &AppDelegate::remount);
}

void AppDelegate::installMediaPolicies()
{
    MediaPolicy::installOverrides(MediaPolicyOverrides::load(m_services.overridesPath));
}

void AppDelegate::applicationDidFinishLaunching()
{
    QPointer<AppDelegate> self(this);

    installMediaPolicies();

    [](QPointer<AppDelegate> delegate) -> QCoro::Task<> {
        const auto cached = delegate->m_mediaDefinitions->installCachedDefinitions();
        std::optional<qint64> revision;
        if (cached)
            revision = cached->rev;
        co_await delegate->m_mediaDefinitions->fetchIfDue(revision);
    }(self);

    store().onChange = [self] {
        if (self)
            self->storeDidChange();
    };

    actions().exclusionProvider = [self](const Volume &volume) {
        return self && ExcludedVolume::covers(volume, self->m_prefs->excludedVolumes());
    };
    actions().onToggleExclusion = [self](const Volume &volume) {
        if (!self)
            return;
        self->m_prefs->setExcludedVolumes(
            ExcludedVolume::toggling(self->m_prefs->excludedVolumes(), volume));
        if (self->m_statusController)
            self->m_statusController->rebuild();
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

    m_dockTile = std::make_unique<DockTileController>(&store(), m_icons.get());
    m_dockTile->mode = m_prefs->dockDisplayMode();
    m_dockTile->sortMode = m_prefs->sortMode();

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
        [](QPointer<AppDelegate> delegate,
           std::function<QCoro::Task<>()> untilAnswered) -> QCoro::Task<> {
            co_await untilAnswered();
            if (delegate)
                delegate->startVolumeStore();
        }(self, m_services.untilDiskServiceAnswered);
    } else {
        startVolumeStore();
    }
}

void AppDelegate::startVolumeStore()
{
    store().start();

    if (m_services.defaults->boolValue(QString::fromLatin1(DefaultsKeys::mainWindowOpen))
            .value_or(false)) {
        const qint64 pane =
            m_services.defaults->integer(QString::fromLatin1(DefaultsKeys::mainWindowPane))
                .value_or(0);
        openMainWindow(pane == 2   ? MainWindowPane::preferences
                       : pane == 1 ? MainWindowPane::history
                                   : MainWindowPane::volumes);
    }

    startFirstStartTask();
}

void AppDelegate::startFirstStartTask()
{
    // After the event loop has started, so that the launch is complete when it asks anything.
    QTimer::singleShot(0, this, [self = QPointer<AppDelegate>(this)] {
        [](QPointer<AppDelegate> delegate) -> QCoro::Task<> {
            if (!delegate)
                co_return;
            // The move offer goes first and ends the task when it moves the program.
            if (delegate->m_services.offerMove &&
                delegate->m_services.offerMove(*delegate->m_services.defaults))
                co_return;
            if (LoginItemManager *loginItems = delegate->loginItems())
                loginItems->applyFirstStartDefault(*delegate->m_services.defaults);
        }(self);
    });
}

void AppDelegate::applicationWillTerminate()
{
    // After an uninstall nothing may be written back.
    if (UninstallUI::isUninstalling())
        return;
    m_services.defaults->setBool(QString::fromLatin1(DefaultsKeys::mainWindowOpen),
                                 mainWindowVisible());
}

void AppDelegate::applicationShouldHandleReopen()
{
    if (m_dockPopover) {
        m_dockPopover->toggle();
    } else if (m_statusController) {
        // Without a popover the tray menu is the surface to show; on a desktop that shows no
        // tray at all, launching the program again is the only way to reach it.
        m_statusController->menu()->popup(QCursor::pos());
    }
}

void AppDelegate::applyConfiguration()
{
    QPointer<AppDelegate> self(this);

    if (!m_prefs->menuBarEnabled()) {
        m_statusController.reset();
    } else if (!m_statusController) {
        auto status = std::make_unique<StatusItemController>(&store(), m_icons.get(), &actions());
        status->sortMode = m_prefs->sortMode();
        if (hasPreferencesPane()) {
            status->onOpenPreferences = [self] {
                if (self)
                    self->openMainWindow(MainWindowPane::preferences);
            };
        }
        status->onOpenHistory = [self] {
            if (self)
                self->openMainWindow(MainWindowPane::history);
        };
        status->onOpenMainWindow = [self] {
            if (self)
                self->openMainWindow(MainWindowPane::volumes);
        };
        // The tray's primary click is the reopen of the other platform's Dock icon.
        status->onActivate = [self] {
            if (self)
                self->applicationShouldHandleReopen();
        };
        status->volumeHandlers = surfaceHandlers();
        status->busyProvider = [self](const Volume &volume) {
            return self && self->isBusy(volume);
        };
        status->activityProvider = [self](const Volume &volume) {
            return self && self->isActive(volume);
        };
        status->onEjectAll = [self] {
            if (self)
                self->ejectAll();
        };
        status->rebuild();
        m_statusController = std::move(status);
    }

    // There is no separate dock presence to show or hide on Linux (the launcher is the
    // desktop's), so the activation policy of the other platform has no counterpart here.
    if (m_prefs->dockEnabled()) {
        if (!m_dockPopover)
            createPopover();
    } else if (m_dockPopover) {
        if (m_dockPopover->isShown())
            m_dockPopover->close();
        m_dockPopover.reset();
    }

    if (m_dockTile)
        m_dockTile->refresh();
}

void AppDelegate::createPopover()
{
    if (!m_services.makePopover)
        return;
    std::unique_ptr<PopoverSurface> popover = m_services.makePopover(*this);
    if (!popover)
        return;
    QPointer<AppDelegate> self(this);
    popover->sortMode = m_prefs->sortMode();
    popover->viewMode = m_prefs->popoverViewMode();
    popover->onVisibilityChange = [self](bool visible) {
        if (!self || !self->m_dockTile || self->m_dockTile->popoverOpen == visible)
            return;
        self->m_dockTile->popoverOpen = visible;
        self->m_dockTile->refresh();
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
    m_dockPopover = std::move(popover);
}

void AppDelegate::addViewOptionSections(QMenu *menu)
{
    QPointer<AppDelegate> self(this);
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

void AppDelegate::selectSort(const QAction *item)
{
    const auto mode = item ? sortModeFromString(item->data().toString()) : std::nullopt;
    if (!mode)
        return;
    m_prefs->setSortMode(*mode);
    applySortMode();
}

void AppDelegate::applySortMode()
{
    const SortMode mode = m_prefs->sortMode();
    if (m_statusController)
        m_statusController->sortMode = mode;
    if (m_dockPopover)
        m_dockPopover->sortMode = mode;
    if (m_dockTile)
        m_dockTile->sortMode = mode;
    if (m_statusController)
        m_statusController->rebuild();
    if (m_dockPopover && m_dockPopover->isShown())
        m_dockPopover->rebuildContentsAndLayout();
    if (m_dockTile)
        m_dockTile->refresh();
    // The window reads the order afresh at each redraw.
    if (mainWindowVisible())
        m_mainWindow->refreshVolumes();
}

void AppDelegate::selectView(const QAction *item)
{
    const auto mode = item ? popoverViewModeFromString(item->data().toString()) : std::nullopt;
    if (!mode)
        return;
    m_prefs->setPopoverViewMode(*mode);
    if (m_dockPopover) {
        m_dockPopover->viewMode = *mode;
        if (m_dockPopover->isShown())
            m_dockPopover->rebuildContentsAndLayout();
    }
}

void AppDelegate::selectDisplay(const QAction *item)
{
    const auto mode = item ? dockDisplayModeFromString(item->data().toString()) : std::nullopt;
    if (!mode)
        return;
    m_prefs->setDockDisplayMode(*mode);
    if (m_dockTile) {
        m_dockTile->mode = *mode;
        m_dockTile->refresh();
    }
}

void AppDelegate::performAction(DesktopAction action)
{
    if (m_dockPopover && m_dockPopover->isShown())
        m_dockPopover->close();
    switch (action) {
    case DesktopAction::open:
        openMainFromDock();
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
        openVolumesInFinder();
        break;
    case DesktopAction::diskUtility:
        openDiskUtility();
        break;
    }
}

QCoro::Task<> AppDelegate::ejectAllOnceDisksAreKnown()
{
    QPointer<AppDelegate> self(this);
    if (m_services.untilDiskServiceAnswered)
        co_await m_services.untilDiskServiceAnswered();
    if (!self)
        co_return;
    // The store may still wait out the quiet time after the service's first answer.
    self->store().reload();
    self->ejectAll();
}

void AppDelegate::openMainFromDock()
{
    openMainWindow(MainWindowPane::volumes);
}

void AppDelegate::openVolumesInFinder()
{
    DesktopPlaces::openFolder(DesktopPlaces::volumesFolder());
}

void AppDelegate::openDiskUtility()
{
    if (!DesktopPlaces::launchDiskUtility())
        qWarning("Quillmere: no disk management application (gnome-disks) could be started");
}

void AppDelegate::openMainWindow(MainWindowPane pane)
{
    if (!m_mainWindow && m_services.makeMainWindow)
        m_mainWindow = m_services.makeMainWindow(*this);
    if (m_mainWindow)
        m_mainWindow->show(pane);
}

void AppDelegate::relaunch()
{
    if (m_services.relaunch)
        m_services.relaunch(ProgramFile::current().path);
}

bool AppDelegate::hasPreferencesPane() const
{
    return m_services.makePreferencesPane && m_services.makeMainWindow;
}

QWidget *AppDelegate::makePreferencesPane(QWidget *parent)
{
    return m_services.makePreferencesPane ? m_services.makePreferencesPane(*this, parent) : nullptr;
}

void AppDelegate::uninstall()
{
    if (m_services.uninstall)
        m_services.uninstall(*this);
}

bool AppDelegate::mainWindowVisible() const
{
    return m_mainWindow && m_mainWindow->isVisible();
}

void AppDelegate::storeDidChange()
{
    if (m_volumeChanges->handle(store().allVolumes()))
        historyChanged();

    if (m_statusController)
        m_statusController->rebuild();
    if (m_dockPopover && m_dockPopover->isShown())
        m_dockPopover->rebuildContentsAndLayout();
    if (mainWindowVisible())
        m_mainWindow->refreshVolumes();
    if (m_dockTile)
        m_dockTile->refresh();
}

void AppDelegate::setBusy(const Volume &volume, bool busy)
{
    if (busy)
        m_busyVolumes->insert(volume.id);
    else
        m_busyVolumes->remove(volume.id);
    redrawAfterSettle();
}

void AppDelegate::redrawAfterSettle()
{
    if (m_statusController)
        m_statusController->rebuild();
    if (m_dockPopover && m_dockPopover->isShown())
        m_dockPopover->rebuildContentsAndLayout();
    if (mainWindowVisible())
        m_mainWindow->refreshVolumes();
}

bool AppDelegate::isBusy(const Volume &volume) const
{
    return m_busyVolumes->contains(volume.id);
}

bool AppDelegate::isActive(const Volume &volume) const
{
    SysfsActivityMonitor *monitor = m_services.activityMonitor.get();
    return monitor && volume.wholeDiskBSD && monitor->isActive(*volume.wholeDiskBSD);
}

void AppDelegate::refreshActivity()
{
    if (m_dockPopover)
        m_dockPopover->refreshActivity();
    if (m_statusController)
        m_statusController->refreshActivity();
    if (mainWindowVisible() && m_mainWindow->showsVolumesPane())
        m_mainWindow->refreshVolumesActivity();
}

void AppDelegate::historyChanged()
{
    if (mainWindowVisible())
        m_mainWindow->refreshHistory();
}

void AppDelegate::eject(const Volume &volume)
{
    m_flows->eject(volume);
}

void AppDelegate::remount(const Volume &volume)
{
    m_flows->remount(volume);
}

void AppDelegate::rename(const Volume &volume)
{
    m_flows->rename(volume);
}

void AppDelegate::erase(const Volume &volume)
{
    m_flows->erase(volume);
}

void AppDelegate::ejectAll()
{
    m_flows->ejectAll();
}
