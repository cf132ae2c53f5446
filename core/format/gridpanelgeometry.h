#pragma once

#include "format/popoverlayout.h"

#include <QRectF>
#include <QSizeF>

// The popover's grid panel: tiles under a title, in a scrolling area no taller than the room
// above (or below) the anchor allows, on a rounded body whose beak points at the anchor.
namespace GridPanelGeometry {

inline constexpr double titleBarHeight = 34;
inline constexpr double titleTop = 10;
inline constexpr double beakHeight = 12;
inline constexpr double beakWidth = 26;
inline constexpr double cornerRadius = 20;
inline constexpr double rowSpacing = 10;
inline constexpr double heightFraction = 0.9;
inline constexpr double minAvailableHeight = 140;
inline constexpr double minVisibleGridHeight = 80;
inline constexpr double anchorGap = 2;

struct Input {
    int tileCount = 0;
    QSizeF tileSize;
    PopoverLayout::Anchor anchor;
    QRectF screen;
    QRectF available;
};

struct Geometry {
    int columns = 1;
    int rows = 0;
    // The tile grid with its margins, as the scrolling area's content.
    QSizeF gridSize;
    double visibleGridHeight = 0;
    // The panel on the screen, beak included.
    QRectF frame;
    // x of the beak's tip within the panel.
    double beakCentre = 0;

    bool scrolls() const { return visibleGridHeight < gridSize.height(); }
    // The rounded body within the panel (the beak takes the rest).
    QRectF body(PopoverLayout::Direction direction) const;
};

// Room for the panel from the anchor: 90 % of the free room less the beak, at least 140.
double availableHeight(const PopoverLayout::Anchor &anchor, const QRectF &available);
// Tile i's top left corner within the grid.
QPointF tileOrigin(int index, int columns, const QSizeF &tileSize);

Geometry compute(const Input &input);

} // namespace GridPanelGeometry
