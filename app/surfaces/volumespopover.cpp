#include "surfaces/volumespopover.h"

#include "discovery/volumestore.h"
#include "format/animationscale.h"
#include "format/ejectremountspec.h"
#include "format/fangeometry.h"
#include "format/gridpanelgeometry.h"
#include "format/listpanelgeometry.h"
#include "model/volumesorter.h"
#include "common/desktopplaces.h"
#include "surfaces/popoverpanel.h"
#include "surfaces/compositing.h"
#include "surfaces/fanview.h"
#include "surfaces/gridtileview.h"
#include "surfaces/listrowview.h"
#include "surfaces/listscrollcolumn.h"
#include "surfaces/symbolicons.h"
#include "surfaces/systemcolours.h"
#include "surfaces/systemfont.h"
#include "surfaces/tilehoverframe.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QEasingCurve>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVariantAnimation>
#include <cmath>
#include <numbers>

namespace {

using PopoverLayout::Direction;

// The platform's standard animation curves.
QEasingCurve easeOut()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

QEasingCurve easeIn()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0), QPointF(1, 1), QPointF(1, 1));
    return curve;
}

double monotonicSeconds()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer.nsecsElapsed() / 1e9;
}

QIcon folderIcon()
{
    return QIcon::fromTheme(QStringLiteral("folder"),
                            QApplication::style()->standardIcon(QStyle::SP_DirIcon));
}

QPixmap iconPixmap(const QIcon &icon, int side)
{
    return icon.pixmap(QSize(side, side), qApp ? qApp->devicePixelRatio() : 1.0);
}

QString openInFileManagerTitle()
{
    // The English catalogue names the desktop's file manager.
    //: Popover folder entry
    return VolumesPopover::tr("Open in Finder");
}

// The thin scroll bar of the grid, drawn over its right margin.
const char scrollBarStyle[] =
    "QScrollBar:vertical { background: transparent; width: 8px; margin: 2px 2px 2px 0; }"
    "QScrollBar::handle:vertical { background: rgba(255, 255, 255, 80); border-radius: 3px;"
    "  min-height: 24px; }"
    "QScrollBar::handle:vertical:hover { background: rgba(255, 255, 255, 140); }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }";

// A flat chevron that pops up the view options.
class OptionsButton : public QAbstractButton {
public:
    explicit OptionsButton(QWidget *parent) : QAbstractButton(parent)
    {
        setFixedSize(22, 22);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        //: Popover list row
        setAccessibleName(VolumesPopover::tr("Options"));
        setToolTip(accessibleName());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (underMouse()) {
            QColor shade = palette().color(QPalette::WindowText);
            shade.setAlphaF(0.14);
            painter.setPen(Qt::NoPen);
            painter.setBrush(shade);
            painter.drawRoundedRect(QRectF(rect()), 5, 5);
        }
        const int glyph = 12;
        const QPixmap chevron =
            SymbolIcons::tinted(SymbolIcons::fallback(SymbolIcons::Symbol::chevronDown), glyph,
                                SystemColours::secondaryLabel(palette()), devicePixelRatioF());
        painter.drawPixmap(QPointF((width() - glyph) / 2.0, (height() - glyph) / 2.0), chevron);
    }
};

// The hairline between the rows and the bottom area.
class Separator : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QColor line = palette().color(QPalette::WindowText);
        line.setAlphaF(0.16);
        painter.fillRect(QRect(10, height() / 2, width() - 20, 1), line);
    }
};

QPainterPath gridBody(const GridPanelGeometry::Geometry &g, Direction direction)
{
    const QRectF body = g.body(direction);
    QPainterPath path;
    path.addRoundedRect(body, GridPanelGeometry::cornerRadius, GridPanelGeometry::cornerRadius);
    const double c = g.beakCentre;
    const double half = GridPanelGeometry::beakWidth / 2;
    QPainterPath beak;
    if (direction == Direction::up) {
        const double base = body.bottom();
        beak.moveTo(c - half, base - 1);
        beak.lineTo(c, g.frame.height());
        beak.lineTo(c + half, base - 1);
    } else {
        const double base = body.top();
        beak.moveTo(c - half, base + 1);
        beak.lineTo(c, 0);
        beak.lineTo(c + half, base + 1);
    }
    beak.closeSubpath();
    return path.united(beak).simplified();
}

} // namespace

