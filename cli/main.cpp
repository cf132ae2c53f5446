#include "historycommand.h"
#include "listcommand.h"
#include "operationcommands.h"
#include "terminaltext.h"

#include "stores/l10n.h"
#include "stores/preferencesstore.h"
#include "stores/settingsstore.h"
#include "stores/userhome.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

#include "platformlogging.h"
#include "udisksclient.h"

namespace {

// The help option's texts are Qt's own; Qt's catalogues lack them in some languages, so the
// program's catalogue carries them under Qt's context.
[[maybe_unused]] const char *const qtHelpTexts[] = {
    //: quillmere-cli --help: the -h option (Qt's own text)
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    //: quillmere-cli --help: the --help-all option (Qt's own text)
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

} // namespace

int main(int argc, char *argv[])
{
    // What udisks2 refuses and what umount or fusermount3 fail at reaches the user as the
    // command's own message; the platform's log line (quillmere.udisks, quillmere.tools) would
    // only repeat it on standard error. Qt applies QT_LOGGING_RULES after these rules, so
    // "quillmere.*=true" there shows the log lines again; a QT_LOGGING_CONF file, which Qt
    // applies before them, is left to decide alone. Other areas' warnings (settings, history)
    // are not repeated by the command and stay.
    if (!qEnvironmentVariableIsSet("QT_LOGGING_CONF")) {
        QLoggingCategory::setFilterRules(
            QString::fromLatin1(PlatformLogging::operationFailuresSilenced));
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillmere-cli"));
    if (const QString problem = UserHome::establish(); !problem.isEmpty()) {
        // Without a home there are no settings to take a language from: the system's.
        L10n::install(std::nullopt, L10n::searchDirectories(),
                      {QStringLiteral("quillmere_core"), QStringLiteral("quillmere_cli")});
        // Asked again for the message in the language now installed.
        QTextStream(stderr) << UserHome::establish() << Qt::endl;
        return 1;
    }
    // udisks2 answers a one-shot list while the settings, catalogues and arguments are read.
    const bool oneShotList = ListCommand::isOneShot(QCoreApplication::arguments());
    std::unique_ptr<UDisksClient> snapshot;
    if (oneShotList) {
        snapshot = ListCommand::startSnapshot();
    }
    const std::unique_ptr<SettingsStore> defaults = SettingsStore::standard();
    const PreferencesStore preferences(*defaults);
    L10n::install(preferences.languageOverride(), L10n::searchDirectories(),
                  {QStringLiteral("quillmere_core"), QStringLiteral("quillmere_cli")});

    QCommandLineParser parser;
    //: quillmere-cli --help
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Lists the volumes Quillmere sees."));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("command"),
        //: quillmere-cli --help: the commands
        QCoreApplication::translate("main",
                                    "list, eject, eject-all, remount, rename, erase, blockers "
                                    "or history"));
    const QCommandLineOption all(QStringLiteral("all"),
                                 //: quillmere-cli --help
                                 QCoreApplication::translate("main", "Show every kind of volume."));
    const QCommandLineOption json(
        QStringLiteral("json"),
        //: quillmere-cli --help
        QCoreApplication::translate("main", "Print JSON with every field."));
    const QCommandLineOption watch(
        QStringLiteral("watch"),
        //: quillmere-cli --help
        QCoreApplication::translate("main",
                                    "Then print a line for each change until interrupted."));
    parser.addOptions({all, json, watch});
    OperationCommands::addOptions(parser);
    HistoryCommand::addOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        // The parser names the offending option in full; it is echoed back cut short.
        QTextStream(stderr) << TerminalText::echoed(parser.errorText(), 200) << Qt::endl;
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp();
    }

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = parser.positionalArguments();
    const QString name = arguments.value(0);
    if (name == QLatin1String("history")) {
        return HistoryCommand(out, err).run(parser);
    }
    if (OperationCommands::handles(name)) {
        OperationCommands operations(out, err);
        QTimer::singleShot(0, &app, [&operations, &parser] {
            operations.run(parser).then([](int code) { QCoreApplication::exit(code); });
        });
        return app.exec();
    }
    if (arguments.size() != 1 || arguments.first() != QLatin1String("list")) {
        //: quillmere-cli usage error
        err << QCoreApplication::translate("main",
                                           "Usage: quillmere-cli list [--all] [--json] [--watch]")
            << '\n'
            << OperationCommands::usage() << '\n'
            << HistoryCommand::usage() << Qt::endl;
        return 2;
    }

    ListCommand command({parser.isSet(all), parser.isSet(json), parser.isSet(watch)}, preferences,
                        out, err, std::move(snapshot));
    // Started from the event loop, so that a command that finishes at once can still quit it.
    QTimer::singleShot(0, &app, [&command] {
        command.run().then([](int code) { QCoreApplication::exit(code); });
    });
    const int code = app.exec();
    if (oneShotList) {
        // Nothing is left to save after a one-shot list, and taking down the bus thread and
        // Qt's globals costs a good part of the listing itself.
        out.flush();
        err.flush();
        std::fflush(nullptr);
        ::_exit(code);
    }
    return code;
}
