#include "appservices.h"

#include "policy/mediadefinitionsupdater.h"
#include "policy/mediapolicyoverrides.h"
#include "shell/childprocessdefinitionstransport.h"
#include "stores/appsupport.h"
#include "stores/historystore.h"
#include "window/dialogoperationprompts.h"

#include "desktopnotifier.h"
#include "logindsleepmonitor.h"
#include "screenlockmonitor.h"
#include "sysfsactivitymonitor.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "udisksoperations.h"

#include <QCoreApplication>
#include <QDBusConnection>

AppServices AppServices::production(UserDefaults &defaults)
{
    AppServices services;
    services.platform = std::make_shared<QObject>();
    QObject *owner = services.platform.get();

    auto *client = new UDisksClient(QDBusConnection::systemBus(), owner);
    auto provider = std::make_shared<UDisksDescriptionProvider>(client);
    services.defaults = &defaults;
    services.makeDiskSource = [provider] { return std::make_shared<UDisksDiskSource>(provider); };
    services.untilDiskServiceAnswered = [client] { return client->untilAnswered(); };
    services.operations = std::make_unique<UDisksOperations>(client);
    services.history = std::make_unique<HistoryStore>();
    services.prompts = std::make_unique<DialogOperationPrompts>();
    services.definitionsTransport = std::make_unique<ChildProcessDefinitionsTransport>();
    services.overridesPath = MediaPolicyOverrides::defaultFileURL();
    services.definitionsCachePath = MediaDefinitionsUpdater::defaultCachePath();
    services.activityMonitor = std::make_unique<SysfsActivityMonitor>();

    const QString appName = QStringLiteral("Quillmere");
    services.autoEjectEvents.sleep = new LogindSleepMonitor(
        QDBusConnection::systemBus(), appName,
        //: Reason of the sleep delay lock, shown by system tools
        QCoreApplication::translate("AppServices", "Ejecting external volumes before sleep"),
        owner);
    services.autoEjectEvents.screenLock =
        new ScreenLockMonitor(QDBusConnection::systemBus(), QDBusConnection::sessionBus(),
                              ScreenLockMonitor::currentSessionId(), owner);
    services.autoEjectEvents.notifications = new DesktopNotifier(
        QDBusConnection::sessionBus(), appName, AppSupport::bundleIdentifier(), owner);
    return services;
}
