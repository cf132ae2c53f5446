#include "udisksoperations.h"

#include "sysfsreader.h"
#include "udisksclient.h"
#include "volumeresources.h"

#include "discovery/diskmerger.h"
#include "operations/blockerscanner.h"
#include "operations/toollauncher.h"
#include "operations/volumenamerules.h"
#include "policy/mediapolicy.h"
#include "policy/systemmounts.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QVariantMap>
#include <algorithm>

namespace {

const QString udisksErrorPrefix = QStringLiteral("org.freedesktop.UDisks2.Error.");

// udisks2's error names in the order of its error codes, so that a refusal without a message
// still reports which one it was.
const QStringList &udisksErrorNames()
{
    static const QStringList names{
        QStringLiteral("Failed"),
        QStringLiteral("Cancelled"),
        QStringLiteral("AlreadyCancelled"),
        QStringLiteral("NotAuthorized"),
        QStringLiteral("NotAuthorizedCanObtain"),
        QStringLiteral("NotAuthorizedDismissed"),
        QStringLiteral("AlreadyMounted"),
        QStringLiteral("NotMounted"),
        QStringLiteral("OptionNotPermitted"),
        QStringLiteral("MountedByOtherUser"),
        QStringLiteral("AlreadyUnmounting"),
        QStringLiteral("NotSupported"),
        QStringLiteral("Timedout"),
        QStringLiteral("WouldWakeup"),
        QStringLiteral("DeviceBusy"),
    };
    return names;
}

quint32 statusOf(const QDBusMessage &reply)
{
    const QString name = reply.errorName();
    if (name.startsWith(udisksErrorPrefix)) {
        const qsizetype index = udisksErrorNames().indexOf(name.mid(udisksErrorPrefix.size()));
        if (index >= 0) {
            return static_cast<quint32>(index);
        }
    }
    return static_cast<quint32>(QDBusError(reply).type());
}

// A message relayed by GDBus from another service repeats the error name in front of it.
QString messageOf(const QDBusMessage &reply)
{
    QString message = reply.errorMessage().trimmed();
    if (message.startsWith(QLatin1String("GDBus.Error:"))) {
        const qsizetype separator = message.indexOf(QLatin1String(": "));
        if (separator >= 0) {
            message = message.mid(separator + 2).trimmed();
        }
    }
    return message;
}

bool isTimeout(const QDBusMessage &reply)
{
    const QDBusError::ErrorType type = QDBusError(reply).type();
    return type == QDBusError::NoReply || type == QDBusError::Timeout ||
           type == QDBusError::TimedOut;
}

QVariantList optionsArgument(const QVariantMap &options)
{
    return QVariantList{QVariant::fromValue(options)};
}

OperationResult failure(const QString &detail)
{
    return OperationResult{false, detail};
}

OperationResult deviceOpenFailure(const QString &deviceName)
{
    //: Device open failure
    return failure(
        QCoreApplication::translate("UDisksOperations", "Couldn’t open device %1").arg(deviceName));
}

OperationResult systemMountRefusal(const QString &name, const QString &mountPath)
{
    //: Eject refusal; %1 is the volume's (or device's) name, %2 its mount point ("/boot")
    return failure(QCoreApplication::translate("UDisksOperations",
                                               "“%1” is mounted at %2, which the running system "
                                               "needs; Quillmere leaves it alone.")
                       .arg(name, mountPath));
}

OperationResult noDeviceNode(const Volume &volume)
{
    //: Eject failure
    return failure(
        QCoreApplication::translate("UDisksOperations", "“%1” has no device node to eject.")
            .arg(volume.name));
}

bool isFuse(const QString &fsType)
{
    return fsType == QLatin1String("fuse") || fsType == QLatin1String("fuseblk") ||
           fsType.startsWith(QLatin1String("fuse."));
}

} // namespace

UDisksOperations::UDisksOperations(UDisksClient *client, QString mountInfoPath)
    : m_client(client), m_mountInfoPath(std::move(mountInfoPath))
{
}