VolumesPopover::VolumesPopover(VolumeStore *store, VolumeIconProvider *icons,
                                             VolumeActionsMenu *actions, QObject *parent)
    : QObject(parent), m_store(store), m_icons(icons), m_actions(actions)
{
    clock = monotonicSeconds;
    pointerPosition = [] { return QCursor::pos(); };
    openFolder = DesktopPlaces::openFolder;
    compositing = Compositing::isActive;
    animationScale = AnimationScale::fromEnvironment;
}

VolumesPopover::~VolumesPopover()
{
    stopAnimation();
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
    runClosingAnimation();
}

void VolumesPopover::finishClose()
{
    stopAnimation();
    if (PopoverPanel *panel = m_panel.data()) {
        panel->onCancel = nullptr;
        panel->onOutsideClick = nullptr;
        panel->hide();
        panel->deleteLater();
    }
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
    m_acceptsMouse = true;
}

void VolumesPopover::show()
{
    if (m_panel)
        return;
    const QPoint pointer = pointerPosition();
    QScreen *screen = screenAt(pointer);
    if (!screen)
        return;
    m_anchor = PopoverLayout::anchorFor(pointer, screen->geometry(), screen->availableGeometry());

    const bool translucent = compositing && compositing();
    auto *panel = new PopoverPanel(translucent);
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
    runOpeningAnimation();

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
        layoutFan(volumes, screen);
        break;
    case PopoverLayout::Layout::grid:
        layoutGrid(volumes, screen);
        break;
    case PopoverLayout::Layout::list:
        layoutList(volumes, screen);
        break;
    }
    if (m_panel->isVisible())
        m_panel->setFocus(Qt::PopupFocusReason);
}

void VolumesPopover::layoutFan(const VolumeList &volumes, QScreen *screen)
{
    const FanGeometry::Split split = FanGeometry::split(volumes.size());
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;

    QList<FanGeometry::ItemShape> shapes;
    QList<FanView::Item> items;
    for (int i = 0; i < split.shown; ++i) {
        const Volume &volume = volumes.at(i);
        FanView::Item item;
        item.volume = volume;
        item.title = volume.name;
        item.iconSize = FanGeometry::iconSize;
        item.dimmed = !volume.isMounted;
        item.picture = FanView::renderPicture(item.title, m_icons->pixmap(volume, 2 * fanIconSize),
                                              item.iconSize, FanGeometry::pillBottom, ratio);
        shapes.append({FanGeometry::pillWidth(FanView::pillTextWidth(item.title)), item.iconSize});
        items.append(item);
    }

    FanView::Item folder;
    //: Fan overflow pill; %1 is how many volumes the fan leaves out
    folder.title =
        split.overflow > 0 ? tr("%1 More in Finder").arg(split.overflow) : openInFileManagerTitle();
    folder.iconSize = FanGeometry::folderSize;
    folder.picture =
        FanView::renderPicture(folder.title, iconPixmap(folderIcon(), 2 * int(folder.iconSize)),
                               folder.iconSize, FanGeometry::folderPillBottom, ratio);
    shapes.append({FanGeometry::pillWidth(FanView::pillTextWidth(folder.title)), folder.iconSize});
    items.append(folder);

    const FanGeometry::Layout fan = FanGeometry::layout(shapes);
    const QRectF screenRect = screen ? QRectF(screen->geometry()) : QRectF();
    const QRectF frame = FanGeometry::panelFrame(fan, m_anchor, screenRect);
    const double height = frame.height();
    const double lift = m_anchor.panelHeight;
    const bool up = m_anchor.direction == Direction::up;
    constexpr double degrees = 180 / std::numbers::pi;

    for (int j = 0; j < items.size(); ++j) {
        const FanGeometry::PlacedItem &placed = fan.items.at(j);
        FanView::Item &item = items[j];
        item.size = placed.size;
        item.iconInset = placed.iconInset;
        item.tilt = (up ? 1 : -1) * placed.tilt * degrees;
        // The panel reaches over the bar to the screen's edge; items rest clear of the bar,
        // mirrored for a fan that hangs from a top bar.
        const double y = up ? height - lift - placed.iconCentre.y() : lift + placed.iconCentre.y();
        item.restingIconCentre = QPointF(placed.iconCentre.x(), y);
    }
    const double launchY = up ? height - lift / 2 : lift / 2;

    auto *view = new FanView();
    view->setItems(items, QPointF(fan.collapseCentre.x(), launchY));
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

    PopoverPanel::Look look;
    m_panel->present(frame.toAlignedRect(), look, view);
}

