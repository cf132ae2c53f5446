#include "appservices.h"

#include "operations/guardeddiskoperations.h"
#include "policy/mediadefinitionsupdater.h"
#include "policy/mediapolicyoverrides.h"
#include "services/apprelaunch.h"
#include "services/movetoapplications.h"
#include "services/uninstallui.h"
#include "shell/application.h"
#include "shell/childprocessdefinitionstransport.h"
#include "shell/mainwindowfactory.h"
#include "shell/preferencespanefactory.h"
#include "shortcut/desktopshortcuts.h"
#include "stores/appsupport.h"
#include "stores/historystore.h"
#include "stores/preferencesstore.h"
#include "surfaces/volumespopover.h"
#include "window/dialogoperationprompts.h"
#include "window/preferencespane.h"

#include "desktopanimationsetting.h"
#include "desktopnotifier.h"
#include "devicefilesystemprobe.h"
#include "flockdisklocks.h"
#include "logindsleepmonitor.h"
#include "screenlockmonitor.h"
#include "sysfsactivitymonitor.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "udisksoperations.h"

#include <QCoreApplication>
#include <QDBusConnection>

namespace {

struct OperationParts {
    explicit OperationParts(UDisksClient *client) : udisks(client), probe(client) {}

    UDisksOperations udisks;
    FlockDiskLocks locks;
    DeviceFileSystemProbe probe;
};

// The udisks2 operations behind the guard, owned together.
class ProductionOperations : private OperationParts, public GuardedDiskOperations {
public:
    explicit ProductionOperations(UDisksClient *client)
        : OperationParts(client),
          GuardedDiskOperations(udisks, locks, &probe, &UDisksOperations::filesystemType)
    {
    }
};

} // namespace

AppServices AppServices::production(SettingsStore &defaults)
{
    AppServices services;
    services.platform = std::make_shared<QObject>();
    QObject *owner = services.platform.get();

    auto *client = new UDisksClient(QDBusConnection::systemBus(), owner);
    auto provider = std::make_shared<UDisksDescriptionProvider>(client);
    services.defaults = &defaults;
    services.makeDiskSource = [provider] { return std::make_shared<UDisksDiskSource>(provider); };
    services.untilDiskServiceAnswered = [client] { return client->untilAnswered(); };
    services.operations = std::make_unique<ProductionOperations>(client);
    auto history = std::make_unique<HistoryStore>();
    services.makeMainWindow = MainWindowFactory::make(*history);
    services.makePreferencesPane = [](Application &application, QWidget *parent) -> QWidget * {
        return PreferencesPaneFactory::make(application, parent);
    };
    services.uninstall = [](Application &application) {
        UninstallUI::presentFor(application.prefs().defaults());
    };
    services.history = std::move(history);
    services.prompts = std::make_unique<DialogOperationPrompts>();
    services.definitionsTransport = std::make_unique<ChildProcessDefinitionsTransport>();
    services.overridesPath = MediaPolicyOverrides::defaultFileURL();
    services.definitionsCachePath = MediaDefinitionsUpdater::defaultCachePath();
    services.activityMonitor = std::make_unique<SysfsActivityMonitor>();
    services.autostart = std::make_unique<AutostartManager>();
    services.relaunch = [](const QString &program) {
        // Quits even when the shell did not start: the user asked for a restart.
        AppRelaunch::relaunch(program);
        QCoreApplication::quit();
    };
    services.offerMove = [](SettingsStore &defaults) {
        return MoveToApplications::offerIfNeeded(defaults);
    };
    auto *animations = new DesktopAnimationSetting(QDBusConnection::sessionBus(), owner);
    services.reduceMotion = [animations] { return !animations->animationsEnabled(); };
    services.makePopover = [](Application &application) -> std::unique_ptr<PopoverSurface> {
        return std::make_unique<VolumesPopover>(&application.store(), &application.icons(),
                                                &application.actions());
    };

    const QString appName = QStringLiteral("Quillmere");
    services.autoEjectEvents.sleep = new LogindSleepMonitor(
        QDBusConnection::systemBus(), appName,
        //: Reason of the sleep delay lock, shown by system tools
        QCoreApplication::translate("AppServices", "Ejecting external volumes before sleep"),
        owner);
    services.autoEjectEvents.screenLock =
        new ScreenLockMonitor(QDBusConnection::systemBus(), QDBusConnection::sessionBus(),
                              ScreenLockMonitor::currentSessionId(), owner);
    auto *notifier = new DesktopNotifier(QDBusConnection::sessionBus(), appName,
                                         AppSupport::bundleIdentifier(), owner);
    services.autoEjectEvents.notifications = notifier;
    services.unplugNotifications = notifier;
    services.shortcuts = DesktopShortcuts::make(defaults);
    return services;
}
