#include "format/gridpanelgeometry.h"

#include "format/gridcolumns.h"

#include <algorithm>

namespace GridPanelGeometry {

using PopoverLayout::Direction;

double availableHeight(const PopoverLayout::Anchor &anchor, const QRectF &available)
{
    return std::max(PopoverLayout::roomFrom(anchor, available) * heightFraction - beakHeight,
                    minAvailableHeight);
}

QPointF tileOrigin(int index, int columns, const QSizeF &tileSize)
{
    const int row = index / columns;
    const int column = index % columns;
    return {GridColumns::popoverInset + column * (tileSize.width() + GridColumns::popoverSpacing),
            GridColumns::popoverInset + row * (tileSize.height() + rowSpacing)};
}

QRectF Geometry::body(Direction direction) const
{
    const double top = direction == Direction::up ? 0 : beakHeight;
    return {0, top, frame.width(), frame.height() - beakHeight};
}

Geometry compute(const Input &input)
{
    Geometry g;
    const int count = std::max(input.tileCount, 0);
    g.columns = GridColumns::popover(count, input.available.width());
    g.rows = (count + g.columns - 1) / g.columns;
    const int inset = GridColumns::popoverInset;
    g.gridSize =
        QSizeF(2 * inset + g.columns * input.tileSize.width() +
                   (g.columns - 1) * GridColumns::popoverSpacing,
               2 * inset + g.rows * input.tileSize.height() + std::max(g.rows - 1, 0) * rowSpacing);

    const double room = availableHeight(input.anchor, input.available);
    const double limit = std::max(room - titleBarHeight, minVisibleGridHeight);
    g.visibleGridHeight = std::min(g.gridSize.height(), limit);

    const double width = g.gridSize.width();
    const double height = titleBarHeight + g.visibleGridHeight + beakHeight;
    const double x = PopoverLayout::clampedOriginX(input.anchor.x - width / 2, width, input.screen);
    const double y = input.anchor.direction == Direction::up ? input.anchor.y - anchorGap - height
                                                             : input.anchor.y + anchorGap;
    g.frame = QRectF(x, y, width, height);

    // As far towards the anchor as the rounded corners allow.
    const double halfBeak = beakWidth / 2;
    g.beakCentre = std::min(width - cornerRadius - halfBeak,
                            std::max(input.anchor.x - x, cornerRadius + halfBeak));
    return g;
}

} // namespace GridPanelGeometry
