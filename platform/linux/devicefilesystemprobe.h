#pragma once

#include "operations/filesystemprobe.h"

class UDisksClient;

// Reads what a device holds from the device itself: `blkid -p` (a low-level probe that ignores
// blkid's cache) when the device is readable, as for root or the disk group; otherwise udisks2
// is asked to rescan the device, which has udev probe it again, and then for what it found.
class DeviceFileSystemProbe : public FileSystemProbe {
public:
    static constexpr const char *blkidPath = "/usr/sbin/blkid";
    static constexpr int rescanTimeoutMs = 30 * 1000;

    explicit DeviceFileSystemProbe(UDisksClient *client,
                                   QString deviceFolder = QStringLiteral("/dev"));

    QCoro::Task<std::optional<ProbedFileSystem>> probe(QString deviceName) override;

    // blkid's "-o export" lines (TYPE=ext4, LABEL=My\ Disk).
    static ProbedFileSystem parseExport(const QString &output);

private:
    QCoro::Task<std::optional<ProbedFileSystem>> probeThroughUDisks(QString deviceName);

    UDisksClient *m_client;
    QString m_deviceFolder;
};
