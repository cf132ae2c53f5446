#include "desktopanimationsetting.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

const QString DesktopAnimationSetting::portalService =
    QStringLiteral("org.freedesktop.portal.Desktop");
const QString DesktopAnimationSetting::portalPath =
    QStringLiteral("/org/freedesktop/portal/desktop");
const QString DesktopAnimationSetting::settingsInterface =
    QStringLiteral("org.freedesktop.portal.Settings");
const QString DesktopAnimationSetting::settingNamespace =
    QStringLiteral("org.gnome.desktop.interface");
const QString DesktopAnimationSetting::settingKey = QStringLiteral("enable-animations");

DesktopAnimationSetting::DesktopAnimationSetting(QDBusConnection bus, QObject *parent)
    : QObject(parent), m_bus(std::move(bus))
{
    if (!m_bus.isConnected()) {
        m_answered = true;
        return;
    }
    m_bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"),
                  this, SLOT(onSettingChanged(QDBusMessage)));
    read();
}

std::optional<bool> DesktopAnimationSetting::decode(const QVariant &value)
{
    QVariant inner = value;
    // Older portals wrap the value once more.
    for (int depth = 0; depth < 3 && inner.metaType() == QMetaType::fromType<QDBusVariant>();
         ++depth)
        inner = inner.value<QDBusVariant>().variant();
    if (inner.metaType() != QMetaType::fromType<bool>())
        return std::nullopt;
    return inner.toBool();
}

void DesktopAnimationSetting::read()
{
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface,
                                                       QStringLiteral("Read"));
    call << settingNamespace << settingKey;
    // Never blocks: a desktop without a portal may take the bus's whole timeout to say so.
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                m_answered = true;
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                    apply(decode(reply.arguments().constFirst()));
            });
}

void DesktopAnimationSetting::onSettingChanged(const QDBusMessage &message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 3 || arguments.at(0).toString() != settingNamespace ||
        arguments.at(1).toString() != settingKey)
        return;
    apply(decode(arguments.at(2)));
}

void DesktopAnimationSetting::apply(std::optional<bool> value)
{
    if (!value || *value == m_enabled)
        return;
    m_enabled = *value;
    emit changed(m_enabled);
}
