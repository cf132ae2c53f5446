#pragma once

#include "format/popoverlayout.h"
#include "model/volume.h"
#include "surfaces/popoverpanel.h"

#include <QRect>

class FanView;
class QScreen;
class VolumeIconProvider;

// Builds the popover's fan: an item for each volume the fan has room for and last the folder
// item (which counts the volumes left out, if any), along an arc over the anchor, mirrored
// for a fan that hangs from a top bar. It connects nothing: the popover answers the view's
// clicks and presents it. Main thread.
class PopoverFanBuilder {
public:
    struct Fan {
        // A new view, which the panel takes when presented.
        FanView *view = nullptr;
        // In screen coordinates.
        QRect frame;
        PopoverPanel::Look look;
    };

    // screen may be null.
    PopoverFanBuilder(VolumeIconProvider *icons, const PopoverLayout::Anchor &anchor,
                      QScreen *screen);

    Fan build(const VolumeList &volumes) const;

private:
    VolumeIconProvider *m_icons;
    PopoverLayout::Anchor m_anchor;
    QScreen *m_screen;
};
