#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// The small symbols of the window and the tiles: the desktop's icon theme where it has the
// name, otherwise drawn here, so they show on any desktop.
namespace SymbolIcons {

enum class Symbol {
    drive,
    clock,
    gear,
    eject,
    grid,
    list,
    folder,
    chevronUp,
    chevronDown,
    sidebar
};

QString themeName(Symbol symbol);
// Drawn in the palette's text colour at any size.
QIcon fallback(Symbol symbol);
QIcon icon(Symbol symbol);

// The icon's shape filled with one colour, side × side device-independent pixels.
QPixmap tinted(const QIcon &icon, int side, const QColor &colour, qreal devicePixelRatio);

} // namespace SymbolIcons
