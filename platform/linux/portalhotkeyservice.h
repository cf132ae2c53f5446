#pragma once

#include "shortcuts/hotkeyservice.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QVariantMap>
#include <functional>

class QDBusMessage;

// Hot keys through the desktop portal's GlobalShortcuts interface (Wayland): each shortcut
// name is bound in a portal session with the recorded combination as its preferred trigger,
// and the portal's Activated and Deactivated signals are its key-down and key-up. A session can
// be bound only once, so every change binds the current set in a new session. The desktop may
// ask the user and settles conflicts itself.
class PortalHotKeyService : public QObject, public GlobalShortcuts::HotKeyService {
    Q_OBJECT
public:
    static const QString service;
    static const QString path;
    static const QString interface;

    // `describe` gives the text the desktop shows for a shortcut name.
    PortalHotKeyService(QDBusConnection sessionBus,
                        std::function<QString(const QString &name)> describe,
                        QObject *parent = nullptr);
    ~PortalHotKeyService() override;

    // Asks whether the portal offers global shortcuts; until it answers, they count as offered.
    void start();

    bool isAvailable() const override { return m_availability != Availability::absent; }
    int registerHotKey(quint32 id, const GlobalShortcuts::Shortcut &shortcut,
                       const QString &name) override;
    void unregisterHotKey(quint32 id) override;
    int probe(const GlobalShortcuts::Shortcut &) override { return 0; }
    bool needsMenuPath() const override { return false; }
    std::optional<qint64> carbonKeyCode(quint32) const override { return std::nullopt; }

    // The bound session's object path; empty while none is bound.
    QString sessionHandle() const { return m_session; }

signals:
    // A round of binding ended (bound, refused, or nothing left to bind).
    void bindingFinished();

private slots:
    // Activated (key-down) and Deactivated (key-up).
    void onShortcutSignal(const QDBusMessage &message);
    void onResponse(uint response, const QVariantMap &results, const QDBusMessage &message);

private:
    enum class Availability { unknown, offered, absent };
    struct Entry {
        GlobalShortcuts::Shortcut shortcut;
        QString name;
    };
    using ResponseHandler = std::function<void(uint response, const QVariantMap &results)>;

    void scheduleBinding();
    void bind();
    void bindInSession(const QString &session, const QMap<quint32, Entry> &entries);
    void finishBinding();
    void closeSession();
    void fail(const QMap<quint32, Entry> &entries, int status);
    void dispatch(const QDBusObjectPath &session, const QString &shortcutId, bool pressed);
    // Calls a portal method that answers through a Request object's Response signal.
    void request(const QString &method, QVariantList arguments, int optionsIndex,
                 ResponseHandler handler);
    void watchRequest(const QString &requestPath, ResponseHandler handler);
    void forgetRequest(const QString &requestPath);

    QDBusConnection m_bus;
    std::function<QString(const QString &)> m_describe;
    Availability m_availability = Availability::unknown;
    QMap<quint32, Entry> m_wanted;
    QString m_session;
    QHash<QString, ResponseHandler> m_requests;
    int m_nextToken = 0;
    bool m_started = false;
    bool m_bindingScheduled = false;
    bool m_binding = false;
    bool m_bindAgain = false;
};
