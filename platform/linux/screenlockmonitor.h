#pragma once

#include "screenlockwatching.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QString>
#include <qcoro/qcorotask.h>

// Screen lock and unlock from two sources: logind's Lock/Unlock of this login session on the
// system bus, and org.freedesktop.ScreenSaver's ActiveChanged on the session bus. Desktops
// often send both for one lock, so a lock report while already locked counts only when the
// earlier one is old (its unlock was never reported). Main thread only.
class ScreenLockMonitor : public ScreenLockWatching {
    Q_OBJECT
public:
    static const QString screenSaverService;
    static const QString screenSaverPath;
    static const QString screenSaverInterface;
    // Lock reports this close to the previous one describe the same lock.
    static constexpr int coalesceMs = 2000;

    // An empty session id finds the session of this process instead.
    ScreenLockMonitor(QDBusConnection systemBus, QDBusConnection sessionBus,
                      QString sessionId = currentSessionId(), QObject *parent = nullptr);
    ~ScreenLockMonitor() override;

    // $XDG_SESSION_ID, or empty.
    static QString currentSessionId();

    void start() override;

    // The logind session object being watched; empty until it is known.
    QString sessionPath() const { return m_sessionPath; }
    bool isLocked() const { return m_locked; }

signals:
    // The session object was found (or could not be, with an empty path).
    void sessionResolved(const QString &path);

private slots:
    void onSessionLock();
    void onSessionUnlock();
    void onActiveChanged(bool active);

private:
    QCoro::Task<> watchSession();
    void reportLock();
    void reportUnlock();

    QDBusConnection m_systemBus;
    QDBusConnection m_sessionBus;
    QString m_sessionId;
    QString m_sessionPath;
    bool m_started = false;
    bool m_locked = false;
    QElapsedTimer m_lockedAt;
};