const QStringList &UDisksOperations::eraseFormats()
{
    static const QStringList formats{QStringLiteral("ext4"), QStringLiteral("ExFAT"),
                                     QStringLiteral("MS-DOS FAT32"), QStringLiteral("NTFS")};
    return formats;
}

QString UDisksOperations::filesystemType(const QString &eraseFormat)
{
    if (eraseFormat == QLatin1String("ExFAT")) {
        return QStringLiteral("exfat");
    }
    if (eraseFormat == QLatin1String("MS-DOS FAT32")) {
        return QStringLiteral("vfat");
    }
    if (eraseFormat == QLatin1String("NTFS")) {
        return QStringLiteral("ntfs");
    }
    return eraseFormat;
}

QStringList UDisksOperations::siblingsToUnmount(const QString &deviceName,
                                                const MountedPartitions &mountedOnDevice)
{
    QStringList siblings;
    for (const MountedPartition &mounted : mountedOnDevice) {
        if (mounted.deviceName != deviceName && !SystemMounts::isSystemMountPoint(mounted.mountPath)) {
            siblings.append(mounted.deviceName);
        }
    }
    return siblings;
}

bool UDisksOperations::holdsSystem(const MountedPartitions &mountedOnDevice)
{
    return std::any_of(mountedOnDevice.cbegin(), mountedOnDevice.cend(),
                       [](const MountedPartition &mounted) {
                           return SystemMounts::isSystemMountPoint(mounted.mountPath);
                       });
}

std::optional<QString> UDisksOperations::mountedDevice(const QString &source) const
{
    const QString resolved = resolvedMountSource(source);
    if (m_client != nullptr && resolved.startsWith(QLatin1String("/dev/"))) {
        const QString name = m_client->deviceName(m_client->blockObjectForPath(resolved));
        if (!name.isEmpty()) {
            return name;
        }
    }
    return DiskMerger::deviceName(resolved);
}

QString UDisksOperations::physicalDevice(const QString &deviceName) const
{
    if (m_client == nullptr) {
        return deviceName;
    }
    const QString object = m_client->blockObject(deviceName);
    if (object.isEmpty()) {
        return deviceName;
    }
    const QString physical = m_client->deviceName(m_client->physicalBlockObject(object));
    return physical.isEmpty() ? deviceName : physical;
}

UDisksOperations::MountedPartitions
UDisksOperations::mountedPartitions(const QString &wholeDiskName) const
{
    MountedPartitions names;
    for (const MountInfoEntry &entry : MountInfo::read(m_mountInfoPath)) {
        const auto device = mountedDevice(entry.source);
        if (!device) {
            continue;
        }
        QStringList sources{QStringLiteral("/dev/") + *device};
        if (const QString physical = physicalDevice(*device); physical != *device) {
            sources.append(QStringLiteral("/dev/") + physical);
        }
        if (!DiskMerger::partitionBSDNames(wholeDiskName, sources).isEmpty()) {
            names.append({*device, entry.mountPoint});
        }
    }
    return names;
}

OperationResult UDisksOperations::result(const QDBusMessage &reply)
{
    if (reply.type() == QDBusMessage::ReplyMessage) {
        return {true, std::nullopt};
    }
    const QString message = messageOf(reply);
    if (!message.isEmpty()) {
        return failure(message);
    }
    const QString status =
        QString::number(statusOf(reply), 16).toUpper().rightJustified(8, QLatin1Char('0'));
    return failure(
        //: DiskArbitration dissent without a message
        QCoreApplication::translate("UDisksOperations", "Refused by the system (status 0x%1)")
            .arg(status));
}

QStringList UDisksOperations::pathUnmountCommand(const QString &path, const QString &fsType,
                                                 bool force)
{
    if (isFuse(fsType)) {
        // fusermount3 calls a lazy unmount -z.
        QStringList command{QString::fromLatin1(fusermountPath), QStringLiteral("-u")};
        if (force) {
            command.append(QStringLiteral("-z"));
        }
        command.append(path);
        return command;
    }
    QStringList command{QString::fromLatin1(umountPath)};
    if (force) {
        command.append(QStringLiteral("-l"));
    }
    command.append(path);
    return command;
}

