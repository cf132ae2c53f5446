#pragma once

#include "model/volume.h"

#include <functional>

// Where volumes come from. Implementations call the change handler on the main thread,
// never synchronously from inside setChangeHandler.
class DiskSource {
public:
    using ChangeHandler = std::function<void()>;

    virtual ~DiskSource() = default;
    // Mounted volumes first, then attached unmounted partitions; never fails.
    virtual VolumeList currentVolumes() = 0;
    virtual void setChangeHandler(ChangeHandler handler) = 0;
};
