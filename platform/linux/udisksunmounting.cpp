#include "udisksoperations.h"

#include "sysfsreader.h"
#include "udisksclient.h"
#include "udiskserrors.h"
#include "udisksoperationsupport.h"

#include "discovery/diskmerger.h"
#include "operations/toollauncher.h"
#include "policy/systemmounts.h"

#include <QCoreApplication>
#include <QCoro/QCoroTimer>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <algorithm>

// UDisksOperations' unmounting and locking: the eject of a partition with the other volumes of
// its disk and the encrypted devices on it, the detaching of a disk image (every file system
// unmounted, everything locked, the loop device deleted), and the unmount of a path that udisks2
// does not manage.

using namespace UDisksOperationSupport;

QStringList UDisksOperations::siblingsToUnmount(const QString &deviceName,
                                                const MountedPartitions &mountedOnDevice)
{
    QStringList siblings;
    for (const MountedPartition &mounted : mountedOnDevice) {
        if (mounted.deviceName != deviceName &&
            !SystemMounts::isSystemMountPoint(mounted.mountPath)) {
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

QCoro::Task<OperationResult> UDisksOperations::unmountDevice(QString deviceName, bool force)
{
    if (!co_await sessionReady()) {
        co_return UDisksErrors::serviceGone();
    }
    const QString object = mountedBlockObject(deviceName);
    if (object.isEmpty()) {
        co_return deviceOpenFailure(deviceName);
    }
    const QDBusMessage reply =
        co_await request(object, UDisksClient::filesystemInterface, QStringLiteral("Unmount"),
                         unmountArguments(force), UDisksClient::noTimeout);
    const OperationResult outcome = UDisksErrors::result(reply);
    // Another eject of the same disk may have got there first.
    if (!outcome.ok && !isMounted(deviceName)) {
        co_return OperationResult{true, std::nullopt};
    }
    co_return outcome;
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
    static const QList<int> unmounted{0};
    const CommandResult outcome = co_await runTool(program, command, unmounted);
    co_return ToolLauncher::result(outcome, prefix);
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
    // Each is tried, so that eject() can tell which volumes were unmounted and which were not.
    std::optional<OperationResult> firstRefusal;
    for (const QString &sibling : siblings) {
        const OperationResult outcome = co_await unmountDevice(sibling, force);
        if (!outcome.ok && (outcome.error == OperationError::diskServiceGone ||
                            outcome.error == OperationError::cancelled)) {
            co_return outcome;
        }
        if (!outcome.ok && !firstRefusal) {
            firstRefusal = outcome;
        }
    }
    if (firstRefusal) {
        co_return *firstRefusal;
    }
    // A drive that holds the running system (a live stick) stays in use: of its encrypted
    // devices only the volume's own is locked.
    QString lockOnDisk = *volume.wholeDiskName;
    if (holdsSystem(mounted)) {
        lockOnDisk.clear();
    }
    const OperationResult locked = co_await lockEncryptedDevices(lockOnDisk, volume.deviceName);
    if (!locked.ok) {
        //: Eject failure of an encrypted volume that stays unlocked; eject() says before it
        //: which volumes were unmounted
        co_return OperationResult{
            false,
            QCoreApplication::translate("UDisksOperations",
                                        "an encrypted volume on the same device couldn’t be "
                                        "locked: %1")
                .arg(locked.detail.value_or(QString())),
            locked.error};
    }
    co_return OperationResult{true, std::nullopt};
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
    const QVariantList arguments = unmountArguments(force);

    // udisks2 removes one mount per call. One call more than there were mounts lets udisks2
    // explain a mount it cannot remove; beyond that something else keeps remounting. A mount it
    // refuses is left for the others, so that the failure can say which ones stay.
    std::optional<OperationResult> firstRefusal;
    QStringList refused;
    qsizetype attempts = mounted.size() + 1;
    int catchUps = 6;
    while (true) {
        mounted.removeIf([&refused](const MountedPartition &partition) {
            return refused.contains(partition.deviceName);
        });
        if (mounted.isEmpty()) {
            break;
        }
        if (attempts-- == 0) {
            co_return firstRefusal.value_or(failure(unknownError()));
        }
        const QString name = mounted.constFirst().deviceName;
        const QString object = mountedBlockObject(name);
        if (object.isEmpty()) {
            co_return deviceOpenFailure(name);
        }
        const QDBusMessage reply =
            co_await request(object, UDisksClient::filesystemInterface, QStringLiteral("Unmount"),
                             arguments, UDisksClient::noTimeout);
        const OperationResult outcome = UDisksErrors::result(
            reply, namedSteps ? QStringLiteral("unmount %1").arg(name) : QString());
        // Without udisks2 nothing more is asked, not even of a daemon that took its place; a
        // dismissed password prompt ends the whole operation.
        if (!outcome.ok && (outcome.error == OperationError::diskServiceGone ||
                            outcome.error == OperationError::cancelled)) {
            co_return outcome;
        }
        // udisks2 can miss a mount made just after the partition was re-read (an erase on the
        // same disk a moment ago): have it probe the device again, then ask once more.
        if (!outcome.ok && outcome.error == OperationError::notMounted && isMounted(name) &&
            catchUps-- > 0) {
            ++attempts;
            co_await request(object, UDisksClient::blockInterface, QStringLiteral("Rescan"),
                             UDisksOperationSupport::optionsArgument(QVariantMap()),
                             queryTimeoutMs);
            co_await QCoro::sleepFor(std::chrono::milliseconds(500));
            mounted = stillMounted();
            continue;
        }
        if (!outcome.ok && isMounted(name)) {
            if (!firstRefusal) {
                firstRefusal = outcome;
            }
            refused.append(name);
        }
        mounted = stillMounted();
    }
    if (firstRefusal) {
        co_return *firstRefusal;
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
        const QStringList onDisk = DiskMerger::partitionDeviceNames(
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
            co_await request(object, UDisksClient::encryptedInterface, QStringLiteral("Lock"),
                             arguments, UDisksClient::noTimeout);
        const OperationResult outcome = UDisksErrors::result(reply);
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
        co_return UDisksErrors::serviceGone();
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
        co_await request(loopObject, UDisksClient::loopInterface, QStringLiteral("Delete"),
                         deleteArguments, UDisksClient::noTimeout);
    const OperationResult deleted =
        UDisksErrors::result(reply, QStringLiteral("delete %1").arg(loop));
    if (!deleted.ok && !SysfsReader().loopBackingFile(loop)) {
        co_return OperationResult{true, std::nullopt};
    }
    co_return deleted;
}
