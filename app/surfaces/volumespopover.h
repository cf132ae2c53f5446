#pragma once

#include "common/surfaceinterfaces.h"
#include "format/popoverlayout.h"
#include "format/reopenguard.h"
#include "model/volume.h"
#include "surfaces/fanview.h"
#include "surfaces/listscrollcolumn.h"
#include "surfaces/popoveranimator.h"
#include "surfaces/popoverpanel.h"

#include <QAbstractButton>
#include <QHash>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QScrollArea>
#include <functional>
#include <optional>

class GridTileView;
class ListRowView;
class QAction;
class QScreen;
class VolumeActionsMenu;
class VolumeEntryView;
class VolumeIconProvider;
class VolumeStore;

// The volumes popover: a panel showing the visible volumes as a fan, a grid or a list, opened
// and closed by toggle() (a second launch of the program, or the tray icon's primary click).
// It points at the tray icon when the desktop tells where that is, else at the pointer; where
// the compositor places windows (Wayland) it is centred on the screen and points at nothing. Every
// entry opens its volume, offers its actions menu and ejects or remounts through the handlers. Main
// thread. This controller anchors, shows, rebuilds and closes the panel and answers its entries;
// the layouts are built by PopoverFanBuilder, PopoverGridBuilder and PopoverListBuilder, their
// title bar and bottom area by PopoverChrome, the motion by PopoverAnimator.
class VolumesPopover : public QObject, public PopoverSurface {
    Q_OBJECT
public:
    static constexpr double fanCloseSeconds = 0.28;
    static constexpr double panelOpenSeconds = 0.2;
    static constexpr double panelCloseSeconds = 0.18;
    static constexpr int panelSlide = 10;
    static constexpr double fanOpenLaunchScale = 0.2;
    static constexpr double fanCloseLaunchScale = 0.15;
    static constexpr double fanOpenStartOpacity = 0.5;
    static constexpr double fanCloseEndOpacity = 0.3;
    static constexpr int optionsMenuInset = 6;
    static constexpr int fanIconSize = 64;
    static constexpr int listIconSize = 16;

    VolumesPopover(VolumeStore *store, VolumeIconProvider *icons, VolumeActionsMenu *actions,
                   QObject *parent = nullptr);
    ~VolumesPopover() override;

    // PopoverSurface.
    bool isShown() const override;
    void toggle() override;
    // Closes as every other way of closing does, without the reopen guard.
    void close() override;
    void rebuildContentsAndLayout() override;
    void refreshActivity() override;

    void show();
    // The panel stops reacting to outside clicks (it is closing).
    void removeDismissMonitors();
    // A Remount entry of a context menu: its data is the volume's identifier.
    void remountFromMenu(const QAction *item);

    // Outside clicks are ignored while true: a menu of the panel is open.
    bool suspendDismiss = false;

    // What the controller takes from the desktop; tests replace them.
    std::function<double()> clock;
    std::function<QPoint()> pointerPosition;
    std::function<void(const QString &)> openFolder;
    std::function<bool()> compositing;
    std::function<double()> animationScale;
    // Windows are placed by the compositor, not by the program (Wayland).
    std::function<bool()> compositorPlacesWindows;

    PopoverPanel *panel() const { return m_panel; }
    bool isClosing() const { return m_isClosing; }
    bool acceptsMouse() const { return m_animator->acceptsMouse(); }
    std::optional<PopoverLayout::Layout> currentLayout() const { return m_layout; }
    PopoverLayout::Anchor anchor() const { return m_anchor; }
    double panelHeight() const { return m_anchor.panelHeight; }
    QVariantAnimation *animation() const { return m_animator->animation(); }
    double fanOpeningSeconds() const;

    FanView *fanView() const { return m_fan; }
    QList<GridTileView *> tiles() const { return m_tiles; }
    QList<ListRowView *> rows() const { return m_rows; }
    ListScrollColumn *scrollColumn() const { return m_scrollColumn; }
    QScrollArea *gridScrollArea() const { return m_gridScroll; }
    QAbstractButton *optionsButton() const { return m_optionsButton; }
    // The context or options menu being shown, if any.
    QMenu *openMenu() const { return m_openMenu; }
    const QHash<QString, Volume> &remountMenuVolumes() const { return m_remountMenuVolumes; }
    int activityBindingCount() const { return int(m_activityBindings.size()); }

    // The pop-up menu position for an options button: 6 in from its right edge, at its top.
    static QPoint optionsMenuPosition(const QAbstractButton *button);

private:
    struct ActivityBinding {
        Volume volume;
        std::function<void(bool)> apply;
    };

    void closePanel(bool outsideClick);
    void finishClose();
    bool motionReduced() const;
    QScreen *screenAt(QPoint point) const;

    // Build a layout, connect its entries and present it.
    void presentFan(const VolumeList &volumes, QScreen *screen);
    void presentGrid(const VolumeList &volumes, QScreen *screen);
    void presentList(const VolumeList &volumes, QScreen *screen);
    // Hides the panel and lets it go.
    void discardPanel();
    void bindVolumeEntry(VolumeEntryView *entry, const Volume &volume);

    void activate(const Volume &volume);
    void openVolumesFolder();
    void showContextMenu(const Volume &volume, const QPoint &globalPosition);
    void followOpenContextMenu(const VolumeList &volumes);
    void showOptionsMenu(QAbstractButton *button);
    void trackMenu(QMenu *menu);
    bool handlesButtons() const { return volumeHandlers.has_value(); }
    bool isBusy(const Volume &volume) const { return busyProvider && busyProvider(volume); }
    bool isActive(const Volume &volume) const
    {
        return activityProvider && activityProvider(volume);
    }

    QPointer<VolumeStore> m_store;
    VolumeIconProvider *m_icons;
    VolumeActionsMenu *m_actions;

    QPointer<PopoverPanel> m_panel;
    PopoverLayout::Anchor m_anchor;
    std::optional<PopoverLayout::Layout> m_layout;
    bool m_isClosing = false;
    bool m_dismissArmed = false;
    ReopenGuard m_reopenGuard;
    PopoverAnimator *m_animator;

    QPointer<FanView> m_fan;
    QList<GridTileView *> m_tiles;
    QList<ListRowView *> m_rows;
    QPointer<ListScrollColumn> m_scrollColumn;
    QPointer<QScrollArea> m_gridScroll;
    QPointer<QAbstractButton> m_optionsButton;
    QPointer<QMenu> m_openMenu;
    QList<ActivityBinding> m_activityBindings;
    QHash<QString, Volume> m_remountMenuVolumes;
};
