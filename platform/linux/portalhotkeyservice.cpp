#include "portalhotkeyservice.h"

#include "shortcuts/keymapping.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPair>
#include <QPointer>
#include <QTimer>

const QString PortalHotKeyService::service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalHotKeyService::path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString PortalHotKeyService::interface =
    QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

namespace {

using PortalShortcutList = QList<QPair<QString, QVariantMap>>;

const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");
// Response codes of a portal request.
constexpr uint responseOther = 2;

QString objectPathText(const QVariant &value)
{
    if (value.canConvert<QDBusObjectPath>() && value.typeId() == qMetaTypeId<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

PortalHotKeyService::PortalHotKeyService(QDBusConnection sessionBus,
                                         std::function<QString(const QString &)> describe,
                                         QObject *parent)
    : QObject(parent), m_bus(std::move(sessionBus)), m_describe(std::move(describe))
{
    qDBusRegisterMetaType<QPair<QString, QVariantMap>>();
    qDBusRegisterMetaType<PortalShortcutList>();
}

PortalHotKeyService::~PortalHotKeyService()
{
    closeSession();
}

void PortalHotKeyService::start()
{
    if (m_started)
        return;
    m_started = true;
    if (!m_bus.isConnected()) {
        m_availability = Availability::absent;
        if (onAvailabilityChanged)
            onAvailabilityChanged();
        return;
    }
    // Taken as whole messages: portals differ in the extra arguments of these signals.
    m_bus.connect(service, path, interface, QStringLiteral("Activated"), this,
                  SLOT(onShortcutSignal(QDBusMessage)));
    m_bus.connect(service, path, interface, QStringLiteral("Deactivated"), this,
                  SLOT(onShortcutSignal(QDBusMessage)));

    QDBusMessage call = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call.setArguments({interface, QStringLiteral("version")});
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const bool offered = !w->isError();
        m_availability = offered ? Availability::offered : Availability::absent;
        if (!offered)
            m_wanted.clear();
        if (onAvailabilityChanged && !offered)
            onAvailabilityChanged();
        if (offered)
            scheduleBinding();
    });
}

int PortalHotKeyService::registerHotKey(quint32 id, const GlobalShortcuts::Shortcut &shortcut,
                                        const QString &name)
{
    if (m_availability == Availability::absent)
        return int(responseOther);
    m_wanted.insert(id, Entry{shortcut, name});
    scheduleBinding();
    return 0;
}

void PortalHotKeyService::unregisterHotKey(quint32 id)
{
    if (m_wanted.remove(id))
        scheduleBinding();
}

void PortalHotKeyService::scheduleBinding()
{
    // The names layer releases and registers in one go; bind once for both.
    if (m_bindingScheduled || m_availability != Availability::offered)
        return;
    m_bindingScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_bindingScheduled = false;
        bind();
    });
}

void PortalHotKeyService::bind()
{
    if (m_binding) {
        m_bindAgain = true;
        return;
    }
    m_bindAgain = false;
    closeSession();
    if (m_wanted.isEmpty()) {
        emit bindingFinished();
        return;
    }
    m_binding = true;
    const QMap<quint32, Entry> entries = m_wanted;
    QVariantMap options;
    options.insert(QStringLiteral("session_handle_token"),
                   QStringLiteral("quillmere_session%1").arg(++m_nextToken));
    request(QStringLiteral("CreateSession"), {options}, 0,
            [this, entries](uint response, const QVariantMap &results) {
                const QString session =
                    objectPathText(results.value(QStringLiteral("session_handle")));
                if (response != 0 || session.isEmpty()) {
                    fail(entries, int(response != 0 ? response : responseOther));
                    finishBinding();
                    return;
                }
                bindInSession(session, entries);
            });
}

