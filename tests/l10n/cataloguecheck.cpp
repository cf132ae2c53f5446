#include "cataloguecheck.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace CatalogueCheck {

bool Message::isObsolete() const
{
    return type == QLatin1String("obsolete") || type == QLatin1String("vanished");
}

bool Message::isUnfinished() const
{
    return type == QLatin1String("unfinished");
}

QString Message::key() const
{
    return context + QChar(4) + source + QChar(4) + disambiguation;
}

QString Message::describe() const
{
    QString text = context + QStringLiteral(": “") + source + QStringLiteral("”");
    if (!disambiguation.isEmpty())
        text += QLatin1String(" (") + disambiguation + QLatin1Char(')');
    return text;
}

bool Catalogue::isSourceLanguage() const
{
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

namespace {

Message readMessage(QXmlStreamReader &xml, const QString &context)
{
    Message message;
    message.context = context;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    message.line = xml.lineNumber();
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.disambiguation = xml.readElementText();
        } else if (name == QLatin1String("extracomment")) {
            message.note = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("numerusform"))
                        message.translations.append(xml.readElementText());
                    else
                        xml.skipCurrentElement();
                }
            } else {
                message.translations.append(xml.readElementText());
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

QString where(const Catalogue &catalogue, const Message &message)
{
    return QFileInfo(catalogue.path).fileName() + QLatin1Char(':') + QString::number(message.line) +
           QLatin1String(": ") + message.describe();
}

QStringList difference(const QStringList &a, const QStringList &b)
{
    QStringList result;
    for (const QString &item : a) {
        if (!b.contains(item))
            result.append(item);
    }
    return result;
}

} // namespace

Catalogue parse(const QByteArray &data, const QString &path)
{
    Catalogue catalogue;
    catalogue.path = path;
    QXmlStreamReader xml(data);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        catalogue.error = QStringLiteral("not a Qt Linguist catalogue");
        return catalogue;
    }
    catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                catalogue.messages.append(readMessage(xml, context));
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        catalogue.error =
            QStringLiteral("line %1: %2").arg(QString::number(xml.lineNumber()), xml.errorString());
    }
    return catalogue;
}

Catalogue read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Catalogue catalogue;
        catalogue.path = path;
        catalogue.error = file.errorString();
        return catalogue;
    }
    return parse(file.readAll(), path);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        const QString placeholder = it.next().captured();
        if (!found.contains(placeholder))
            found.append(placeholder);
    }
    found.sort();
    return found;
}

QStringList problems(const Catalogue &catalogue)
{
    if (!catalogue.error.isEmpty())
        return {QFileInfo(catalogue.path).fileName() + QLatin1String(": ") + catalogue.error};
    QStringList found;
    for (const Message &message : catalogue.messages) {
        if (message.isObsolete()) {
            found.append(
                where(catalogue, message) +
                QLatin1String(": obsolete (no longer in the code; run update_translations)"));
            continue;
        }
        if (message.isUnfinished()) {
            if (!catalogue.isSourceLanguage())
                found.append(where(catalogue, message) + QLatin1String(": unfinished"));
            continue;
        }
        // The source text is what an English reader sees; only plural forms belong here.
        if (catalogue.isSourceLanguage() && !message.numerus) {
            if (message.translations.value(0) != message.source)
                found.append(where(catalogue, message) +
                             QLatin1String(": rewrites the source text (change it in the code)"));
            continue;
        }
        const QStringList expected = placeholders(message.source);
        for (qsizetype form = 0; form < message.translations.size(); ++form) {
            const QString &translation = message.translations[form];
            const QString label =
                message.numerus ? QStringLiteral(" (plural form %1)").arg(form + 1) : QString();
            if (translation.isEmpty()) {
                found.append(where(catalogue, message) + label + QLatin1String(": empty"));
                continue;
            }
            const QStringList present = placeholders(translation);
            const QStringList dropped = difference(expected, present);
            const QStringList added = difference(present, expected);
            if (!dropped.isEmpty())
                found.append(where(catalogue, message) + label + QLatin1String(": drops ") +
                             dropped.join(QLatin1String(", ")));
            if (!added.isEmpty())
                found.append(where(catalogue, message) + label + QLatin1String(": adds ") +
                             added.join(QLatin1String(", ")));
        }
        if (message.translations.isEmpty())
            found.append(where(catalogue, message) + QLatin1String(": no translation"));
    }
    return found;
}

QStringList staleness(const Catalogue &committed, const Catalogue &refreshed)
{
    if (!refreshed.error.isEmpty())
        return {QFileInfo(committed.path).fileName() + QLatin1String(" (refreshed): ") +
                refreshed.error};
    QSet<QString> known;
    QSet<QString> knownObsolete;
    for (const Message &message : committed.messages) {
        known.insert(message.key());
        if (message.isObsolete())
            knownObsolete.insert(message.key());
    }
    QStringList found;
    for (const Message &message : refreshed.messages) {
        const QString name =
            QFileInfo(committed.path).fileName() + QLatin1String(": ") + message.describe();
        if (!known.contains(message.key()))
            found.append(name + QLatin1String(": in the code but not in the catalogue (run "
                                              "update_translations, then translate it)"));
        else if (message.isObsolete() && !knownObsolete.contains(message.key()))
            found.append(name + QLatin1String(": no longer in the code (run update_translations)"));
    }
    return found;
}

QList<Message> unfinished(const Catalogue &catalogue)
{
    QList<Message> list;
    for (const Message &message : catalogue.messages) {
        if (message.isUnfinished())
            list.append(message);
    }
    return list;
}

} // namespace CatalogueCheck
