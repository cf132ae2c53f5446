#pragma once

#include "common/surfaceinterfaces.h"
#include "common/volumehandlers.h"
#include "model/volume.h"
#include "window/volumespanel.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>

class HistoryPanel;
class HistoryStore;
class MainMenuBar;
class PreferencesStore;
class QAction;
class QMainWindow;
class QMenu;
class QSplitter;
class QStackedWidget;
class QToolBar;
class SidebarView;
class VolumeActionsMenu;
class VolumeIconProvider;
class ViewModeControl;

// The main window: a sidebar of panes (Volumes, History, Preferences), the chosen pane beside
// it, a toolbar whose grid/list switch belongs to the Volumes pane, and the menu bar. Remembers
// the pane, the view mode, whether it is open and where it was. The widgets exist only while
// the window is open. Main thread.
class MainWindowController : public QObject, public MainWindowSurface {
    Q_OBJECT
public:
    struct Dependencies {
        std::function<VolumeList()> volumesProvider;
        VolumeIconProvider *icons = nullptr;
        VolumeActionsMenu *actions = nullptr;
        std::optional<VolumeSurfaceHandlers> volumeHandlers;
        std::function<bool(const Volume &)> busyProvider;
        std::function<bool(const Volume &)> activityProvider;
        PreferencesStore *prefs = nullptr;
        HistoryStore *history = nullptr;
        // The Preferences pane's content, made on first use; unset, the pane is not offered.
        std::function<QWidget *(QWidget *parent)> makePreferencesPane;
        // False, the File menu offers no uninstall.
        bool offersUninstall = false;
        // Fills the View menu's view-option sections below the grid and list items.
        std::function<void(QMenu *)> addViewOptionSections;
    };

    static constexpr QSize contentSize{900, 560};
    static constexpr QSize minimumContentSize{640, 400};

    explicit MainWindowController(Dependencies dependencies, QObject *parent = nullptr);
    ~MainWindowController() override;

    // Switches to the pane and brings the window to the front.
    void show(MainWindowPane pane) override;
    bool isVisible() const override { return m_isWindowVisible; }
    bool showsVolumesPane() const override;
    void refreshVolumes() override;
    void refreshVolumesActivity() override;
    void refreshHistory() override;

    // Switches panes without showing the window.
    void showPane(MainWindowPane pane);
    void setViewMode(VolumesPanel::Mode mode);
    void viewAsGrid() { setViewMode(VolumesPanel::Mode::grid); }
    void viewAsList() { setViewMode(VolumesPanel::Mode::list); }
    void showAbout();

    MainWindowPane currentPane() const { return m_currentPane; }
    VolumesPanel::Mode viewMode() const { return m_viewMode; }
    bool hasPreferencesPane() const { return bool(m_deps.makePreferencesPane); }
    bool isTerminating() const { return m_isTerminating; }

    static QString windowTitle(MainWindowPane pane);

    // The window and its parts while it exists (from the first show until it is closed), for
    // tests.
    QMainWindow *window() const;
    SidebarView *sidebar() const;
    QToolBar *toolbar() const;
    QAction *viewModeItem() const;
    ViewModeControl *viewModeControl() const;
    MainMenuBar *menuBar() const;
    QStackedWidget *detail() const;
    VolumesPanel *volumesPanel() const;
    HistoryPanel *historyPanel() const;
    // Null until the Preferences pane was first shown.
    QWidget *preferencesPanel() const;

signals:
    // The window is shown after being hidden (true), or closed (false).
    void visibilityChanged(bool visible);
    // The menu's Eject All.
    void ejectAllRequested();
    // The menu's "Uninstall Quillmere…", offered when the dependencies say so.
    void uninstallRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Parts;

    void ensureWindow();
    void windowClosed();
    void releaseWindow();
    void saveGeometry();
    void updateToolbar();
    QWidget *paneWidget(MainWindowPane pane);

    Dependencies m_deps;
    std::unique_ptr<Parts> m_parts;
    MainWindowPane m_currentPane = MainWindowPane::volumes;
    VolumesPanel::Mode m_viewMode = VolumesPanel::Mode::grid;
    bool m_isWindowVisible = false;
    bool m_isTerminating = false;
};
