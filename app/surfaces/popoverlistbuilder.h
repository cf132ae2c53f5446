#pragma once

#include "format/popoverlayout.h"
#include "model/volume.h"
#include "surfaces/popoverpanel.h"

#include <QList>
#include <QRect>

class ListRowView;
class ListScrollColumn;
class QScreen;
class VolumeIconProvider;

// Builds the popover's list: a row for each volume, as wide as the longest name needs, in a
// column that scrolls when the screen has no room for them all, then the bottom area with the
// folder and options rows. It connects nothing: the popover answers the rows and presents
// the content. Main thread.
class PopoverListBuilder {
public:
    struct List {
        // A new widget, which the panel takes when presented.
        QWidget *content = nullptr;
        // In screen coordinates.
        QRect frame;
        PopoverPanel::Look look;
        // The volumes' rows in order.
        QList<ListRowView *> rows;
        ListRowView *folderRow = nullptr;
        ListRowView *optionsRow = nullptr;
        // Only when the rows scroll.
        ListScrollColumn *scrollColumn = nullptr;
    };

    // screen may be null. Without handlesButtons the rows have no eject or remount button;
    // with showsActivity they leave room for the activity dot.
    PopoverListBuilder(VolumeIconProvider *icons, const PopoverLayout::Anchor &anchor,
                       QScreen *screen, bool handlesButtons, bool showsActivity);

    List build(const VolumeList &volumes) const;

private:
    VolumeIconProvider *m_icons;
    PopoverLayout::Anchor m_anchor;
    QScreen *m_screen;
    bool m_handlesButtons;
    bool m_showsActivity;
};
