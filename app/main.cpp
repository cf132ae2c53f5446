#include "shell/appdelegate.h"
#include "shell/appservices.h"
#include "shell/childprocessdefinitionstransport.h"
#include "shell/singleinstance.h"
#include "stores/appsupport.h"
#include "stores/l10n.h"
#include "stores/preferencesstore.h"
#include "stores/userdefaults.h"
#include "surfaces/markiconengine.h"

#include "interruptwatcher.h"

#include <QApplication>
#include <QIcon>

namespace {

QIcon applicationIcon()
{
    return QIcon::fromTheme(QStringLiteral("quillmere"),
                            QIcon(new MarkIconEngine(QColor(43, 93, 140))));
}

} // namespace

int main(int argc, char *argv[])
{
    // The definitions download, which the program runs in a child process of its own.
    if (ChildProcessDefinitionsTransport::isChildInvocation(argc, argv))
        return ChildProcessDefinitionsTransport::runChild(argc, argv);

    // Settings of the predecessor are copied before anything reads a setting.
    std::unique_ptr<UserDefaults> defaults = UserDefaults::standard();
    PreferencesStore::migrateFromKestrinDefaults(*defaults);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMERE_VERSION));
    QApplication::setDesktopFileName(AppSupport::bundleIdentifier());
    // A tray program: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(applicationIcon());
    L10n::install(PreferencesStore(*defaults).languageOverride());

    SingleInstance instance(AppSupport::bundleIdentifier());
    if (instance.claim() == SingleInstance::Outcome::secondary)
        return 0;

    // Logout, a service manager or Ctrl+C quit like "Quit Quillmere": through the terminate
    // step, then the history's pending lines are written as the services go.
    InterruptWatcher interrupt;
    QObject::connect(&interrupt, &InterruptWatcher::interrupted, &app, &QCoreApplication::quit);

    AppDelegate delegate(AppServices::production(*defaults));
    instance.onReopen = [&delegate] { delegate.applicationShouldHandleReopen(); };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
