#pragma once

#include "common/volumehandlers.h"
#include "model/viewoptions.h"
#include "model/volume.h"
#include "surfaces/volumeactionsmenu.h"

#include "surfaces/keyedmenurows.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QProxyStyle;
class QSystemTrayIcon;
class TrayHostWatcher;
class VolumeIconProvider;
class VolumeStore;

// The program's tray item: the mark as icon, and a menu listing the visible volumes with their
// actions above a fixed block of commands. The menu is made once: each volume has one row and
// one submenu for as long as it is listed, updated in place, so the menu holds still under the
// pointer and a tray host's click on a row it showed earlier reaches that row's volume. The
// icon appears once the desktop has a tray, also when the panel comes later. It never touches
// the disks itself; everything goes out through the handlers its owner sets and its signals.
// Main thread.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int rowIconSize = 18;

    TrayIcon(VolumeStore *store, VolumeIconProvider *icons, VolumeActionsMenu *actions,
             QObject *parent = nullptr);
    ~TrayIcon() override;

    // False, the menu has no "Preferences…" item; read at each refresh.
    bool offersPreferences = false;
    SortMode sortMode = SortMode::name;
    std::optional<VolumeSurfaceHandlers> volumeHandlers;
    std::function<bool(const Volume &)> activityProvider;
    std::function<bool(const Volume &)> busyProvider;

    // None until the desktop has a tray.
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    QMenu *menu() const { return m_menu.get(); }
    // The volume rows of the menu, in menu order, with the record each row shows; rows of
    // volumes that left while the menu was open are not among them.
    QList<QPair<Volume, QAction *>> volumeItems() const;

    // Brings the menu to the store's volumes and the settings, changing only what differs.
    void refresh();
    // Only the row icons (activity dots) change.
    void refreshActivity();

    // The tray icon: named for the icon theme, drawn dark inside a light outline; red and
    // without a name for a staging build.
    static QIcon statusIcon(bool staging);
    // The row icon with its opacity and activity dot applied.
    static QIcon composeRowIcon(const QPixmap &icon, bool mounted, bool active);

    // Menu actions.
    void ejectAllTapped();
    void openMainWindow();
    void openVolumesFolder();
    void openHistory();
    void openPreferences();
    void openDisks();
    void quit();

signals:
    void preferencesRequested();
    void historyRequested();
    void mainWindowRequested();
    void ejectAllRequested();
    // A primary click on the tray icon; while nothing is connected to it, the click opens the
    // menu instead.
    void activated();

private:
    struct Row {
        Volume volume;
        // Owned here; it lives as long as the row.
        QMenu *submenu = nullptr;
        // The activity the row's icon shows, so that a refresh redraws only rows that changed.
        bool active = false;
    };

    void buildFixedRows();
    void showInTray();
    void updateRow(const Volume &volume, QAction *row);
    QList<VolumeActionsMenu::Entry> submenuEntries(const Volume &volume);
    QIcon rowIcon(const Volume &volume, bool active) const;
    bool isActive(const Volume &volume) const;
    // After one of the program's own menus closed, rows held still for it may go or move.
    void refreshWhenClosed();

    QPointer<VolumeStore> m_store;
    VolumeIconProvider *m_icons;
    VolumeActionsMenu *m_actions;
    QSystemTrayIcon *m_trayIcon = nullptr;
    TrayHostWatcher *m_hostWatcher;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QProxyStyle> m_menuStyle;
    std::unique_ptr<KeyedMenuRows> m_volumeRows;
    QHash<QString, Row> m_rows;
    QAction *m_noVolumes = nullptr;
    QAction *m_preferences = nullptr;
    QAction *m_disks = nullptr;
    bool m_refreshQueued = false;
};
