#pragma once

#include "model/volume.h"
#include "stores/historyentry.h"

#include <QDateTime>
#include <QString>
#include <optional>

// Test volumes and history entries, field by field:
//
//     VolumeBuilder("Stick").id("stick").device("sdb1").wholeDisk("sdb").external()
//         .mountedAt("/media/u/Stick").removable().ejectable().size(1'000'000'000, 250'000'000)
//         .build()
//
// A builder starts from a default Volume (or HistoryEntry) with only the name set and changes
// only the fields it is told to, so a test's volume holds exactly what the test asked for.
class VolumeBuilder {
public:
    explicit VolumeBuilder(const QString &name = {}) { m_volume.name = name; }
    // Starts from an existing volume.
    explicit VolumeBuilder(Volume volume) : m_volume(std::move(volume)) {}

    VolumeBuilder &id(const QString &id)
    {
        m_volume.id = id;
        return *this;
    }
    VolumeBuilder &name(const QString &name)
    {
        m_volume.name = name;
        return *this;
    }
    // The partition's device name ("sdb1"); empty for none.
    VolumeBuilder &device(const QString &deviceName)
    {
        m_volume.deviceName = deviceName;
        return *this;
    }
    // The whole disk's name ("sdb"); absent for none.
    VolumeBuilder &wholeDisk(std::optional<QString> wholeDiskName)
    {
        m_volume.wholeDiskName = std::move(wholeDiskName);
        return *this;
    }
    // Mounted at the path: mountPath and isMounted.
    VolumeBuilder &mountedAt(const QString &path)
    {
        m_volume.mountPath = path;
        m_volume.isMounted = true;
        return *this;
    }
    // No mount path, not mounted.
    VolumeBuilder &unmounted()
    {
        m_volume.mountPath.clear();
        m_volume.isMounted = false;
        return *this;
    }
    // The mount path alone, isMounted untouched.
    VolumeBuilder &mountPath(const QString &path)
    {
        m_volume.mountPath = path;
        return *this;
    }
    // isMounted alone, the mount path untouched.
    VolumeBuilder &mounted(bool mounted = true)
    {
        m_volume.isMounted = mounted;
        return *this;
    }
    VolumeBuilder &kind(VolumeKind kind)
    {
        m_volume.kind = kind;
        return *this;
    }
    VolumeBuilder &external() { return kind(VolumeKind::external); }
    VolumeBuilder &internalExtra() { return kind(VolumeKind::internalExtra); }
    // Kind network and the network trait.
    VolumeBuilder &network()
    {
        m_volume.traits.isNetwork = true;
        return kind(VolumeKind::network);
    }
    VolumeBuilder &removable(bool removable = true)
    {
        m_volume.isRemovable = removable;
        return *this;
    }
    VolumeBuilder &ejectable(bool ejectable = true)
    {
        m_volume.isEjectable = ejectable;
        return *this;
    }
    // Capacity and free bytes; absent for unknown.
    VolumeBuilder &size(std::optional<qint64> capacityBytes,
                        std::optional<qint64> freeBytes = std::nullopt)
    {
        m_volume.capacityBytes = capacityBytes;
        m_volume.freeBytes = freeBytes;
        return *this;
    }
    VolumeBuilder &uuid(std::optional<QString> volumeUUID)
    {
        m_volume.volumeUUID = std::move(volumeUUID);
        return *this;
    }
    VolumeBuilder &fileSystem(const QString &type)
    {
        m_volume.fileSystemType = type;
        return *this;
    }
    VolumeBuilder &traits(const MediaTraits &traits)
    {
        m_volume.traits = traits;
        return *this;
    }
    VolumeBuilder &sharesBootDevice(bool shares = true)
    {
        m_volume.traits.sharesBootDevice = shares;
        return *this;
    }

    Volume build() const { return m_volume; }
    operator Volume() const { return m_volume; }

private:
    Volume m_volume;
};

// A history line: HistoryEntryBuilder("eject").volume("Stick").device("sdb1").at(date)
// .failed("busy").build(). Unset fields keep HistoryEntry's defaults (ok, no detail).
class HistoryEntryBuilder {
public:
    explicit HistoryEntryBuilder(const QString &operation = {}) { m_entry.operation = operation; }

    HistoryEntryBuilder &operation(const QString &operation)
    {
        m_entry.operation = operation;
        return *this;
    }
    HistoryEntryBuilder &at(const QDateTime &date)
    {
        m_entry.date = date;
        return *this;
    }
    HistoryEntryBuilder &volume(const QString &volumeName)
    {
        m_entry.volumeName = volumeName;
        return *this;
    }
    HistoryEntryBuilder &device(const QString &deviceName)
    {
        m_entry.deviceName = deviceName;
        return *this;
    }
    HistoryEntryBuilder &ok(bool ok = true)
    {
        m_entry.ok = ok;
        return *this;
    }
    HistoryEntryBuilder &detail(std::optional<QString> detail)
    {
        m_entry.detail = std::move(detail);
        return *this;
    }
    // Not ok, with the reason.
    HistoryEntryBuilder &failed(std::optional<QString> detail = std::nullopt)
    {
        m_entry.ok = false;
        return this->detail(std::move(detail));
    }

    HistoryEntry build() const { return m_entry; }
    operator HistoryEntry() const { return m_entry; }

private:
    HistoryEntry m_entry;
};
