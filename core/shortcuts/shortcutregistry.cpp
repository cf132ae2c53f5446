#include "shortcuts/shortcutregistry.h"

#include "shortcuts/keymapping.h"
#include "stores/settingsstore.h"

#include <cstdio>
#include <limits>
#include <utility>

namespace GlobalShortcuts {

namespace {

constexpr qint64 maxHotKeyValue = std::numeric_limits<quint32>::max();
// Status of a registration whose values the service cannot take.
constexpr int statusOutOfRange = -1;

bool fits(qint64 value)
{
    return value >= 0 && value <= maxHotKeyValue;
}

} // namespace

Registry::Registry(SettingsStore &defaults, std::unique_ptr<HotKeyService> service, QObject *parent)
    : QObject(parent), m_settings(defaults), m_service(std::move(service))
{
    diagnostic = [](const QString &line) {
        std::fputs(line.toLocal8Bit().constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    };
    if (!m_service)
        return;
    m_service->onHotKeyEvent = [this](quint32 id, bool pressed) { handleHotKeyEvent(id, pressed); };
    m_service->onRegistrationFailed = [this](quint32 id, int status, const QString &reason) {
        handleRegistrationFailure(id, status, reason);
    };
    m_service->onAvailabilityChanged = [this] { emit availabilityChanged(isAvailable()); };
    m_service->onDeliveryStatusChanged = [this](const QString &name) {
        emit deliveryStatusChanged(name);
    };
}

Registry::~Registry()
{
    if (!m_service)
        return;
    m_service->onHotKeyEvent = nullptr;
    m_service->onRegistrationFailed = nullptr;
    m_service->onAvailabilityChanged = nullptr;
    m_service->onDeliveryStatusChanged = nullptr;
    for (auto it = m_hotKeys.cbegin(); it != m_hotKeys.cend(); ++it) {
        if (it->registered)
            m_service->unregisterHotKey(it.key());
    }
}

bool Registry::isAvailable() const
{
    return m_service && m_service->isAvailable();
}

DeliveryStatus Registry::deliveryStatus(const Name &name) const
{
    if (!isAvailable())
        return {DeliveryState::unsupported, {}};
    if (!shortcut(name))
        return {DeliveryState::none, {}};
    if (const std::optional<DeliveryStatus> status = m_service->deliveryStatus(name.rawValue))
        return *status;
    for (const HotKey &hotKey : m_hotKeys) {
        if (hotKey.name == name.rawValue)
            return {DeliveryState::delivered, {}};
    }
    // Nothing asked for the name's key yet, or the desktop refused it.
    if (m_keyDownHandlers.contains(name.rawValue) || m_keyUpHandlers.contains(name.rawValue))
        return {DeliveryState::failed, {}};
    return {DeliveryState::pending, {}};
}

void Registry::declare(const Name &name)
{
    m_names.insert(name.rawValue, name);
    if (name.defaultShortcut && !settingsContain(name))
        setShortcut(name.defaultShortcut, name);
}

void Registry::addAction(QMap<QString, QList<Action>> &handlers, const Name &name, Action action)
{
    handlers[name.rawValue].append(std::move(action));
    const std::optional<Shortcut> stored = shortcut(name);
    if (stored && !m_registeredShortcuts.contains(*stored)) {
        registerShortcut(*stored, name.rawValue);
        m_registeredShortcuts.insert(*stored);
    }
}

void Registry::onKeyDown(const Name &name, Action action)
{
    addAction(m_keyDownHandlers, name, std::move(action));
}

void Registry::onKeyUp(const Name &name, Action action)
{
    addAction(m_keyUpHandlers, name, std::move(action));
}

std::optional<Shortcut> Registry::shortcut(const Name &name) const
{
    const std::optional<QString> text = m_settings.string(name.settingsKey());
    if (!text)
        return std::nullopt;
    return Shortcut::fromJson(*text);
}

bool Registry::settingsContain(const Name &name) const
{
    return m_settings.contains(name.settingsKey());
}

void Registry::setShortcut(const std::optional<Shortcut> &shortcut, const Name &name)
{
    const std::optional<Shortcut> old = this->shortcut(name);
    if (shortcut) {
        const QString json = shortcut->toJson();
        if (old) {
            unregisterShortcut(*old);
            m_registeredShortcuts.remove(*old);
        }
        if (!m_registeredShortcuts.contains(*shortcut)) {
            registerShortcut(*shortcut, name.rawValue);
            m_registeredShortcuts.insert(*shortcut);
        }
        m_settings.setString(name.settingsKey(), json);
        emit shortcutByNameDidChange(name.rawValue);
        return;
    }

    if (!old)
        return;
    // False rather than nothing, so that the default is not stored again at the next start.
    if (name.defaultShortcut)
        m_settings.setBool(name.settingsKey(), false);
    else
        m_settings.remove(name.settingsKey());
    unregisterShortcut(*old);
    m_registeredShortcuts.remove(*old);
    emit shortcutByNameDidChange(name.rawValue);
}

void Registry::registerShortcut(const Shortcut &shortcut, const QString &name)
{
    if (!m_service)
        return;
    ++m_hotKeyId;
    if (!fits(shortcut.carbonKeyCode) || !fits(shortcut.carbonModifiers) || !fits(m_hotKeyId)) {
        reportRegistrationError(shortcut, statusOutOfRange);
        return;
    }
    const auto id = static_cast<quint32>(m_hotKeyId);
    const int status = m_service->registerHotKey(id, shortcut, name);
    if (status != 0) {
        reportRegistrationError(shortcut, status);
        return;
    }
    m_hotKeys.insert(id, HotKey{shortcut, name, true});
    if (!m_handlerInstalled) {
        m_handlerInstalled = true;
        updateEventHandler();
    }
}

void Registry::unregisterShortcut(const Shortcut &shortcut)
{
    for (auto it = m_hotKeys.begin(); it != m_hotKeys.end();) {
        if (it->shortcut.carbonKeyCode == shortcut.carbonKeyCode &&
            it->shortcut.carbonModifiers == shortcut.carbonModifiers) {
            if (it->registered && m_service)
                m_service->unregisterHotKey(it.key());
            it = m_hotKeys.erase(it);
        } else {
            ++it;
        }
    }
}

void Registry::setMenuOpen(bool open)
{
    if (open == m_menuOpen)
        return;
    m_menuOpen = open;
    updateEventHandler();
}

void Registry::updateEventHandler()
{
    if (!m_handlerInstalled || !m_service)
        return;
    if (m_menuOpen && m_service->needsMenuPath()) {
        for (auto it = m_hotKeys.begin(); it != m_hotKeys.end(); ++it) {
            if (it->registered) {
                m_service->unregisterHotKey(it.key());
                it->registered = false;
            }
        }
        m_listensToRawKeys = true;
        m_rawKeyDown.reset();
        return;
    }
    for (auto it = m_hotKeys.begin(); it != m_hotKeys.end(); ++it) {
        if (it->registered)
            continue;
        const int status = m_service->registerHotKey(it.key(), it->shortcut, it->name);
        if (status == 0)
            it->registered = true;
        else
            reportRegistrationError(it->shortcut, status);
    }
    m_listensToRawKeys = false;
}

void Registry::handleHotKeyEvent(quint32 id, bool pressed)
{
    const auto it = m_hotKeys.constFind(id);
    if (it == m_hotKeys.cend())
        return;
    dispatch(it->shortcut, pressed);
}

void Registry::handleRegistrationFailure(quint32 id, int status, const QString &reason)
{
    const auto it = m_hotKeys.constFind(id);
    if (it == m_hotKeys.cend())
        return;
    const Shortcut shortcut = it->shortcut;
    const QString name = it->name;
    m_hotKeys.remove(id);
    reportRegistrationError(shortcut, status, reason);
    emit deliveryStatusChanged(name);
}

bool Registry::handleRawKeyEvent(const Shortcut &pressed, bool keyDown)
{
    if (!m_listensToRawKeys)
        return false;
    // The key-up of a combination is the release of its key, whichever modifiers were let go
    // first (the X grab behaves the same).
    if (!keyDown && m_rawKeyDown && m_rawKeyDown->carbonKeyCode == pressed.carbonKeyCode) {
        const Shortcut shortcut = *std::exchange(m_rawKeyDown, std::nullopt);
        dispatch(shortcut, false);
        return true;
    }
    const qint64 modifiers = pressed.carbonModifiers & CarbonModifier::hotKeyMask;
    for (const HotKey &hotKey : std::as_const(m_hotKeys)) {
        if (hotKey.shortcut.carbonKeyCode == pressed.carbonKeyCode &&
            hotKey.shortcut.carbonModifiers == modifiers) {
            const Shortcut shortcut = hotKey.shortcut;
            m_rawKeyDown = keyDown ? std::optional<Shortcut>(shortcut) : std::nullopt;
            dispatch(shortcut, keyDown);
            return true;
        }
    }
    return false;
}

void Registry::dispatch(const Shortcut &pressed, bool keyDown)
{
    if (m_paused)
        return;
    // Copies: a callback may register further callbacks.
    const QMap<QString, QList<Action>> handlers = keyDown ? m_keyDownHandlers : m_keyUpHandlers;
    for (auto it = handlers.cbegin(); it != handlers.cend(); ++it) {
        const Name name = m_names.value(it.key(), Name{it.key(), std::nullopt});
        if (shortcut(name) != pressed)
            continue;
        for (const Action &action : it.value()) {
            if (action)
                action();
        }
    }
}

void Registry::setRecorderActive(bool active)
{
    m_paused = active;
    emit recorderActiveStatusDidChange(active);
}

bool Registry::isTakenElsewhere(const Shortcut &shortcut)
{
    if (!m_service || m_registeredShortcuts.contains(shortcut))
        return false;
    for (const HotKey &hotKey : std::as_const(m_hotKeys)) {
        if (hotKey.shortcut == shortcut)
            return false;
    }
    const int status = m_service->probe(shortcut);
    if (status == 0)
        return false;
    reportRegistrationError(shortcut, status);
    return true;
}

QList<std::pair<Shortcut, bool>> Registry::hotKeys() const
{
    QList<std::pair<Shortcut, bool>> list;
    for (const HotKey &hotKey : m_hotKeys)
        list.append({hotKey.shortcut, hotKey.registered});
    return list;
}

void Registry::reportRegistrationError(const Shortcut &shortcut, int status, const QString &reason)
{
    if (!diagnostic)
        return;
    QString line = QStringLiteral("Error registering hotkey %1: %2")
                       .arg(KeyMapping::description(shortcut))
                       .arg(status);
    if (!reason.isEmpty())
        line += QStringLiteral(" (%1)").arg(reason);
    diagnostic(line);
}

} // namespace GlobalShortcuts
