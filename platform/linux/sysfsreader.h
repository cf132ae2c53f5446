#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// Reads block-device facts from sysfs. The root is injectable so that tests use a tree of
// their own; every failure reads as "no value".
class SysfsReader {
public:
    explicit SysfsReader(QString root = QStringLiteral("/sys"));

    const QString &root() const { return m_root; }

    // Names under block/ (whole disks, including loop, dm-* and md*).
    QStringList blockDevices() const;
    // Sectors read plus sectors written, times 512; none when stat is missing or malformed.
    std::optional<quint64> statBytes(const QString &disk) const;
    // Devices a synthesized disk (dm-*, md*) is built on; empty for a physical disk.
    QStringList slaves(const QString &name) const;
    // The disk holding a partition, the name itself for a whole disk, none for an unknown name.
    std::optional<QString> wholeDisk(const QString &name) const;
    // The physical whole disk below a synthesized device (an unlocked encrypted device, a
    // logical volume, a RAID array), through stacked ones; none for a device built on nothing.
    std::optional<QString> physicalWholeDisk(const QString &synthesized) const;
    bool isRemovable(const QString &disk) const;
    // A device reached through USB, MMC/SD or FireWire is not internal.
    bool isInternal(const QString &disk) const;
    // The file behind a loop device, when it is one that has a backing file.
    std::optional<QString> loopBackingFile(const QString &disk) const;

private:
    // Stacked device-mapper targets (LVM on LUKS on RAID) are a few levels deep at most.
    static constexpr int maxStackDepth = 8;

    std::optional<QString> physicalWholeDisk(const QString &synthesized, int depth) const;
    QString classBlock(const QString &name) const;
    QString readTrimmed(const QString &path) const;

    QString m_root;
};
