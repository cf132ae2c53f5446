#include "commandhelp.h"
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
#include <optional>
#include <unistd.h>

#include "platformlogging.h"
#include "quillmerecore.h"
#include "udisksclient.h"

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
    // A command's short event loop needs no GLib main context: Qt's own dispatcher starts and
    // hands the bus replies over sooner, which a one-shot list feels. Set outside, it stays.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
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
    // The help is ours: one line per command, a command's own options and an example, and the
    // program named as people type it rather than by the path it was started from.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption helpAll(QStringLiteral("help-all"));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption all(QStringLiteral("all"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption watch(QStringLiteral("watch"));
    parser.addOptions({help, helpAll, version, all, json, watch});
    OperationCommands::addOptions(parser);
    HistoryCommand::addOptions(parser);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString program = QStringLiteral("quillmere-cli");
    //: quillmere-cli: after a usage error; %1 is the program name
    const QString seeHelp =
        QCoreApplication::translate("main", "Run “%1 --help” for the commands and their options.")
            .arg(program);
    if (!parser.parse(QCoreApplication::arguments())) {
        // The parser names the offending option in full; it is echoed back cut short.
        err << program << ": " << TerminalText::echoed(parser.errorText(), 200) << '\n'
            << seeHelp << Qt::endl;
        return 2;
    }
    const QStringList arguments = parser.positionalArguments();
    const QString name = arguments.value(0);
    if (parser.isSet(version)) {
        out << CommandHelp::versionLine(QString::fromLatin1(QuillmereCore::version)) << Qt::endl;
        return 0;
    }
    if (parser.isSet(helpAll)) {
        out << CommandHelp::overview();
        for (const CommandHelp::Command &command : CommandHelp::commands())
            out << '\n' << command.name << '\n' << CommandHelp::forCommand(command);
        out.flush();
        return 0;
    }
    if (parser.isSet(help)) {
        const std::optional<CommandHelp::Command> command = CommandHelp::command(name);
        out << (command ? CommandHelp::forCommand(*command) : CommandHelp::overview());
        out.flush();
        return 0;
    }
    if (name.isEmpty()) {
        err << CommandHelp::overview();
        err.flush();
        return 2;
    }
    if (!CommandHelp::command(name)) {
        //: quillmere-cli usage error; %1 is the program name, %2 what was typed
        err << QCoreApplication::translate("main", "%1: unknown command “%2”.").arg(program, name)
            << '\n'
            << seeHelp << Qt::endl;
        return 2;
    }
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
    if (arguments.size() != 1) {
        //: quillmere-cli usage error
        err << QCoreApplication::translate("main", "quillmere-cli list: takes no arguments.")
            << '\n'
            << CommandHelp::forCommand(*CommandHelp::command(name));
        err.flush();
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
