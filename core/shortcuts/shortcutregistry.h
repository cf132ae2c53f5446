#pragma once

#include "shortcuts/hotkeyservice.h"
#include "shortcuts/shortcut.h"
#include "shortcuts/shortcutname.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <functional>
#include <memory>
#include <optional>

class SettingsStore;

namespace GlobalShortcuts {

// The named shortcuts of the process: each name's combination lives in the user defaults, the
// combinations are registered with the desktop's hot-key service, and a pressed or released
// combination runs the callbacks of every name that holds it. Main thread only.
class Registry : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void()>;

    // Without a service the desktop offers no global shortcuts: names and storage still work,
    // nothing is registered.
    Registry(SettingsStore &defaults, std::unique_ptr<HotKeyService> service,
             QObject *parent = nullptr);
    ~Registry() override;

    // Makes a name known; a default combination is stored when the settings hold nothing
    // under the name's key.
    void declare(const Name &name);

    void onKeyDown(const Name &name, Action action);
    void onKeyUp(const Name &name, Action action);

    // None when the key is absent, holds something other than text, or the text is not a
    // shortcut.
    std::optional<Shortcut> shortcut(const Name &name) const;
    // Stores a combination, or clears it with none.
    void setShortcut(const std::optional<Shortcut> &shortcut, const Name &name);
    bool settingsContain(const Name &name) const;

    bool isAvailable() const;
    // What the desktop does with the name's stored combination, for the preferences row.
    DeliveryStatus deliveryStatus(const Name &name) const;
    HotKeyService *service() const { return m_service.get(); }

    // A menu of this process opened or closed: hot keys the service cannot deliver meanwhile
    // are taken back and raw key events stand in for them.
    void setMenuOpen(bool open);
    bool isMenuOpen() const { return m_menuOpen; }
    bool listensToRawKeys() const { return m_listensToRawKeys; }
    // A key event seen while a menu is open, modifiers in the stored encoding. True when it is
    // one of our hot keys (the event is then ours).
    bool handleRawKeyEvent(const Shortcut &pressed, bool keyDown);

    // A recorder started or ended recording; no callback runs meanwhile.
    void setRecorderActive(bool active);
    bool isPaused() const { return m_paused; }

    // Whether another program holds the combination (prints the diagnostic line when it does).
    // Combinations we registered ourselves are not taken.
    bool isTakenElsewhere(const Shortcut &shortcut);

    QSet<Shortcut> registeredShortcuts() const { return m_registeredShortcuts; }
    // Combinations in the hot-key table, and whether each is registered with the service now.
    QList<std::pair<Shortcut, bool>> hotKeys() const;

    // Receives the diagnostic lines; prints them to standard output unless replaced.
    std::function<void(const QString &line)> diagnostic;

signals:
    void shortcutByNameDidChange(const QString &name);
    void recorderActiveStatusDidChange(bool isActive);
    void availabilityChanged(bool available);
    // What deliveryStatus answers for the name may have changed.
    void deliveryStatusChanged(const QString &name);

private:
    struct HotKey {
        Shortcut shortcut;
        QString name;
        bool registered = false;
    };

    void registerShortcut(const Shortcut &shortcut, const QString &name);
    void unregisterShortcut(const Shortcut &shortcut);
    void updateEventHandler();
    void handleHotKeyEvent(quint32 id, bool pressed);
    void handleRegistrationFailure(quint32 id, int status, const QString &reason);
    void dispatch(const Shortcut &pressed, bool keyDown);
    // The diagnostic line, with the desktop's reason after it when there is one.
    void reportRegistrationError(const Shortcut &shortcut, int status,
                                 const QString &reason = QString());
    void addAction(QMap<QString, QList<Action>> &handlers, const Name &name, Action action);

    SettingsStore &m_settings;
    std::unique_ptr<HotKeyService> m_service;
    QMap<QString, Name> m_names;
    QMap<QString, QList<Action>> m_keyDownHandlers;
    QMap<QString, QList<Action>> m_keyUpHandlers;
    QSet<Shortcut> m_registeredShortcuts;
    // By id, so the first entry of a combination is the oldest.
    QMap<quint32, HotKey> m_hotKeys;
    qint64 m_hotKeyId = 0;
    bool m_paused = false;
    bool m_menuOpen = false;
    bool m_handlerInstalled = false;
    bool m_listensToRawKeys = false;
    // The hot key whose key went down on the menu path and has not come up yet.
    std::optional<Shortcut> m_rawKeyDown;
};

} // namespace GlobalShortcuts
