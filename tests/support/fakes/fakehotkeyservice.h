#pragma once

// Stands in for the desktop's hot-key service: keeps what the names layer registered and lets
// a test press and release a registered combination.

#include "shortcuts/hotkeyservice.h"

#include <QHash>
#include <QList>
#include <QMap>

class FakeHotKeyService : public GlobalShortcuts::HotKeyService {
public:
    struct Registration {
        quint32 id;
        GlobalShortcuts::Shortcut shortcut;
        QString name;
    };

    bool available = true;
    bool menuPath = true;
    // Answers of registerHotKey (0 = accepted), by combination; absent = accepted.
    QHash<GlobalShortcuts::Shortcut, int> refusals;
    int probeStatus = 0;
    QList<GlobalShortcuts::Shortcut> probed;
    QList<Registration> registrations;
    QList<quint32> unregistrations;
    QMap<quint32, GlobalShortcuts::Shortcut> active;

    bool isAvailable() const override { return available; }
    int registerHotKey(quint32 id, const GlobalShortcuts::Shortcut &shortcut,
                       const QString &name) override
    {
        registrations.append({id, shortcut, name});
        const int status = refusals.value(shortcut, 0);
        if (status == 0)
            active.insert(id, shortcut);
        return status;
    }
    void unregisterHotKey(quint32 id) override
    {
        unregistrations.append(id);
        active.remove(id);
    }
    int probe(const GlobalShortcuts::Shortcut &shortcut) override
    {
        probed.append(shortcut);
        return probeStatus;
    }
    bool needsMenuPath() const override { return menuPath; }
    std::optional<qint64> carbonKeyCode(quint32 scanCode) const override
    {
        if (!scanCodes.contains(scanCode))
            return std::nullopt;
        return scanCodes.value(scanCode);
    }

    // Sets what carbonKeyCode answers for native scan codes.
    QHash<quint32, qint64> scanCodes;

    // What the desktop does when the user presses and releases a combination.
    void press(const GlobalShortcuts::Shortcut &shortcut)
    {
        for (auto it = active.cbegin(); it != active.cend(); ++it) {
            if (it.value() == shortcut) {
                const quint32 id = it.key();
                onHotKeyEvent(id, true);
                onHotKeyEvent(id, false);
                return;
            }
        }
    }
};
