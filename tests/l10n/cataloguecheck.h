#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reads Qt Linguist catalogues (.ts) and finds what would show a user a text in the wrong
// language or with a value missing: unfinished and obsolete messages, translations that drop or
// add a placeholder of their source, and texts of the code that a catalogue lacks.
namespace CatalogueCheck {

struct Message {
    QString context;
    QString source;
    QString disambiguation;
    QString note; // the translator comment of the code
    bool numerus = false;
    QString type;             // "", "unfinished", "obsolete" or "vanished"
    QStringList translations; // one per plural form
    qint64 line = 0;

    bool isObsolete() const;
    bool isUnfinished() const;
    // Context, source and disambiguation: what lupdate matches a message by.
    QString key() const;
    QString describe() const;
};

struct Catalogue {
    QString path;
    QString language;
    QList<Message> messages;
    QString error; // empty when the file could be read

    // The source language's own catalogue: its untranslated texts show the source text.
    bool isSourceLanguage() const;
};

Catalogue parse(const QByteArray &xml, const QString &path = QString());
Catalogue read(const QString &path);

// %1 … %99, %L1 … %L99, %n and %Ln, each once, sorted.
QStringList placeholders(const QString &text);

// One line per fault, each naming the file, the line and the message.
QStringList problems(const Catalogue &catalogue);
// Faults of a catalogue that is not current: the refreshed copy (lupdate run over the code on a
// copy of committed) has texts committed lacks, or marks texts the code no longer has.
QStringList staleness(const Catalogue &committed, const Catalogue &refreshed);
// The messages still to translate, for people.
QList<Message> unfinished(const Catalogue &catalogue);

} // namespace CatalogueCheck
