#pragma once

#include "shell/appservices.h"
#include "shell/busymarks.h"
#include "shell/desktopactions.h"
#include "shell/operationflows.h"
#include "shell/volumechangehandler.h"
#include "shell/volumehandlers.h"

#include <QObject>
#include <memory>
#include <optional>

class DockTileController;
class MediaDefinitionsUpdater;
class MenuTrackingFilter;
class QAction;
class QMenu;
class PreferencesStore;
class StatusItemController;
class VolumeActionsMenu;
class VolumeIconProvider;
class VolumeStore;

// Owns every long-lived service of the application, creates them in a fixed order, wires them
// to each other and to the surfaces, and runs the volume operations for every surface.
// Main thread.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(AppServices services, QObject *parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    // A second launch of the program, or the tray icon's primary click.
    void applicationShouldHandleReopen();

    void storeDidChange();
    void setBusy(const Volume &volume, bool busy);
    bool isBusy(const Volume &volume) const;
    bool isActive(const Volume &volume) const;

    void eject(const Volume &volume);
    void remount(const Volume &volume);
    void rename(const Volume &volume);
    void erase(const Volume &volume);
    void ejectAll();

    void applyConfiguration();
    void openMainWindow(MainWindowPane pane);
    // Starts the program anew from where it runs and quits this instance.
    void relaunch();
    MainWindowSurface *mainWindow() const { return m_mainWindow.get(); }

    // The Preferences pane that the main window hosts, when the program has one.
    bool hasPreferencesPane() const;
    QWidget *makePreferencesPane(QWidget *parent);
    bool canUninstall() const { return bool(m_services.uninstall); }
    void uninstall();

    // A desktop action of the launcher. It closes an open popover first, as opening the
    // launcher's menu would; Eject All waits until the disk service has described the disks,
    // so it also works right after the program started for it.
    void performAction(DesktopAction action);
    void openMainFromDock();
    void openVolumesInFinder();
    void openDiskUtility();

    // The view-option sections (sort order, launcher display, popover layout) with check
    // marks that follow the preferences; the popover's options menu and the main window's
    // View menu carry them.
    void addViewOptionSections(QMenu *menu);
    // A chosen option: its data is the raw value; an unknown one changes nothing.
    void selectSort(const QAction *item);
    void selectView(const QAction *item);
    void selectDisplay(const QAction *item);
    // Hands the stored sort order to every surface and redraws them.
    void applySortMode();

    PreferencesStore &prefs() const { return *m_prefs; }
    VolumeStore &store();
    VolumeIconProvider &icons() const { return *m_icons; }
    VolumeActionsMenu &actions();
    HistoryRecording &history() const { return *m_services.history; }
    OperationFlows &flows() const { return *m_flows; }
    StatusItemController *statusController() const { return m_statusController.get(); }
    PopoverSurface *dockPopover() const { return m_dockPopover.get(); }
    DockTileController *dockTile() const { return m_dockTile.get(); }
    AutoEjectController *autoEject() const { return m_autoEject.get(); }
    // Null where the program cannot start at login.
    LoginItemManager *loginItems() const { return m_services.loginItems.get(); }
    // The named global shortcuts (for the recorder); null where none are kept.
    GlobalShortcuts::Registry *shortcuts() const { return m_services.shortcuts.get(); }
    const BusyMarks &busyVolumes() const { return *m_busyVolumes; }
    VolumeSurfaceHandlers surfaceHandlers();

private:
    VolumeActionHandlers makeActionHandlers();
    void installMediaPolicies();
    void startFirstStartTask();
    // Starts the store (the first list arrives through storeDidChange) and reopens the main
    // window if it was open at the last quit.
    void startVolumeStore();
    void redrawAfterSettle();
    void refreshActivity();
    void historyChanged();
    void createPopover();
    QCoro::Task<> ejectAllOnceDisksAreKnown();
    bool mainWindowVisible() const;

    AppServices m_services;
    // In the order of creation.
    std::unique_ptr<PreferencesStore> m_prefs;
    std::unique_ptr<VolumeStore> m_store;
    std::unique_ptr<VolumeIconProvider> m_icons;
    std::unique_ptr<VolumeActionsMenu> m_actions;
    std::unique_ptr<MediaDefinitionsUpdater> m_mediaDefinitions;
    std::unique_ptr<DockTileController> m_dockTile;
    std::unique_ptr<StatusItemController> m_statusController;
    std::unique_ptr<PopoverSurface> m_dockPopover;
    std::unique_ptr<MainWindowSurface> m_mainWindow;
    std::unique_ptr<AutoEjectController> m_autoEject;
    std::unique_ptr<MenuTrackingFilter> m_menuTracking;
    BusyMarks *m_busyVolumes;
    std::unique_ptr<VolumeChangeHandler> m_volumeChanges;
    std::unique_ptr<OperationFlows> m_flows;
};
