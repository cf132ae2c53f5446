#include "format/fangeometry.h"

#include "format/popoverlayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace FanGeometry {

double theta(int j)
{
    return j * step / radius;
}

QPointF arcPoint(int j)
{
    const double angle = theta(j);
    return {(1 - std::cos(angle)) * radius, std::sin(angle) * radius + baseline};
}

double pillWidth(double textWidth)
{
    return std::ceil(textWidth) + pillPadding;
}

Layout layout(const QList<ItemShape> &items)
{
    Layout fan;
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    double top = std::numeric_limits<double>::lowest();

    for (int j = 0; j < items.size(); ++j) {
        const ItemShape &shape = items.at(j);
        PlacedItem item;
        item.size = shape.size();
        item.iconInset = shape.iconInset();
        item.tilt = theta(j);
        item.iconCentre = arcPoint(j);
        // The item's own x axis points at the arc's centre; its middle lies half the icon
        // inset back along it from the icon's centre.
        const double c = std::cos(item.tilt);
        const double s = std::sin(item.tilt);
        item.centre = item.iconCentre - QPointF(c, -s) * (item.iconInset / 2);

        const double halfW = item.size.width() / 2;
        const double halfH = item.size.height() / 2;
        const double extentX = halfW * std::abs(c) + halfH * std::abs(s);
        const double extentY = halfW * std::abs(s) + halfH * std::abs(c);
        left = std::min(left, item.centre.x() - extentX);
        right = std::max(right, item.centre.x() + extentX);
        top = std::max(top, item.centre.y() + extentY);
        fan.items.append(item);
    }
    if (fan.items.isEmpty())
        return fan;

    fan.shift = sideMargin - left;
    for (PlacedItem &item : fan.items) {
        item.centre.rx() += fan.shift;
        item.iconCentre.rx() += fan.shift;
    }
    const PlacedItem &first = fan.items.constFirst();
    fan.optionsCentre = QPointF(first.iconCentre.x() + items.constFirst().iconSize / 2 + pillGap +
                                    optionsButtonSide / 2,
                                first.iconCentre.y());
    const double width = std::max(right - left + 2 * sideMargin,
                                  fan.optionsCentre.x() + optionsButtonSide / 2 + sideMargin);
    fan.containerSize = QSizeF(width, top + topMargin);
    fan.collapseCentre = QPointF(fan.shift + arcPoint(0).x(), baseline);
    return fan;
}

double originX(const Layout &fan, double anchorX)
{
    return anchorX - fan.shift - arcPoint(0).x();
}

QRectF panelFrame(const Layout &fan, const PopoverLayout::Anchor &anchor, const QRectF &screen)
{
    using PopoverLayout::Direction;
    const double width = fan.containerSize.width();
    if (anchor.centred) {
        const double height = fan.containerSize.height();
        return {std::floor(anchor.x - width / 2), std::floor(anchor.y - height / 2), width, height};
    }
    if (PopoverLayout::isSideways(anchor.direction)) {
        const double height = fan.containerSize.height();
        const double wanted = anchor.direction == Direction::right ? anchor.x : anchor.x - width;
        const double x = PopoverLayout::clampedOriginX(wanted, width, screen);
        const bool up = PopoverLayout::verticalDirection(anchor, screen) == Direction::up;
        return {x, up ? anchor.y - height : anchor.y, width, height};
    }
    const double height = fan.containerSize.height() + anchor.panelHeight;
    const double x = PopoverLayout::clampedOriginX(originX(fan, anchor.x), width, screen);
    const double y = anchor.direction == Direction::up ? anchor.y + anchor.panelHeight - height
                                                       : anchor.y - anchor.panelHeight;
    return {x, y, width, height};
}

Split split(qsizetype volumeCount)
{
    Split result;
    result.shown = int(std::min<qsizetype>(volumeCount, PopoverLayout::fanMaxItems));
    result.overflow = int(std::max<qsizetype>(volumeCount - PopoverLayout::fanMaxItems, 0));
    return result;
}

} // namespace FanGeometry
