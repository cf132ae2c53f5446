#pragma once

#include "shortcuts/hotkeyservice.h"
#include "shortcuts/portalbinding.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QVariantMap>
#include <functional>

class QDBusMessage;
class SettingsStore;

// Hot keys through the desktop portal's GlobalShortcuts interface (Wayland). The program keeps
// one session under one token for its whole life and across starts, since desktops such as KDE
// file what the user assigned under the session's token. After creating the session it lists
// what the desktop already knows and binds only names that are missing or changed since they
// were last bound (kept in the settings), so that the desktop's shortcut settings open only
// when the user changes a shortcut. A session binds once: a later change binds in a new
// session under the same token. The portal's Activated signal is a whole key press (key-down
// and key-up): desktops need not send Deactivated. A binding the desktop answers without a key
// is waiting for the user, not refused.
class PortalHotKeyService : public QObject, public GlobalShortcuts::HotKeyService {
    Q_OBJECT
public:
    static const QString service;
    static const QString path;
    static const QString interface;
    // The session token of every session this program creates.
    static const QString sessionToken;

    // `settings` keeps what was last bound; `describe` gives the text the desktop shows for a
    // shortcut name.
    PortalHotKeyService(QDBusConnection sessionBus, SettingsStore &settings,
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
    std::optional<GlobalShortcuts::DeliveryStatus>
    deliveryStatus(const QString &name) const override;

    // The open session's object path; empty while none is open.
    QString sessionHandle() const { return m_session; }

signals:
    // A round of listing and binding ended (bound, refused, or nothing to bind).
    void bindingFinished();

private slots:
    void onActivated(const QDBusMessage &message);
    void onShortcutsChanged(const QDBusMessage &message);
    void onResponse(uint response, const QVariantMap &results, const QDBusMessage &message);

private:
    enum class Availability { unknown, offered, absent };
    struct Entry {
        GlobalShortcuts::Shortcut shortcut;
        QString name;
    };
    using Requests = QMap<QString, GlobalShortcuts::PortalBinding::Request>;
    // `error` is the D-Bus error of a call the portal did not take; empty otherwise.
    using ResponseHandler =
        std::function<void(uint response, const QVariantMap &results, const QString &error)>;

    void scheduleBinding();
    void bind();
    void openSession(std::function<void()> then);
    void listThenBind(const Requests &wanted);
    void bindInSession(const Requests &wanted, const QStringList &names);
    void takeBindAnswer(const Requests &asked, uint response, const QVariantMap &results,
                        const QString &error);
    void finishBinding();
    void closeSession(std::function<void()> then = {});
    void refuse(const QStringList &names, uint response, const QString &reason);
    Requests wantedRequests() const;
    // The portal's a(sa{sv}) form of shortcuts.
    static QList<QPair<QString, QVariantMap>> shortcutList(const Requests &requests);
    // Takes the desktop's list of shortcuts (a ListShortcuts or BindShortcuts answer, or
    // ShortcutsChanged); returns the names it holds.
    QStringList takeListed(const QVariant &shortcuts);
    void setNameState(const QString &name, const GlobalShortcuts::PortalBinding::NameState &state);
    void press(const QDBusObjectPath &session, const QString &shortcutId);
    // Calls a portal method that answers through a Request object's Response signal.
    void request(const QString &method, QVariantList arguments, int optionsIndex,
                 ResponseHandler handler);
    void watchRequest(const QString &requestPath, ResponseHandler handler);
    void forgetRequest(const QString &requestPath);

    QDBusConnection m_bus;
    SettingsStore &m_settings;
    std::function<QString(const QString &)> m_describe;
    Availability m_availability = Availability::unknown;
    QMap<quint32, Entry> m_wanted;
    QHash<QString, GlobalShortcuts::PortalBinding::NameState> m_names;
    QString m_session;
    // The open session has been bound and cannot bind again.
    bool m_sessionBound = false;
    QHash<QString, ResponseHandler> m_requests;
    int m_nextToken = 0;
    bool m_started = false;
    bool m_bindingScheduled = false;
    bool m_binding = false;
    bool m_bindAgain = false;
};
