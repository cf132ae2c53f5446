#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What the disk service says about one block device (the fields with their defaults for
// "missing"), plus udisks2's hints that desktops should not show the device or that it belongs
// to the system, and the device an unlocked encrypted device unlocks.
struct DeviceDescription {
    std::optional<QString> volumeName;
    std::optional<QString> mediaName;
    std::optional<QString> contentHint;
    bool mountable = false;
    bool removable = false;
    bool deviceInternal = true;
    bool ejectable = false;
    bool whole = false;
    std::optional<qint64> size;
    std::optional<QString> volumeUUID;
    std::optional<QString> deviceModel;
    std::optional<QString> deviceProtocol;
    std::optional<QString> mediaKind;
    // udisks2's IdType of a file system ("ext4", "vfat").
    std::optional<QString> fileSystemType;
    bool hintIgnore = false;
    bool hintSystem = false;
    // Has a size but nothing on it that udisks2 recognises (wiped, or an erase cut short); an
    // extended partition's container is not blank.
    bool blank = false;
    // Kernel name of the encrypted device this cleartext device unlocks (sdb1 for dm-0).
    std::optional<QString> backingDevice;

    bool operator==(const DeviceDescription &) const = default;

    bool indicatesDiskImage() const
    {
        return deviceModel == QLatin1String("Disk Image") ||
               deviceProtocol == QLatin1String("Virtual Interface");
    }
};
