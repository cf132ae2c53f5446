#include "surfaces/popovergridbuilder.h"

#include "format/ejectremountspec.h"
#include "format/gridpanelgeometry.h"
#include "surfaces/gridtileview.h"
#include "surfaces/popoverchrome.h"
#include "surfaces/tilehoverframe.h"
#include "surfaces/volumeiconprovider.h"

#include <QScrollArea>
#include <QScrollBar>
#include <cmath>

namespace {

using PopoverLayout::Direction;

// The thin scroll bar of the grid, drawn over its right margin.
const char scrollBarStyle[] =
    "QScrollBar:vertical { background: transparent; width: 8px; margin: 2px 2px 2px 0; }"
    "QScrollBar::handle:vertical { background: rgba(255, 255, 255, 80); border-radius: 3px;"
    "  min-height: 24px; }"
    "QScrollBar::handle:vertical:hover { background: rgba(255, 255, 255, 140); }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }";

// The rounded body with its beak towards the anchor; a centred panel has none.
QPainterPath gridBody(const GridPanelGeometry::Geometry &g, Direction direction)
{
    const QRectF body = g.body(direction);
    QPainterPath path;
    path.addRoundedRect(body, GridPanelGeometry::cornerRadius, GridPanelGeometry::cornerRadius);
    if (g.beak <= 0)
        return path;
    const double c = g.beakCentre;
    const double half = GridPanelGeometry::beakWidth / 2;
    // The base overlaps the body by one pixel, so no seam shows.
    QPainterPath beak;
    switch (direction) {
    case Direction::up:
        beak.moveTo(c - half, body.bottom() - 1);
        beak.lineTo(c, g.frame.height());
        beak.lineTo(c + half, body.bottom() - 1);
        break;
    case Direction::down:
        beak.moveTo(c - half, body.top() + 1);
        beak.lineTo(c, 0);
        beak.lineTo(c + half, body.top() + 1);
        break;
    case Direction::left:
        beak.moveTo(body.right() - 1, c - half);
        beak.lineTo(g.frame.width(), c);
        beak.lineTo(body.right() - 1, c + half);
        break;
    case Direction::right:
        beak.moveTo(body.left() + 1, c - half);
        beak.lineTo(0, c);
        beak.lineTo(body.left() + 1, c + half);
        break;
    }
    beak.closeSubpath();
    return path.united(beak).simplified();
}

} // namespace

PopoverGridBuilder::PopoverGridBuilder(VolumeIconProvider *icons,
                                       const PopoverLayout::Anchor &anchor, QScreen *screen,
                                       bool handlesButtons)
    : PopoverLayoutBuilder(icons, anchor, screen), m_handlesButtons(handlesButtons)
{
}

PopoverGridBuilder::Grid PopoverGridBuilder::build(const VolumeList &volumes,
                                                   const QPalette &panelPalette) const
{
    Grid built;
    auto *content = new QWidget();
    auto *grid = new QWidget();
    grid->setAutoFillBackground(false);
    QList<QWidget *> cells;
    for (const Volume &volume : volumes) {
        auto *tile = new GridTileView(volume, m_icons->pixmap(volume, GridTileView::iconSide));
        if (!m_handlesButtons)
            tile->setButtonKind(EjectRemountSpec::Kind::none);
        built.tiles.append(tile);
        cells.append(new TileHoverFrame(tile, grid));
    }
    auto *folder = new GridTileView(PopoverChrome::folderPixmap(GridTileView::iconSide),
                                    PopoverChrome::openInFileManagerTitle());
    built.tiles.append(folder);
    built.folderTile = folder;
    cells.append(new TileHoverFrame(folder, grid));

    const QSize tileSize = folder->sizeHint();
    GridPanelGeometry::Input input;
    input.tileCount = int(cells.size());
    input.tileSize = tileSize;
    input.anchor = m_anchor;
    input.screen = screenRect();
    input.available = availableRect();
    input.minimumWidth = PopoverChrome::gridTitleMinimumWidth();
    const GridPanelGeometry::Geometry g = GridPanelGeometry::compute(input);

    for (int i = 0; i < cells.size(); ++i)
        cells.at(i)->setGeometry(
            QRect((GridPanelGeometry::tileOrigin(i, g.columns, tileSize) + QPointF(g.tilesLeft, 0))
                      .toPoint(),
                  tileSize));
    grid->resize(g.gridSize.toSize());

    const QRect body = g.body(m_anchor.direction).toAlignedRect();
    built.optionsButton = PopoverChrome::addGridTitleBar(content, body, panelPalette);

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
    built.scrollArea = scroll;

    built.content = content;
    built.frame = pixelFrame(g.frame);
    built.look.material = PopoverPanel::Material::hud;
    built.look.body = gridBody(g, m_anchor.direction);
    built.look.shadow = true;
    return built;
}
