#include "sysfsactivitymonitor.h"

#include "diskstats.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

SysfsActivityMonitor::SysfsActivityMonitor(SysfsReader sysfs, QString diskstatsPath,
                                           QObject *parent)
    : QObject(parent), m_sysfs(std::move(sysfs)), m_diskstatsPath(std::move(diskstatsPath)),
      m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
    m_timer.setInterval(1000);
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SysfsActivityMonitor::sample);
}

SysfsActivityMonitor::~SysfsActivityMonitor()
{
    closeDiskstats();
}

void SysfsActivityMonitor::start()
{
    if (m_timer.isActive()) {
        return;
    }
    sample();
    m_timer.start();
}

void SysfsActivityMonitor::stop()
{
    m_timer.stop();
    m_previousCounters.clear();
    closeDiskstats();
}

void SysfsActivityMonitor::closeDiskstats()
{
    if (m_diskstats >= 0) {
        ::close(m_diskstats);
        m_diskstats = -1;
    }
}

QByteArray SysfsActivityMonitor::readDiskstats()
{
    if (m_diskstats < 0) {
        m_diskstats = ::open(QFile::encodeName(m_diskstatsPath).constData(), O_RDONLY | O_CLOEXEC);
        if (m_diskstats < 0) {
            return {};
        }
    }
    // The kernel writes the table anew for a read from its start, so the file stays open.
    QByteArray text;
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::pread(m_diskstats, buffer, sizeof buffer, off_t(text.size()));
        if (got > 0) {
            text.append(buffer, got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            closeDiskstats();
            return {};
        }
    }
    return text;
}

ActivityDiff::Counters SysfsActivityMonitor::readCounters()
{
    const QHash<QString, quint64> devices = DiskStats::parse(readDiskstats());
    bool sameDevices = devices.size() == m_knownDevices.size();
    for (auto it = devices.cbegin(); sameDevices && it != devices.cend(); ++it) {
        sameDevices = m_knownDevices.contains(it.key());
    }
    if (!sameDevices) {
        // Disks came or went: which are physical whole disks, and what synthesized disks sit
        // on, may have changed with them.
        QSet<QString> names;
        names.reserve(devices.size());
        for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
            names.insert(it.key());
        }
        m_knownDevices = names;
        m_physicalDisks.clear();
        m_physicalBySynthesized.clear();
        const QStringList wholeDisks = m_sysfs.blockDevices();
        for (const QString &disk : wholeDisks) {
            if (names.contains(disk) && m_sysfs.slaves(disk).isEmpty()) {
                m_physicalDisks.insert(disk);
            }
        }
    }
    ActivityDiff::Counters counters;
    for (const QString &disk : std::as_const(m_physicalDisks)) {
        counters.insert(disk, devices.value(disk));
    }
    return counters;
}

void SysfsActivityMonitor::sample()
{
    const ActivityDiff::Counters now = readCounters();
    ActivityDiff::Outcome outcome =
        ActivityDiff::activity(m_previousCounters, now, m_lastActiveDates, m_clock());
    m_previousCounters = now;
    m_lastActiveDates = std::move(outcome.lastActive);
    m_currentActivities = std::move(outcome.activities);
    if (m_onUpdate) {
        m_onUpdate(m_currentActivities);
    }
}

QString SysfsActivityMonitor::resolvePhysical(const QString &name)
{
    if (m_lastActiveDates.contains(name)) {
        return name;
    }
    if (const auto it = m_physicalBySynthesized.constFind(name);
        it != m_physicalBySynthesized.cend()) {
        return it.value();
    }
    if (const auto physical = m_sysfs.physicalWholeDisk(name)) {
        m_physicalBySynthesized.insert(name, *physical);
        return *physical;
    }
    return name;
}

std::optional<double> SysfsActivityMonitor::idleSeconds(const QString &wholeDiskName)
{
    return ActivityDiff::idleSeconds(m_lastActiveDates, resolvePhysical(wholeDiskName), m_clock());
}

bool SysfsActivityMonitor::isActive(const QString &wholeDiskName)
{
    return m_currentActivities.value(resolvePhysical(wholeDiskName)).isActive;
}
