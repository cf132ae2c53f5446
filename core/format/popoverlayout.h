#pragma once

#include "model/viewoptions.h"

#include <QPointF>
#include <QRectF>

// Where the volumes popover opens and which layout it uses. Screen coordinates as the desktop
// has them: y grows downwards.
namespace PopoverLayout {

enum class Layout { fan, grid, list };
// Which way the panel grows from its anchor.
enum class Direction { up, down };

inline constexpr int fanMaxItems = 10;
inline constexpr double screenMargin = 8;
// A panel strip taller than this is not a launcher bar.
inline constexpr double maxPanelHeight = 140;

// Automatic is a fan up to ten volumes and a grid from eleven.
Layout choose(PopoverViewMode mode, qsizetype volumeCount);

struct Anchor {
    double x = 0;
    // The edge the panel stands on: the pointer, or the inner edge of the panel strip (tray or
    // launcher bar) the pointer is in.
    double y = 0;
    Direction direction = Direction::up;
    // Thickness of that strip under the anchor, 0 when the pointer is not in one.
    double panelHeight = 0;

    bool operator==(const Anchor &) const = default;
};

// screen is the whole screen, available the part that panels leave free. A pointer in a strip
// along the bottom opens upwards from the strip's top, one in a strip along the top downwards
// from its bottom; elsewhere the panel opens from the pointer towards the larger room.
Anchor anchorFor(QPointF pointer, const QRectF &screen, const QRectF &available);

// The panel's left edge: wanted, but kept 8 inside the screen; the left edge wins when the
// panel is wider than the screen.
double clampedOriginX(double wanted, double width, const QRectF &screen);

// The room from the anchor to the far edge of the available area.
double roomFrom(const Anchor &anchor, const QRectF &available);

} // namespace PopoverLayout
