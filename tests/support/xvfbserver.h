#pragma once

// An X server of its own for one test: Xvfb on the first free display, which it names itself
// (-displayfd), so tests running side by side never meet. Stopped when destroyed.

#include "stopprocess.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>

class XvfbServer {
public:
    XvfbServer() = default;
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;
    ~XvfbServer() { stop(); }

    static bool available() { return !QStandardPaths::findExecutable("Xvfb").isEmpty(); }

    // False with a message in *error when the server did not come up.
    bool start(QString *error)
    {
        m_process.setProgram(QStringLiteral("Xvfb"));
        m_process.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                                QStringLiteral("-screen"), QStringLiteral("0"),
                                QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                                QStringLiteral("tcp")});
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start();
        if (!m_process.waitForStarted(5000)) {
            *error = m_process.errorString();
            return false;
        }
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(10000)) {
                *error = QStringLiteral("Xvfb named no display");
                stop();
                return false;
            }
        }
        const QString number = QString::fromLatin1(m_process.readLine()).trimmed();
        if (number.isEmpty()) {
            *error = QStringLiteral("Xvfb named no display");
            stop();
            return false;
        }
        m_display = QLatin1Char(':') + number;
        return true;
    }

    QString display() const { return m_display; }

    void stop() { stopProcess(m_process); }

private:
    QProcess m_process;
    QString m_display;
};
