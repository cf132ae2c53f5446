#pragma once

#include "shortcuts/deliverystatus.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// Decisions of the desktop portal's GlobalShortcuts client that need no bus.
namespace GlobalShortcuts::PortalBinding {

// What the program asks the desktop to bind under a name.
struct Request {
    QString description;
    // In the portal's trigger syntax ("CTRL+ALT+e"); empty for none.
    QString preferredTrigger;

    bool operator==(const Request &) const = default;
};

// Names to bind: wanted ones that the desktop does not list, or that are wanted otherwise than
// when they were last bound. Binding opens the desktop's shortcut settings on some desktops, so
// a name the desktop knows and that did not change is never bound again.
QStringList namesToBind(const QMap<QString, Request> &wanted,
                        const QMap<QString, Request> &lastBound, const QSet<QString> &listed);

// The requests last bound, as kept in the settings (a JSON object by name), and back. Text that
// is not such an object reads as nothing bound, which costs one binding at most.
QString encode(const QMap<QString, Request> &bound);
QMap<QString, Request> decode(const QString &text);

// What the desktop said about one name in this session.
struct NameState {
    // It listed the name or answered a binding of it.
    bool answered = false;
    // The key it reports for the name; empty while none is assigned.
    QString triggerDescription;
    // The last binding was refused: declined or failed, otherwise none.
    DeliveryState refusal = DeliveryState::none;
};

// The row's state for a name with a stored combination on a desktop whose portal offers global
// shortcuts. A reported key wins: the user may assign one in the desktop's settings after
// declining the dialog.
DeliveryStatus deliveryStatus(const NameState &state);

} // namespace GlobalShortcuts::PortalBinding
