#include "services/interruptquit.h"
#include "services/localinstance.h"
#include "services/singleinstance.h"
#include "shell/application.h"
#include "shell/appservices.h"
#include "shell/desktopactions.h"
#include "stores/appsupport.h"
#include "stores/l10n.h"
#include "stores/preferencesstore.h"
#include "stores/settingsstore.h"
#include "stores/userhome.h"
#include "surfaces/markiconengine.h"

#include "interruptwatcher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTextStream>

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
    // Every file of the program is below the home folder; without one it does not start.
    if (!UserHome::establish().isEmpty()) {
        QApplication app(argc, argv);
        L10n::install(std::nullopt);
        // Asked again for the message in the language now installed.
        QTextStream(stderr) << UserHome::establish() << Qt::endl;
        return 1;
    }

    // Settings of the predecessor are copied before anything reads a setting.
    std::unique_ptr<SettingsStore> defaults = SettingsStore::standard();
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

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Eject, remount, rename and erase volumes."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption actionOption(
        QStringLiteral("action"),
        QStringLiteral("Performs a launcher action in the running instance (starting it when "
                       "none runs): %1.")
            .arg(DesktopActions::names().join(QStringLiteral(", "))),
        QStringLiteral("name"));
    parser.addOption(actionOption);
    parser.process(app);
    std::optional<DesktopAction> action;
    if (parser.isSet(actionOption)) {
        action = DesktopActions::fromName(parser.value(actionOption));
        if (!action) {
            qCritical("quillmere: unknown action \"%s\"; the actions are %s",
                      qPrintable(parser.value(actionOption)),
                      qPrintable(DesktopActions::names().join(QStringLiteral(", "))));
            return 2;
        }
    }

    SingleInstance instance(AppSupport::bundleIdentifier());
    const std::optional<QString> actionName =
        action ? std::optional(DesktopActions::name(*action)) : std::nullopt;
    const SingleInstance::Outcome claimed = instance.claim(actionName);
    if (claimed == SingleInstance::Outcome::secondary)
        return 0;
    // Without a session bus, a local socket keeps it to one instance.
    LocalInstance local(AppSupport::bundleIdentifier());
    if (claimed == SingleInstance::Outcome::noBus &&
        local.claim(actionName) == LocalInstance::Outcome::secondary)
        return 0;

    // Logout, a service manager or Ctrl+C quit like "Quit Quillmere": through the terminate
    // step, then the history's pending lines are written as the services go.
    InterruptWatcher interrupt;
    InterruptQuit::connect(interrupt);

    Application application(AppServices::production(*defaults));
    instance.onReopen = [&application] { application.reopen(); };
    instance.onAction = [&application](const QString &name) {
        if (const auto handed = DesktopActions::fromName(name))
            application.performAction(*handed);
        else
            qWarning("Quillmere: ignoring the unknown action \"%s\"", qPrintable(name));
    };
    local.onReopen = instance.onReopen;
    local.onAction = instance.onAction;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &application,
                     [&application] { application.shutdown(); });
    application.start();
    // Started for an action: the program runs on once it is done.
    if (action)
        application.performAction(*action);
    return app.exec();
}
