#pragma once

#include "sysfsreader.h"

#include "discovery/activitydiff.h"
#include "discovery/activitymonitoring.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <functional>

// Samples the I/O counters of every disk once a second from one table, /proc/diskstats, kept
// open and read again from its start. Which of its devices are physical whole disks is worked
// out from sysfs only when the set of devices changes. Synthesized disks (device-mapper, md)
// are not sampled; their names resolve to the physical disk below them through slaves/.
// Main thread.
class SysfsActivityMonitor : public QObject, public ActivityMonitoring {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    explicit SysfsActivityMonitor(SysfsReader sysfs = SysfsReader(),
                                  QString diskstatsPath = QStringLiteral("/proc/diskstats"),
                                  QObject *parent = nullptr);
    ~SysfsActivityMonitor() override;

    UpdateHandler onUpdate() const override { return m_onUpdate; }
    void setOnUpdate(UpdateHandler handler) override { m_onUpdate = std::move(handler); }
    void start() override;
    void stop() override;
    std::optional<double> idleSeconds(const QString &wholeDiskName) override;
    bool isActive(const QString &wholeDiskName);

    bool isRunning() const { return m_timer.isActive(); }
    // Takes one sample now (the timer calls this every second).
    void sample();
    // The time source, replaceable so that idle times can be checked without waiting.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    const DriveActivityMap &currentActivities() const { return m_currentActivities; }

private:
    ActivityDiff::Counters readCounters();
    QByteArray readDiskstats();
    void closeDiskstats();
    QString resolvePhysical(const QString &name);

    SysfsReader m_sysfs;
    QString m_diskstatsPath;
    int m_diskstats = -1;
    QTimer m_timer;
    Clock m_clock;
    UpdateHandler m_onUpdate;
    ActivityDiff::Counters m_previousCounters;
    ActivityDiff::LastActiveDates m_lastActiveDates;
    DriveActivityMap m_currentActivities;
    // The device names of the last table, and which of them are physical whole disks.
    QSet<QString> m_knownDevices;
    QSet<QString> m_physicalDisks;
    QHash<QString, QString> m_physicalBySynthesized;
};
