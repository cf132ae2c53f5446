#include "services/singleinstance.h"

#include <QDBusMessage>

namespace {
SingleInstance *nameHolder = nullptr;
}

SingleInstance::SingleInstance(QString appId, QDBusConnection bus, QObject *parent)
    : QObject(parent), m_appId(std::move(appId)), m_bus(std::move(bus))
{
}

SingleInstance::~SingleInstance()
{
    release();
}

void SingleInstance::release()
{
    if (nameHolder == this)
        nameHolder = nullptr;
    if (!m_registered)
        return;
    m_registered = false;
    m_bus.unregisterService(m_appId);
    m_bus.unregisterObject(objectPath(m_appId));
}

SingleInstance *SingleInstance::holder()
{
    return nameHolder;
}

QString SingleInstance::objectPath(const QString &appId)
{
    QString path = QLatin1Char('/') + appId;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    path.replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

SingleInstance::Outcome SingleInstance::claim(const std::optional<QString> &action)
{
    if (!m_bus.isConnected())
        return Outcome::noBus;
    const QString path = objectPath(m_appId);
    if (!m_bus.registerObject(path, this, QDBusConnection::ExportScriptableSlots))
        return Outcome::noBus;
    if (m_bus.registerService(m_appId)) {
        m_registered = true;
        nameHolder = this;
        return Outcome::primary;
    }
    m_bus.unregisterObject(path);

    const QString interface = QStringLiteral("org.freedesktop.Application");
    QDBusMessage activate;
    if (action) {
        activate = QDBusMessage::createMethodCall(m_appId, path, interface,
                                                  QStringLiteral("ActivateAction"));
        activate << *action << QVariantList() << QVariantMap();
    } else {
        activate =
            QDBusMessage::createMethodCall(m_appId, path, interface, QStringLiteral("Activate"));
        activate << QVariantMap();
    }
    // Events keep flowing while waiting, so an owner in this very process can answer too.
    const QDBusMessage reply = m_bus.call(activate, QDBus::BlockWithGui, activateTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        qWarning("Quillmere is already running but did not answer: %s",
                 qPrintable(reply.errorMessage()));
    return Outcome::secondary;
}

void SingleInstance::Activate(const QVariantMap &platformData)
{
    Q_UNUSED(platformData);
    if (onReopen)
        onReopen();
}

void SingleInstance::ActivateAction(const QString &actionName, const QVariantList &parameter,
                                    const QVariantMap &platformData)
{
    Q_UNUSED(parameter);
    Q_UNUSED(platformData);
    if (onAction)
        onAction(actionName);
}
