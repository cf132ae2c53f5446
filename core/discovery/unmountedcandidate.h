#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

// One attached, unmounted leaf partition as the disk source describes it.
struct UnmountedCandidate {
    QString deviceName;
    std::optional<QString> volumeName;
    std::optional<QString> mediaName;
    std::optional<QString> contentHint; // partition-type GUID or scheme type name
    bool isMountable = false;
    bool isRemovableOrExternal = false;
    bool isWholeDisk = false;
    bool isEjectable = false;
    std::optional<qint64> sizeBytes;
    std::optional<QString> volumeUUID;
    std::optional<QString> fileSystemType;
    bool isDiskImage = false;
    // The disk service counts the device as the system's (a loop device root set up).
    bool isSystemDevice = false;
    // Holds nothing recognisable: no file system, no encryption, no partition table.
    bool isBlank = false;

    bool operator==(const UnmountedCandidate &) const = default;
};

using UnmountedCandidateList = QList<UnmountedCandidate>;
