#include "commandhelp.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace CommandHelp {

namespace {

const QString program = QStringLiteral("quillmere-cli");

// Two columns: the names, then the descriptions lined up after the longest name.
QString table(const QList<QPair<QString, QString>> &rows)
{
    qsizetype width = 0;
    for (const auto &[name, text] : rows)
        width = std::max(width, name.size());
    QString out;
    for (const auto &[name, text] : rows)
        out += QStringLiteral("  ") + name.leftJustified(width + 2) + text + u'\n';
    return out;
}

QList<QPair<QString, QString>> commonOptions()
{
    return {
        //: quillmere-cli --help: the -h option (Qt's own text)
        {QStringLiteral("-h, --help"),
         QCoreApplication::translate("QCommandLineParser",
                                     "Displays help on commandline options.")},
        //: quillmere-cli --help: the --help-all option (Qt's own text)
        {QStringLiteral("--help-all"),
         QCoreApplication::translate("QCommandLineParser",
                                     "Displays help including Qt specific options.")},
        //: quillmere-cli --help: the -v option (Qt's own text)
        {QStringLiteral("-v, --version"),
         QCoreApplication::translate("QCommandLineParser", "Displays version information.")},
    };
}

QString usageHeading()
{
    return /*: quillmere-cli --help: heading of the usage lines */ QCoreApplication::translate(
        "CommandHelp", "Usage:");
}

} // namespace

