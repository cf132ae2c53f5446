#pragma once

// Stands in for the desktop's screen saver: owns org.freedesktop.ScreenSaver and sends
// ActiveChanged from its object.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>

class FakeScreenSaver {
public:
    static inline const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
    static inline const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");

    explicit FakeScreenSaver(QDBusConnection connection) : m_connection(connection) {}
    ~FakeScreenSaver()
    {
        if (m_registered) {
            m_connection.unregisterService(service);
        }
    }

    bool registerOnBus() { return m_registered = m_connection.registerService(service); }

    void activeChanged(bool active)
    {
        QDBusMessage signal = QDBusMessage::createSignal(path, service, "ActiveChanged");
        signal << active;
        m_connection.send(signal);
    }

private:
    QDBusConnection m_connection;
    bool m_registered = false;
};
