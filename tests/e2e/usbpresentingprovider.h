#pragma once

#include "devicedescriptionprovider.h"

#include "discovery/diskmerger.h"

#include <QStringList>
#include <memory>

// Presents the loop devices of the given whole disks as removable USB drives, as a test
// stand-in for real external drives; everything else comes from the real provider.
class UsbPresentingProvider : public DeviceDescriptionProvider {
public:
    UsbPresentingProvider(std::shared_ptr<DeviceDescriptionProvider> inner, QStringList disks)
        : m_inner(std::move(inner)), m_disks(std::move(disks))
    {
        connect(m_inner.get(), &DeviceDescriptionProvider::changed, this,
                &DeviceDescriptionProvider::changed);
    }

    bool isAvailable() const override { return m_inner->isAvailable(); }
    QStringList leafDeviceNames() const override { return m_inner->leafDeviceNames(); }
    std::optional<QString> kernelName(const QString &devicePath) const override
    {
        return m_inner->kernelName(devicePath);
    }
    std::optional<DeviceDescription> description(const QString &deviceName) const override
    {
        auto d = m_inner->description(deviceName);
        if (d && m_disks.contains(DiskMerger::wholeDiskName(deviceName).value_or(QString()))) {
            d->removable = true;
            d->deviceInternal = false;
            d->ejectable = true;
            d->deviceModel = QStringLiteral("Test USB Drive");
            d->deviceProtocol = QStringLiteral("usb");
            // udisks2 counts loop devices as the system's, USB drives not.
            d->hintSystem = false;
        }
        return d;
    }

private:
    std::shared_ptr<DeviceDescriptionProvider> m_inner;
    QStringList m_disks;
};
