#pragma once

#include "devicedescription.h"

#include <QObject>
#include <QStringList>
#include <optional>

// Descriptions of block devices by kernel name. Sources and operations take one as a
// constructor argument, so a test can wrap the real one.
class DeviceDescriptionProvider : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~DeviceDescriptionProvider() override = default;

    // False while the disk service is absent from the bus: nothing is described then.
    virtual bool isAvailable() const = 0;
    virtual std::optional<DeviceDescription> description(const QString &deviceName) const = 0;
    // Block devices that carry no partition table (partitions and unpartitioned disks).
    virtual QStringList leafDeviceNames() const = 0;
    // The kernel name of a device known by another path (/dev/mapper/luks-… is dm-0), when
    // the service knows the path; the mount table may name a device by any of its links.
    virtual std::optional<QString> kernelName(const QString &devicePath) const
    {
        Q_UNUSED(devicePath);
        return std::nullopt;
    }

signals:
    // Devices appeared, vanished or changed, or the service came or went.
    void changed();
};
