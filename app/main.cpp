#include "shell/appdelegate.h"
#include "shell/appservices.h"
#include "shell/childprocessdefinitionstransport.h"
#include "shell/singleinstance.h"
#include "stores/appsupport.h"
#include "stores/l10n.h"
#include "stores/preferencesstore.h"
#include "stores/userdefaults.h"
#include "surfaces/markiconengine.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace {

QIcon applicationIcon()
{
    return QIcon::fromTheme(QStringLiteral("quillmere"),
                            QIcon(new MarkIconEngine(QColor(43, 93, 140))));
}

// Under a bare window manager no desktop names an icon theme and Qt looks only in hicolor,
// which has no device icons; then a common full theme fills in, if one is installed.
void chooseFallbackIconTheme()
{
    const QString fallback = QIcon::fallbackThemeName();
    if (!fallback.isEmpty() && fallback != QLatin1String("hicolor"))
        return;
    for (const char *theme : {"Adwaita", "breeze", "elementary", "gnome"}) {
        for (const QString &folder : QIcon::themeSearchPaths()) {
            if (QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(theme) +
                                  QStringLiteral("/index.theme"))) {
                QIcon::setFallbackThemeName(QLatin1String(theme));
                return;
            }
        }
    }
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
    chooseFallbackIconTheme();
    QApplication::setWindowIcon(applicationIcon());
    L10n::install(PreferencesStore(*defaults).languageOverride());

    SingleInstance instance(AppSupport::bundleIdentifier());
    if (instance.claim() == SingleInstance::Outcome::secondary)
        return 0;

    AppDelegate delegate(AppServices::production(*defaults));
    instance.onReopen = [&delegate] { delegate.applicationShouldHandleReopen(); };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
