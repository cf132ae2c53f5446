#include "services/trayhostwatcher.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <xcb/xcb.h>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
constexpr int xembedPollMs = 2000;
constexpr int xembedGraceMs = 3000;

} // namespace

TrayHostWatcher::TrayHostWatcher(QDBusConnection sessionBus, QObject *parent)
    : QObject(parent), m_bus(std::move(sessionBus))
{
    m_xembedPoll.setInterval(xembedPollMs);
    connect(&m_xembedPoll, &QTimer::timeout, this, &TrayHostWatcher::checkXEmbed);
    m_xembedGrace.setSingleShot(true);
    m_xembedGrace.setInterval(xembedGraceMs);
    connect(&m_xembedGrace, &QTimer::timeout, this, [this] {
        if (!m_hasHost && xembedManagerPresent())
            announce();
    });
}

void TrayHostWatcher::start()
{
    if (m_bus.isConnected()) {
        m_serviceWatcher = new QDBusServiceWatcher(watcherService, m_bus,
                                                   QDBusServiceWatcher::WatchForRegistration |
                                                       QDBusServiceWatcher::WatchForUnregistration,
                                                   this);
        connect(m_serviceWatcher, &QDBusServiceWatcher::serviceRegistered, this,
                &TrayHostWatcher::askStatusNotifierWatcher);
        connect(m_serviceWatcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
            // The panel went (or restarts): what comes next is a new host.
            m_watcherPresent = false;
            m_hasHost = false;
            checkXEmbed();
        });
        m_bus.connect(watcherService, watcherPath, watcherService,
                      QStringLiteral("StatusNotifierHostRegistered"), this,
                      SLOT(askStatusNotifierWatcher()));
    }
    askStatusNotifierWatcher();
}

void TrayHostWatcher::askStatusNotifierWatcher()
{
    if (!m_bus.isConnected()) {
        onAnswer(false, false);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService, watcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    call.setArguments({watcherService, QStringLiteral("IsStatusNotifierHostRegistered")});
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (reply.isError()) {
            onAnswer(reply.error().type() != QDBusError::ServiceUnknown, false);
            return;
        }
        onAnswer(true, reply.value().variant().toBool());
    });
}

void TrayHostWatcher::onAnswer(bool watcherPresent, bool hostRegistered)
{
    m_watcherPresent = watcherPresent;
    if (hostRegistered) {
        m_xembedPoll.stop();
        m_xembedGrace.stop();
        if (!m_hasHost)
            announce();
        return;
    }
    checkXEmbed();
}

void TrayHostWatcher::checkXEmbed()
{
    if (m_hasHost) {
        m_xembedPoll.stop();
        return;
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    if (xembedManagerPresent()) {
        m_xembedPoll.stop();
        if (!m_xembedGrace.isActive())
            m_xembedGrace.start();
    } else if (!m_xembedPoll.isActive()) {
        m_xembedPoll.start();
    }
}

bool TrayHostWatcher::xembedManagerPresent() const
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    static const char name[] = "_NET_SYSTEM_TRAY_S0";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof(name) - 1, name), nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool present = owner && owner->owner != XCB_NONE;
    free(owner);
    free(atom);
    return present;
}

void TrayHostWatcher::announce()
{
    m_hasHost = true;
    emit hostAppeared();
}
