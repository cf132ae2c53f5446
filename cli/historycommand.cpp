#include "historycommand.h"

#include "stores/historyentrycodec.h"
#include "stores/historystore.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString limitOption = QStringLiteral("limit");
const QString exportOption = QStringLiteral("export");
const QString jsonOption = QStringLiteral("json");

QString text(const char *source, const char *comment)
{
    return QCoreApplication::translate("HistoryCommand", source, comment);
}

} // namespace

HistoryCommand::HistoryCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

void HistoryCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        limitOption, text("history: show only the newest N lines.", "quillmere-cli --help"),
        QStringLiteral("N")));
    parser.addOption(QCommandLineOption(
        exportOption, text("history: copy the history log to FILE.", "quillmere-cli --help"),
        QStringLiteral("FILE")));
}

QString HistoryCommand::usage()
{
    return text("       quillmere-cli history [--limit N] [--json]\n"
                "       quillmere-cli history --export FILE",
                "quillmere-cli usage of the history command");
}

int HistoryCommand::usageError(const QString &message)
{
    m_err << message << '\n'
          << text("Usage:", "quillmere-cli usage heading") << '\n'
          << usage() << Qt::endl;
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
            text("quillmere-cli history: takes no arguments.", "quillmere-cli usage error"));
    }
    if (parser.isSet(exportOption)) {
        if (parser.isSet(limitOption) || parser.isSet(jsonOption)) {
            return usageError(text("quillmere-cli history: --export takes no other option.",
                                   "quillmere-cli usage error"));
        }
        QString error;
        if (!history.exportLog(parser.value(exportOption), &error)) {
            m_err << text("quillmere-cli history: couldn’t export to %1: %2",
                          "quillmere-cli history export failure")
                         .arg(parser.value(exportOption), error)
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
            return usageError(text("quillmere-cli history: --limit takes a whole number, 0 or "
                                   "more.",
                                   "quillmere-cli usage error"));
        }
        limit = value;
    }
    const HistoryEntryList entries = history.entries(limit);
    m_out << (parser.isSet(jsonOption) ? renderJson(entries) : render(entries));
    m_out.flush();
    return 0;
}

QString HistoryCommand::render(const HistoryEntryList &entries)
{
    QString output;
    for (const HistoryEntry &entry : entries) {
        QString line = HistoryEntryCodec::formatDate(entry.date) + QLatin1String("  ") +
                       entry.operation.leftJustified(11) + QLatin1Char(' ') +
                       (entry.ok ? text("ok", "quillmere-cli history: the operation succeeded")
                                 : text("failed", "quillmere-cli history: the operation failed"))
                           .leftJustified(6) +
                       QLatin1Char(' ') + entry.volumeName;
        if (!entry.bsdName.isEmpty()) {
            line += QLatin1String(" (") + entry.bsdName + QLatin1Char(')');
        }
        if (entry.detail) {
            line += QLatin1String(": ") + *entry.detail;
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
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}