QCoro::Task<bool> UDisksOperations::sessionReady()
{
    if (m_client == nullptr) {
        co_return false;
    }
    co_await m_client->untilAnswered();
    co_return m_client->isAvailable();
}

QString UDisksOperations::mountedBlockObject(const QString &deviceName) const
{
    if (deviceName.isEmpty()) {
        return {};
    }
    return m_client->blockObject(deviceName);
}

QCoro::Task<OperationResult> UDisksOperations::unmountDevice(QString deviceName, bool force)
{
    if (!co_await sessionReady()) {
        co_return deviceOpenFailure(deviceName);
    }
    const QString object = mountedBlockObject(deviceName);
    if (object.isEmpty()) {
        co_return deviceOpenFailure(deviceName);
    }
    QVariantMap options;
    if (force) {
        options.insert(QStringLiteral("force"), true);
    }
    const QVariantList arguments = optionsArgument(options);
    const QDBusMessage reply =
        co_await m_client->call(object, UDisksClient::filesystemInterface,
                                QStringLiteral("Unmount"), arguments, UDisksClient::noTimeout);
    const OperationResult outcome = result(reply);
    // Another eject of the same disk may have got there first.
    if (!outcome.ok && !isMounted(deviceName)) {
        co_return OperationResult{true, std::nullopt};
    }
    co_return outcome;
}

bool UDisksOperations::isMounted(const QString &deviceName) const
{
    const MountedPartitions mounted = mountedPartitions(deviceName);
    return std::any_of(mounted.cbegin(), mounted.cend(),
                       [&deviceName](const MountedPartition &m) { return m.deviceName == deviceName; });
}

QCoro::Task<OperationResult> UDisksOperations::unmountPath(QString path, bool force)
{
    const auto volumeOpenFailure = [&path] {
        //: Volume open failure
        return failure(
            QCoreApplication::translate("UDisksOperations", "Couldn’t open the volume at %1")
                .arg(path));
    };
    if (!co_await sessionReady()) {
        co_return volumeOpenFailure();
    }
    const MountInfoList entries = MountInfo::read(m_mountInfoPath);
    const MountInfoEntry *mount = MountInfo::visibleAt(entries, path);
    if (mount == nullptr) {
        co_return volumeOpenFailure();
    }
    QStringList command = pathUnmountCommand(path, mount->fsType, force);
    const QString program = command.takeFirst();
    const QString prefix =
        isFuse(mount->fsType) ? QStringLiteral("fusermount3 -u") : QStringLiteral("umount");
    const CommandResult outcome = co_await ToolLauncher::run(program, command, toolTimeoutSeconds);
    co_return ToolLauncher::result(outcome, prefix);
}

QCoro::Task<OperationResult> UDisksOperations::eject(Volume volume, bool force)
{
    switch (MediaPolicy::policy(volume).ejectSemantics) {
    case MediaPolicy::EjectSemantics::detachImage:
        co_return co_await detachImage(volume, force);
    case MediaPolicy::EjectSemantics::unmountByPath:
        if (volume.isMounted && !volume.mountPath.isEmpty()) {
            co_return co_await unmountPath(volume.mountPath, force);
        }
        //: Eject failure
        co_return failure(QCoreApplication::translate("UDisksOperations", "“%1” isn’t mounted.")
                              .arg(volume.name));
    case MediaPolicy::EjectSemantics::unmountKeepAttached:
    case MediaPolicy::EjectSemantics::physicalEject:
        break;
    }
    co_return co_await ejectPartition(volume, force);
}

