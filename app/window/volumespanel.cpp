#include "window/volumespanel.h"

#include "format/capacityformatter.h"
#include "format/ejectremountspec.h"
#include "format/gridcolumns.h"
#include "format/volumerowformatter.h"
#include "surfaces/capacitygaugeview.h"
#include "surfaces/gridtileview.h"
#include "surfaces/spinnerview.h"
#include "surfaces/symbolicons.h"
#include "surfaces/systemcolours.h"
#include "surfaces/systemfont.h"
#include "surfaces/tilehoverframe.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A dot of the given side in the activity green, hidden until the drive is busy.
class ActivityDot : public QWidget {
public:
    ActivityDot(int side, QWidget *parent) : QWidget(parent)
    {
        setFixedSize(side, side);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(SystemColours::activityGreen());
        painter.drawEllipse(QRectF(rect()));
    }
};

// One line of text cut at the end with an ellipsis when its room is too narrow.
class ElidingLabel : public QWidget {
public:
    ElidingLabel(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
    {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        setAccessibleName(text);
    }

    QString text() const { return m_text; }
    QString shownText() const { return fontMetrics().elidedText(m_text, Qt::ElideRight, width()); }
    QSize sizeHint() const override
    {
        return {fontMetrics().horizontalAdvance(m_text) + 1, fontMetrics().height()};
    }
    QSize minimumSizeHint() const override
    {
        return {fontMetrics().horizontalAdvance(QStringLiteral("…")) * 2, fontMetrics().height()};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, shownText());
    }

private:
    QString m_text;
};

QPixmap withOpacity(const QPixmap &source, qreal opacity)
{
    QPixmap result(source.size());
    result.setDevicePixelRatio(source.devicePixelRatio());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setOpacity(opacity);
    painter.drawPixmap(0, 0, source);
    painter.end();
    return result;
}

} // namespace

VolumesPanel::VolumesPanel(Dependencies dependencies, QWidget *parent)
    : QWidget(parent), m_deps(std::move(dependencies)), m_gridScroll(new QScrollArea(this)),
      m_table(new QTableWidget(0, 4, this)), m_emptyLabel(new QLabel(this))
{
    m_gridScroll->setFrameShape(QFrame::NoFrame);
    m_gridScroll->setWidgetResizable(true);
    m_gridScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gridScroll->viewport()->setAutoFillBackground(false);
    m_gridScroll->viewport()->installEventFilter(this);

    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setHorizontalHeaderLabels({
        //: Table column
        tr("Name"),
        //: Table column
        tr("Capacity"),
        //: Table column
        tr("Available"),
        QString(),
    });
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(rowHeight);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionsMovable(false);
    header->setMinimumSectionSize(40);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Only the name column follows the width of the pane.
    header->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(capacityColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(spaceColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(actionColumn, QHeaderView::Fixed);
    header->resizeSection(nameColumn, 260);
    header->resizeSection(capacityColumn, 176);
    header->resizeSection(spaceColumn, 170);
    header->resizeSection(actionColumn, 40);
    header->setStretchLastSection(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setShowGrid(false);
    m_table->setFocusPolicy(Qt::StrongFocus);
    m_table->setWordWrap(false);
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QTableWidget::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid() && index.row() < m_volumes.size())
            openVolume(m_volumes.at(index.row()));
    });
    connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        const QModelIndex index = m_table->indexAt(position);
        if (!index.isValid() || index.row() >= m_volumes.size())
            return;
        m_table->selectRow(index.row());
        showContextMenu(m_volumes.at(index.row()), m_table->viewport()->mapToGlobal(position));
    });

    //: Empty-state label
    m_emptyLabel->setText(tr("No Volumes"));
    m_emptyLabel->setFont(SystemFont::ofSize(15));
    QPalette emptyPalette = m_emptyLabel->palette();
    emptyPalette.setColor(QPalette::WindowText, SystemColours::secondaryLabel(palette()));
    m_emptyLabel->setPalette(emptyPalette);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_gridScroll, 0, 0);
    layout->addWidget(m_table, 0, 0);
    layout->addWidget(m_emptyLabel, 0, 0);
    m_emptyLabel->raise();
    m_table->hide();
}

void VolumesPanel::setMode(Mode mode)
{
    m_mode = mode;
    m_gridScroll->setVisible(mode == Mode::grid);
    m_table->setVisible(mode == Mode::list);
    // A hidden panel reads the volumes when it appears.
    if (isVisible())
        refresh();
}

void VolumesPanel::refresh()
{
    m_volumes = m_deps.volumesProvider ? m_deps.volumesProvider() : VolumeList();
    m_emptyLabel->setVisible(m_volumes.isEmpty());
    if (m_mode == Mode::grid)
        rebuildGrid();
    else
        reloadTable();
}

