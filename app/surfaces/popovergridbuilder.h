#pragma once

#include "model/volume.h"
#include "surfaces/popoverlayoutbuilder.h"

#include <QList>

class GridTileView;
class QAbstractButton;
class QScrollArea;

// Builds the popover's grid: a tile for each volume and last the folder's tile, in rows that
// scroll when the screen has no room for them all, under the title bar, in a body whose beak
// points at the anchor. Main thread.
class PopoverGridBuilder : public PopoverLayoutBuilder {
public:
    struct Grid : Presentation {
        // The volumes' tiles in order, then the folder's.
        QList<GridTileView *> tiles;
        GridTileView *folderTile = nullptr;
        QAbstractButton *optionsButton = nullptr;
        QScrollArea *scrollArea = nullptr;
    };

    // Without handlesButtons the tiles have no eject or remount button.
    PopoverGridBuilder(VolumeIconProvider *icons, const PopoverLayout::Anchor &anchor,
                       QScreen *screen, bool handlesButtons);

    // panelPalette: the palette the title's colour derives from.
    Grid build(const VolumeList &volumes, const QPalette &panelPalette) const;

private:
    bool m_handlesButtons;
};
