#include "udisksoperations.h"

#include "platformlogging.h"
#include "udisksclient.h"
#include "udiskserrors.h"
#include "udisksoperationsupport.h"
#include "volumeresources.h"

#include "discovery/diskmerger.h"
#include "operations/blockerscanner.h"
#include "operations/toollauncher.h"
#include "operations/volumenamerules.h"
#include "policy/mediapolicy.h"
#include "policy/systemmounts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

// The operations that are one call (remount, rename), the choice of how a volume is ejected,
// the mount-table readings every operation relies on, and the calls to udisks2 and the tools
// with the log of their failures. Unmounting and locking: udisksunmounting.cpp; erasing:
// udiskserase.cpp; udisks2's errors: udiskserrors.cpp.

using namespace UDisksOperationSupport;

UDisksOperations::UDisksOperations(UDisksClient *client, QString mountInfoPath)
    : m_client(client), m_mountInfoPath(std::move(mountInfoPath))
{
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
        if (!DiskMerger::partitionDeviceNames(wholeDiskName, sources).isEmpty()) {
            names.append({*device, entry.mountPoint});
        }
    }
    return names;
}

bool UDisksOperations::isMounted(const QString &deviceName) const
{
    const MountedPartitions mounted = mountedPartitions(deviceName);
    return std::any_of(mounted.cbegin(), mounted.cend(), [&deviceName](const MountedPartition &m) {
        return m.deviceName == deviceName;
    });
}

OperationResult UDisksOperations::result(const QDBusMessage &reply)
{
    return UDisksErrors::result(reply);
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

QCoro::Task<QDBusMessage> UDisksOperations::request(QString object, QString interface,
                                                    QString method, QVariantList arguments,
                                                    int timeoutMs)
{
    const QDBusMessage reply =
        co_await m_client->call(object, interface, method, std::move(arguments), timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        const QString member =
            interface == UDisksClient::loopInterface ? QStringLiteral("Loop.") + method : method;
        PlatformLogging::logRefusal(member, m_client->deviceName(object), object, reply);
    }
    co_return reply;
}

QCoro::Task<CommandResult> UDisksOperations::runTool(QString program, QStringList arguments,
                                                     QList<int> succeeding)
{
    const CommandResult outcome =
        co_await ToolLauncher::run(program, arguments, toolTimeoutSeconds);
    if (outcome.timedOut || !succeeding.contains(outcome.status)) {
        PlatformLogging::logToolFailure(program, arguments, outcome);
    }
    co_return outcome;
}

EjectTruth::Mounts UDisksOperations::mountsOnDisk(const Volume &volume) const
{
    EjectTruth::Mounts mounts;
    if (volume.deviceName.isEmpty()) {
        return mounts;
    }
    const QString disk = volume.wholeDiskName.value_or(
        DiskMerger::wholeDiskName(volume.deviceName).value_or(volume.deviceName));
    for (const MountedPartition &mounted : mountedPartitions(disk)) {
        // udisks2's label while it runs; else udisks2's mount folder is named after it.
        QString name = m_client == nullptr
                           ? QString()
                           : m_client
                                 ->properties(m_client->blockObject(mounted.deviceName),
                                              UDisksClient::blockInterface)
                                 .value(QStringLiteral("IdLabel"))
                                 .toString();
        if (name.isEmpty() && mounted.mountPath != QLatin1String("/")) {
            name = QFileInfo(mounted.mountPath).fileName();
        }
        if (name.isEmpty()) {
            name = mounted.deviceName;
        }
        mounts.append({mounted.deviceName, name});
    }
    return mounts;
}

QCoro::Task<OperationResult> UDisksOperations::eject(Volume volume, bool force)
{
    const EjectTruth::Mounts before = mountsOnDisk(volume);
    OperationResult result = co_await ejectVolume(volume, force);
    if (!result.ok && !before.isEmpty()) {
        // Read again, from the kernel's table: udisks2 may be the reason it failed.
        result.detail =
            EjectTruth::detail(volume.deviceName, volume.name, before, mountsOnDisk(volume),
                               result.error, result.detail.value_or(unknownError()));
    }
    co_return result;
}

QCoro::Task<OperationResult> UDisksOperations::ejectVolume(Volume volume, bool force)
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
        co_return UDisksErrors::serviceGone();
    }
    const QString object = mountedBlockObject(volume.deviceName);
    if (object.isEmpty()) {
        co_return deviceOpenFailure(volume.deviceName);
    }
    const OperationResult mounted = co_await mount(object);
    // udisks2 may have mounted it and then failed to say so.
    if (!mounted.ok && mounted.error != OperationError::busy && isMounted(volume.deviceName)) {
        co_return OperationResult{true, std::nullopt};
    }
    co_return mounted;
}

QCoro::Task<OperationResult> UDisksOperations::mount(QString blockObject)
{
    // No mount point and no options: udisks2 chooses where.
    const QVariantList arguments = optionsArgument(QVariantMap());
    const QDBusMessage reply =
        co_await request(blockObject, UDisksClient::filesystemInterface, QStringLiteral("Mount"),
                         arguments, UDisksClient::noTimeout);
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
        co_return UDisksErrors::serviceGone();
    }
    const QString object = mountedBlockObject(volume.deviceName);
    if (object.isEmpty()) {
        co_return deviceOpenFailure(volume.deviceName);
    }
    const QVariantList arguments{newName, QVariant::fromValue(QVariantMap())};
    // Any relabelling may ask for a password; the client notices a daemon that stops answering.
    const QDBusMessage reply =
        co_await request(object, UDisksClient::filesystemInterface, QStringLiteral("SetLabel"),
                         arguments, UDisksClient::noTimeout);
    co_return result(reply);
}

QCoro::Task<BlockerList> UDisksOperations::listBlockers(QStringList arguments)
{
    // lsof exits with 1 both when nothing holds the folder and on errors it reports; only a
    // time-out, a failed start or another status counts as its failure.
    static const QList<int> found{0, 1};
    const CommandResult outcome = co_await runTool(QString::fromLatin1(lsofPath), arguments, found);
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