void VolumesPanel::refreshActivity()
{
    for (const auto &[volume, apply] : std::as_const(m_activityBindings))
        apply(isActive(volume));
}

bool VolumesPanel::isBusy(const Volume &volume) const
{
    return m_deps.busyProvider && m_deps.busyProvider(volume);
}

bool VolumesPanel::isActive(const Volume &volume) const
{
    return m_deps.activityProvider && m_deps.activityProvider(volume);
}

QList<GridTileView *> VolumesPanel::tiles() const
{
    QWidget *grid = m_gridScroll->widget();
    return grid ? grid->findChildren<GridTileView *>() : QList<GridTileView *>();
}

int VolumesPanel::gridColumnsForViewport() const
{
    // The viewport, not the panel: a vertical scroll bar takes its width from the tiles.
    return GridColumns::volumesPanel(m_gridScroll->viewport()->width());
}

void VolumesPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A hidden panel builds its grid when it appears.
    if (isVisible() && m_mode == Mode::grid && gridColumnsForViewport() != m_lastGridCols)
        rebuildGrid();
}

bool VolumesPanel::eventFilter(QObject *watched, QEvent *event)
{
    // A scroll bar that comes or goes changes the room without resizing the panel. The grid is
    // rebuilt after the scroll area has finished laying itself out, never from inside it.
    if (watched == m_gridScroll->viewport() && event->type() == QEvent::Resize &&
        !m_gridRebuildQueued && isVisible() && m_mode == Mode::grid &&
        gridColumnsForViewport() != m_lastGridCols) {
        m_gridRebuildQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_gridRebuildQueued = false;
                if (isVisible() && m_mode == Mode::grid &&
                    gridColumnsForViewport() != m_lastGridCols)
                    rebuildGrid();
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void VolumesPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void VolumesPanel::rebuildGrid()
{
    m_activityBindings.clear();
    m_lastGridCols = gridColumnsForViewport();

    // The old tiles may be in the middle of delivering the click that led here.
    if (QWidget *old = m_gridScroll->takeWidget()) {
        old->hide();
        old->deleteLater();
    }

    auto *document = new QWidget;
    document->setAutoFillBackground(false);
    auto *rows = new QVBoxLayout(document);
    rows->setContentsMargins(gridInset, gridInset, gridInset, gridInset);
    rows->setSpacing(gridRowSpacing);
    for (qsizetype first = 0; first < m_volumes.size(); first += m_lastGridCols) {
        auto *row = new QHBoxLayout;
        row->setSpacing(gridColSpacing);
        const qsizetype end = std::min(first + m_lastGridCols, m_volumes.size());
        for (qsizetype i = first; i < end; ++i)
            row->addWidget(makeTile(m_volumes.at(i)), 0, Qt::AlignTop);
        row->addStretch(1);
        rows->addLayout(row);
    }
    rows->addStretch(1);
    m_gridScroll->setWidget(document);
}

QWidget *VolumesPanel::makeTile(const Volume &volume)
{
    const QPixmap icon =
        m_deps.icons ? m_deps.icons->pixmap(volume, GridTileView::iconSide) : QPixmap();
    auto *tile = new GridTileView(volume, icon);
    if (!m_deps.handlers)
        tile->setButtonKind(EjectRemountSpec::Kind::none);
    tile->setBusy(isBusy(volume));
    tile->setActive(isActive(volume));
    connect(tile, &GridTileView::openRequested, this, [this, volume] { openVolume(volume); });
    connect(tile, &GridTileView::ejectRequested, this, [this, volume] { eject(volume); });
    connect(tile, &GridTileView::remountRequested, this, [this, volume] { remount(volume); });
    connect(tile, &GridTileView::contextMenuRequested, this,
            [this, volume](const QPoint &position) { showContextMenu(volume, position); });
    m_activityBindings.append({volume, [tile](bool active) { tile->setActive(active); }});
    return new TileHoverFrame(tile);
}

void VolumesPanel::reloadTable()
{
    m_activityBindings.clear();
    // Cell widgets of removed rows are deleted later, so a clicked button outlives its click.
    m_table->setRowCount(0);
    m_table->setRowCount(int(m_volumes.size()));
    for (int row = 0; row < m_volumes.size(); ++row) {
        const Volume &volume = m_volumes.at(row);
        m_table->setCellWidget(row, nameColumn, nameCell(volume));
        m_table->setCellWidget(row, capacityColumn, capacityCell(volume));
        m_table->setCellWidget(row, spaceColumn, spaceCell(volume));
        m_table->setCellWidget(row, actionColumn, actionCell(volume));
    }
}

QWidget *VolumesPanel::nameCell(const Volume &volume)
{
    auto *cell = new QWidget;
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);

    auto *icon = new QLabel(cell);
    icon->setFixedSize(listIconSide, listIconSide);
    if (m_deps.icons) {
        const QPixmap pixmap = m_deps.icons->pixmap(volume, listIconSide);
        icon->setPixmap(volume.isMounted ? pixmap : withOpacity(pixmap, 0.4));
    }
    layout->addWidget(icon);
    layout->addSpacing(8);

    auto *name = new ElidingLabel(volume.name, cell);
    name->setFont(SystemFont::ofSize(13));
    name->setToolTip(volume.name);
    QPalette palette = name->palette();
    palette.setColor(QPalette::WindowText, volume.isMounted
                                               ? palette.color(QPalette::WindowText)
                                               : SystemColours::secondaryLabel(palette));
    name->setPalette(palette);
    layout->addWidget(name, 0);
    layout->addSpacing(6);

    auto *dot = new ActivityDot(6, cell);
    dot->setVisible(isActive(volume));
    layout->addWidget(dot, 0, Qt::AlignVCenter);
    layout->addStretch(1);
    m_activityBindings.append({volume, [dot](bool active) { dot->setVisible(active); }});

    cell->setAccessibleName(VolumeRowFormatter::accessibilitySummary(volume));
    return cell;
}

QWidget *VolumesPanel::capacityCell(const Volume &volume)
{
    auto *cell = new QWidget;
    if (!volume.isMounted || !volume.capacityBytes || *volume.capacityBytes <= 0 ||
        !volume.freeBytes)
        return cell;
    const qint64 capacity = *volume.capacityBytes;
    const qint64 used = std::max<qint64>(capacity - *volume.freeBytes, 0);
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->addWidget(new CapacityGaugeView(used, capacity, gaugeWidth, cell), 0,
                      Qt::AlignLeft | Qt::AlignVCenter);
    return cell;
}

QWidget *VolumesPanel::spaceCell(const Volume &volume)
{
    auto *label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setFont(SystemFont::ofSize(12));
    label->setContentsMargins(2, 0, 2, 0);
    label->setText(CapacityFormatter::describe(volume.freeBytes, volume.capacityBytes));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, volume.isMounted
                                               ? SystemColours::secondaryLabel(palette)
                                               : SystemColours::tertiaryLabel(palette));
    label->setPalette(palette);
    return label;
}

