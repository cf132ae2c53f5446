#include "stores/historyentrycodec.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

namespace {

void appendString(QByteArray &out, const QString &text)
{
    out.append('"');
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '/':
            out.append("\\/");
            break;
        case '\b':
            out.append("\\b");
            break;
        case '\f':
            out.append("\\f");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out.append(
                    QByteArray("\\u00") +
                    QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0'));
            else
                out.append(c);
        }
    }
    out.append('"');
}

void appendKey(QByteArray &out, const char *key)
{
    out.append('"').append(key).append("\":");
}

} // namespace

namespace HistoryEntryCodec {

QString formatDate(const QDateTime &date)
{
    return date.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

std::optional<QDateTime> parseDate(const QString &text)
{
    // The form this program writes, read without the general parser: the log is read whole.
    static constexpr char pattern[] = "dddd-dd-ddTdd:dd:ddZ";
    const bool written =
        text.size() == 20 && std::equal(text.begin(), text.end(), pattern, [](QChar c, char p) {
            return p == 'd' ? c.isDigit() : c == QLatin1Char(p);
        });
    if (written) {
        bool ok[6] = {};
        const QDate day(text.mid(0, 4).toInt(&ok[0]), text.mid(5, 2).toInt(&ok[1]),
                        text.mid(8, 2).toInt(&ok[2]));
        const QTime time(text.mid(11, 2).toInt(&ok[3]), text.mid(14, 2).toInt(&ok[4]),
                         text.mid(17, 2).toInt(&ok[5]));
        if (std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) && day.isValid() &&
            time.isValid())
            return QDateTime(day, time, Qt::UTC);
    }
    // An internet date-time: a zone is required, fractions of a second are tolerated.
    static const QRegularExpression form(
        QStringLiteral(R"(^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}(\.\d+)?(Z|[+-]\d{2}:\d{2})$)"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const QDateTime date = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!date.isValid())
        return std::nullopt;
    return date.toUTC();
}

QByteArray encode(const HistoryEntry &entry)
{
    QByteArray out;
    out.reserve(160);
    out.append('{');
    appendKey(out, "date");
    appendString(out, formatDate(entry.date));
    out.append(',');
    appendKey(out, "volumeName");
    appendString(out, entry.volumeName);
    out.append(',');
    appendKey(out, "bsdName");
    appendString(out, entry.deviceName);
    out.append(',');
    appendKey(out, "operation");
    appendString(out, entry.operation);
    out.append(',');
    appendKey(out, "ok");
    out.append(entry.ok ? "true" : "false");
    if (entry.detail) {
        out.append(',');
        appendKey(out, "detail");
        appendString(out, *entry.detail);
    }
    if (entry.state) {
        out.append(',');
        appendKey(out, "state");
        appendString(out, *entry.state);
    }
    out.append('}');
    return out;
}

std::optional<HistoryEntry> decode(QByteArrayView line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();

    const QJsonValue date = object.value(QLatin1String("date"));
    const QJsonValue volumeName = object.value(QLatin1String("volumeName"));
    const QJsonValue deviceName = object.value(QLatin1String("bsdName"));
    const QJsonValue operation = object.value(QLatin1String("operation"));
    const QJsonValue ok = object.value(QLatin1String("ok"));
    const QJsonValue detail = object.value(QLatin1String("detail"));
    const QJsonValue state = object.value(QLatin1String("state"));
    if (!date.isString() || !volumeName.isString() || !deviceName.isString() ||
        !operation.isString() || !ok.isBool())
        return std::nullopt;
    if (!detail.isUndefined() && !detail.isNull() && !detail.isString())
        return std::nullopt;
    if (!state.isUndefined() && !state.isNull() && !state.isString())
        return std::nullopt;
    const auto parsedDate = parseDate(date.toString());
    if (!parsedDate)
        return std::nullopt;

    HistoryEntry entry;
    entry.date = *parsedDate;
    entry.volumeName = volumeName.toString();
    entry.deviceName = deviceName.toString();
    entry.operation = operation.toString();
    entry.ok = ok.toBool();
    if (detail.isString())
        entry.detail = detail.toString();
    // A state this program does not know is kept as it is; readers show what they know.
    if (state.isString())
        entry.state = state.toString();
    return entry;
}

} // namespace HistoryEntryCodec
