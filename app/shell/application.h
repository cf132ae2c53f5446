#pragma once

#include "common/volumehandlers.h"
#include "shell/appservices.h"
#include "shell/busymarks.h"
#include "shell/desktopactions.h"
#include "shell/operationflows.h"
#include "shell/volumechangehandler.h"

#include <QObject>
#include <memory>
#include <optional>

class WindowIcon;
class MediaDefinitionsUpdater;
class MenuTrackingFilter;
class QAction;
class QMenu;
class PreferencesStore;
class TrayIcon;
class UnplugNotifier;
class VolumeActionsMenu;
class VolumeIconProvider;
class VolumeStore;

// Owns every long-lived service of the application, creates them in a fixed order, wires them
// to each other and to the surfaces, and runs the volume operations for every surface.
// Main thread.
class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(AppServices services, QObject *parent = nullptr);
    ~Application() override;

    void start();
    void shutdown();
    // A second launch of the program, or the tray icon's primary click.
    void reopen();

    void volumesChanged();
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
    void openMainFromLauncher();
    void openVolumesInFileManager();
    void openDisks();

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
    TrayIcon *trayIcon() const { return m_trayIcon.get(); }
    PopoverSurface *popover() const { return m_popover.get(); }
    WindowIcon *windowIcon() const { return m_windowIcon.get(); }
    AutoEjectController *autoEject() const { return m_autoEject.get(); }
    // Null where the program cannot start at login.
    AutostartManager *autostart() const { return m_services.autostart.get(); }
    // The named global shortcuts (for the recorder); null where none are kept.
    GlobalShortcuts::Registry *shortcuts() const { return m_services.shortcuts.get(); }
    const BusyMarks &busyVolumes() const { return *m_busyVolumes; }
    VolumeSurfaceHandlers surfaceHandlers();

private:
    VolumeActionHandlers makeActionHandlers();
    void installMediaPolicies();
    void startFirstStartTask();
    // Starts the store (the first list arrives through volumesChanged) and reopens the main
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
    std::unique_ptr<WindowIcon> m_windowIcon;
    std::unique_ptr<TrayIcon> m_trayIcon;
    std::unique_ptr<PopoverSurface> m_popover;
    std::unique_ptr<MainWindowSurface> m_mainWindow;
    std::unique_ptr<AutoEjectController> m_autoEject;
    std::unique_ptr<MenuTrackingFilter> m_menuTracking;
    BusyMarks *m_busyVolumes;
    std::unique_ptr<VolumeChangeHandler> m_volumeChanges;
    std::unique_ptr<UnplugNotifier> m_unplugNotifier;
    std::unique_ptr<OperationFlows> m_flows;
};