QList<Command> commands()
{
    const QString volumeMeaning =
        /*: quillmere-cli COMMAND --help: what VOLUME may be; keep sdb1 as it is */
        QCoreApplication::translate(
            "CommandHelp", "VOLUME is a device name (sdb1), a mount point or a volume name.");
    QList<Command> all;
    all.append({QStringLiteral("list"),
                /*: quillmere-cli --help: the list command */
                QCoreApplication::translate(
                    "CommandHelp", "Prints the volumes with their capacity and free space."),
                /*: quillmere-cli list --help */
                QCoreApplication::translate(
                    "CommandHelp",
                    "Prints the volumes the tray program shows, with their kind, capacity and "
                    "free space."),
                {QStringLiteral("list [--all] [--json] [--watch]")},
                {{QStringLiteral("--all"),
                  /*: quillmere-cli list --help */ QCoreApplication::translate(
                      "CommandHelp",
                      "Show every kind of volume, also those the settings hide, and what is "
                      "attached but not mounted.")},
                 {QStringLiteral("--json"),
                  /*: quillmere-cli list --help */ QCoreApplication::translate(
                      "CommandHelp", "Print JSON with every field.")},
                 {QStringLiteral("--watch"),
                  /*: quillmere-cli list --help */ QCoreApplication::translate(
                      "CommandHelp", "Then print a line for each change until interrupted.")}},
                QStringLiteral("quillmere-cli list --all"),
                /*: quillmere-cli list --help: what the example does */
                QCoreApplication::translate("CommandHelp",
                                            "Lists every volume, also those the settings hide "
                                            "and those attached but not mounted.")});
    all.append(
        {QStringLiteral("eject"),
         /*: quillmere-cli --help: the eject command */
         QCoreApplication::translate("CommandHelp",
                                     "Ejects a volume, so that its drive can be unplugged."),
         /*: quillmere-cli eject --help */
         QCoreApplication::translate(
             "CommandHelp",
             "Unmounts the volume; on a removable drive every volume of the drive, so that it "
             "can be unplugged. A disk image is detached. The drive is not powered off."),
         {QStringLiteral("eject [--force] VOLUME")},
         {{QStringLiteral("--force"),
           /*: quillmere-cli eject --help */ QCoreApplication::translate(
               "CommandHelp", "Unmount even while programs hold files open.")}},
         QStringLiteral("quillmere-cli eject sdb1"),
         /*: quillmere-cli eject --help: what the example does; keep sdb1 as it is */
         QCoreApplication::translate("CommandHelp", "Ejects the volume on the device sdb1.")});
    all.append(
        {QStringLiteral("eject-all"),
         /*: quillmere-cli --help: the eject-all command */
         QCoreApplication::translate("CommandHelp", "Ejects every volume that Eject All includes."),
         QString(),
         {QStringLiteral("eject-all")},
         {},
         QStringLiteral("quillmere-cli eject-all"),
         /*: quillmere-cli --help: the eject-all command */
         QCoreApplication::translate("CommandHelp",
                                     "Ejects every volume that Eject All includes.")});
    all.append({QStringLiteral("remount"),
                /*: quillmere-cli --help: the remount command */
                QCoreApplication::translate("CommandHelp", "Mounts an unmounted volume again."),
                QString(),
                {QStringLiteral("remount VOLUME")},
                {},
                QStringLiteral("quillmere-cli remount sdb1"),
                /*: quillmere-cli remount --help: what the example does; keep sdb1 as it is */
                QCoreApplication::translate("CommandHelp",
                                            "Mounts the volume on the device sdb1 again.")});
    all.append({QStringLiteral("rename"),
                /*: quillmere-cli --help: the rename command */
                QCoreApplication::translate("CommandHelp", "Gives a volume a new name."),
                QString(),
                {QStringLiteral("rename VOLUME NAME")},
                {},
                QStringLiteral("quillmere-cli rename /media/ann/STICK Photos"),
                /*: quillmere-cli rename --help: what the example does */
                QCoreApplication::translate(
                    "CommandHelp", "Renames the volume mounted at /media/ann/STICK to “Photos”.")});
    all.append(
        {QStringLiteral("erase"),
         /*: quillmere-cli --help: the erase command */
         QCoreApplication::translate("CommandHelp",
                                     "Formats a volume, destroying everything on it."),
         QString(),
         {QStringLiteral("erase VOLUME [--format F] --name N --yes")},
         {{QStringLiteral("--format F"),
           /*: quillmere-cli erase --help */ QCoreApplication::translate(
               "CommandHelp",
               "The new file system: ext4, ExFAT, MS-DOS FAT32 or NTFS (ext4 if not given).")},
          {QStringLiteral("--name N"),
           /*: quillmere-cli erase --help */ QCoreApplication::translate("CommandHelp",
                                                                         "The new volume name.")},
          {QStringLiteral("--yes"),
           /*: quillmere-cli erase --help */ QCoreApplication::translate(
               "CommandHelp", "Confirm that everything on the volume may be destroyed.")}},
         QStringLiteral("quillmere-cli erase sdb1 --format ExFAT --name Photos --yes"),
         /*: quillmere-cli erase --help: what the example does; keep sdb1 as it is */
         QCoreApplication::translate("CommandHelp",
                                     "Erases the volume on sdb1 as ExFAT named “Photos”.")});
    all.append({QStringLiteral("blockers"),
                /*: quillmere-cli --help: the blockers command */
                QCoreApplication::translate(
                    "CommandHelp", "Names the processes that hold files open on a volume."),
                QString(),
                {QStringLiteral("blockers VOLUME")},
                {},
                QStringLiteral("quillmere-cli blockers sdb1"),
                /*: quillmere-cli blockers --help: what the example does; keep sdb1 as it is */
                QCoreApplication::translate(
                    "CommandHelp", "Names the processes that keep sdb1 from being ejected.")});
    all.append(
        {QStringLiteral("history"),
         /*: quillmere-cli --help: the history command */
         QCoreApplication::translate("CommandHelp", "Prints the operation history, newest first."),
         QString(),
         {QStringLiteral("history [--limit N] [--json]"),
          QStringLiteral("history --export FILE|-")},
         {{QStringLiteral("--limit N"),
           /*: quillmere-cli history --help */ QCoreApplication::translate(
               "CommandHelp", "Show only the newest N lines.")},
          {QStringLiteral("--json"),
           /*: quillmere-cli list --help */ QCoreApplication::translate(
               "CommandHelp", "Print JSON with every field.")},
          {QStringLiteral("--export FILE"),
           /*: quillmere-cli history --help */ QCoreApplication::translate(
               "CommandHelp", "Copy the history log to FILE (- for standard output).")}},
         QStringLiteral("quillmere-cli history --limit 10"),
         /*: quillmere-cli history --help: what the example does */
         QCoreApplication::translate("CommandHelp",
                                     "Prints the ten newest lines of the history.")});
    for (Command &entry : all) {
        if (entry.description.isEmpty())
            entry.description = entry.summary;
        if (entry.usage.constFirst().contains(QLatin1String("VOLUME")))
            entry.description += u'\n' + volumeMeaning;
    }
    return all;
}

