#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariant>
#include <optional>

// The desktop's "enable animations" setting (GNOME's org.gnome.desktop.interface
// enable-animations), read through the XDG settings portal on the session bus and followed as
// it changes. Until the portal answers, and without a portal, animations are on.
class DesktopAnimationSetting : public QObject {
    Q_OBJECT
public:
    static const QString portalService;
    static const QString portalPath;
    static const QString settingsInterface;
    static const QString settingNamespace;
    static const QString settingKey;

    explicit DesktopAnimationSetting(QDBusConnection bus = QDBusConnection::sessionBus(),
                                     QObject *parent = nullptr);

    bool animationsEnabled() const { return m_enabled; }
    // True once the portal answered the first read (or the read failed).
    bool hasAnswered() const { return m_answered; }

    // A portal value: a boolean, possibly wrapped in variants; anything else is none.
    static std::optional<bool> decode(const QVariant &value);

signals:
    void changed(bool animationsEnabled);

private slots:
    void onSettingChanged(const QDBusMessage &message);

private:
    void read();
    void apply(std::optional<bool> value);

    QDBusConnection m_bus;
    bool m_enabled = true;
    bool m_answered = false;
};
