#include "logindsleepmonitor.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QPointer>
#include <qcoro/qcorodbuspendingcall.h>

const QString LogindSleepMonitor::service = QStringLiteral("org.freedesktop.login1");
const QString LogindSleepMonitor::managerPath = QStringLiteral("/org/freedesktop/login1");
const QString LogindSleepMonitor::managerInterface =
    QStringLiteral("org.freedesktop.login1.Manager");

LogindSleepMonitor::LogindSleepMonitor(QDBusConnection systemBus, QString who, QString why,
                                       QObject *parent)
    : SleepWatching(parent), m_bus(std::move(systemBus)), m_who(std::move(who)),
      m_why(std::move(why))
{
}

LogindSleepMonitor::~LogindSleepMonitor() = default;

void LogindSleepMonitor::start()
{
    if (m_started) {
        return;
    }
    m_started = true;
    if (!m_bus.isConnected()) {
        reportUnavailable(QStringLiteral("no system bus"));
        return;
    }
    if (!m_bus.connect(service, managerPath, managerInterface, QStringLiteral("PrepareForSleep"),
                       this, SLOT(onPrepareForSleep(bool)))) {
        reportUnavailable(m_bus.lastError().message());
        return;
    }
    takeInhibitor();
}

void LogindSleepMonitor::onPrepareForSleep(bool sleeping)
{
    m_sleeping = sleeping;
    if (sleeping) {
        ++m_sleeps;
        runBeforeSleep();
    } else {
        takeInhibitor();
        emit woke();
    }
}

QCoro::Task<> LogindSleepMonitor::runBeforeSleep()
{
    QPointer<LogindSleepMonitor> self(this);
    const quint64 sleep = m_sleeps;
    if (m_handler) {
        const SleepHandler handler = m_handler;
        co_await handler();
    }
    if (!self || m_sleeps != sleep) {
        co_return;
    }
    // Closing the descriptor is what tells logind it may go on.
    m_inhibitor = QDBusUnixFileDescriptor();
}

QCoro::Task<> LogindSleepMonitor::takeInhibitor()
{
    if (m_taking || m_inhibitor.isValid()) {
        co_return;
    }
    m_taking = true;
    QPointer<LogindSleepMonitor> self(this);
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, managerPath, managerInterface, "Inhibit");
    call.setArguments({QStringLiteral("sleep"), m_who, m_why, QStringLiteral("delay")});
    const QDBusMessage reply = co_await m_bus.asyncCall(call);
    if (!self) {
        co_return;
    }
    m_taking = false;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        reportUnavailable(reply.errorMessage());
        co_return;
    }
    auto descriptor = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    if (!descriptor.isValid()) {
        reportUnavailable(QStringLiteral("logind returned no inhibitor descriptor"));
        co_return;
    }
    // A lock granted while the machine is already going to sleep cannot delay that sleep;
    // it is dropped and taken again at wake.
    if (!m_sleeping) {
        m_inhibitor = descriptor;
    }
}

void LogindSleepMonitor::reportUnavailable(const QString &reason)
{
    if (m_reportedUnavailable) {
        return;
    }
    m_reportedUnavailable = true;
    emit unavailable(reason);
}