void PortalHotKeyService::bindInSession(const QString &session, const QMap<quint32, Entry> &entries)
{
    m_session = session;
    PortalShortcutList shortcuts;
    QStringList names;
    for (const Entry &entry : entries) {
        // One binding per name; a second combination of the same name cannot be bound.
        if (names.contains(entry.name))
            continue;
        names.append(entry.name);
        QVariantMap properties;
        properties.insert(QStringLiteral("description"),
                          m_describe ? m_describe(entry.name) : entry.name);
        const QString trigger = GlobalShortcuts::KeyMapping::trigger(entry.shortcut);
        if (!trigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), trigger);
        shortcuts.append({entry.name, properties});
    }
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(shortcuts),
             QString(), QVariantMap()},
            3, [this, session, entries](uint response, const QVariantMap &results) {
                if (session != m_session) {
                    finishBinding();
                    return;
                }
                if (response != 0) {
                    fail(entries, int(response));
                    finishBinding();
                    return;
                }
                QStringList bound;
                const QVariant list = results.value(QStringLiteral("shortcuts"));
                if (list.canConvert<QDBusArgument>()) {
                    const PortalShortcutList answered =
                        qdbus_cast<PortalShortcutList>(list.value<QDBusArgument>());
                    for (const auto &shortcut : answered)
                        bound.append(shortcut.first);
                }
                QMap<quint32, Entry> refused;
                for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
                    if (!bound.contains(it->name))
                        refused.insert(it.key(), it.value());
                }
                fail(refused, int(responseOther));
                finishBinding();
            });
}

void PortalHotKeyService::finishBinding()
{
    m_binding = false;
    emit bindingFinished();
    if (m_bindAgain)
        bind();
}

void PortalHotKeyService::fail(const QMap<quint32, Entry> &entries, int status)
{
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        // Only what is still wanted; a later change may have dropped it already.
        if (!m_wanted.contains(it.key()))
            continue;
        m_wanted.remove(it.key());
        if (onRegistrationFailed)
            onRegistrationFailed(it.key(), status);
    }
}

void PortalHotKeyService::closeSession()
{
    if (m_session.isEmpty())
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(service, m_session, sessionInterface,
                                                   QStringLiteral("Close")));
    m_session.clear();
}

void PortalHotKeyService::request(const QString &method, QVariantList arguments, int optionsIndex,
                                  ResponseHandler handler)
{
    // The Response signal may come before the call's reply: watch the path the portal will use.
    const QString token = QStringLiteral("quillmere%1").arg(++m_nextToken);
    QVariantMap options = arguments[optionsIndex].toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments[optionsIndex] = options;
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString expected = path + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    watchRequest(expected, handler);

    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, expected, handler](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *w;
                if (reply.isError()) {
                    if (m_requests.contains(expected)) {
                        forgetRequest(expected);
                        handler(responseOther, {});
                    }
                    return;
                }
                // Portals older than the handle_token option answer elsewhere.
                const QString actual = reply.value().path();
                if (actual != expected && m_requests.contains(expected)) {
                    forgetRequest(expected);
                    watchRequest(actual, handler);
                }
            });
}

void PortalHotKeyService::watchRequest(const QString &requestPath, ResponseHandler handler)
{
    m_requests.insert(requestPath, std::move(handler));
    m_bus.connect(service, requestPath, requestInterface, QStringLiteral("Response"), this,
                  SLOT(onResponse(uint, QVariantMap, QDBusMessage)));
}

void PortalHotKeyService::forgetRequest(const QString &requestPath)
{
    m_requests.remove(requestPath);
    m_bus.disconnect(service, requestPath, requestInterface, QStringLiteral("Response"), this,
                     SLOT(onResponse(uint, QVariantMap, QDBusMessage)));
}

void PortalHotKeyService::onResponse(uint response, const QVariantMap &results,
                                     const QDBusMessage &message)
{
    const QString requestPath = message.path();
    const ResponseHandler handler = m_requests.value(requestPath);
    if (!handler)
        return;
    forgetRequest(requestPath);
    handler(response, results);
}

void PortalHotKeyService::onShortcutSignal(const QDBusMessage &message)
{
    const QVariantList args = message.arguments();
    if (args.size() < 2)
        return;
    dispatch(args[0].value<QDBusObjectPath>(), args[1].toString(),
             message.member() == QLatin1String("Activated"));
}

void PortalHotKeyService::dispatch(const QDBusObjectPath &session, const QString &shortcutId,
                                   bool pressed)
{
    if (session.path() != m_session || !onHotKeyEvent)
        return;
    for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it) {
        if (it->name == shortcutId) {
            onHotKeyEvent(it.key(), pressed);
            return;
        }
    }
}
