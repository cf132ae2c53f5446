#pragma once

#include "devicedescriptionprovider.h"

class UDisksClient;

// Device descriptions from udisks2's objects, read from the client's mirror (no bus round
// trip). A loop device has no drive; it is described as a removable disk image. An unlocked
// encrypted device is described with the drive of the device it unlocks.
class UDisksDescriptionProvider : public DeviceDescriptionProvider {
    Q_OBJECT
public:
    explicit UDisksDescriptionProvider(UDisksClient *client, QObject *parent = nullptr);

    bool isAvailable() const override;
    std::optional<DeviceDescription> description(const QString &deviceName) const override;
    QStringList leafDeviceNames() const override;
    std::optional<QString> kernelName(const QString &devicePath) const override;

private:
    UDisksClient *m_client;
};