// A grid tile or list row of a volume: its busy and activity marks kept current, its requests
// answered.
template <typename Entry>
void VolumesPopover::bindVolumeEntry(Entry *entry, const Volume &volume)
{
    entry->setBusy(isBusy(volume));
    entry->setActive(isActive(volume));
    connect(entry, &Entry::openRequested, this, [this, volume] { activate(volume); });
    connect(entry, &Entry::ejectRequested, this, [this, volume] {
        if (volumeHandlers && volumeHandlers->eject)
            volumeHandlers->eject(volume);
    });
    connect(entry, &Entry::remountRequested, this, [this, volume] {
        if (volumeHandlers && volumeHandlers->remount)
            volumeHandlers->remount(volume);
    });
    connect(entry, &Entry::contextMenuRequested, this,
            [this, volume](const QPoint &at) { showContextMenu(volume, at); });
    QPointer<Entry> guard(entry);
    m_activityBindings.append({volume, [guard](bool active) {
                                   if (guard)
                                       guard->setActive(active);
                               }});
}

void VolumesPopover::layoutGrid(const VolumeList &volumes, QScreen *screen)
{
    const QRectF screenRect = screen ? QRectF(screen->geometry()) : QRectF();
    const QRectF available = screen ? QRectF(screen->availableGeometry()) : QRectF();

    auto *content = new QWidget();
    auto *grid = new QWidget();
    grid->setAutoFillBackground(false);
    QList<QWidget *> cells;
    for (const Volume &volume : volumes) {
        auto *tile = new GridTileView(volume, m_icons->pixmap(volume, GridTileView::iconSide));
        if (!handlesButtons())
            tile->setButtonKind(EjectRemountSpec::Kind::none);
        bindVolumeEntry(tile, volume);
        m_tiles.append(tile);
        cells.append(new TileHoverFrame(tile, grid));
    }
    auto *folder =
        new GridTileView(iconPixmap(folderIcon(), GridTileView::iconSide), openInFileManagerTitle());
    connect(folder, &GridTileView::openRequested, this, [this] { openVolumesFolder(); });
    m_tiles.append(folder);
    cells.append(new TileHoverFrame(folder, grid));

    const QSize tileSize = folder->sizeHint();
    GridPanelGeometry::Input input;
    input.tileCount = int(cells.size());
    input.tileSize = tileSize;
    input.anchor = m_anchor;
    input.screen = screenRect;
    input.available = available;
    const GridPanelGeometry::Geometry g = GridPanelGeometry::compute(input);

    for (int i = 0; i < cells.size(); ++i)
        cells.at(i)->setGeometry(
            QRect(GridPanelGeometry::tileOrigin(i, g.columns, tileSize).toPoint(), tileSize));
    grid->resize(g.gridSize.toSize());

    const QRect body = g.body(m_anchor.direction).toAlignedRect();
    auto *title = new QLabel(content);
    // The English catalogue names the folder where removable media appear.
    //: Popover grid title
    title->setText(tr("/Volumes"));
    title->setFont(SystemFont::ofSize(13, QFont::DemiBold));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, SystemColours::secondaryLabel(m_panel->palette()));
    title->setPalette(titlePalette);
    title->setGeometry(body.left() + 40, body.top() + int(GridPanelGeometry::titleTop),
                       body.width() - 80, int(GridPanelGeometry::titleBarHeight) - 10);

    auto *options = new OptionsButton(content);
    options->move(body.right() + 1 - 14 - options->width(), body.top() + 6);
    connect(options, &QAbstractButton::clicked, this,
            [this, options] { showOptionsMenu(options); });
    m_optionsButton = options;

    auto *scroll = new QScrollArea(content);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->verticalScrollBar()->setStyleSheet(QString::fromLatin1(scrollBarStyle));
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setAutoFillBackground(false);
    scroll->setWidget(grid);
    // The scroll area fills its widget's background; the panel's material shows instead.
    grid->setAutoFillBackground(false);
    scroll->setWidgetResizable(false);
    scroll->setGeometry(body.left(), body.top() + int(GridPanelGeometry::titleBarHeight),
                        body.width(), int(std::ceil(g.visibleGridHeight)));
    m_gridScroll = scroll;

    PopoverPanel::Look look;
    look.material = PopoverPanel::Material::hud;
    look.body = gridBody(g, m_anchor.direction);
    look.shadow = true;
    m_panel->present(g.frame.toAlignedRect(), look, content);
}

