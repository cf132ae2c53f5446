#pragma once

#include "format/popoverlayout.h"
#include "model/volume.h"
#include "surfaces/popoverpanel.h"

#include <QList>
#include <QRect>

class GridTileView;
class QAbstractButton;
class QScreen;
class QScrollArea;
class VolumeIconProvider;

// Builds the popover's grid: a tile for each volume and last the folder's tile, in rows that
// scroll when the screen has no room for them all, under the title bar, in a body whose beak
// points at the anchor. It connects nothing: the popover answers the tiles and the options
// button and presents the content. Main thread.
class PopoverGridBuilder {
public:
    struct Grid {
        // A new widget, which the panel takes when presented.
        QWidget *content = nullptr;
        // In screen coordinates.
        QRect frame;
        PopoverPanel::Look look;
        // The volumes' tiles in order, then the folder's.
        QList<GridTileView *> tiles;
        GridTileView *folderTile = nullptr;
        QAbstractButton *optionsButton = nullptr;
        QScrollArea *scrollArea = nullptr;
    };

    // screen may be null. Without handlesButtons the tiles have no eject or remount button.
    PopoverGridBuilder(VolumeIconProvider *icons, const PopoverLayout::Anchor &anchor,
                       QScreen *screen, bool handlesButtons);

    // panelPalette: the palette the title's colour derives from.
    Grid build(const VolumeList &volumes, const QPalette &panelPalette) const;

private:
    VolumeIconProvider *m_icons;
    PopoverLayout::Anchor m_anchor;
    QScreen *m_screen;
    bool m_handlesButtons;
};
