#pragma once

// A dbus-daemon of its own for one test, with a policy that lets any connection own any name,
// so that fake services can stand in for system ones. Stopped when destroyed.

#include "stopprocess.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <qcoro/qcorodbuspendingcall.h>

class PrivateBus {
public:
    PrivateBus() = default;
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;
    ~PrivateBus() { stop(); }

    static bool available() { return !QStandardPaths::findExecutable("dbus-daemon").isEmpty(); }

    // False with a message in *error when the daemon did not come up.
    bool start(QString *error)
    {
        if (!m_dir.isValid()) {
            *error = QStringLiteral("no temporary folder");
            return false;
        }
        const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) {
            *error = file.errorString();
            return false;
        }
        file.write(
            QStringLiteral(
                R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=%1/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
                .arg(m_dir.path())
                .toUtf8());
        file.close();

        m_process.setProgram(QStringLiteral("dbus-daemon"));
        m_process.setArguments({QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                                QStringLiteral("--config-file=") + config});
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000)) {
            *error = m_process.errorString();
            return false;
        }
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(5000)) {
                *error = QStringLiteral("dbus-daemon printed no address: ") +
                         QString::fromLocal8Bit(m_process.readAllStandardError());
                stop();
                return false;
            }
        }
        m_address = QString::fromUtf8(m_process.readLine()).trimmed();
        return !m_address.isEmpty();
    }

    QString address() const { return m_address; }

    // A bus connection under a name unique to this process.
    QDBusConnection connect(const QString &name) const
    {
        return QDBusConnection::connectToBus(m_address, name);
    }

    void stop() { stopProcess(m_process); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_address;
};

namespace PrivateBusDetail {
inline QCoro::Task<QDBusMessage> reply(QDBusPendingCall call)
{
    co_return co_await call;
}
} // namespace PrivateBusDetail

// Returns once everything the service connection sent before has reached the client: a round
// trip between the two comes back after the messages queued ahead of it.
inline bool syncWith(QDBusConnection client, const QDBusConnection &service)
{
    QDBusMessage ping = QDBusMessage::createMethodCall(service.baseService(), QStringLiteral("/"),
                                                       QStringLiteral("org.freedesktop.DBus.Peer"),
                                                       QStringLiteral("Ping"));
    const QDBusMessage answer = QCoro::waitFor(PrivateBusDetail::reply(client.asyncCall(ping)));
    return answer.type() == QDBusMessage::ReplyMessage;
}
