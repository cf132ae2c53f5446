#include "stores/autostartentry.h"

#include "stores/desktopentry.h"

#include <QStringList>
#include <algorithm>
#include <optional>
#include <utility>

QString AutostartEntry::fileName(const QString &applicationId)
{
    return applicationId + QStringLiteral(".desktop");
}

QString AutostartEntry::execValue(const QString &program)
{
    return DesktopEntry::execArgument(program);
}

QByteArray AutostartEntry::contents(const QString &program)
{
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Quillmere"),
        QStringLiteral("Exec=") + execValue(program),
        // A program that was moved or deleted is skipped instead of failing at every login.
        QStringLiteral("TryExec=") + DesktopEntry::stringValue(program),
        QStringLiteral("Icon=quillmere"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

namespace {

using KeyValues = QList<std::pair<QByteArray, QByteArray>>;

// The keys and values of the [Desktop Entry] group in file order, trimmed; none when the file
// has no such group.
std::optional<KeyValues> entryGroup(const QByteArray &contents)
{
    bool inEntryGroup = false;
    bool sawEntryGroup = false;
    KeyValues pairs;
    for (const QByteArray &rawLine : contents.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inEntryGroup = line == "[Desktop Entry]";
            sawEntryGroup = sawEntryGroup || inEntryGroup;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inEntryGroup || equals < 0)
            continue;
        pairs.append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
    if (!sawEntryGroup)
        return std::nullopt;
    return pairs;
}

} // namespace

bool AutostartEntry::isInEffect(const QByteArray &contents)
{
    const std::optional<KeyValues> group = entryGroup(contents);
    if (!group)
        return false;
    for (const auto &[key, value] : *group) {
        // As GLib reads Booleans, which the session managers that honour these keys use.
        if (key == "Hidden" && (value == "true" || value == "1"))
            return false;
        if (key == "X-GNOME-Autostart-enabled" && (value == "false" || value == "0"))
            return false;
    }
    return true;
}

namespace {

// A string value as the file stores it: \s, \n, \t, \r and \\ stand for their characters.
QString unescapedString(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            out += u' ';
            break;
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        default:
            out += next;
        }
    }
    return out;
}

// The words of an Exec value (already unescaped as a string): double quotes group, and inside
// them a backslash keeps the next character. A lone field code (%u, %F, …) is no word; %% is
// a percent sign.
QStringList execWords(const QString &command)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < command.size(); ++i) {
        const QChar c = command.at(i);
        if (quoted) {
            if (c == u'\\' && i + 1 < command.size())
                word += command.at(++i);
            else if (c == u'"')
                quoted = false;
            else
                word += c;
            continue;
        }
        if (c == u' ' || c == u'\t') {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == u'"') {
            quoted = true;
        } else if (c == u'%' && i + 1 < command.size()) {
            const QChar code = command.at(++i);
            if (code == u'%')
                word += u'%';
        } else {
            word += c;
        }
    }
    if (inWord)
        words.append(word);
    words.removeAll(QString());
    return words;
}

} // namespace

QString AutostartEntry::programToFind(const QByteArray &contents)
{
    QString exec;
    QString tryExec;
    for (const auto &[key, raw] : entryGroup(contents).value_or(KeyValues())) {
        const QString value = unescapedString(QString::fromUtf8(raw));
        if (key == "TryExec")
            tryExec = value;
        else if (key == "Exec")
            exec = value;
    }
    if (!tryExec.isEmpty())
        return tryExec;
    return execWords(exec).value(0);
}

bool AutostartEntry::programExists(const QString &program, const QStringList &searchPath,
                                   const std::function<bool(const QString &path)> &isExecutable)
{
    if (program.isEmpty())
        return false;
    if (program.contains(u'/'))
        return isExecutable(program);
    for (const QString &folder : searchPath) {
        if (!folder.isEmpty() && isExecutable(folder + u'/' + program))
            return true;
    }
    return false;
}