std::optional<Command> command(const QString &name)
{
    for (const Command &entry : commands()) {
        if (entry.name == name)
            return entry;
    }
    return std::nullopt;
}

QString overview()
{
    QString out = usageHeading() + u' ' + program + u' ' +
                  /*: quillmere-cli --help: the usage line after the name */
                  QCoreApplication::translate("CommandHelp", "COMMAND [OPTIONS]") +
                  QStringLiteral("\n\n");
    //: quillmere-cli --help
    out +=
        QCoreApplication::translate("main", "Lists the volumes Quillmere sees.") + u' ' +
        /*: quillmere-cli --help: continues “Lists the volumes Quillmere sees.” */
        QCoreApplication::translate(
            "CommandHelp", "Ejects, remounts, renames and erases them, as the tray program does.") +
        QStringLiteral("\n\n");
    out += /*: quillmere-cli --help: heading */ QCoreApplication::translate("CommandHelp",
                                                                            "Commands:") +
           u'\n';
    QList<QPair<QString, QString>> rows;
    for (const Command &entry : commands())
        rows.append({entry.name, entry.summary});
    out += table(rows) + u'\n';
    out += /*: quillmere-cli --help: heading */ QCoreApplication::translate("CommandHelp",
                                                                            "Options:") +
           u'\n' + table(commonOptions()) + u'\n';
    out += /*: quillmere-cli --help; %1 is the program name */ QCoreApplication::translate(
               "CommandHelp", "Run “%1 COMMAND --help” for a command’s options and an example.")
               .arg(program) +
           QStringLiteral("\n\n");
    out += /*: quillmere-cli --help: heading of the exit codes */
        QCoreApplication::translate("CommandHelp", "Exit status:") + u'\n' +
        table({{QStringLiteral("0"),
                /*: quillmere-cli --help: exit code 0 */
                QCoreApplication::translate("CommandHelp", "done")},
               {QStringLiteral("1"),
                /*: quillmere-cli --help: exit code 1 */
                QCoreApplication::translate("CommandHelp", "the operation failed")},
               {QStringLiteral("2"),
                /*: quillmere-cli --help: exit code 2 */
                QCoreApplication::translate("CommandHelp",
                                            "usage error, unknown or ambiguous volume")},
               {QStringLiteral("3"),
                /*: quillmere-cli --help: exit code 3 (a password prompt dismissed, a
                    confirmation declined) */
                QCoreApplication::translate("CommandHelp", "cancelled")},
               {QStringLiteral("4"),
                /*: quillmere-cli --help: exit code 4 */
                QCoreApplication::translate("CommandHelp", "not authorized")},
               {QStringLiteral("5"),
                /*: quillmere-cli --help: exit code 5 */
                QCoreApplication::translate("CommandHelp",
                                            "the device is busy or held by another operation")},
               {QStringLiteral("6"),
                /*: quillmere-cli --help: exit code 6 */
                QCoreApplication::translate("CommandHelp", "udisks2 is not available")}});
    return out;
}

QString forCommand(const Command &entry)
{
    QString out = usageHeading() + u'\n';
    for (const QString &line : entry.usage)
        out += QStringLiteral("  ") + program + u' ' + line + u'\n';
    out += u'\n' + entry.description + QStringLiteral("\n\n");
    QList<QPair<QString, QString>> options;
    for (const Option &option : entry.options)
        options.append({option.syntax, option.description});
    options.append(commonOptions().constFirst());
    out += /*: quillmere-cli --help: heading */ QCoreApplication::translate("CommandHelp",
                                                                            "Options:") +
           u'\n' + table(options) + u'\n';
    out += /*: quillmere-cli COMMAND --help: heading */ QCoreApplication::translate("CommandHelp",
                                                                                    "Example:") +
           u'\n' + QStringLiteral("  ") + entry.example + u'\n' + QStringLiteral("  ") +
           entry.exampleMeaning + u'\n';
    return out;
}

QString versionLine(const QString &version)
{
    return program + u' ' + version;
}

} // namespace CommandHelp
