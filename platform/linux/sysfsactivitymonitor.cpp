#include "sysfsactivitymonitor.h"

#include "discovery/diskmerger.h"

namespace {
// Stacked device-mapper targets (LVM on LUKS on RAID) are a few levels deep at most.
constexpr int maxStackDepth = 8;
} // namespace

SysfsActivityMonitor::SysfsActivityMonitor(SysfsReader sysfs, QObject *parent)
    : QObject(parent), m_sysfs(std::move(sysfs)),
      m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
    m_timer.setInterval(1000);
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SysfsActivityMonitor::sample);
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
}

ActivityDiff::Counters SysfsActivityMonitor::readCounters() const
{
    ActivityDiff::Counters counters;
    for (const QString &disk : m_sysfs.blockDevices()) {
        if (!m_sysfs.slaves(disk).isEmpty()) {
            continue;
        }
        if (const auto bytes = m_sysfs.statBytes(disk)) {
            counters.insert(disk, *bytes);
        }
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

std::optional<QString> SysfsActivityMonitor::physicalStoreWholeDisk(const QString &synthesized,
                                                                    int depth) const
{
    if (depth > maxStackDepth) {
        return std::nullopt;
    }
    for (const QString &slave : m_sysfs.slaves(synthesized)) {
        if (slave == synthesized) {
            continue;
        }
        const QString whole = DiskMerger::wholeDiskBSD(slave).value_or(slave);
        if (!m_sysfs.slaves(whole).isEmpty()) {
            if (auto deeper = physicalStoreWholeDisk(whole, depth + 1)) {
                return deeper;
            }
            continue;
        }
        return whole;
    }
    return std::nullopt;
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
    if (const auto physical = physicalStoreWholeDisk(name, 0)) {
        m_physicalBySynthesized.insert(name, *physical);
        return *physical;
    }
    return name;
}

std::optional<double> SysfsActivityMonitor::idleSeconds(const QString &wholeDiskBSD)
{
    return ActivityDiff::idleSeconds(m_lastActiveDates, resolvePhysical(wholeDiskBSD), m_clock());
}

bool SysfsActivityMonitor::isActive(const QString &wholeDiskBSD)
{
    return m_currentActivities.value(resolvePhysical(wholeDiskBSD)).isActive;
}
