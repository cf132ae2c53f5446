#pragma once

#include "format/popoverlayout.h"
#include "surfaces/popoverpanel.h"

#include <QRect>
#include <QRectF>

class QScreen;
class QWidget;
class VolumeIconProvider;

// What the builders of the popover's layouts (PopoverFanBuilder, PopoverGridBuilder,
// PopoverListBuilder) start from: the icons, the anchor and the screen under it; and what they
// hand the panel. A builder connects nothing: the popover answers the entries and presents the
// content. Main thread.
class PopoverLayoutBuilder {
public:
    // A built layout for PopoverPanel::present.
    struct Presentation {
        // A new widget, which the panel takes when presented.
        QWidget *content = nullptr;
        // In screen coordinates.
        QRect frame;
        PopoverPanel::Look look;
    };

    // screen may be null.
    PopoverLayoutBuilder(VolumeIconProvider *icons, const PopoverLayout::Anchor &anchor,
                         QScreen *screen);

protected:
    // The screen's whole area and the part that panels leave free; empty without a screen.
    QRectF screenRect() const;
    QRectF availableRect() const;
    // A frame centred on the pointer can start at half a pixel; widening it to whole pixels
    // would make it one pixel wider than the rows and tiles laid out inside it.
    static QRect pixelFrame(const QRectF &frame);

    VolumeIconProvider *m_icons;
    PopoverLayout::Anchor m_anchor;
    QScreen *m_screen;
};
