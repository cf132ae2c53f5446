#pragma once

#include "sleepwatching.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

// Sleep and wake from logind's PrepareForSleep on the system bus. Holds a "delay" inhibitor
// lock for sleep from start() on, so that logind waits for the sleep handler: the lock is
// closed when the handler's task has finished and taken again after wake. Main thread only.
class LogindSleepMonitor : public SleepWatching {
    Q_OBJECT
public:
    static const QString service;
    static const QString managerPath;
    static const QString managerInterface;

    // who and why are shown by `systemd-inhibit --list`.
    LogindSleepMonitor(QDBusConnection systemBus, QString who, QString why,
                       QObject *parent = nullptr);
    ~LogindSleepMonitor() override;

    void setSleepHandler(SleepHandler handler) override { m_handler = std::move(handler); }
    void start() override;

    bool holdsInhibitor() const { return m_inhibitor.isValid(); }

private slots:
    void onPrepareForSleep(bool sleeping);

private:
    QCoro::Task<> takeInhibitor();
    QCoro::Task<> runBeforeSleep();
    void reportUnavailable(const QString &reason);

    QDBusConnection m_bus;
    QString m_who;
    QString m_why;
    SleepHandler m_handler;
    QDBusUnixFileDescriptor m_inhibitor;
    bool m_started = false;
    bool m_taking = false;
    bool m_reportedUnavailable = false;
    // Between PrepareForSleep(true) and PrepareForSleep(false).
    bool m_sleeping = false;
    // Counts sleeps, so that a slow pass does not release the lock of the sleep after it.
    quint64 m_sleeps = 0;
};
