#pragma once

#include "format/popoverlayout.h"

#include <QRectF>
#include <QSizeF>

// The popover's grid panel: tiles under a title, in a scrolling area no taller than the room
// above (or below) the anchor allows, on a rounded body whose beak points at the anchor: from
// below or above it, or from its side when the panel grows sideways from a side strip. A centred
// panel has no beak.
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
    // The narrowest body that still shows the title whole.
    double minimumWidth = 0;
};

struct Geometry {
    int columns = 1;
    int rows = 0;
    // The tile grid with its margins, as the scrolling area's content.
    QSizeF gridSize;
    // How far the tiles stand in from the grid's left edge beyond its inset: a grid widened for
    // its title keeps its tiles in the middle.
    double tilesLeft = 0;
    double visibleGridHeight = 0;
    // The panel on the screen, beak included.
    QRectF frame;
    // Where along its side the beak's tip lies within the panel: x for a panel growing up or
    // down, y for one growing sideways.
    double beakCentre = 0;
    // How far the beak stands out of the body; 0 for a centred panel, which has none.
    double beak = beakHeight;

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