void VolumesPopover::layoutList(const VolumeList &volumes, QScreen *screen)
{
    const QRectF screenRect = screen ? QRectF(screen->geometry()) : QRectF();
    const QRectF available = screen ? QRectF(screen->availableGeometry()) : QRectF();

    QList<ListRowView *> rows;
    QList<double> widths;
    for (const Volume &volume : volumes) {
        auto *row = new ListRowView(volume, m_icons->pixmap(volume, listIconSize));
        using Kind = EjectRemountSpec::Kind;
        const Kind kind = handlesButtons() ? EjectRemountSpec::forVolume(volume) : Kind::none;
        row->setAccessory(kind == Kind::eject     ? ListRowView::Accessory::eject
                          : kind == Kind::remount ? ListRowView::Accessory::remount
                                                  : ListRowView::Accessory::none);
        row->setShowsActivity(bool(activityProvider));
        bindVolumeEntry(row, volume);
        widths.append(
            ListPanelGeometry::rowWidth(QFontMetricsF(row->font()).horizontalAdvance(volume.name),
                                        bool(activityProvider), kind != Kind::none));
        rows.append(row);
    }
    m_rows = rows;

    const double folderText =
        QFontMetricsF(SystemFont::ofSize(13)).horizontalAdvance(openInFileManagerTitle());
    const int width =
        int(std::ceil(ListPanelGeometry::width(widths, folderText, available.width())));
    const ListPanelGeometry::Geometry g =
        ListPanelGeometry::compute(int(rows.size()), width, m_anchor, screenRect, available);

    auto *content = new QWidget();
    auto *column = new QWidget();
    column->resize(width, int(rows.size()) * ListRowView::rowHeight);
    for (int i = 0; i < rows.size(); ++i) {
        rows.at(i)->setParent(column);
        rows.at(i)->setGeometry(0, i * ListRowView::rowHeight, width, ListRowView::rowHeight);
    }
    const int rowsHeight = int(std::round(g.rowsHeight));
    if (g.scrolls) {
        auto *scroller = new ListScrollColumn(column, rowsHeight, content);
        scroller->move(0, 0);
        m_scrollColumn = scroller;
    } else {
        column->setParent(content);
        column->move(0, 0);
    }

    QWidget *bottom = buildBottomArea(content, width);
    bottom->move(0, rowsHeight);

    PopoverPanel::Look look;
    look.material = PopoverPanel::Material::hud;
    QPainterPath body;
    body.addRoundedRect(QRectF(QPointF(), g.frame.size()), ListPanelGeometry::cornerRadius,
                        ListPanelGeometry::cornerRadius);
    look.body = body;
    look.border = QColor::fromRgbF(0, 0, 0, 0.55f);
    look.shadow = true;
    m_panel->present(g.frame.toAlignedRect(), look, content);
}

