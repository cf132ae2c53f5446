#include "historycommand.h"

#include "format/dateformatter.h"
#include "format/textcolumns.h"
#include "terminaltext.h"

#include "stores/historyentrycodec.h"
#include "stores/historystore.h"

#include <QBuffer>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

const QString limitOption = QStringLiteral("limit");
const QString exportOption = QStringLiteral("export");
const QString jsonOption = QStringLiteral("json");

} // namespace

HistoryCommand::HistoryCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

void HistoryCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        //: quillmere-cli --help
        limitOption,
        QCoreApplication::translate("HistoryCommand", "history: show only the newest N lines."),
        QStringLiteral("N")));
    parser.addOption(QCommandLineOption(
        //: quillmere-cli --help
        exportOption,
        QCoreApplication::translate("HistoryCommand",
                                    "history: copy the history log to FILE (- for standard "
                                    "output)."),
        QStringLiteral("FILE")));
}

QString HistoryCommand::usage()
{
    //: quillmere-cli usage of the history command
    return QCoreApplication::translate("HistoryCommand",
                                       "       quillmere-cli history [--limit N] [--json]\n"
                                       "       quillmere-cli history --export FILE|-");
}

int HistoryCommand::usageError(const QString &message)
{
    //: quillmere-cli usage heading
    const QString heading = QCoreApplication::translate("HistoryCommand", "Usage:");
    m_err << message << '\n' << heading << '\n' << usage() << Qt::endl;
    return 2;
}

int HistoryCommand::run(const QCommandLineParser &parser)
{
    HistoryStore history;
    return run(history, parser);
}

int HistoryCommand::run(HistoryStore &history, const QCommandLineParser &parser)
{
    if (parser.positionalArguments().size() != 1) {
        return usageError(
            //: quillmere-cli usage error
            QCoreApplication::translate("HistoryCommand",
                                        "quillmere-cli history: takes no arguments."));
    }
    if (parser.isSet(exportOption)) {
        if (parser.isSet(limitOption) || parser.isSet(jsonOption)) {
            //: quillmere-cli usage error
            return usageError(QCoreApplication::translate(
                "HistoryCommand", "quillmere-cli history: --export takes no other option."));
        }
        const QString destination = parser.value(exportOption);
        QString error;
        if (!(destination == QLatin1String("-") ? exportToOutput(history, &error)
                                                : history.exportLog(destination, &error))) {
            //: quillmere-cli history export failure
            m_err << QCoreApplication::translate("HistoryCommand",
                                                 "quillmere-cli history: couldn’t export to %1: %2")
                         .arg(TerminalText::escaped(destination), error)
                  << Qt::endl;
            return 1;
        }
        return 0;
    }

    std::optional<int> limit;
    if (parser.isSet(limitOption)) {
        bool ok = false;
        const int value = parser.value(limitOption).toInt(&ok);
        if (!ok || value < 0) {
            //: quillmere-cli usage error
            return usageError(QCoreApplication::translate(
                "HistoryCommand", "quillmere-cli history: --limit takes a whole number, 0 or "
                                  "more."));
        }
        limit = value;
    }
    const HistoryReading reading = history.read(limit);
    m_out << (parser.isSet(jsonOption) ? renderJson(reading.entries) : render(reading.entries));
    m_out.flush();
    if (!reading.problem.isEmpty()) {
        //: quillmere-cli history: the log could not be read; %1 is the reason
        m_err << QCoreApplication::translate("HistoryCommand",
                                             "quillmere-cli history: couldn’t read the history "
                                             "file %1: %2.")
                     .arg(TerminalText::escaped(history.filePath()), reading.problem)
              << Qt::endl;
        return 1;
    }
    if (reading.damagedLines > 0) {
        //: quillmere-cli history: lines of the log that are not history entries
        m_err << QCoreApplication::translate("HistoryCommand",
                                             "quillmere-cli history: %n damaged line(s) of the "
                                             "history file skipped.",
                                             nullptr, int(reading.damagedLines))
              << Qt::endl;
    }
    return 0;
}

bool HistoryCommand::exportToOutput(HistoryStore &history, QString *error)
{
    m_out.flush();
    if (QIODevice *device = m_out.device()) {
        return history.exportLog(*device, error);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!history.exportLog(buffer, error)) {
        return false;
    }
    m_out << QString::fromUtf8(buffer.data());
    m_out.flush();
    return true;
}

QString HistoryCommand::render(const HistoryEntryList &entries)
{
    //: quillmere-cli history: the operation succeeded
    const QString succeeded = QCoreApplication::translate("HistoryCommand", "ok");
    //: quillmere-cli history: the operation failed
    const QString failed = QCoreApplication::translate("HistoryCommand", "failed");
    const int resultWidth = std::max(TextColumns::width(succeeded), TextColumns::width(failed));
    // Dates in the locale's words differ in length ("4/3/2025", "14/3/2025").
    QStringList dates;
    int dateWidth = 0;
    for (const HistoryEntry &entry : entries) {
        dates.append(DateFormatter::medium(entry.date));
        dateWidth = std::max(dateWidth, TextColumns::width(dates.constLast()));
    }
    QString output;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const HistoryEntry &entry = entries[i];
        // Every field comes from the file, which anything may have written.
        QString line = TextColumns::padded(dates[i], dateWidth) + QLatin1String("  ") +
                       TerminalText::escaped(entry.operation).leftJustified(11) + QLatin1Char(' ') +
                       TextColumns::padded(entry.ok ? succeeded : failed, resultWidth) +
                       QLatin1Char(' ') + TerminalText::escaped(entry.volumeName);
        if (!entry.deviceName.isEmpty()) {
            line += QLatin1String(" (") + TerminalText::escaped(entry.deviceName) + QLatin1Char(')');
        }
        if (entry.detail) {
            line += QLatin1String(": ") + TerminalText::escaped(*entry.detail);
        }
        output += line + QLatin1Char('\n');
    }
    return output;
}

QString HistoryCommand::renderJson(const HistoryEntryList &entries)
{
    // The fields of the log file, under the same keys.
    QJsonArray array;
    for (const HistoryEntry &entry : entries) {
        array.append(QJsonDocument::fromJson(HistoryEntryCodec::encode(entry)).object());
    }
    return TerminalText::jsonSafe(
        QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
}
