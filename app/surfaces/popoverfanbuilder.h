#pragma once

#include "model/volume.h"
#include "surfaces/popoverlayoutbuilder.h"

class FanView;

// Builds the popover's fan: an item for each volume the fan has room for and last the folder
// item (which counts the volumes left out, if any), along an arc over the anchor, mirrored
// for a fan that hangs from a top bar. Main thread.
class PopoverFanBuilder : public PopoverLayoutBuilder {
public:
    struct Fan : Presentation {
        // The content.
        FanView *view = nullptr;
    };

    using PopoverLayoutBuilder::PopoverLayoutBuilder;

    Fan build(const VolumeList &volumes) const;
};
