#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

// Keeps the program to one instance per session: the first one owns a name on the session bus
// derived from the application id and answers org.freedesktop.Application.Activate; a later
// launch asks it to reopen instead of starting a second one.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    enum class Outcome {
        primary,   // this process owns the name
        secondary, // another instance owns it and was asked to reopen
        noBus      // no session bus: nothing to coordinate with, so run
    };

    static constexpr int activateTimeoutMs = 5000;

    explicit SingleInstance(QString appId, QDBusConnection bus = QDBusConnection::sessionBus(),
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    // "com.quillmere.app" is served at "/com/quillmere/app".
    static QString objectPath(const QString &appId);

    Outcome claim();
    // Gives the name up at once, for a new instance that starts while this one quits.
    void release();

    // The instance of this process that holds the name, if any.
    static SingleInstance *holder();

    // Called when another launch asks this instance to reopen.
    std::function<void()> onReopen;

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);

private:
    QString m_appId;
    QDBusConnection m_bus;
    bool m_registered = false;
};
