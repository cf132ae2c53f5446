#include "x11hotkeyservice.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdlib>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

using GlobalShortcuts::KeyRepeatFilter;
using GlobalShortcuts::Shortcut;
namespace KeyMapping = GlobalShortcuts::KeyMapping;

namespace {

constexpr xcb_keysym_t numLockKeysym = 0xff7f;
constexpr xcb_keysym_t altKeysyms[] = {0xffe9, 0xffea, 0xffe7, 0xffe8}; // Alt_L/R, Meta_L/R
constexpr xcb_keysym_t superKeysyms[] = {0xffeb, 0xffec};               // Super_L/R

template <std::size_t N> bool contains(const xcb_keysym_t (&list)[N], xcb_keysym_t keysym)
{
    for (xcb_keysym_t entry : list) {
        if (entry == keysym)
            return true;
    }
    return false;
}

} // namespace

std::unique_ptr<X11HotKeyService> X11HotKeyService::open(const QByteArray &displayName)
{
    int screenNumber = 0;
    xcb_connection_t *connection =
        xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int n = 0; n < screenNumber && screens.rem; ++n)
        xcb_screen_next(&screens);
    if (!screens.rem) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<X11HotKeyService>(new X11HotKeyService(connection, screens.data->root));
}

X11HotKeyService::X11HotKeyService(xcb_connection_t *connection, quint32 root)
    : m_connection(connection), m_root(root), m_symbols(xcb_key_symbols_alloc(connection))
{
    readModifierMasks();
    m_notifier =
        new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { processEvents(); });
    // The press of a repeat follows its release within a few milliseconds.
    m_releaseWait = new QTimer(this);
    m_releaseWait->setSingleShot(true);
    m_releaseWait->setInterval(releaseWaitMs);
    connect(m_releaseWait, &QTimer::timeout, this, [this] { processEvents(true); });
}

X11HotKeyService::~X11HotKeyService()
{
    for (const Grab &entry : std::as_const(m_grabs))
        ungrab(entry);
    xcb_flush(m_connection);
    xcb_key_symbols_free(m_symbols);
    xcb_disconnect(m_connection);
}

void X11HotKeyService::readModifierMasks()
{
    KeyMapping::XModifierMasks masks;
    masks.alt = 0;
    masks.super = 0;
    masks.numLock = 0;
    xcb_get_modifier_mapping_reply_t *reply = xcb_get_modifier_mapping_reply(
        m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
    if (reply) {
        const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(reply);
        const int perModifier = reply->keycodes_per_modifier;
        // Rows 0 to 2 are Shift, Lock and Control; Mod1 to Mod5 follow.
        for (int row = 3; row < 8; ++row) {
            const auto bit = quint16(1u << row);
            for (int n = 0; n < perModifier; ++n) {
                const xcb_keycode_t keycode = keycodes[row * perModifier + n];
                if (keycode == 0)
                    continue;
                for (int column = 0; column < 4; ++column) {
                    const xcb_keysym_t keysym =
                        xcb_key_symbols_get_keysym(m_symbols, keycode, column);
                    if (keysym == numLockKeysym && !masks.numLock)
                        masks.numLock = bit;
                    else if (contains(altKeysyms, keysym) && !masks.alt)
                        masks.alt = bit;
                    else if (contains(superKeysyms, keysym) && !masks.super)
                        masks.super = bit;
                }
            }
        }
        std::free(reply);
    }
    // A keyboard without such a key still has the usual bits.
    const KeyMapping::XModifierMasks usual;
    m_masks.alt = masks.alt ? masks.alt : usual.alt;
    m_masks.super = masks.super ? masks.super : usual.super;
    m_masks.numLock = masks.numLock ? masks.numLock : usual.numLock;
    scheduleProcessing();
}

std::optional<X11HotKeyService::Grab> X11HotKeyService::resolve(const Shortcut &shortcut) const
{
    const std::optional<KeyMapping::Key> key = KeyMapping::forCarbonKeyCode(shortcut.carbonKeyCode);
    if (!key)
        return std::nullopt;
    Grab result;
    result.shortcut = shortcut;
    result.modifiers = KeyMapping::xModifiers(shortcut.carbonModifiers, m_masks);
    xcb_keycode_t *keycodes = xcb_key_symbols_get_keycode(m_symbols, key->keysym);
    if (keycodes) {
        for (xcb_keycode_t *code = keycodes; *code != XCB_NO_SYMBOL; ++code) {
            if (!result.keycodes.contains(*code))
                result.keycodes.append(*code);
        }
        std::free(keycodes);
    }
    if (result.keycodes.isEmpty())
        return std::nullopt;
    return result;
}

int X11HotKeyService::grab(const Grab &entry)
{
    std::vector<xcb_void_cookie_t> cookies;
    for (quint8 keycode : entry.keycodes) {
        for (quint16 locks : KeyMapping::lockVariants(m_masks)) {
            cookies.push_back(xcb_grab_key_checked(m_connection, 0, m_root, entry.modifiers | locks,
                                                   keycode, XCB_GRAB_MODE_ASYNC,
                                                   XCB_GRAB_MODE_ASYNC));
        }
    }
    int status = 0;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            if (status == 0)
                status = error->error_code;
            std::free(error);
        }
    }
    // Waiting for the answers may have queued events the socket will not announce again.
    scheduleProcessing();
    if (status != 0)
        ungrab(entry);
    return status;
}

