#include "shell/desktopactions.h"

#include <QStringList>

namespace DesktopActions {

QString name(DesktopAction action)
{
    switch (action) {
    case DesktopAction::open:
        return QStringLiteral("open");
    case DesktopAction::ejectAll:
        return QStringLiteral("eject-all");
    case DesktopAction::history:
        return QStringLiteral("history");
    case DesktopAction::preferences:
        return QStringLiteral("preferences");
    case DesktopAction::openVolumes:
        return QStringLiteral("open-volumes");
    case DesktopAction::diskUtility:
        return QStringLiteral("disk-utility");
    }
    return {};
}

std::optional<DesktopAction> fromName(const QString &text)
{
    for (DesktopAction action : all()) {
        if (name(action) == text)
            return action;
    }
    return std::nullopt;
}

const QList<DesktopAction> &all()
{
    static const QList<DesktopAction> actions{
        DesktopAction::open,        DesktopAction::ejectAll,    DesktopAction::history,
        DesktopAction::preferences, DesktopAction::openVolumes, DesktopAction::diskUtility};
    return actions;
}

QStringList names()
{
    QStringList result;
    for (DesktopAction action : all())
        result.append(name(action));
    return result;
}

} // namespace DesktopActions
