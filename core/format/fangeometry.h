#pragma once

#include "format/popoverlayout.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

// The fan of the volumes popover: items rising from the anchor along a wide arc that bends to
// the right, each tilted to point at the arc's centre. Computed with y growing upwards from
// the container's bottom edge (the edge at the anchor); the surface mirrors it for a panel that
// opens downwards.
namespace FanGeometry {

inline constexpr double radius = 2450;
inline constexpr double step = 64;
inline constexpr double baseline = 41;
inline constexpr double sideMargin = 18;
inline constexpr double topMargin = 18;

inline constexpr double iconSize = 64;
inline constexpr double folderSize = 58;
inline constexpr double pillHeight = 26;
inline constexpr double pillPadding = 27;
inline constexpr double pillTextLeft = 13.5;
inline constexpr double pillGap = 7;
// Volume pills stand 19 above the item's bottom, the folder's 16: both centred on the icon.
inline constexpr double pillBottom = 19;
inline constexpr double folderPillBottom = 16;

// Angle of item j along the arc, in radians.
double theta(int j);
// Where item j's icon centre lies before the container shift.
QPointF arcPoint(int j);
// A pill around text of this width: ceiling(width) + 27.
double pillWidth(double textWidth);

struct ItemShape {
    double pillWidth = 0;
    double iconSize = FanGeometry::iconSize;

    double iconInset() const { return pillWidth + pillGap; }
    QSizeF size() const { return {iconInset() + iconSize, iconSize}; }
};

struct PlacedItem {
    QSizeF size;
    double iconInset = 0;
    // Clockwise tilt as seen on screen when the fan rises, in radians (theta(j)).
    double tilt = 0;
    // The item's centre in container coordinates (after the shift), y up.
    QPointF centre;
    // Its icon centre: arcPoint(j) shifted.
    QPointF iconCentre;
};

// The view options button beside the first icon, where the arc bending right above it leaves
// room; the container is widened for it when the arc does not.
inline constexpr double optionsButtonSide = 22;

struct Layout {
    QList<PlacedItem> items;
    QSizeF containerSize;
    double shift = 0;
    QPointF collapseCentre;
    // The view options button's centre in container coordinates, y up: level with the first
    // icon, a pill gap right of it.
    QPointF optionsCentre;
};

// Items in order, the folder item last.
Layout layout(const QList<ItemShape> &items);

// The panel's left edge for an anchor at anchorX (the first icon over the anchor), before
// clamping to the screen.
double originX(const Layout &fan, double anchorX);

// The panel holding the fan: the container reaching over the launcher bar to the screen's edge
// (anchor.panelHeight), so the items can rise out of the launcher and rest clear of the bar.
// Beside a side strip it starts at the strip's inner edge and rises from the anchor (or hangs
// from it, PopoverLayout::verticalDirection with the screen); a centred fan is centred on the
// anchor.
QRectF panelFrame(const Layout &fan, const PopoverLayout::Anchor &anchor, const QRectF &screen);

// How many volume items the fan shows and how many it leaves to the folder item.
struct Split {
    int shown = 0;
    int overflow = 0;
};
Split split(qsizetype volumeCount);

} // namespace FanGeometry
