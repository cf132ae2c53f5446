#include "stores/autostartentry.h"

#include "stores/desktopentry.h"

#include <QStringList>
#include <algorithm>

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
