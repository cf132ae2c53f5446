#include "services/apprelaunch.h"

#include "stores/appsupport.h"

#include <QDBusConnection>
#include <QProcess>

namespace AppRelaunch {

bool relaunch(const QString &program)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.unregisterService(AppSupport::bundleIdentifier());
    return QProcess::startDetached(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("sleep 0.4; exec \"$0\""), program});
}

} // namespace AppRelaunch
