#include "portalhotkeyservice.h"

#include "shortcuts/keymapping.h"
#include "stores/settingskeys.h"
#include "stores/settingsstore.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPair>
#include <QSet>
#include <QTimer>

using GlobalShortcuts::DeliveryState;
using GlobalShortcuts::DeliveryStatus;
namespace PortalBinding = GlobalShortcuts::PortalBinding;

const QString PortalHotKeyService::service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalHotKeyService::path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString PortalHotKeyService::interface =
    QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString PortalHotKeyService::sessionToken = QStringLiteral("quillmere");

namespace {

using PortalShortcutList = QList<QPair<QString, QVariantMap>>;

const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");
// Response codes of a portal request.
constexpr uint responseCancelled = 1;
constexpr uint responseOther = 2;

QString objectPathText(const QVariant &value)
{
    if (value.typeId() == qMetaTypeId<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

PortalShortcutList shortcutListOf(const QVariant &value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<PortalShortcutList>(value.value<QDBusArgument>());
    return value.value<PortalShortcutList>();
}

} // namespace

PortalHotKeyService::PortalHotKeyService(QDBusConnection sessionBus, SettingsStore &settings,
                                         std::function<QString(const QString &)> describe,
                                         QObject *parent)
    : QObject(parent), m_bus(std::move(sessionBus)), m_settings(settings),
      m_describe(std::move(describe))
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
    // Taken whole: portals differ in the extra arguments. Deactivated is not needed, and KDE
    // does not send it for a shortcut invoked from its settings.
    m_bus.connect(service, path, interface, QStringLiteral("Activated"), this,
                  SLOT(onActivated(QDBusMessage)));
    m_bus.connect(service, path, interface, QStringLiteral("ShortcutsChanged"), this,
                  SLOT(onShortcutsChanged(QDBusMessage)));

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
    // Nothing is known of it until the desktop answers again.
    setNameState(name, {});
    scheduleBinding();
    return 0;
}

void PortalHotKeyService::unregisterHotKey(quint32 id)
{
    if (m_wanted.remove(id))
        scheduleBinding();
}

std::optional<DeliveryStatus> PortalHotKeyService::deliveryStatus(const QString &name) const
{
    if (m_availability == Availability::absent)
        return DeliveryStatus{DeliveryState::unsupported, {}};
    return PortalBinding::deliveryStatus(m_names.value(name));
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

PortalHotKeyService::Requests PortalHotKeyService::wantedRequests() const
{
    Requests requests;
    for (const Entry &entry : m_wanted) {
        // One binding per name; a second combination of the same name cannot be bound.
        if (requests.contains(entry.name))
            continue;
        requests.insert(entry.name, {m_describe ? m_describe(entry.name) : entry.name,
                                     GlobalShortcuts::KeyMapping::trigger(entry.shortcut)});
    }
    return requests;
}

void PortalHotKeyService::bind()
{
    if (m_binding) {
        m_bindAgain = true;
        return;
    }
    m_bindAgain = false;
    const Requests wanted = wantedRequests();
    if (wanted.isEmpty()) {
        closeSession();
        emit bindingFinished();
        return;
    }
    m_binding = true;
    if (m_session.isEmpty())
        openSession([this, wanted] { listThenBind(wanted); });
    else
        listThenBind(wanted);
}

PortalShortcutList PortalHotKeyService::shortcutList(const Requests &requests)
{
    PortalShortcutList shortcuts;
    for (auto it = requests.cbegin(); it != requests.cend(); ++it) {
        QVariantMap properties;
        properties.insert(QStringLiteral("description"), it->description);
        if (!it->preferredTrigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), it->preferredTrigger);
        shortcuts.append({it.key(), properties});
    }
    return shortcuts;
}

void PortalHotKeyService::openSession(std::function<void()> then)
{
    QVariantMap options;
    options.insert(QStringLiteral("session_handle_token"), sessionToken);
    // KDE Plasma 5 takes a session's shortcuts only from this option (an early form of the
    // interface that Debian 12's portal still passes on): it files them under the token and
    // delivers them from then on. Other desktops ignore it.
    options.insert(QStringLiteral("shortcuts"),
                   QVariant::fromValue(shortcutList(wantedRequests())));
    request(QStringLiteral("CreateSession"), {options}, 0,
            [this, then](uint response, const QVariantMap &results, const QString &error) {
                const QString session =
                    objectPathText(results.value(QStringLiteral("session_handle")));
                if (response != 0 || session.isEmpty()) {
                    refuse(wantedRequests().keys(), response != 0 ? response : responseOther,
                           error.isEmpty()
                               ? QStringLiteral("the desktop portal opened no session (response "
                                                "%1)")
                                     .arg(response)
                               : error);
                    finishBinding();
                    return;
                }
                m_session = session;
                m_sessionBound = false;
                takeListed(results.value(QStringLiteral("shortcuts")));
                then();
            });
}

void PortalHotKeyService::listThenBind(const Requests &wanted)
{
    request(QStringLiteral("ListShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)), QVariantMap()}, 1,
            [this, wanted](uint response, const QVariantMap &results, const QString &) {
                // Without a list every name counts as missing: binding is then the way to ask.
                const QStringList listed =
                    response == 0 ? takeListed(results.value(QStringLiteral("shortcuts")))
                                  : QStringList();
                const QStringList names = PortalBinding::namesToBind(
                    wanted,
                    PortalBinding::decode(
                        m_settings.string(SettingsKeys::portalBoundShortcuts).value_or(QString())),
                    QSet<QString>(listed.cbegin(), listed.cend()));
                if (names.isEmpty()) {
                    finishBinding();
                    return;
                }
                if (!m_sessionBound) {
                    bindInSession(wanted, names);
                    return;
                }
                closeSession([this, wanted, names] {
                    openSession([this, wanted, names] { bindInSession(wanted, names); });
                });
            });
}

void PortalHotKeyService::bindInSession(const Requests &wanted, const QStringList &names)
{
    Requests asked;
    for (const QString &name : names)
        asked.insert(name, wanted.value(name));
    const PortalShortcutList shortcuts = shortcutList(asked);
    m_sessionBound = true;
    const QString session = m_session;
    request(
        QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(shortcuts), QString(),
         QVariantMap()},
        3, [this, session, asked](uint response, const QVariantMap &results, const QString &error) {
            if (session != m_session) {
                finishBinding();
                return;
            }
            if (response == 0 || response == responseCancelled) {
                // Asked once; the desktop keeps the answer, declined or not.
                Requests bound = PortalBinding::decode(
                    m_settings.string(SettingsKeys::portalBoundShortcuts).value_or(QString()));
                bound.insert(asked);
                m_settings.setString(SettingsKeys::portalBoundShortcuts,
                                     PortalBinding::encode(bound));
            }
            takeBindAnswer(asked, response, results, error);
            finishBinding();
        });
}

void PortalHotKeyService::takeBindAnswer(const Requests &asked, uint response,
                                         const QVariantMap &results, const QString &error)
{
    if (response == responseCancelled) {
        refuse(asked.keys(), response, QStringLiteral("declined in the desktop's dialog"));
        return;
    }
    if (response != 0) {
        refuse(
            asked.keys(), response,
            error.isEmpty()
                ? QStringLiteral("the desktop portal could not bind it (response %1)").arg(response)
                : error);
        return;
    }
    // A name the answer leaves out waits for the user to give it a key in the desktop's
    // settings (KDE answers so), unless the desktop told its key already; ShortcutsChanged
    // brings what the user assigns.
    const QStringList listed = takeListed(results.value(QStringLiteral("shortcuts")));
    for (auto it = asked.cbegin(); it != asked.cend(); ++it) {
        if (!listed.contains(it.key()))
            setNameState(it.key(),
                         {true, m_names.value(it.key()).triggerDescription, DeliveryState::none});
    }
}

void PortalHotKeyService::finishBinding()
{
    m_binding = false;
    emit bindingFinished();
    if (m_bindAgain)
        bind();
}

void PortalHotKeyService::refuse(const QStringList &names, uint response, const QString &reason)
{
    const DeliveryState refusal =
        response == responseCancelled ? DeliveryState::declined : DeliveryState::failed;
    for (const QString &name : names) {
        setNameState(name, {true, {}, refusal});
        // Only what is still wanted; a later change may have dropped it already.
        for (auto it = m_wanted.begin(); it != m_wanted.end();) {
            if (it->name != name) {
                ++it;
                continue;
            }
            const quint32 id = it.key();
            it = m_wanted.erase(it);
            if (onRegistrationFailed)
                onRegistrationFailed(id, int(response), reason);
        }
    }
}

QStringList PortalHotKeyService::takeListed(const QVariant &shortcuts)
{
    QStringList names;
    for (const auto &shortcut : shortcutListOf(shortcuts)) {
        names.append(shortcut.first);
        setNameState(shortcut.first,
                     {true, shortcut.second.value(QStringLiteral("trigger_description")).toString(),
                      DeliveryState::none});
    }
    return names;
}

void PortalHotKeyService::setNameState(const QString &name, const PortalBinding::NameState &state)
{
    const DeliveryStatus before = PortalBinding::deliveryStatus(m_names.value(name));
    m_names.insert(name, state);
    if (PortalBinding::deliveryStatus(state) != before && onDeliveryStatusChanged)
        onDeliveryStatusChanged(name);
}

void PortalHotKeyService::closeSession(std::function<void()> then)
{
    if (m_session.isEmpty()) {
        if (then)
            then();
        return;
    }
    const QDBusPendingCall call = m_bus.asyncCall(QDBusMessage::createMethodCall(
        service, m_session, sessionInterface, QStringLiteral("Close")));
    m_session.clear();
    m_sessionBound = false;
    if (!then)
        return;
    // The next session takes the same token: create it once this one is gone.
    auto *watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [then](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        then();
    });
}

