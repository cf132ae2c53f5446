#pragma once

#include <QList>
#include <QtGlobal>
#include <optional>

namespace GlobalShortcuts {

// The key events of a hot-key connection with the keyboard's auto-repeat taken out. A held key
// repeats as a release and a press of the same key with the same time stamp; those pairs are
// no key-up and no new key-down. The pair may arrive in two reads, so a release that ends a
// read is held back until the next read shows what follows it, or until expire() says nothing
// did.
class KeyRepeatFilter {
public:
    struct KeyEvent {
        bool press = false;
        quint8 keycode = 0;
        quint32 time = 0;
        quint16 state = 0;

        bool operator==(const KeyEvent &) const = default;
    };

    // The events of one read, in order, without the repeat pairs; a release that ends the read
    // is held back.
    QList<KeyEvent> take(const QList<KeyEvent> &read);
    // A release is held back, waiting for the next read.
    bool isHoldingRelease() const { return m_heldRelease.has_value(); }
    // No press followed the held release: it was a real key-up, delivered now.
    std::optional<KeyEvent> expire();

private:
    std::optional<KeyEvent> m_heldRelease;
};

} // namespace GlobalShortcuts
