#pragma once

// Runs the program itself (the quillmere executable) the way a desktop session would: its own
// session bus, settings, history and cache in a temporary home, a system bus of the test's
// choosing, and optionally an X server (Xvfb) of its own. Everything started is stopped again.

#include "fakes/privatebus.h"
#include "stopprocess.h"
#include "xvfbserver.h"

#include "stores/settingskeys.h"
#include "stores/jsonfilesettingsbackend.h"
#include "stores/settingsstore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class ProgramHarness {
public:
    static constexpr const char *sessionConnection = "quillmere-harness-session";

    ~ProgramHarness() { stop(); }

    static QString programPath() { return QStringLiteral(QUILLMERE_APP_PATH); }

    // False with the reason in *error.
    bool setUp(const QString &systemBusAddress, QString *error)
    {
        if (!m_home.isValid()) {
            *error = QStringLiteral("no temporary folder");
            return false;
        }
        if (!m_session.start(error))
            return false;
        m_systemBus = systemBusAddress;
        // A checkout below /tmp would have the program offer to move itself at its first start,
        // in a window of its own; the build's program stands as declined.
        defaults()->setStringList(QString::fromLatin1(SettingsKeys::moveOfferDeclinedLocations),
                                  {QFileInfo(programPath()).canonicalFilePath()});
        m_bus =
            QDBusConnection::connectToBus(m_session.address(), QLatin1String(sessionConnection));
        return m_bus.isConnected();
    }

    // The program's settings, written before it starts.
    std::unique_ptr<SettingsStore> defaults() const
    {
        return std::make_unique<SettingsStore>(std::make_unique<JsonFileSettingsBackend>(
            m_home.filePath(QStringLiteral("config/quillmere")), QStringLiteral(QUILLMERE_APP_ID)));
    }

    void setDisplay(const QString &display) { m_display = display; }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_session.address());
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_systemBus);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("runtime")));
        env.remove(QStringLiteral("XDG_SESSION_ID"));
        if (m_display.isEmpty()) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            env.insert(QStringLiteral("DISPLAY"), m_display);
        }
        return env;
    }

    // The instance that keeps running; its output goes to the test's log on failure.
    bool start(const QStringList &arguments = {})
    {
        QDir().mkpath(m_home.filePath(QStringLiteral("runtime")));
        m_program = std::make_unique<QProcess>();
        m_program->setProcessEnvironment(environment());
        m_program->setProcessChannelMode(QProcess::MergedChannels);
        m_program->start(programPath(), arguments);
        return m_program->waitForStarted(10000) &&
               QTest::qWaitFor([this] { return isRunning() && ownsName(); }, 20000);
    }

    bool isRunning() const { return m_program && m_program->state() == QProcess::Running; }

    // Waits for the program to end; false when it still runs after `msecs`.
    bool waitForExit(int msecs) const { return !m_program || m_program->waitForFinished(msecs); }
    QProcess::ExitStatus exitStatus() const
    {
        return m_program ? m_program->exitStatus() : QProcess::NormalExit;
    }
    int exitCode() const { return m_program ? m_program->exitCode() : 0; }

    // The temporary home that holds the program's settings ("config"), data and cache.
    QString homePath() const { return m_home.path(); }

    qint64 pid() const { return m_program ? m_program->processId() : 0; }

    QString output() const
    {
        return m_program ? QString::fromLocal8Bit(m_program->readAll()) : QString();
    }

    // The running instance owns the single-instance name.
    bool ownsName() const
    {
        return m_bus.interface() &&
               m_bus.interface()->isServiceRegistered(QStringLiteral(QUILLMERE_APP_ID)).value();
    }

    // A launch that hands over to the running instance and ends; its exit code, -1 when it
    // did not end within the time.
    int launchAgain(const QStringList &arguments = {}) const
    {
        QProcess again;
        again.setProcessEnvironment(environment());
        again.start(programPath(), arguments);
        if (!again.waitForFinished(20000)) {
            again.kill();
            again.waitForFinished(5000);
            return -1;
        }
        return again.exitStatus() == QProcess::NormalExit ? again.exitCode() : -1;
    }

    // A helper tool with the program's environment; its standard output, or nothing when it
    // failed.
    QString tool(const QString &program, const QStringList &arguments, bool *ok = nullptr) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program, arguments);
        const bool done = process.waitForFinished(10000) &&
                          process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        if (ok)
            *ok = done;
        return done ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
    }

    void stop()
    {
        if (m_program)
            stopProcess(*m_program, 10000);
        m_program.reset();
        QDBusConnection::disconnectFromBus(QLatin1String(sessionConnection));
        m_session.stop();
    }

private:
    QTemporaryDir m_home;
    PrivateBus m_session;
    QString m_systemBus;
    QString m_display;
    QDBusConnection m_bus{QString()};
    std::unique_ptr<QProcess> m_program;
};
