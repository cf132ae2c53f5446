#include "shortcuts/keyrepeatfilter.h"

#include <utility>

namespace GlobalShortcuts {

namespace {

bool isRepeatOf(const KeyRepeatFilter::KeyEvent &release, const KeyRepeatFilter::KeyEvent &next)
{
    return next.press && next.keycode == release.keycode && next.time == release.time;
}

} // namespace

QList<KeyRepeatFilter::KeyEvent> KeyRepeatFilter::take(const QList<KeyEvent> &read)
{
    QList<KeyEvent> events;
    if (m_heldRelease)
        events.append(*std::exchange(m_heldRelease, std::nullopt));
    events.append(read);

    QList<KeyEvent> kept;
    for (qsizetype n = 0; n < events.size(); ++n) {
        const KeyEvent &event = events.at(n);
        if (event.press) {
            kept.append(event);
            continue;
        }
        if (n + 1 == events.size()) {
            m_heldRelease = event;
            break;
        }
        if (isRepeatOf(event, events.at(n + 1))) {
            ++n;
            continue;
        }
        kept.append(event);
    }
    return kept;
}

std::optional<KeyRepeatFilter::KeyEvent> KeyRepeatFilter::expire()
{
    return std::exchange(m_heldRelease, std::nullopt);
}

} // namespace GlobalShortcuts
