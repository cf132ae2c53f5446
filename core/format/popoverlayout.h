#pragma once

#include "model/viewoptions.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Where the volumes popover opens and which layout it uses. Screen coordinates as the desktop
// has them: y grows downwards.
namespace PopoverLayout {

enum class Layout { fan, grid, list };
// Which way the panel grows from its anchor: up from a bottom strip, down from a top one,
// right from a strip along the left edge, left from one along the right edge.
enum class Direction { up, down, left, right };

inline constexpr int fanMaxItems = 10;
inline constexpr double screenMargin = 8;
// A panel strip taller than this is not a launcher bar.
inline constexpr double maxPanelHeight = 140;

// Automatic is a fan up to ten volumes and a grid from eleven.
Layout choose(PopoverViewMode mode, qsizetype volumeCount);

// The point the panel points at. Growing up or down, y is the edge the panel stands on (the
// pointer, the tray icon's edge, or the inner edge of the panel strip it is in) and x the place
// along it; growing left or right, x is that edge and y the place along it.
struct Anchor {
    double x = 0;
    double y = 0;
    Direction direction = Direction::up;
    // Thickness of the strip under the anchor, 0 when the place is not in one.
    double panelHeight = 0;
    // Where windows cannot be placed (Wayland) the panel is centred on the screen and points
    // at nothing; x and y are then the centre of the free area.
    bool centred = false;

    bool operator==(const Anchor &) const = default;
};

inline bool isSideways(Direction direction)
{
    return direction == Direction::left || direction == Direction::right;
}

// screen is the whole screen, available the part that panels leave free; target is what the
// user clicked: the tray icon's area when the desktop tells it, else the pointer (an empty
// rectangle). A target in a strip along an edge opens away from that edge, from the strip's
// inner edge at the target's middle; elsewhere the panel opens up from the target's top or
// down from its bottom, towards the larger room.
Anchor anchorAt(const QRectF &target, const QRectF &screen, const QRectF &available);
// anchorAt() for the pointer alone.
Anchor anchorFor(QPointF pointer, const QRectF &screen, const QRectF &available);
// The anchor of a panel centred in available.
Anchor centredAnchor(const QRectF &available);
// A frame of this size centred in available, its top left on whole pixels.
QRectF centredFrame(const QSizeF &size, const QRectF &available);
// Up or down for a panel that can only rise or hang (the fan): a sideways anchor rises when
// the room above it is at least the room below.
Direction verticalDirection(const Anchor &anchor, const QRectF &available);

// The panel's left edge: wanted, but kept 8 inside the screen; the left edge wins when the
// panel is wider than the screen.
double clampedOriginX(double wanted, double width, const QRectF &screen);

// The panel's top edge when it grows sideways: centred on the anchor, kept 8 inside the
// screen; the top edge wins when the panel is taller than the screen.
double clampedOriginY(double wanted, double height, const QRectF &screen);

// The height the panel may take: from the anchor to the far edge of the available area, or
// the whole available height when it grows sideways or is centred.
double roomFrom(const Anchor &anchor, const QRectF &available);

} // namespace PopoverLayout