QCoro::Task<OperationResult> UDisksOperations::ejectPartition(Volume volume, bool force)
{
    if (volume.deviceName.isEmpty()) {
        co_return noDeviceNode(volume);
    }
    if (volume.isMounted && SystemMounts::isSystemMountPoint(volume.mountPath)) {
        co_return systemMountRefusal(volume.name, volume.mountPath);
    }
    if (volume.isMounted) {
        const OperationResult first = co_await unmountDevice(volume.deviceName, force);
        if (!first.ok) {
            co_return first;
        }
    }
    if (!volume.isRemovable || !volume.wholeDiskName) {
        co_return OperationResult{true, std::nullopt};
    }
    // Read after the volume's own unmount, so the table shows what is still mounted.
    const MountedPartitions mounted = mountedPartitions(*volume.wholeDiskName);
    const QStringList siblings = siblingsToUnmount(volume.deviceName, mounted);
    for (const QString &sibling : siblings) {
        const OperationResult outcome = co_await unmountDevice(sibling, force);
        if (outcome.ok) {
            continue;
        }
        const QString detail =
            //: Fallback failure detail
            outcome.detail.value_or(
                QCoreApplication::translate("UDisksOperations", "unknown error"));
        //: Multi-partition eject failure
        co_return failure(
            QCoreApplication::translate("UDisksOperations",
                                        "“%1” was unmounted, but another volume on the same device "
                                        "couldn’t be: %2")
                .arg(volume.name, detail));
    }
    // A drive that holds the running system (a live stick) stays in use: of its encrypted
    // devices only the volume's own is locked.
    QString lockOnDisk = *volume.wholeDiskName;
    if (holdsSystem(mounted)) {
        lockOnDisk.clear();
    }
    const OperationResult locked = co_await lockEncryptedDevices(lockOnDisk, volume.deviceName);
    if (!locked.ok) {
        //: Eject failure of an encrypted volume that stays unlocked
        co_return failure(QCoreApplication::translate(
                              "UDisksOperations",
                              "“%1” was unmounted, but an encrypted volume on the same device "
                              "couldn’t be locked: %2")
                              .arg(volume.name, locked.detail.value_or(QString())));
    }
    co_return OperationResult{true, std::nullopt};
}

QCoro::Task<bool> UDisksOperations::isUnlocked(QString encryptedObject)
{
    const QVariantList arguments{UDisksClient::encryptedInterface,
                                 QStringLiteral("CleartextDevice")};
    const QDBusMessage reply =
        co_await m_client->call(encryptedObject, QStringLiteral("org.freedesktop.DBus.Properties"),
                                QStringLiteral("Get"), arguments, queryTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        co_return true;
    }
    const QVariant value = reply.arguments().constFirst().value<QDBusVariant>().variant();
    co_return value.value<QDBusObjectPath>().path() != QLatin1String("/");
}

QCoro::Task<OperationResult> UDisksOperations::lockEncryptedDevices(QString wholeDisk,
                                                                    QString device)
{
    if (!co_await sessionReady()) {
        co_return OperationResult{true, std::nullopt};
    }
    // Unlocked devices on this disk, by the encrypted block each unlocks.
    const QString deviceObject = m_client->blockObject(device);
    QStringList encrypted;
    const UDisksClient::Objects &objects = m_client->objects();
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        const QString backing = m_client->cryptoBackingObject(it.key().path());
        if (backing.isEmpty() || encrypted.contains(backing)) {
            continue;
        }
        const QString physical = m_client->deviceName(m_client->physicalBlockObject(backing));
        const QStringList onDisk = DiskMerger::partitionBSDNames(
            wholeDisk, QStringList{QStringLiteral("/dev/") + physical});
        if ((!physical.isEmpty() && !onDisk.isEmpty()) || it.key().path() == deviceObject) {
            encrypted.append(backing);
        }
    }
    // A device encrypted inside an unlocked one is locked before the outer one.
    const auto depth = [this](const QString &object) {
        int hops = 0;
        for (QString o = m_client->cryptoBackingObject(object); !o.isEmpty() && hops < 8;
             o = m_client->cryptoBackingObject(o)) {
            ++hops;
        }
        return hops;
    };
    std::stable_sort(encrypted.begin(), encrypted.end(),
                     [&depth](const QString &a, const QString &b) { return depth(a) > depth(b); });
    for (const QString &object : std::as_const(encrypted)) {
        const QVariantList arguments = optionsArgument(QVariantMap());
        const QDBusMessage reply =
            co_await m_client->call(object, UDisksClient::encryptedInterface,
                                    QStringLiteral("Lock"), arguments, UDisksClient::noTimeout);
        const OperationResult outcome = result(reply);
        if (!outcome.ok && co_await isUnlocked(object)) {
            co_return outcome;
        }
    }
    co_return OperationResult{true, std::nullopt};
}

