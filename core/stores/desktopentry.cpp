#include "stores/desktopentry.h"

#include <QStringList>
#include <algorithm>

namespace DesktopEntry {

QString stringValue(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString execArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote =
        argument.isEmpty() || std::any_of(argument.cbegin(), argument.cend(),
                                          [](QChar c) { return reserved.contains(c); });
    QString word;
    for (const QChar c : argument) {
        if (c == u'%')
            word += u'%';
        else if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            word += u'\\';
        word += c;
    }
    if (quote)
        word = u'"' + word + u'"';
    return stringValue(word);
}

QString forCopy(const QString &installedEntry, const QString &installedName, const QString &program)
{
    const QString exec = QStringLiteral("Exec=");
    const QString tryExec = QStringLiteral("TryExec=");
    QStringList lines = installedEntry.split(u'\n');
    for (QString &line : lines) {
        if (line.startsWith(exec)) {
            const QString command = line.mid(exec.size());
            if (command == installedName || command.startsWith(installedName + u' '))
                line = exec + execArgument(program) + command.mid(installedName.size());
        } else if (line.startsWith(tryExec) && line.mid(tryExec.size()) == installedName) {
            line = tryExec + stringValue(program);
        }
    }
    QString text = lines.join(u'\n');
    if (!text.endsWith(u'\n'))
        text += u'\n';
    return text;
}

} // namespace DesktopEntry
