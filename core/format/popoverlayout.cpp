#include "format/popoverlayout.h"

#include <algorithm>
#include <cmath>

namespace PopoverLayout {

Layout choose(PopoverViewMode mode, qsizetype volumeCount)
{
    switch (mode) {
    case PopoverViewMode::fan:
        return Layout::fan;
    case PopoverViewMode::list:
        return Layout::list;
    case PopoverViewMode::automatic:
        return volumeCount <= fanMaxItems ? Layout::fan : Layout::grid;
    case PopoverViewMode::grid:
        break;
    }
    return Layout::grid;
}

Anchor anchorAt(const QRectF &target, const QRectF &screen, const QRectF &available)
{
    const QPointF middle = target.center();
    const double availableTop = available.top();
    const double availableBottom = available.top() + available.height();
    const double availableLeft = available.left();
    const double availableRight = available.left() + available.width();
    const double screenTop = screen.top();
    const double screenBottom = screen.top() + screen.height();
    const double screenLeft = screen.left();
    const double screenRight = screen.left() + screen.width();
    const auto thickness = [](double strip) { return std::clamp(strip, 0.0, maxPanelHeight); };

    Anchor anchor;
    if (middle.y() >= availableBottom && availableBottom < screenBottom) {
        anchor = {middle.x(), availableBottom, Direction::up,
                  thickness(screenBottom - availableBottom)};
    } else if (middle.y() < availableTop && availableTop > screenTop) {
        anchor = {middle.x(), availableTop, Direction::down, thickness(availableTop - screenTop)};
    } else if (middle.x() < availableLeft && availableLeft > screenLeft) {
        anchor = {availableLeft, middle.y(), Direction::right,
                  thickness(availableLeft - screenLeft)};
    } else if (middle.x() >= availableRight && availableRight < screenRight) {
        anchor = {availableRight, middle.y(), Direction::left,
                  thickness(screenRight - availableRight)};
    } else {
        anchor.x = middle.x();
        const double top = std::clamp(target.top(), availableTop, availableBottom);
        const double bottom = std::clamp(target.bottom(), availableTop, availableBottom);
        const bool up = top - availableTop >= availableBottom - bottom;
        anchor.y = up ? top : bottom;
        anchor.direction = up ? Direction::up : Direction::down;
    }
    return anchor;
}

Anchor anchorFor(QPointF pointer, const QRectF &screen, const QRectF &available)
{
    return anchorAt(QRectF(pointer, QSizeF(0, 0)), screen, available);
}

Anchor centredAnchor(const QRectF &available)
{
    Anchor anchor;
    anchor.x = available.center().x();
    anchor.y = available.center().y();
    anchor.direction = Direction::up;
    anchor.centred = true;
    return anchor;
}

QRectF centredFrame(const QSizeF &size, const QRectF &available)
{
    const QPointF centre = available.center();
    return {std::floor(centre.x() - size.width() / 2), std::floor(centre.y() - size.height() / 2),
            size.width(), size.height()};
}

Direction verticalDirection(const Anchor &anchor, const QRectF &available)
{
    if (!isSideways(anchor.direction))
        return anchor.direction;
    const double above = anchor.y - available.top();
    const double below = available.top() + available.height() - anchor.y;
    return above >= below ? Direction::up : Direction::down;
}

double clampedOriginX(double wanted, double width, const QRectF &screen)
{
    const double right = screen.left() + screen.width() - width - screenMargin;
    return std::max(std::min(wanted, right), screen.left() + screenMargin);
}

double clampedOriginY(double wanted, double height, const QRectF &screen)
{
    const double bottom = screen.top() + screen.height() - height - screenMargin;
    return std::max(std::min(wanted, bottom), screen.top() + screenMargin);
}

double roomFrom(const Anchor &anchor, const QRectF &available)
{
    if (anchor.centred || isSideways(anchor.direction))
        return available.height();
    const double room = anchor.direction == Direction::up
                            ? anchor.y - available.top()
                            : available.top() + available.height() - anchor.y;
    return std::max(room, 0.0);
}

} // namespace PopoverLayout
