#pragma once

#include <QList>
#include <QString>
#include <optional>

// What `quillmere-cli --help` and `quillmere-cli COMMAND --help` print: the commands one line
// each, and for one command its usage, options and an example. Texts in the user's language.
namespace CommandHelp {

struct Option {
    // As typed, with its value's name: "--format F".
    QString syntax;
    QString description;
};

struct Command {
    QString name;
    // One line for the overview.
    QString summary;
    // What the command's own help says it does; the summary when empty.
    QString description;
    // Usage lines without the program name: "eject [--force] VOLUME".
    QStringList usage;
    QList<Option> options;
    // A command line as typed, and what it does.
    QString example;
    QString exampleMeaning;
};

// Every command, in the order the overview lists them.
QList<Command> commands();
std::optional<Command> command(const QString &name);

// The overview: usage, the commands, the options every command takes, the exit statuses.
QString overview();
// One command's help.
QString forCommand(const Command &command);
// "quillmere-cli 1.4.0"
QString versionLine(const QString &version);

} // namespace CommandHelp