void X11HotKeyService::ungrab(const Grab &entry)
{
    // Releases only our own grabs; another client's grab of the combination stays.
    for (quint8 keycode : entry.keycodes) {
        for (quint16 locks : KeyMapping::lockVariants(m_masks))
            xcb_ungrab_key(m_connection, keycode, m_root, entry.modifiers | locks);
    }
    xcb_flush(m_connection);
}

int X11HotKeyService::registerHotKey(quint32 id, const Shortcut &shortcut, const QString &)
{
    const std::optional<Grab> entry = resolve(shortcut);
    if (!entry)
        return statusNoSuchKey;
    const int status = grab(*entry);
    if (status == 0)
        m_grabs.insert(id, *entry);
    return status;
}

void X11HotKeyService::unregisterHotKey(quint32 id)
{
    const auto it = m_grabs.constFind(id);
    if (it == m_grabs.cend())
        return;
    const Grab entry = *it;
    m_grabs.erase(it);
    // Another id may hold the same keys (re-registered under a new id); keep its grab.
    for (const Grab &other : std::as_const(m_grabs)) {
        if (other.keycodes == entry.keycodes && other.modifiers == entry.modifiers)
            return;
    }
    if (m_pressedId == id)
        m_pressedId.reset();
    ungrab(entry);
}

int X11HotKeyService::probe(const Shortcut &shortcut)
{
    const std::optional<Grab> entry = resolve(shortcut);
    if (!entry)
        return statusNoSuchKey;
    for (const Grab &held : std::as_const(m_grabs)) {
        // Grabbing again what we hold would succeed, and ungrabbing would release ours.
        if (held.keycodes == entry->keycodes && held.modifiers == entry->modifiers)
            return 0;
    }
    const int status = grab(*entry);
    if (status == 0)
        ungrab(*entry);
    return status;
}

std::optional<qint64> X11HotKeyService::carbonKeyCode(quint32 nativeScanCode) const
{
    if (nativeScanCode == 0 || nativeScanCode > 255)
        return std::nullopt;
    // The unshifted symbol first, then the shifted one (keypad digits sit there).
    for (int column = 0; column < 2; ++column) {
        const xcb_keysym_t keysym =
            xcb_key_symbols_get_keysym(m_symbols, xcb_keycode_t(nativeScanCode), column);
        if (const std::optional<KeyMapping::Key> key = KeyMapping::forKeysym(keysym))
            return key->carbonKeyCode;
    }
    return std::nullopt;
}