void PortalHotKeyService::request(const QString &method, QVariantList arguments, int optionsIndex,
                                  ResponseHandler handler)
{
    // The Response signal may come before the call's reply: watch the path the portal will use.
    const QString token = QStringLiteral("quillmere_request%1").arg(++m_nextToken);
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
            [this, method, expected, handler](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *w;
                if (reply.isError()) {
                    if (m_requests.contains(expected)) {
                        forgetRequest(expected);
                        handler(responseOther, {},
                                QStringLiteral("%1 failed: %2: %3")
                                    .arg(method, reply.error().name(), reply.error().message()));
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
    handler(response, results, QString());
}

void PortalHotKeyService::onShortcutsChanged(const QDBusMessage &message)
{
    const QVariantList args = message.arguments();
    if (args.size() < 2 || args[0].value<QDBusObjectPath>().path() != m_session)
        return;
    takeListed(args[1]);
}

void PortalHotKeyService::onActivated(const QDBusMessage &message)
{
    const QVariantList args = message.arguments();
    if (args.size() < 2)
        return;
    press(args[0].value<QDBusObjectPath>(), args[1].toString());
}

void PortalHotKeyService::press(const QDBusObjectPath &session, const QString &shortcutId)
{
    if (m_session.isEmpty() || session.path() != m_session || !onHotKeyEvent)
        return;
    for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it) {
        if (it->name == shortcutId) {
            const quint32 id = it.key();
            onHotKeyEvent(id, true);
            onHotKeyEvent(id, false);
            return;
        }
    }
}
