#pragma once

#include "model/volume.h"
#include "surfaces/popoverlayoutbuilder.h"

#include <QList>

class ListRowView;
class ListScrollColumn;

// Builds the popover's list: a row for each volume, as wide as the longest name needs, in a
// column that scrolls when the screen has no room for them all, then the bottom area with the
// folder and options rows. Main thread.
class PopoverListBuilder : public PopoverLayoutBuilder {
public:
    struct List : Presentation {
        // The volumes' rows in order.
        QList<ListRowView *> rows;
        ListRowView *folderRow = nullptr;
        ListRowView *optionsRow = nullptr;
        // Only when the rows scroll.
        ListScrollColumn *scrollColumn = nullptr;
    };

    // Without handlesButtons the rows have no eject or remount button; with showsActivity
    // they leave room for the activity dot.
    PopoverListBuilder(VolumeIconProvider *icons, const PopoverLayout::Anchor &anchor,
                       QScreen *screen, bool handlesButtons, bool showsActivity);

    List build(const VolumeList &volumes) const;

private:
    bool m_handlesButtons;
    bool m_showsActivity;
};