QCoro::Task<OperationResult> UDisksOperations::detachImage(Volume volume, bool force)
{
    if (volume.deviceName.isEmpty()) {
        co_return noDeviceNode(volume);
    }
    const QString loop = volume.wholeDiskName.value_or(
        DiskMerger::wholeDiskName(volume.deviceName).value_or(volume.deviceName));
    if (!co_await sessionReady()) {
        co_return deviceOpenFailure(loop);
    }
    const QString loopObject = mountedBlockObject(loop);
    if (loopObject.isEmpty()) {
        co_return deviceOpenFailure(loop);
    }
    const OperationResult unmounted = co_await unmountAll(loop, QString(), force, true);
    if (!unmounted.ok) {
        co_return unmounted;
    }
    const OperationResult locked = co_await lockEncryptedDevices(loop, QString());
    if (!locked.ok) {
        co_return locked;
    }
    // Deleting a loop device that another user set up may ask for a password.
    const QVariantList deleteArguments = optionsArgument(QVariantMap());
    const QDBusMessage reply =
        co_await m_client->call(loopObject, UDisksClient::loopInterface, QStringLiteral("Delete"),
                                deleteArguments, UDisksClient::noTimeout);
    const OperationResult deleted = stepResult(reply, QStringLiteral("delete %1").arg(loop));
    if (!deleted.ok && !SysfsReader().loopBackingFile(loop)) {
        co_return OperationResult{true, std::nullopt};
    }
    co_return deleted;
}

OperationResult UDisksOperations::stepResult(const QDBusMessage &reply, const QString &step)
{
    if (reply.type() != QDBusMessage::ReplyMessage && isTimeout(reply)) {
        CommandResult timedOut;
        timedOut.timedOut = true;
        return ToolLauncher::result(timedOut, step);
    }
    return result(reply);
}

QCoro::Task<OperationResult> UDisksOperations::unmountAll(QString wholeDisk, QString onlyDevice,
                                                          bool force, bool namedSteps)
{
    const auto stillMounted = [this, &wholeDisk, &onlyDevice] {
        MountedPartitions partitions = mountedPartitions(wholeDisk);
        if (!onlyDevice.isEmpty()) {
            partitions.removeIf([&onlyDevice](const MountedPartition &partition) {
                return partition.deviceName != onlyDevice;
            });
        }
        return partitions;
    };
    MountedPartitions mounted = stillMounted();
    for (const MountedPartition &partition : std::as_const(mounted)) {
        if (SystemMounts::isSystemMountPoint(partition.mountPath)) {
            co_return systemMountRefusal(partition.deviceName, partition.mountPath);
        }
    }
    QVariantMap options;
    if (force) {
        options.insert(QStringLiteral("force"), true);
    }
    const QVariantList arguments = optionsArgument(options);

    // udisks2 removes one mount per call. One call more than there were mounts lets udisks2
    // explain a mount it cannot remove; beyond that something else keeps remounting.
    qsizetype attempts = mounted.size() + 1;
    while (!mounted.isEmpty()) {
        if (attempts-- == 0) {
            //: Fallback failure detail
            co_return failure(QCoreApplication::translate("UDisksOperations", "unknown error"));
        }
        const QString name = mounted.constFirst().deviceName;
        const QString object = mountedBlockObject(name);
        if (object.isEmpty()) {
            co_return deviceOpenFailure(name);
        }
        const QDBusMessage reply =
            co_await m_client->call(object, UDisksClient::filesystemInterface,
                                    QStringLiteral("Unmount"), arguments, UDisksClient::noTimeout);
        const OperationResult outcome =
            namedSteps ? stepResult(reply, QStringLiteral("unmount %1").arg(name)) : result(reply);
        if (!outcome.ok && isMounted(name)) {
            co_return outcome;
        }
        mounted = stillMounted();
    }
    co_return OperationResult{true, std::nullopt};
}

