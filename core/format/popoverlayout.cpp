#include "format/popoverlayout.h"

#include <algorithm>

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

Anchor anchorFor(QPointF pointer, const QRectF &screen, const QRectF &available)
{
    Anchor anchor;
    anchor.x = pointer.x();
    const double availableTop = available.top();
    const double availableBottom = available.top() + available.height();
    const double screenTop = screen.top();
    const double screenBottom = screen.top() + screen.height();

    if (pointer.y() >= availableBottom && availableBottom < screenBottom) {
        anchor.y = availableBottom;
        anchor.direction = Direction::up;
        anchor.panelHeight = std::clamp(screenBottom - availableBottom, 0.0, maxPanelHeight);
    } else if (pointer.y() < availableTop && availableTop > screenTop) {
        anchor.y = availableTop;
        anchor.direction = Direction::down;
        anchor.panelHeight = std::clamp(availableTop - screenTop, 0.0, maxPanelHeight);
    } else {
        anchor.y = std::clamp(pointer.y(), availableTop, availableBottom);
        anchor.direction =
            anchor.y - availableTop >= availableBottom - anchor.y ? Direction::up : Direction::down;
    }
    return anchor;
}

double clampedOriginX(double wanted, double width, const QRectF &screen)
{
    const double right = screen.left() + screen.width() - width - screenMargin;
    return std::max(std::min(wanted, right), screen.left() + screenMargin);
}

double roomFrom(const Anchor &anchor, const QRectF &available)
{
    const double room = anchor.direction == Direction::up
                            ? anchor.y - available.top()
                            : available.top() + available.height() - anchor.y;
    return std::max(room, 0.0);
}

} // namespace PopoverLayout
