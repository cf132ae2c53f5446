#include "stores/autostartentry.h"

#include <QStringList>
#include <algorithm>

namespace {

// Characters that oblige an Exec argument to be quoted.
const QString reservedInExec = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

// Backslash, newline, tab and carriage return as a desktop-entry string writes them.
QString escapedString(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

QString AutostartEntry::fileName(const QString &applicationId)
{
    return applicationId + QStringLiteral(".desktop");
}

QString AutostartEntry::execValue(const QString &program)
{
    QString argument = program;
    const bool needsQuotes = std::any_of(argument.cbegin(), argument.cend(),
                                         [](QChar c) { return reservedInExec.contains(c); });
    if (needsQuotes) {
        QString quoted;
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        argument = u'"' + quoted + u'"';
    }
    // Field codes start with '%'; a literal one is doubled.
    argument.replace(u'%', QStringLiteral("%%"));
    // The desktop undoes the string escapes before it splits the arguments, so they go on last.
    return escapedString(argument);
}

QByteArray AutostartEntry::contents(const QString &program)
{
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Quillmere"),
        QStringLiteral("Exec=") + execValue(program),
        // A program that was moved or deleted is skipped instead of failing at every login.
        QStringLiteral("TryExec=") + escapedString(program),
        QStringLiteral("Icon=quillmere"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

bool AutostartEntry::isInEffect(const QByteArray &contents)
{
    bool inEntryGroup = false;
    bool sawEntryGroup = false;
    for (const QByteArray &rawLine : contents.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inEntryGroup = line == "[Desktop Entry]";
            sawEntryGroup = sawEntryGroup || inEntryGroup;
            continue;
        }
        if (!inEntryGroup)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        // As GLib reads Booleans, which the session managers that honour these keys use.
        if (key == "Hidden" && (value == "true" || value == "1"))
            return false;
        if (key == "X-GNOME-Autostart-enabled" && (value == "false" || value == "0"))
            return false;
    }
    return sawEntryGroup;
}
