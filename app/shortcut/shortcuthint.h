#pragma once

#include "shortcuts/deliverystatus.h"
#include "shortcuts/shortcutname.h"

#include <QLabel>
#include <QPointer>

namespace GlobalShortcuts {
class Registry;
}

// The hint beside a shortcut recorder: what the desktop does with the name's combination, in
// its own words where it gives them. It claims "works from any app" only when the desktop
// confirmed a key, and is hidden while there is nothing to tell (no combination, no answer yet,
// or no global shortcuts at all, which the recorder itself says).
class ShortcutHint : public QLabel {
    Q_OBJECT
public:
    // A null registry means no global shortcuts on this desktop.
    ShortcutHint(GlobalShortcuts::Registry *registry, GlobalShortcuts::Name name,
                 QWidget *parent = nullptr);

    // The hint for a state; empty where the row shows none.
    static QString textFor(const GlobalShortcuts::DeliveryStatus &status);

private:
    void refresh();

    QPointer<GlobalShortcuts::Registry> m_registry;
    GlobalShortcuts::Name m_name;
};
