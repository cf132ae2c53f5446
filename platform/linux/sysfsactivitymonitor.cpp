#include "sysfsactivitymonitor.h"

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
