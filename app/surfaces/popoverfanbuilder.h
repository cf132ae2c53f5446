#pragma once

#include "model/volume.h"
#include "surfaces/popoverlayoutbuilder.h"

class FanView;
class QAbstractButton;

// Builds the popover's fan: an item for each volume the fan has room for and last the folder
// item (which counts the volumes left out, if any), along an arc over the anchor, mirrored
// for a fan that hangs from a top bar, with the view options button beside the first icon.
// Main thread.
class PopoverFanBuilder : public PopoverLayoutBuilder {
public:
    struct Fan : Presentation {
        // The content.
        FanView *view = nullptr;
        // On the content.
        QAbstractButton *optionsButton = nullptr;
    };

    using PopoverLayoutBuilder::PopoverLayoutBuilder;

    Fan build(const VolumeList &volumes) const;
};
