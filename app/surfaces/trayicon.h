#pragma once

#include "common/volumehandlers.h"
#include "model/viewoptions.h"
#include "model/volume.h"

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
class VolumeActionsMenu;
class VolumeIconProvider;
class VolumeStore;

// The program's tray item: the mark as icon, and a menu listing the visible volumes with their
// actions above a fixed block of commands. It never touches the disks itself; everything goes
// out through the handlers its owner sets and its signals. Main thread.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int rowIconSize = 18;

    TrayIcon(VolumeStore *store, VolumeIconProvider *icons, VolumeActionsMenu *actions,
                         QObject *parent = nullptr);
    ~TrayIcon() override;

    // False, the menu has no "Preferences…" item; read at each rebuild.
    bool offersPreferences = false;
    SortMode sortMode = SortMode::name;
    std::optional<VolumeSurfaceHandlers> volumeHandlers;
    std::function<bool(const Volume &)> activityProvider;
    std::function<bool(const Volume &)> busyProvider;

    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    QMenu *menu() const { return m_menu.get(); }
    // The volume rows of the current menu, in menu order.
    const QList<QPair<Volume, QAction *>> &volumeItems() const { return m_volumeItems; }

    void rebuild();
    // Only the row icons (activity dots) change; an open menu keeps its rows.
    void refreshActivity();

    // The tray icon: the mark in the panel's text colour, or red for a staging build.
    static QIcon statusIcon(bool staging);
    // The row icon with its opacity and activity dot applied.
    static QIcon composeRowIcon(const QPixmap &icon, bool mounted, bool active);

    // Menu actions.
    void ejectVolume(const QAction *item);
    void remountVolume(const QAction *item);
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
    void addVolumeRow(const Volume &volume);
    QIcon rowIcon(const Volume &volume, bool active) const;
    bool isActive(const Volume &volume) const;
    QMenu *mountedSubmenu(const Volume &volume);
    QMenu *newSubmenu();
    void clearMenu();

    QPointer<VolumeStore> m_store;
    VolumeIconProvider *m_icons;
    VolumeActionsMenu *m_actions;
    QSystemTrayIcon *m_trayIcon;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QProxyStyle> m_menuStyle;
    QList<QPointer<QMenu>> m_submenus;
    QList<QPair<Volume, QAction *>> m_volumeItems;
    // The activity each row's icon shows, so that a refresh redraws only rows that changed.
    QList<bool> m_rowActivity;
    QHash<QString, Volume> m_handlerVolumes;
};