QWidget *VolumesPanel::actionCell(const Volume &volume)
{
    auto *cell = new QWidget;
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    if (isBusy(volume)) {
        layout->addWidget(new SpinnerView(cell), 0, Qt::AlignCenter);
        return cell;
    }
    const EjectRemountSpec::Kind kind =
        m_deps.handlers ? EjectRemountSpec::forVolume(volume) : EjectRemountSpec::Kind::none;
    if (kind == EjectRemountSpec::Kind::none)
        return cell;

    auto *button = new QToolButton(cell);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(14, 14));
    const QIcon symbol = kind == EjectRemountSpec::Kind::eject
                             ? SymbolIcons::icon(SymbolIcons::Symbol::eject)
                             : VolumeIconProvider::remountIcon();
    button->setIcon(SymbolIcons::tinted(symbol, 14, SystemColours::secondaryLabel(palette()),
                                        devicePixelRatioF()));
    if (kind == EjectRemountSpec::Kind::eject) {
        //: A11y label; %1 is a volume name
        button->setAccessibleName(tr("Eject %1").arg(volume.name));
        connect(button, &QToolButton::clicked, this, [this, volume] { eject(volume); });
    } else {
        //: A11y label; %1 is a volume name
        button->setAccessibleName(tr("Remount %1").arg(volume.name));
        connect(button, &QToolButton::clicked, this, [this, volume] { remount(volume); });
    }
    button->setToolTip(button->accessibleName());
    layout->addWidget(button, 0, Qt::AlignCenter);
    return cell;
}

QMenu *VolumesPanel::makeContextMenu(const Volume &volume, QWidget *parent)
{
    if (volume.isMounted) {
        if (!m_deps.actions)
            return nullptr;
        return m_deps.actions->makeMenu(volume, parent);
    }
    if (!m_deps.handlers)
        return nullptr;
    auto *menu = new QMenu(parent);
    //: Menu item
    menu->addAction(VolumeIconProvider::remountIcon(), tr("Remount"), this,
                    [this, volume] { remount(volume); });
    return menu;
}

void VolumesPanel::showContextMenu(const Volume &volume, const QPoint &globalPosition)
{
    QMenu *menu = makeContextMenu(volume, this);
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

void VolumesPanel::openVolume(const Volume &volume)
{
    if (!volume.isMounted) {
        remount(volume);
        return;
    }
    if (m_deps.actions)
        m_deps.actions->open(volume);
}

void VolumesPanel::eject(const Volume &volume)
{
    if (m_deps.handlers && m_deps.handlers->eject)
        m_deps.handlers->eject(volume);
}

void VolumesPanel::remount(const Volume &volume)
{
    if (m_deps.handlers && m_deps.handlers->remount)
        m_deps.handlers->remount(volume);
}
