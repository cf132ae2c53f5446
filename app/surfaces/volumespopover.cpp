#include "surfaces/volumespopover.h"

#include "common/desktopplaces.h"
#include "discovery/volumestore.h"
#include "format/animationscale.h"
#include "model/volumesorter.h"
#include "surfaces/compositing.h"
#include "surfaces/fanview.h"
#include "surfaces/gridtileview.h"
#include "surfaces/listrowview.h"
#include "surfaces/listscrollcolumn.h"
#include "surfaces/popoverfanbuilder.h"
#include "surfaces/popovergridbuilder.h"
#include "surfaces/popoverlistbuilder.h"
#include "surfaces/popoverpanel.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"

#include <QAbstractButton>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>

namespace {

// The volume a context menu was opened for, and whether it was mounted then.
const char *const contextVolumeProperty = "quillmereContextVolume";
const char *const contextMountedProperty = "quillmereContextMounted";

double monotonicSeconds()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

VolumesPopover::VolumesPopover(VolumeStore *store, VolumeIconProvider *icons,
                               VolumeActionsMenu *actions, QObject *parent)
    : QObject(parent), m_store(store), m_icons(icons), m_actions(actions),
      m_animator(new PopoverAnimator(this))
{
    clock = monotonicSeconds;
    pointerPosition = [] { return QCursor::pos(); };
    openFolder = DesktopPlaces::openFolder;
    compositing = Compositing::isActive;
    animationScale = AnimationScale::fromEnvironment;
    compositorPlacesWindows = [] {
        return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    };
}

VolumesPopover::~VolumesPopover()
{
    m_animator->stop();
    discardPanel();
}

void VolumesPopover::discardPanel()
{
    if (PopoverPanel *panel = m_panel.data()) {
        panel->onCancel = nullptr;
        panel->onOutsideClick = nullptr;
        panel->hide();
        panel->deleteLater();
    }
}

double VolumesPopover::fanOpeningSeconds() const
{
    return AnimationScale::fanOpeningSeconds(animationScale ? animationScale() : 1.0);
}

bool VolumesPopover::isShown() const
{
    return m_panel && m_panel->isVisible() && !m_isClosing;
}

bool VolumesPopover::motionReduced() const
{
    return reduceMotion && reduceMotion();
}

QScreen *VolumesPopover::screenAt(QPoint point) const
{
    QScreen *screen = QGuiApplication::screenAt(point);
    return screen ? screen : QGuiApplication::primaryScreen();
}

void VolumesPopover::toggle()
{
    if (!m_panel || !m_panel->isVisible()) {
        if (m_reopenGuard.allowsShow(clock()))
            show();
        return;
    }
    if (!m_isClosing)
        closePanel(false);
}

void VolumesPopover::close()
{
    if (m_panel && m_panel->isVisible() && !m_isClosing)
        closePanel(false);
}

void VolumesPopover::removeDismissMonitors()
{
    m_dismissArmed = false;
}

void VolumesPopover::closePanel(bool outsideClick)
{
    if (outsideClick)
        m_reopenGuard.noteOutsideClick(clock());
    m_isClosing = true;
    removeDismissMonitors();
    if (m_openMenu)
        m_openMenu->close();
    if (onVisibilityChange)
        onVisibilityChange(false);
    m_animator->close(m_panel, m_anchor.direction, motionReduced(), [this] { finishClose(); });
}

void VolumesPopover::finishClose()
{
    // Lets the content take clicks again too.
    m_animator->stop();
    discardPanel();
    m_panel.clear();
    m_fan.clear();
    m_tiles.clear();
    m_rows.clear();
    m_scrollColumn.clear();
    m_gridScroll.clear();
    m_optionsButton.clear();
    m_activityBindings.clear();
    m_layout.reset();
    m_isClosing = false;
}

void VolumesPopover::show()
{
    if (m_panel)
        return;
    const bool placedByCompositor = compositorPlacesWindows && compositorPlacesWindows();
    QScreen *screen = nullptr;
    if (placedByCompositor) {
        screen = screenAt(pointerPosition());
        if (!screen)
            return;
        m_anchor = PopoverLayout::centredAnchor(screen->availableGeometry());
    } else {
        const QRect area = anchorArea ? anchorArea() : QRect();
        const QRectF target =
            area.isEmpty() ? QRectF(pointerPosition(), QSizeF(0, 0)) : QRectF(area);
        screen = screenAt(target.center().toPoint());
        if (!screen)
            return;
        m_anchor = PopoverLayout::anchorAt(target, screen->geometry(), screen->availableGeometry());
    }

    const bool translucent = compositing && compositing();
    auto *panel =
        new PopoverPanel(translucent, placedByCompositor ? PopoverPanel::Placement::compositor
                                                         : PopoverPanel::Placement::program);
    if (!translucent) {
        // Without a compositor the panel shows the desktop it covers itself.
        const QPixmap desktop = screen->grabWindow(0);
        if (!desktop.isNull())
            panel->setBackdrop(desktop.toImage(), screen->geometry().topLeft());
    }
    panel->onCancel = [this] {
        if (m_panel && !m_isClosing)
            closePanel(false);
    };
    panel->onOutsideClick = [this] {
        if (m_panel && !m_isClosing && m_dismissArmed && !suspendDismiss)
            closePanel(true);
    };
    m_panel = panel;
    m_isClosing = false;

    rebuildContentsAndLayout();
    panel->show();
    panel->raise();
    panel->activateWindow();
    panel->setFocus(Qt::PopupFocusReason);
    m_animator->open(panel, m_anchor.direction, motionReduced(), fanOpeningSeconds());

    m_dismissArmed = true;
    if (onVisibilityChange)
        onVisibilityChange(true);
}

void VolumesPopover::rebuildContentsAndLayout()
{
    if (!m_panel)
        return;
    m_activityBindings.clear();
    m_remountMenuVolumes.clear();
    m_tiles.clear();
    m_rows.clear();
    m_fan.clear();
    m_scrollColumn.clear();
    m_gridScroll.clear();
    m_optionsButton.clear();

    QScreen *screen = screenAt(QPoint(int(m_anchor.x), int(m_anchor.y)));
    const VolumeList volumes =
        m_store ? VolumeSorter::sorted(m_store->visibleVolumes(), sortMode) : VolumeList();
    m_layout = PopoverLayout::choose(viewMode, volumes.size());
    switch (*m_layout) {
    case PopoverLayout::Layout::fan:
        presentFan(volumes, screen);
        break;
    case PopoverLayout::Layout::grid:
        presentGrid(volumes, screen);
        break;
    case PopoverLayout::Layout::list:
        presentList(volumes, screen);
        break;
    }
    followOpenContextMenu(volumes);
    if (m_panel->isVisible())
        m_panel->setFocus(Qt::PopupFocusReason);
}

void VolumesPopover::followOpenContextMenu(const VolumeList &volumes)
{
    // An open context menu holds still: its entries follow the volume's new record in place,
    // and go grey when the volume left or changed so much that the menu no longer fits it.
    QMenu *menu = m_openMenu;
    if (!menu)
        return;
    const QString id = menu->property(contextVolumeProperty).toString();
    if (id.isEmpty())
        return;
    const auto found = std::find_if(volumes.cbegin(), volumes.cend(),
                                    [&id](const Volume &volume) { return volume.id == id; });
    if (found == volumes.cend() ||
        found->isMounted != menu->property(contextMountedProperty).toBool()) {
        const QList<QAction *> entries = menu->actions();
        for (QAction *entry : entries)
            entry->setEnabled(false);
        return;
    }
    if (found->isMounted)
        m_actions->fillMenu(menu, *found);
    else
        m_remountMenuVolumes.insert(found->id, *found);
}

void VolumesPopover::presentFan(const VolumeList &volumes, QScreen *screen)
{
    const PopoverFanBuilder::Fan fan = PopoverFanBuilder(m_icons, m_anchor, screen).build(volumes);
    FanView *view = fan.view;
    connect(view, &FanView::itemClicked, this, [this, view](int index) {
        const FanView::Item &item = view->items().at(index);
        if (item.volume)
            activate(*item.volume);
        else
            openVolumesFolder();
    });
    connect(view, &FanView::itemContextMenuRequested, this,
            [this, view](int index, const QPoint &globalPosition) {
                const FanView::Item &item = view->items().at(index);
                if (item.volume)
                    showContextMenu(*item.volume, globalPosition);
            });
    m_fan = view;
    QAbstractButton *options = fan.optionsButton;
    connect(options, &QAbstractButton::clicked, this,
            [this, options] { showOptionsMenu(options); });
    m_optionsButton = options;
    m_panel->present(fan.frame, fan.look, fan.content);
}

void VolumesPopover::presentGrid(const VolumeList &volumes, QScreen *screen)
{
    const PopoverGridBuilder::Grid grid =
        PopoverGridBuilder(m_icons, m_anchor, screen, handlesButtons())
            .build(volumes, m_panel->palette());
    for (GridTileView *tile : grid.tiles) {
        if (tile->volume())
            bindVolumeEntry(tile, *tile->volume());
    }
    connect(grid.folderTile, &GridTileView::openRequested, this, [this] { openVolumesFolder(); });
    QAbstractButton *options = grid.optionsButton;
    connect(options, &QAbstractButton::clicked, this,
            [this, options] { showOptionsMenu(options); });
    m_tiles = grid.tiles;
    m_optionsButton = options;
    m_gridScroll = grid.scrollArea;
    m_panel->present(grid.frame, grid.look, grid.content);
}

void VolumesPopover::presentList(const VolumeList &volumes, QScreen *screen)
{
    const PopoverListBuilder::List list =
        PopoverListBuilder(m_icons, m_anchor, screen, handlesButtons(), bool(activityProvider))
            .build(volumes);
    for (ListRowView *row : list.rows)
        bindVolumeEntry(row, *row->volume());
    connect(list.folderRow, &ListRowView::openRequested, this, [this] { openVolumesFolder(); });
    connect(list.optionsRow, &ListRowView::optionsRequested, this,
            [this](QAbstractButton *button) { showOptionsMenu(button); });
    m_rows = list.rows;
    m_optionsButton = list.optionsRow->button();
    m_scrollColumn = list.scrollColumn;
    m_panel->present(list.frame, list.look, list.content);
}

// A grid tile or list row of a volume: its busy and activity marks kept current, its requests
// answered.
void VolumesPopover::bindVolumeEntry(VolumeEntryView *entry, const Volume &volume)
{
    entry->setBusy(isBusy(volume));
    entry->setActive(isActive(volume));
    connect(entry, &VolumeEntryView::openRequested, this, [this, volume] { activate(volume); });
    connect(entry, &VolumeEntryView::ejectRequested, this, [this, volume] {
        if (volumeHandlers && volumeHandlers->eject)
            volumeHandlers->eject(volume);
    });
    connect(entry, &VolumeEntryView::remountRequested, this, [this, volume] {
        if (volumeHandlers && volumeHandlers->remount)
            volumeHandlers->remount(volume);
    });
    connect(entry, &VolumeEntryView::contextMenuRequested, this,
            [this, volume](const QPoint &at) { showContextMenu(volume, at); });
    QPointer<VolumeEntryView> guard(entry);
    m_activityBindings.append({volume, [guard](bool active) {
                                   if (guard)
                                       guard->setActive(active);
                               }});
}

void VolumesPopover::refreshActivity()
{
    if (!isShown())
        return;
    for (const ActivityBinding &binding : std::as_const(m_activityBindings))
        binding.apply(isActive(binding.volume));
}

void VolumesPopover::activate(const Volume &volume)
{
    if (volume.isMounted) {
        openFolder(volume.mountPath);
        if (m_panel && !m_isClosing)
            closePanel(false);
    } else if (volumeHandlers && volumeHandlers->remount) {
        volumeHandlers->remount(volume);
    }
}

void VolumesPopover::openVolumesFolder()
{
    openFolder(DesktopPlaces::volumesFolder());
    if (m_panel && !m_isClosing)
        closePanel(false);
}

void VolumesPopover::showContextMenu(const Volume &volume, const QPoint &globalPosition)
{
    if (!m_panel || m_isClosing)
        return;
    QMenu *menu = nullptr;
    if (volume.isMounted) {
        menu = m_actions->makeMenu(volume, m_panel);
    } else if (volumeHandlers) {
        menu = new QMenu(m_panel);
        m_remountMenuVolumes.insert(volume.id, volume);
        //: Menu item
        QAction *remount = menu->addAction(VolumeIconProvider::remountIcon(), tr("Remount"));
        remount->setData(volume.id);
        connect(remount, &QAction::triggered, this, [this, remount] { remountFromMenu(remount); });
    }
    if (!menu)
        return;
    menu->setProperty(contextVolumeProperty, volume.id);
    menu->setProperty(contextMountedProperty, volume.isMounted);
    trackMenu(menu);
    menu->popup(globalPosition);
}

void VolumesPopover::remountFromMenu(const QAction *item)
{
    if (!item || !volumeHandlers || !volumeHandlers->remount)
        return;
    const auto found = m_remountMenuVolumes.constFind(item->data().toString());
    if (found != m_remountMenuVolumes.cend())
        volumeHandlers->remount(found.value());
}

QPoint VolumesPopover::optionsMenuPosition(const QAbstractButton *button)
{
    return button->mapToGlobal(QPoint(button->width() - optionsMenuInset, 0));
}

void VolumesPopover::showOptionsMenu(QAbstractButton *button)
{
    if (!m_panel || m_isClosing || !optionsMenuProvider || !button)
        return;
    QMenu *menu = optionsMenuProvider();
    if (!menu)
        return;
    menu->setParent(m_panel, menu->windowFlags());
    trackMenu(menu);
    menu->popup(optionsMenuPosition(button));
}

void VolumesPopover::trackMenu(QMenu *menu)
{
    if (m_openMenu)
        m_openMenu->close();
    m_openMenu = menu;
    suspendDismiss = true;
    connect(menu, &QMenu::aboutToHide, this, [this, menu] {
        if (m_openMenu == menu) {
            m_openMenu.clear();
            suspendDismiss = false;
        }
        // Its chosen action runs after this; the menu goes once that is done.
        menu->deleteLater();
    });
}
