#include "sysfsreader.h"

#include "discovery/diskmerger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SysfsReader::SysfsReader(QString root) : m_root(std::move(root)) {}

QString SysfsReader::classBlock(const QString &name) const
{
    return m_root + QLatin1String("/class/block/") + name;
}

QString SysfsReader::readTrimmed(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.read(4096)).trimmed();
}

QStringList SysfsReader::blockDevices() const
{
    return QDir(m_root + QLatin1String("/block"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

std::optional<quint64> SysfsReader::statBytes(const QString &disk) const
{
    const QString text =
        readTrimmed(m_root + QLatin1String("/block/") + disk + QLatin1String("/stat"));
    const QStringList fields = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() < 7) {
        return std::nullopt;
    }
    bool okRead = false;
    bool okWritten = false;
    const quint64 read = fields[2].toULongLong(&okRead);
    const quint64 written = fields[6].toULongLong(&okWritten);
    if (!okRead || !okWritten) {
        return std::nullopt;
    }
    return (read + written) * 512;
}

QStringList SysfsReader::slaves(const QString &name) const
{
    return QDir(classBlock(name) + QLatin1String("/slaves"))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

std::optional<QString> SysfsReader::wholeDisk(const QString &name) const
{
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) {
        return std::nullopt;
    }
    const QFileInfo entry(classBlock(name));
    if (!entry.exists()) {
        return std::nullopt;
    }
    if (!QFileInfo::exists(entry.filePath() + QLatin1String("/partition"))) {
        return name;
    }
    // A partition's directory sits inside its disk's directory.
    const QString device = entry.canonicalFilePath();
    const QString parent = QFileInfo(device).path();
    const QString disk = QFileInfo(parent).fileName();
    if (disk.isEmpty()) {
        return std::nullopt;
    }
    return disk;
}

std::optional<QString> SysfsReader::physicalWholeDisk(const QString &synthesized) const
{
    return physicalWholeDisk(synthesized, 0);
}

std::optional<QString> SysfsReader::physicalWholeDisk(const QString &synthesized, int depth) const
{
    if (depth > maxStackDepth) {
        return std::nullopt;
    }
    for (const QString &slave : slaves(synthesized)) {
        if (slave == synthesized) {
            continue;
        }
        const QString whole = DiskMerger::wholeDiskName(slave).value_or(slave);
        if (!slaves(whole).isEmpty()) {
            if (auto deeper = physicalWholeDisk(whole, depth + 1)) {
                return deeper;
            }
            continue;
        }
        return whole;
    }
    return std::nullopt;
}

bool SysfsReader::isRemovable(const QString &disk) const
{
    return readTrimmed(classBlock(disk) + QLatin1String("/removable")) == QLatin1String("1");
}

bool SysfsReader::isInternal(const QString &disk) const
{
    const QString device = QFileInfo(classBlock(disk)).canonicalFilePath();
    if (device.isEmpty()) {
        return true;
    }
    const QString root = QFileInfo(m_root).canonicalFilePath();
    const QString below = device.startsWith(root) ? device.mid(root.size()) : device;
    const QStringList parts = below.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part.startsWith(QLatin1String("usb")) || part.startsWith(QLatin1String("mmc")) ||
            part.startsWith(QLatin1String("firewire")) ||
            (part.startsWith(QLatin1String("fw")) && part.size() > 2 && part.at(2).isDigit())) {
            return false;
        }
    }
    return true;
}

std::optional<QString> SysfsReader::loopBackingFile(const QString &disk) const
{
    const QString file =
        readTrimmed(m_root + QLatin1String("/block/") + disk + QLatin1String("/loop/backing_file"));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return file;
}
