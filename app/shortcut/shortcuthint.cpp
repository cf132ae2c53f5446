#include "shortcut/shortcuthint.h"

#include "shortcuts/shortcutregistry.h"

using GlobalShortcuts::DeliveryState;

ShortcutHint::ShortcutHint(GlobalShortcuts::Registry *registry, GlobalShortcuts::Name name,
                           QWidget *parent)
    : QLabel(parent), m_registry(registry), m_name(std::move(name))
{
    setTextFormat(Qt::PlainText);
    if (m_registry) {
        const auto refreshFor = [this](const QString &changed) {
            if (changed == m_name.rawValue)
                refresh();
        };
        connect(m_registry, &GlobalShortcuts::Registry::shortcutByNameDidChange, this, refreshFor);
        connect(m_registry, &GlobalShortcuts::Registry::deliveryStatusChanged, this, refreshFor);
        connect(m_registry, &GlobalShortcuts::Registry::availabilityChanged, this,
                &ShortcutHint::refresh);
    }
    refresh();
}

QString ShortcutHint::textFor(const GlobalShortcuts::DeliveryStatus &status)
{
    switch (status.state) {
    case DeliveryState::delivered:
        if (status.trigger.isEmpty())
            //: Shortcut hint
            return tr("Works from any app");
        //: Shortcut hint once the desktop confirmed the key; %1 is the key as the desktop
        //: describes it
        return tr("%1 works from any app").arg(status.trigger);
    case DeliveryState::awaitingUser:
        //: Shortcut hint while the desktop waits for the user to give the shortcut a key
        return tr("Assign it in your desktop's keyboard shortcut settings");
    case DeliveryState::declined:
        //: Shortcut hint after the user declined the shortcut in the desktop's dialog
        return tr("Declined in the desktop's shortcut dialog");
    case DeliveryState::failed:
        //: Shortcut hint when the desktop refused the shortcut
        return tr("The desktop refused this shortcut");
    case DeliveryState::unsupported:
    case DeliveryState::none:
    case DeliveryState::pending:
        break;
    }
    return {};
}

void ShortcutHint::refresh()
{
    const QString hint = m_registry ? textFor(m_registry->deliveryStatus(m_name)) : QString();
    setText(hint);
    setVisible(!hint.isEmpty());
}
