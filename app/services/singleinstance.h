#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <optional>

// Keeps the program to one instance per session: the first one owns a name on the session bus
// derived from the application id and answers org.freedesktop.Application's Activate and
// ActivateAction; a later launch asks it to reopen, or to perform a desktop action, instead of
// starting a second one.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    enum class Outcome {
        primary,   // this process owns the name
        secondary, // another instance owns it and was asked to reopen (or to act)
        noBus      // no session bus: nothing to coordinate with, so run
    };

    static constexpr int activateTimeoutMs = 5000;

    explicit SingleInstance(QString appId, QDBusConnection bus = QDBusConnection::sessionBus(),
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    // "com.quillmere.app" is served at "/com/quillmere/app".
    static QString objectPath(const QString &appId);

    // With an action, a running instance is asked to perform it rather than to reopen.
    Outcome claim(const std::optional<QString> &action = std::nullopt);
    // Gives the name up at once, for a new instance that starts while this one quits.
    void release();

    // The instance of this process that holds the name, if any.
    static SingleInstance *holder();

    // Called when another launch asks this instance to reopen.
    std::function<void()> onReopen;
    // Called with the action's name when another launch hands one over.
    std::function<void(const QString &)> onAction;

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    Q_SCRIPTABLE void ActivateAction(const QString &actionName, const QVariantList &parameter,
                                     const QVariantMap &platformData);

private:
    QString m_appId;
    QDBusConnection m_bus;
    bool m_registered = false;
};
