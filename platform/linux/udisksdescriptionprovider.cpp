#include "udisksdescriptionprovider.h"

#include "udisksclient.h"

#include <QDBusObjectPath>
#include <algorithm>

namespace {

std::optional<QString> nonEmpty(const QVariant &value)
{
    const QString text = value.toString();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return text;
}

// sdb2 before sdb10: runs of digits compare by value.
bool naturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a[ei].isDigit()) {
                ++ei;
            }
            while (ej < b.size() && b[ej].isDigit()) {
                ++ej;
            }
            const qulonglong na = a.mid(i, ei - i).toULongLong();
            const qulonglong nb = b.mid(j, ej - j).toULongLong();
            if (na != nb) {
                return na < nb;
            }
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j]) {
                return a[i] < b[j];
            }
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

} // namespace

UDisksDescriptionProvider::UDisksDescriptionProvider(UDisksClient *client, QObject *parent)
    : DeviceDescriptionProvider(parent), m_client(client)
{
    connect(m_client, &UDisksClient::objectsChanged, this, &DeviceDescriptionProvider::changed);
}

bool UDisksDescriptionProvider::isAvailable() const
{
    return m_client->isAvailable();
}

std::optional<DeviceDescription>
UDisksDescriptionProvider::description(const QString &deviceName) const
{
    const QString path = m_client->blockObject(deviceName);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const QVariantMap block = m_client->properties(path, UDisksClient::blockInterface);
    const bool isPartition = m_client->hasInterface(path, UDisksClient::partitionInterface);
    const QVariantMap partition = m_client->properties(path, UDisksClient::partitionInterface);

    // An unlocked encrypted device is on the drive of the device it unlocks.
    const QString physical = m_client->physicalBlockObject(path);
    const QVariantMap physicalBlock = m_client->properties(physical, UDisksClient::blockInterface);
    const QString table = m_client->properties(physical, UDisksClient::partitionInterface)
                              .value(QStringLiteral("Table"))
                              .value<QDBusObjectPath>()
                              .path();
    const bool isLoop =
        m_client->hasInterface(physical, UDisksClient::loopInterface) ||
        (!table.isEmpty() && m_client->hasInterface(table, UDisksClient::loopInterface));
    const QString drivePath =
        physicalBlock.value(QStringLiteral("Drive")).value<QDBusObjectPath>().path();
    const QVariantMap drive = m_client->properties(drivePath, UDisksClient::driveInterface);

    DeviceDescription d;
    d.volumeName = nonEmpty(block.value(QStringLiteral("IdLabel")));
    d.mediaName = nonEmpty(partition.value(QStringLiteral("Name")));
    d.contentHint = nonEmpty(partition.value(QStringLiteral("Type")));
    d.mountable = m_client->hasInterface(path, UDisksClient::filesystemInterface) ||
                  block.value(QStringLiteral("IdUsage")).toString() == QLatin1String("filesystem");
    d.whole = !isPartition;
    if (block.contains(QStringLiteral("Size"))) {
        d.size = static_cast<qint64>(block.value(QStringLiteral("Size")).toULongLong());
    }
    if (const auto uuid = nonEmpty(block.value(QStringLiteral("IdUUID")))) {
        d.volumeUUID = uuid->toUpper();
    }
    if (block.value(QStringLiteral("IdUsage")).toString() == QLatin1String("filesystem")) {
        d.fileSystemType = nonEmpty(block.value(QStringLiteral("IdType")));
    }
    d.hintIgnore = block.value(QStringLiteral("HintIgnore")).toBool();
    d.blank = d.size.value_or(0) > 0 &&
              block.value(QStringLiteral("IdUsage")).toString().isEmpty() &&
              block.value(QStringLiteral("IdType")).toString().isEmpty() &&
              !partition.value(QStringLiteral("IsContainer")).toBool() &&
              !m_client->hasInterface(path, UDisksClient::partitionTableInterface);
    // udisks2 may count a cleartext device as the system's; the stick it unlocks is not.
    d.hintSystem = physicalBlock.value(QStringLiteral("HintSystem")).toBool();
    if (const QString backing = m_client->cryptoBackingObject(path); !backing.isEmpty()) {
        const QString name = m_client->deviceName(backing);
        if (!name.isEmpty()) {
            d.backingDevice = name;
        }
    }
    if (isLoop) {
        d.removable = true;
        d.deviceInternal = false;
        d.deviceModel = QStringLiteral("Disk Image");
        d.deviceProtocol = QStringLiteral("Virtual Interface");
        return d;
    }
    const auto bus = nonEmpty(drive.value(QStringLiteral("ConnectionBus")));
    static const QStringList externalBuses = {QStringLiteral("usb"), QStringLiteral("sdio"),
                                              QStringLiteral("ieee1394")};
    d.removable = drive.value(QStringLiteral("Removable")).toBool();
    d.deviceInternal = !d.removable && !(bus && externalBuses.contains(*bus));
    d.ejectable = drive.value(QStringLiteral("Ejectable")).toBool();
    d.deviceModel = nonEmpty(drive.value(QStringLiteral("Model")));
    d.deviceProtocol = bus;
    if (const auto media = nonEmpty(drive.value(QStringLiteral("Media")))) {
        d.mediaKind = media->toUpper();
    }
    return d;
}

std::optional<QString> UDisksDescriptionProvider::kernelName(const QString &devicePath) const
{
    const QString object = m_client->blockObjectForPath(devicePath);
    if (object.isEmpty()) {
        return std::nullopt;
    }
    const QString name = m_client->deviceName(object);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

QStringList UDisksDescriptionProvider::leafDeviceNames() const
{
    QStringList names;
    const UDisksClient::Objects &objects = m_client->objects();
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        if (!it->contains(UDisksClient::blockInterface) ||
            it->contains(UDisksClient::partitionTableInterface)) {
            continue;
        }
        const QString name = m_client->deviceName(it.key().path());
        if (!name.isEmpty()) {
            names.append(name);
        }
    }
    std::sort(names.begin(), names.end(), naturalLess);
    return names;
}