QCoro::Task<OperationResult> UDisksOperations::remount(Volume volume)
{
    if (volume.traits.isNetwork) {
        //: Remount failure for network shares
        co_return failure(QCoreApplication::translate(
                              "UDisksOperations",
                              "“%1” is a network share. Reconnect to the server in your file "
                              "manager to mount it again.")
                              .arg(volume.name));
    }
    if (!co_await sessionReady()) {
        co_return deviceOpenFailure(volume.deviceName);
    }
    const QString object = mountedBlockObject(volume.deviceName);
    if (object.isEmpty()) {
        co_return deviceOpenFailure(volume.deviceName);
    }
    co_return co_await mount(object);
}

QCoro::Task<OperationResult> UDisksOperations::mount(QString blockObject)
{
    // No mount point and no options: udisks2 chooses where.
    const QVariantList arguments = optionsArgument(QVariantMap());
    const QDBusMessage reply =
        co_await m_client->call(blockObject, UDisksClient::filesystemInterface,
                                QStringLiteral("Mount"), arguments, UDisksClient::noTimeout);
    co_return result(reply);
}

QCoro::Task<OperationResult> UDisksOperations::rename(Volume volume, QString newName)
{
    if (volume.deviceName.isEmpty()) {
        co_return failure(
            //: Rename failure
            QCoreApplication::translate("UDisksOperations", "“%1” has no device node to rename.")
                .arg(volume.name));
    }
    // The label tools cut what does not fit, possibly inside a character.
    if (const auto problem = VolumeNameRules::problem(volume.fileSystemType, newName)) {
        co_return failure(*problem);
    }
    if (!co_await sessionReady()) {
        co_return deviceOpenFailure(volume.deviceName);
    }
    const QString object = mountedBlockObject(volume.deviceName);
    if (object.isEmpty()) {
        co_return deviceOpenFailure(volume.deviceName);
    }
    const QVariantList arguments{newName, QVariant::fromValue(QVariantMap())};
    // Relabelling an internal volume asks for an administrator's password.
    const QDBusMessage reply = co_await m_client->call(
        object, UDisksClient::filesystemInterface, QStringLiteral("SetLabel"), arguments,
        volume.isRemovable ? renameTimeoutMs : UDisksClient::noTimeout);
    co_return result(reply);
}

QCoro::Task<OperationResult> UDisksOperations::erase(Volume volume, QString format, QString newName)
{
    if (!MediaPolicy::allowsErase(volume)) {
        //: Erase safety-rail refusal
        co_return failure(QCoreApplication::translate(
                              "UDisksOperations",
                              "“%1” can’t be erased — only removable, external, and disk-image "
                              "volumes may be erased.")
                              .arg(volume.name));
    }
    if (volume.deviceName.isEmpty()) {
        co_return failure(
            //: Erase failure
            QCoreApplication::translate("UDisksOperations", "“%1” has no device node to erase.")
                .arg(volume.name));
    }
    if (const auto problem = VolumeNameRules::problem(filesystemType(format), newName)) {
        co_return failure(*problem);
    }
    if (!co_await sessionReady()) {
        co_return deviceOpenFailure(volume.deviceName);
    }
    const QString object = mountedBlockObject(volume.deviceName);
    if (object.isEmpty()) {
        co_return deviceOpenFailure(volume.deviceName);
    }

    // udisks2 wipes the old file system before it finds that the tool for the new one is
    // missing: ask first, and leave the volume alone.
    const QString type = filesystemType(format);
    if (const auto missing = co_await missingTool(type)) {
        if (missing->isEmpty()) {
            //: Erase failure when the file system cannot be made on this computer
            co_return failure(QCoreApplication::translate(
                                  "UDisksOperations", "This computer can’t make %1 file systems.")
                                  .arg(format));
        }
        //: Erase failure when the program that makes the file system is missing; %2 is its name
        co_return failure(QCoreApplication::translate(
                              "UDisksOperations",
                              "This computer can’t make %1 file systems: %2 is not installed.")
                              .arg(format, *missing));
    }

    // Every mount of the device, not only the one the volume was listed with.
    const bool wasMounted = isMounted(volume.deviceName);
    const OperationResult unmounted =
        co_await unmountAll(volume.deviceName, volume.deviceName, false, false);
    if (!unmounted.ok) {
        co_return unmounted;
    }

    QVariantMap options;
    options.insert(QStringLiteral("label"), newName);
    // The partition type follows the new file system, so that other systems recognise it.
    options.insert(QStringLiteral("update-partition-type"), true);
    if (type == QLatin1String("ext4")) {
        // Otherwise the new root folder belongs to root and the user cannot write to it.
        options.insert(QStringLiteral("take-ownership"), true);
    }
    const QVariantList formatArguments{type, QVariant::fromValue(options)};
    // Formatting an internal volume asks for an administrator's password.
    const QDBusMessage formatted = co_await m_client->call(
        object, UDisksClient::blockInterface, QStringLiteral("Format"), formatArguments,
        volume.isRemovable ? formatTimeoutMs : UDisksClient::noTimeout);
    const OperationResult outcome = result(formatted);
    if (!outcome.ok) {
        // The old file system is still there: leave it as usable as it was.
        if (!wasMounted) {
            co_return outcome;
        }
        const OperationResult remounted = co_await mount(object);
        if (remounted.ok) {
            co_return outcome;
        }
        //: Erase failure after which the volume stays unmounted; %1 is why the erase failed
        co_return failure(
            QCoreApplication::translate("UDisksOperations",
                                        "%1 The volume couldn’t be mounted again: %2")
                .arg(outcome.detail.value_or(QString()), remounted.detail.value_or(QString())));
    }

    const OperationResult mounted = co_await mount(object);
    if (!mounted.ok) {
        //: Detail of a successful erase whose new volume could not be mounted
        co_return OperationResult{
            true, QCoreApplication::translate("UDisksOperations",
                                              "Erased, but the volume couldn’t be mounted: %1")
                      .arg(mounted.detail.value_or(QString()))};
    }
    co_return OperationResult{true, std::nullopt};
}