void X11HotKeyService::scheduleProcessing()
{
    if (m_processingScheduled)
        return;
    m_processingScheduled = true;
    QTimer::singleShot(0, this, [this] { processEvents(); });
}

void X11HotKeyService::processEvents(bool releaseWaitOver)
{
    m_processingScheduled = false;
    std::vector<xcb_generic_event_t *> events;
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
        events.push_back(event);
    if (xcb_connection_has_error(m_connection))
        m_notifier->setEnabled(false);

    QList<KeyRepeatFilter::KeyEvent> keys;
    for (xcb_generic_event_t *event : events) {
        const quint8 type = event->response_type & 0x7f;
        if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
            // Press and release events share one layout.
            const auto *key = reinterpret_cast<xcb_key_press_event_t *>(event);
            keys.append({type == XCB_KEY_PRESS, key->detail, key->time, key->state});
        } else if (type == XCB_MAPPING_NOTIFY) {
            auto *mapping = reinterpret_cast<xcb_mapping_notify_event_t *>(event);
            xcb_refresh_keyboard_mapping(m_symbols, mapping);
            if (mapping->request != XCB_MAPPING_POINTER)
                keyboardChanged();
        }
    }
    for (xcb_generic_event_t *event : events)
        std::free(event);

    QList<KeyRepeatFilter::KeyEvent> kept = m_repeats.take(keys);
    // Nothing came after the held release while we waited: the key went up.
    if (releaseWaitOver && keys.isEmpty()) {
        if (const std::optional<KeyRepeatFilter::KeyEvent> release = m_repeats.expire())
            kept.append(*release);
    }
    if (m_repeats.isHoldingRelease())
        m_releaseWait->start();

    QPointer<X11HotKeyService> self(this);
    for (const KeyRepeatFilter::KeyEvent &key : std::as_const(kept)) {
        if (!self)
            return;
        if (key.press)
            keyPressed(key.keycode, key.state);
        else
            keyReleased(key.keycode);
    }
}

void X11HotKeyService::keyPressed(quint8 keycode, quint16 state)
{
    const quint16 relevant = KeyMapping::XModifierMasks::control |
                             KeyMapping::XModifierMasks::shift | m_masks.alt | m_masks.super;
    for (auto it = m_grabs.cbegin(); it != m_grabs.cend(); ++it) {
        if (!it->keycodes.contains(keycode) || (state & relevant) != it->modifiers)
            continue;
        if (m_pressedId == it.key())
            return;
        m_pressedId = it.key();
        m_pressedKeycode = keycode;
        if (onHotKeyEvent)
            onHotKeyEvent(it.key(), true);
        return;
    }
}

void X11HotKeyService::keyReleased(quint8 keycode)
{
    if (!m_pressedId || keycode != m_pressedKeycode)
        return;
    const quint32 id = *m_pressedId;
    m_pressedId.reset();
    if (onHotKeyEvent)
        onHotKeyEvent(id, false);
}

void X11HotKeyService::keyboardChanged()
{
    // Keys may have moved: take every grab again at its new place.
    const QMap<quint32, Grab> previous = m_grabs;
    for (const Grab &entry : previous)
        ungrab(entry);
    readModifierMasks();
    m_grabs.clear();
    m_pressedId.reset();
    for (auto it = previous.cbegin(); it != previous.cend(); ++it) {
        const std::optional<Grab> entry = resolve(it->shortcut);
        const int status = entry ? grab(*entry) : statusNoSuchKey;
        if (status == 0)
            m_grabs.insert(it.key(), *entry);
        else if (onRegistrationFailed)
            onRegistrationFailed(it.key(), status, QString());
    }
}

// Compiled here rather than with the library's other meta-object code, so that programs without
// a global shortcut (quillmere-cli) do not link this file and the X11 libraries.
#include "moc_x11hotkeyservice.cpp"