QWidget *VolumesPopover::buildBottomArea(QWidget *parent, int width)
{
    auto *area = new QWidget(parent);
    area->resize(width, int(ListPanelGeometry::bottomAreaHeight));
    auto *line = new Separator(area);
    line->setGeometry(0, 0, width, 8);

    auto *folder = new ListRowView(folderIcon(), openInFileManagerTitle(), area);
    folder->setGeometry(0, 8, width, ListRowView::rowHeight);
    connect(folder, &ListRowView::openRequested, this, [this] { openVolumesFolder(); });

    //: Popover list row
    auto *options = new ListRowView(QIcon(), tr("Options"), area);
    options->setAccessory(ListRowView::Accessory::options);
    options->setGeometry(0, 8 + ListRowView::rowHeight, width, ListRowView::rowHeight);
    connect(options, &ListRowView::optionsRequested, this,
            [this](QAbstractButton *button) { showOptionsMenu(button); });
    m_optionsButton = options->button();
    return area;
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

void VolumesPopover::stopAnimation()
{
    if (QVariantAnimation *animation = m_animation.data()) {
        m_animation.clear();
        animation->stop();
        animation->deleteLater();
    }
}

void VolumesPopover::runOpeningAnimation()
{
    stopAnimation();
    PopoverPanel *panel = m_panel;
    if (!panel)
        return;
    if (motionReduced()) {
        panel->setWindowOpacity(1);
        panel->setSlide(0);
        if (m_fan)
            m_fan->setPose(1, 1, 1);
        m_acceptsMouse = true;
        return;
    }

    auto *animation = new QVariantAnimation(this);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setEasingCurve(easeOut());
    m_animation = animation;

    if (m_layout == PopoverLayout::Layout::fan) {
        const double seconds = fanOpeningSeconds();
        animation->setDuration(int(std::round(seconds * 1000)));
        m_acceptsMouse = false;
        if (QWidget *content = panel->content())
            content->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        m_fan->setPose(0, fanOpenLaunchScale, fanOpenStartOpacity);
        connect(animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
            const double t = value.toDouble();
            if (m_fan)
                m_fan->setPose(t, fanOpenLaunchScale,
                               fanOpenStartOpacity + (1 - fanOpenStartOpacity) * t);
        });
        // The end-of-opening work, unless the panel went or started closing meanwhile.
        connect(animation, &QVariantAnimation::finished, this, [this] {
            if (!m_panel || m_isClosing)
                return;
            m_acceptsMouse = true;
            if (QWidget *content = m_panel->content())
                content->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        });
    } else {
        animation->setDuration(int(panelOpenSeconds * 1000));
        const int slide = m_anchor.direction == Direction::up ? panelSlide : -panelSlide;
        panel->setWindowOpacity(0);
        panel->setSlide(slide);
        connect(animation, &QVariantAnimation::valueChanged, this,
                [this, slide](const QVariant &value) {
                    const double t = value.toDouble();
                    if (!m_panel)
                        return;
                    m_panel->setWindowOpacity(t);
                    m_panel->setSlide(int(std::round(slide * (1 - t))));
                });
    }
    animation->start();
}

void VolumesPopover::runClosingAnimation()
{
    stopAnimation();
    PopoverPanel *panel = m_panel;
    if (!panel) {
        finishClose();
        return;
    }
    if (motionReduced()) {
        finishClose();
        return;
    }
    m_acceptsMouse = false;
    if (QWidget *content = panel->content())
        content->setAttribute(Qt::WA_TransparentForMouseEvents, true);

    auto *animation = new QVariantAnimation(this);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setEasingCurve(easeIn());
    m_animation = animation;

    if (m_layout == PopoverLayout::Layout::fan && m_fan) {
        animation->setDuration(int(fanCloseSeconds * 1000));
        connect(animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
            const double t = value.toDouble();
            if (m_fan)
                m_fan->setPose(1 - t, fanCloseLaunchScale, 1 - (1 - fanCloseEndOpacity) * t);
        });
    } else {
        animation->setDuration(int(panelCloseSeconds * 1000));
        const int slide = m_anchor.direction == Direction::up ? panelSlide : -panelSlide;
        connect(animation, &QVariantAnimation::valueChanged, this,
                [this, slide](const QVariant &value) {
                    const double t = value.toDouble();
                    if (!m_panel)
                        return;
                    m_panel->setWindowOpacity(1 - t);
                    m_panel->setSlide(int(std::round(slide * t)));
                });
    }
    connect(animation, &QVariantAnimation::finished, this, [this] { finishClose(); });
    animation->start();
}
