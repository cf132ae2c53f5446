#include "udisksdisksource.h"

#include "mountedvolumebuilder.h"
#include "mounttablewatcher.h"

#include "discovery/diskmerger.h"

#include <QHash>
#include <QScopeGuard>
#include <QSet>

UDisksDiskSource::UDisksDiskSource(std::shared_ptr<DeviceDescriptionProvider> provider,
                                   VolumeResourceReader resources, QString mountInfoPath,
                                   QObject *parent)
    : QObject(parent), m_provider(std::move(provider)), m_resources(std::move(resources)),
      m_mountInfoPath(std::move(mountInfoPath))
{
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(debounceMs);
    connect(&m_debounce, &QTimer::timeout, this, [this] {
        m_pendingSince.invalidate();
        if (m_handler) {
            m_handler();
        }
    });
    connect(m_provider.get(), &DeviceDescriptionProvider::changed, this,
            &UDisksDiskSource::scheduleChange);
    m_watcher = new MountTableWatcher(m_mountInfoPath, this);
    connect(m_watcher, &MountTableWatcher::changed, this, &UDisksDiskSource::scheduleChange);
}

UDisksDiskSource::~UDisksDiskSource() = default;

void UDisksDiskSource::setChangeHandler(ChangeHandler handler)
{
    m_handler = std::move(handler);
}

void UDisksDiskSource::scheduleChange()
{
    if (!m_pendingSince.isValid()) {
        m_pendingSince.start();
    }
    m_debounce.start(
        static_cast<int>(ChangeDebounce::delayAfterEvent(0, m_pendingSince.elapsed())));
}

std::optional<DeviceDescription> UDisksDiskSource::description(const QString &deviceName) const
{
    if (!m_descriptions) {
        return m_provider->description(deviceName);
    }
    auto it = m_descriptions->constFind(deviceName);
    if (it == m_descriptions->cend()) {
        it = m_descriptions->insert(deviceName, m_provider->description(deviceName));
    }
    return it.value();
}

std::optional<QString> UDisksDiskSource::verifiedWholeDisk(const QString &deviceName) const
{
    const auto whole = DiskMerger::wholeDiskName(deviceName);
    if (!whole) {
        return std::nullopt;
    }
    const auto wholeDescription = description(*whole);
    if (!wholeDescription || !wholeDescription->whole) {
        return std::nullopt;
    }
    return whole;
}

QString UDisksDiskSource::physicalDevice(const QString &deviceName) const
{
    QString device = deviceName;
    for (int depth = 0; depth < maxStackDepth; ++depth) {
        const auto stacked = description(device);
        if (!stacked || !stacked->backingDevice) {
            break;
        }
        device = *stacked->backingDevice;
    }
    if (device == deviceName) {
        // Logical volumes, RAID arrays, or encrypted devices the disk service does not describe.
        if (const auto disk = m_resources.sysfs().physicalWholeDisk(deviceName)) {
            return *disk;
        }
    }
    return device;
}

QString UDisksDiskSource::resolvedSource(const QString &source) const
{
    const QString resolved = resolvedMountSource(source);
    if (!resolved.startsWith(QLatin1String("/dev/"))) {
        return resolved;
    }
    // The mount table may name a device by a link that this namespace cannot resolve.
    if (const auto name = m_provider->kernelName(resolved)) {
        return QStringLiteral("/dev/") + *name;
    }
    return resolved;
}

std::optional<QString> UDisksDiskSource::bootWholeDiskName(const MountInfoList &entries) const
{
    const MountInfoEntry *root = MountInfo::visibleAt(entries, QStringLiteral("/"));
    if (root == nullptr) {
        return std::nullopt;
    }
    const auto kernelName = DiskMerger::deviceName(resolvedSource(root->source));
    if (!kernelName) {
        return std::nullopt;
    }
    return DiskMerger::wholeDiskName(physicalDevice(*kernelName));
}

VolumeList UDisksDiskSource::currentVolumes()
{
    m_descriptions.emplace();
    const auto forget = qScopeGuard([this] { m_descriptions.reset(); });
    const MountInfoList entries = MountInfo::read(m_mountInfoPath);
    const auto boot = bootWholeDiskName(entries);

    // Sources repeat (bind mounts, several mounts of one device): resolve each once.
    QHash<QString, QString> resolved;
    const auto resolve = [this, &resolved](const QString &source) {
        auto it = resolved.constFind(source);
        if (it == resolved.cend()) {
            it = resolved.insert(source, resolvedSource(source));
        }
        return it.value();
    };

    const MountInfoList mounts = MountInfo::volumeMounts(entries);
    m_resources.beginReading(mounts);
    VolumeList volumes;
    for (const MountInfoEntry &entry : mounts) {
        const QString source = resolve(entry.source);
        MountedVolumeBuilder::Input input;
        input.path = entry.mountPoint;
        input.fileSystemType = entry.fsType;
        input.deviceName = DiskMerger::deviceName(source);
        if (input.deviceName) {
            input.description = description(*input.deviceName);
            input.wholeDiskName = verifiedWholeDisk(physicalDevice(*input.deviceName));
        }
        input.resources =
            m_resources.read(entry, source, input.description && input.description->hintIgnore);
        if (input.description) {
            input.resources.volumeName = input.description->volumeName;
        }
        input.bootWholeDiskName = boot;
        volumes.append(MountedVolumeBuilder::build(input));
    }

    QSet<QString> mountedNames;
    for (const MountInfoEntry &entry : entries) {
        if (const auto kernelName = DiskMerger::deviceName(resolve(entry.source))) {
            mountedNames.insert(*kernelName);
        }
    }

    UnmountedCandidateList candidates;
    for (const QString &name : m_provider->leafDeviceNames()) {
        if (mountedNames.contains(name)) {
            continue;
        }
        const auto d = description(name);
        // Devices the disk service keeps from desktops are never listed.
        if (!d || d->hintIgnore) {
            continue;
        }
        UnmountedCandidate c;
        c.deviceName = name;
        c.volumeName = d->volumeName;
        c.mediaName = d->mediaName;
        c.contentHint = d->contentHint;
        c.isMountable = d->mountable;
        c.isRemovableOrExternal = d->removable || !d->deviceInternal;
        c.isWholeDisk = d->whole;
        c.isEjectable = d->ejectable;
        c.sizeBytes = d->size;
        c.volumeUUID = d->volumeUUID;
        c.fileSystemType = d->fileSystemType;
        c.isDiskImage = d->indicatesDiskImage();
        c.isSystemDevice = d->hintSystem;
        c.isBlank = d->blank;
        candidates.append(c);
    }
    volumes.append(DiskMerger::unmountedVolumes(candidates, mountedNames, boot, m_unmountedScope));
    return volumes;
}
