#include "format/gridpanelgeometry.h"

#include "format/gridcolumns.h"

#include <algorithm>
#include <cmath>

namespace GridPanelGeometry {

using PopoverLayout::Direction;

double availableHeight(const PopoverLayout::Anchor &anchor, const QRectF &available)
{
    // The beak takes height only when it points up or down.
    const bool beakAlongHeight = !anchor.centred && !PopoverLayout::isSideways(anchor.direction);
    return std::max(PopoverLayout::roomFrom(anchor, available) * heightFraction -
                        (beakAlongHeight ? beakHeight : 0),
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
    switch (direction) {
    case Direction::up:
        return {0, 0, frame.width(), frame.height() - beak};
    case Direction::down:
        return {0, beak, frame.width(), frame.height() - beak};
    case Direction::left:
        return {0, 0, frame.width() - beak, frame.height()};
    case Direction::right:
        break;
    }
    return {beak, 0, frame.width() - beak, frame.height()};
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
    if (g.gridSize.width() < input.minimumWidth) {
        g.tilesLeft = std::floor((input.minimumWidth - g.gridSize.width()) / 2);
        g.gridSize.setWidth(std::ceil(input.minimumWidth));
    }

    const double room = availableHeight(input.anchor, input.available);
    const double limit = std::max(room - titleBarHeight, minVisibleGridHeight);
    g.visibleGridHeight = std::min(g.gridSize.height(), limit);

    const PopoverLayout::Anchor &anchor = input.anchor;
    const double bodyHeight = titleBarHeight + g.visibleGridHeight;
    if (anchor.centred) {
        g.beak = 0;
        g.frame =
            PopoverLayout::centredFrame(QSizeF(g.gridSize.width(), bodyHeight), input.available);
        return g;
    }

    // As far towards the anchor as the rounded corners allow.
    const double halfBeak = beakWidth / 2;
    const auto beakAt = [halfBeak](double along, double length) {
        return std::min(length - cornerRadius - halfBeak, std::max(along, cornerRadius + halfBeak));
    };
    if (PopoverLayout::isSideways(anchor.direction)) {
        const double width = g.gridSize.width() + beakHeight;
        const double x = anchor.direction == Direction::right ? anchor.x + anchorGap
                                                              : anchor.x - anchorGap - width;
        const double y =
            PopoverLayout::clampedOriginY(anchor.y - bodyHeight / 2, bodyHeight, input.screen);
        g.frame = QRectF(x, y, width, bodyHeight);
        g.beakCentre = beakAt(anchor.y - y, bodyHeight);
        return g;
    }

    const double width = g.gridSize.width();
    const double height = bodyHeight + beakHeight;
    const double x = PopoverLayout::clampedOriginX(anchor.x - width / 2, width, input.screen);
    const double y =
        anchor.direction == Direction::up ? anchor.y - anchorGap - height : anchor.y + anchorGap;
    g.frame = QRectF(x, y, width, height);
    g.beakCentre = beakAt(anchor.x - x, width);
    return g;
}

} // namespace GridPanelGeometry
