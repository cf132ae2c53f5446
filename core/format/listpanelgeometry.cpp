#include "format/listpanelgeometry.h"

#include <algorithm>
#include <cmath>

namespace ListPanelGeometry {

using PopoverLayout::Direction;

double rowWidth(double nameWidth, bool showsActivity, bool hasButton)
{
    return std::ceil(nameWidth) + nameX + trailingMargin + (showsActivity ? dotRoom : 0) +
           (hasButton ? buttonRoom : 0);
}

double width(const QList<double> &rowWidths, double folderTextWidth, double visibleWidth)
{
    double wanted = std::max(minWidth, std::ceil(folderTextWidth) + folderRowPadding);
    for (double row : rowWidths)
        wanted = std::max(wanted, row);
    return std::min(wanted, visibleWidth * widthFraction);
}

Geometry compute(int rowCount, double width, const PopoverLayout::Anchor &anchor,
                 const QRectF &screen, const QRectF &available)
{
    Geometry g;
    const double rows = std::max(rowCount, 0) * rowHeight;
    const double room =
        PopoverLayout::roomFrom(anchor, available) * heightFraction - anchorGap - bottomAreaHeight;
    const double limit = std::max(room, minVisibleRows * rowHeight);
    g.scrolls = rows > limit;
    g.rowsHeight = g.scrolls ? limit : rows;

    const double height = g.rowsHeight + bottomAreaHeight;
    if (anchor.centred) {
        g.frame = PopoverLayout::centredFrame(QSizeF(width, height), available);
        return g;
    }
    if (PopoverLayout::isSideways(anchor.direction)) {
        const double x = anchor.direction == Direction::right ? anchor.x + anchorGap
                                                              : anchor.x - anchorGap - width;
        const double y = PopoverLayout::clampedOriginY(anchor.y - height / 2, height, screen);
        g.frame = QRectF(x, y, width, height);
        return g;
    }
    const double x = PopoverLayout::clampedOriginX(anchor.x - width / 2, width, screen);
    const double y =
        anchor.direction == Direction::up ? anchor.y - anchorGap - height : anchor.y + anchorGap;
    g.frame = QRectF(x, y, width, height);
    return g;
}

} // namespace ListPanelGeometry
