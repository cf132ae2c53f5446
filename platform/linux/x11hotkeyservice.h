#pragma once

#include "shortcuts/hotkeyservice.h"
#include "shortcuts/keymapping.h"
#include "shortcuts/keyrepeatfilter.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <memory>
#include <optional>

class QSocketNotifier;
class QTimer;
struct xcb_connection_t;
struct _XCBKeySymbols;

// Hot keys on X11: a passive grab of each combination on the root window, in all four states
// of NumLock and CapsLock, over a connection of its own. Another client's grab of the same
// combination refuses ours with BadAccess (10). While a menu of ours holds the keyboard the
// server delivers the keys to the menu instead, so this service needs the menu path.
class X11HotKeyService : public QObject, public GlobalShortcuts::HotKeyService {
    Q_OBJECT
public:
    // Null when the display cannot be reached; an empty name means $DISPLAY.
    static std::unique_ptr<X11HotKeyService> open(const QByteArray &displayName = {});
    ~X11HotKeyService() override;

    bool isAvailable() const override { return true; }
    int registerHotKey(quint32 id, const GlobalShortcuts::Shortcut &shortcut,
                       const QString &name) override;
    void unregisterHotKey(quint32 id) override;
    int probe(const GlobalShortcuts::Shortcut &shortcut) override;
    bool needsMenuPath() const override { return true; }
    std::optional<qint64> carbonKeyCode(quint32 nativeScanCode) const override;

    GlobalShortcuts::KeyMapping::XModifierMasks modifierMasks() const { return m_masks; }

    // Status of a combination whose key this keyboard does not have (BadValue).
    static constexpr int statusNoSuchKey = 2;

private:
    struct Grab {
        GlobalShortcuts::Shortcut shortcut;
        QList<quint8> keycodes;
        quint16 modifiers = 0;
    };

    X11HotKeyService(xcb_connection_t *connection, quint32 root);
    // Keycodes and modifiers of the combination on this keyboard; none without such a key.
    std::optional<Grab> resolve(const GlobalShortcuts::Shortcut &shortcut) const;
    // 0, or the first X error; nothing stays grabbed after an error.
    int grab(const Grab &grab);
    void ungrab(const Grab &grab);
    void readModifierMasks();
    void keyboardChanged();
    // Reads what the server sent. After the wait for a held release, an empty read means the
    // key really went up.
    void processEvents(bool releaseWaitOver = false);
    void scheduleProcessing();
    void keyPressed(quint8 keycode, quint16 state);
    void keyReleased(quint8 keycode);

    xcb_connection_t *m_connection;
    quint32 m_root;
    _XCBKeySymbols *m_symbols;
    QSocketNotifier *m_notifier;
    GlobalShortcuts::KeyMapping::XModifierMasks m_masks;
    QMap<quint32, Grab> m_grabs;
    std::optional<quint32> m_pressedId;
    quint8 m_pressedKeycode = 0;
    bool m_processingScheduled = false;
    GlobalShortcuts::KeyRepeatFilter m_repeats;
    QTimer *m_releaseWait = nullptr;
    static constexpr int releaseWaitMs = 30;
};
