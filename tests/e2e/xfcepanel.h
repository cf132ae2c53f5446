#pragma once

// An XFCE panel with only its notification-area plugin (the systray, a StatusNotifierItem host
// and XEmbed tray) and the xfwm4 window manager it waits for, on the test's X server and
// session bus. Its configuration is written first, or the panel would ask on first start.

#include "stopprocess.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>
#include <memory>

class XfcePanel {
public:
    static constexpr const char *watcherService = "org.kde.StatusNotifierWatcher";

    XfcePanel() = default;
    XfcePanel(const XfcePanel &) = delete;
    XfcePanel &operator=(const XfcePanel &) = delete;
    ~XfcePanel() { stop(); }

    static QString xfconfd()
    {
        for (const QString &candidate :
             {QStringLiteral("/usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd"),
              QStringLiteral("/usr/lib/aarch64-linux-gnu/xfce4/xfconf/xfconfd"),
              QStringLiteral("/usr/lib/xfce4/xfconf/xfconfd")}) {
            if (QFileInfo(candidate).isExecutable())
                return candidate;
        }
        return {};
    }

    static bool available()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("xfce4-panel")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("xfwm4")).isEmpty() &&
               !xfconfd().isEmpty();
    }

    // One panel along the top edge holding the systray plugin, under configHome.
    static bool writeConfiguration(const QString &configHome)
    {
        const QString folder = configHome + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml");
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/xfce4-panel.xml"));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="28"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
)");
        return true;
    }

    // The window manager and the settings daemon; the panel comes with startPanel().
    bool startSession(const QProcessEnvironment &environment, QString *error)
    {
        m_environment = environment;
        if (!writeConfiguration(environment.value(QStringLiteral("XDG_CONFIG_HOME")))) {
            *error = QStringLiteral("cannot write the panel's configuration");
            return false;
        }
        // The test's bus activates nothing, so the settings daemon is started here.
        if (!launch(m_xfconfd, xfconfd(), {}, error) ||
            !launch(m_windowManager, QStringLiteral("xfwm4"), {QStringLiteral("--compositor=off")},
                    error))
            return false;
        return true;
    }

    // True once the panel's StatusNotifierWatcher is on the bus.
    bool startPanel(const QDBusConnection &bus, QString *error)
    {
        if (!launch(m_panel, QStringLiteral("xfce4-panel"), {}, error))
            return false;
        const bool up = QTest::qWaitFor(
            [&] {
                return bus.interface()
                    ->isServiceRegistered(QString::fromLatin1(watcherService))
                    .value();
            },
            30000);
        if (!up)
            *error = QStringLiteral("xfce4-panel offered no StatusNotifierWatcher: ") +
                     QString::fromLocal8Bit(m_panel->readAll());
        return up;
    }

    void stopPanel()
    {
        if (m_panel)
            stopProcess(*m_panel);
        m_panel.reset();
    }

    void stop()
    {
        stopPanel();
        if (m_windowManager)
            stopProcess(*m_windowManager);
        if (m_xfconfd)
            stopProcess(*m_xfconfd);
        m_windowManager.reset();
        m_xfconfd.reset();
    }

private:
    bool launch(std::unique_ptr<QProcess> &process, const QString &program,
                const QStringList &arguments, QString *error)
    {
        process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_environment);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(program, arguments);
        if (!process->waitForStarted(10000)) {
            *error = program + QStringLiteral(": ") + process->errorString();
            return false;
        }
        return true;
    }

    QProcessEnvironment m_environment;
    std::unique_ptr<QProcess> m_xfconfd;
    std::unique_ptr<QProcess> m_windowManager;
    std::unique_ptr<QProcess> m_panel;
};