QCoro::Task<QStringList> UDisksOperations::availableEraseFormats()
{
    // Without udisks2 nothing can be told; the erase itself then says what is wrong.
    if (!co_await sessionReady()) {
        co_return eraseFormats();
    }
    QStringList available;
    for (const QString &format : eraseFormats()) {
        if (!co_await missingTool(filesystemType(format))) {
            available.append(format);
        }
    }
    co_return available;
}

QCoro::Task<std::optional<QString>> UDisksOperations::missingTool(QString fileSystemType)
{
    const QVariantList arguments{fileSystemType};
    const QDBusMessage reply =
        co_await m_client->call(UDisksClient::managerObjectPath, UDisksClient::managerInterface,
                                QStringLiteral("CanFormat"), arguments, queryTimeoutMs);
    // An older udisks2 cannot tell: the format counts as makeable.
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        co_return std::nullopt;
    }
    // (available, the utility that is missing otherwise)
    const auto answer = reply.arguments().constFirst().value<QDBusArgument>();
    bool makeable = true;
    QString utility;
    answer.beginStructure();
    answer >> makeable >> utility;
    answer.endStructure();
    if (makeable) {
        co_return std::nullopt;
    }
    co_return utility;
}

QCoro::Task<BlockerList> UDisksOperations::listBlockers(QStringList arguments)
{
    const CommandResult outcome =
        co_await ToolLauncher::run(QString::fromLatin1(lsofPath), arguments, toolTimeoutSeconds);
    co_return BlockerScanner::parse(outcome.standardOutput);
}

QCoro::Task<BlockerList> UDisksOperations::blockers(Volume volume)
{
    if (!volume.isMounted || volume.mountPath.isEmpty()) {
        co_return BlockerList();
    }
    const QStringList withSeparator{QStringLiteral("-Fpc"), QStringLiteral("--"), volume.mountPath};
    const BlockerList first = co_await listBlockers(withSeparator);
    if (!first.isEmpty()) {
        co_return BlockerScanner::uniqueCommands(first);
    }
    const QStringList plain{QStringLiteral("-Fpc"), volume.mountPath};
    const BlockerList second = co_await listBlockers(plain);
    co_return BlockerScanner::uniqueCommands(second);
}
