#include "screenlockmonitor.h"

#include "logindsleepmonitor.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QPointer>
#include <qcoro/qcorodbuspendingcall.h>

const QString ScreenLockMonitor::screenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenLockMonitor::screenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString ScreenLockMonitor::screenSaverInterface =
    QStringLiteral("org.freedesktop.ScreenSaver");

namespace {
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");
}

ScreenLockMonitor::ScreenLockMonitor(QDBusConnection systemBus, QDBusConnection sessionBus,
                                     QString sessionId, QObject *parent)
    : ScreenLockWatching(parent), m_systemBus(std::move(systemBus)),
      m_sessionBus(std::move(sessionBus)), m_sessionId(std::move(sessionId))
{
}

ScreenLockMonitor::~ScreenLockMonitor() = default;

QString ScreenLockMonitor::currentSessionId()
{
    return qEnvironmentVariable("XDG_SESSION_ID");
}

void ScreenLockMonitor::start()
{
    if (m_started) {
        return;
    }
    m_started = true;
    if (m_sessionBus.isConnected()) {
        m_sessionBus.connect(screenSaverService, screenSaverPath, screenSaverInterface,
                             QStringLiteral("ActiveChanged"), this, SLOT(onActiveChanged(bool)));
    }
    if (m_systemBus.isConnected()) {
        watchSession();
    }
}

QCoro::Task<> ScreenLockMonitor::watchSession()
{
    QPointer<ScreenLockMonitor> self(this);
    QDBusMessage call;
    if (m_sessionId.isEmpty()) {
        call = QDBusMessage::createMethodCall(
            LogindSleepMonitor::service, LogindSleepMonitor::managerPath,
            LogindSleepMonitor::managerInterface, QStringLiteral("GetSessionByPID"));
        call.setArguments({QVariant::fromValue(quint32(QCoreApplication::applicationPid()))});
    } else {
        call = QDBusMessage::createMethodCall(
            LogindSleepMonitor::service, LogindSleepMonitor::managerPath,
            LogindSleepMonitor::managerInterface, QStringLiteral("GetSession"));
        call.setArguments({m_sessionId});
    }
    const QDBusMessage reply = co_await m_systemBus.asyncCall(call);
    if (!self) {
        co_return;
    }
    QString path;
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
        path = reply.arguments().constFirst().value<QDBusObjectPath>().path();
    }
    if (!path.isEmpty()) {
        const bool lock = m_systemBus.connect(LogindSleepMonitor::service, path, sessionInterface,
                                              QStringLiteral("Lock"), this, SLOT(onSessionLock()));
        const bool unlock =
            m_systemBus.connect(LogindSleepMonitor::service, path, sessionInterface,
                                QStringLiteral("Unlock"), this, SLOT(onSessionUnlock()));
        if (!lock || !unlock) {
            path.clear();
        }
    }
    m_sessionPath = path;
    emit sessionResolved(path);
}

void ScreenLockMonitor::onSessionLock()
{
    reportLock();
}

void ScreenLockMonitor::onSessionUnlock()
{
    reportUnlock();
}

void ScreenLockMonitor::onActiveChanged(bool active)
{
    if (active) {
        reportLock();
    } else {
        reportUnlock();
    }
}

void ScreenLockMonitor::reportLock()
{
    if (m_locked && m_lockedAt.isValid() && m_lockedAt.elapsed() < coalesceMs) {
        return;
    }
    m_locked = true;
    m_lockedAt.start();
    emit locked();
}

void ScreenLockMonitor::reportUnlock()
{
    if (!m_locked) {
        return;
    }
    m_locked = false;
    emit unlocked();
}
