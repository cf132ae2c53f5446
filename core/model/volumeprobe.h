#pragma once

#include <QString>

// What the classifier needs to know about one mounted volume.
struct VolumeProbe {
    QString mountPath;
    bool isRemovable = false;
    bool isInternal = false;
    bool isNetwork = false;
    bool isEjectable = false;
    bool isBrowsable = false;
    bool isRootFileSystem = false;
    bool isDiskImage = false;

    bool operator==(const VolumeProbe &) const = default;
};
