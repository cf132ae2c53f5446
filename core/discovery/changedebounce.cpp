#include "discovery/changedebounce.h"

#include <algorithm>

namespace ChangeDebounce {

qint64 delayAfterEvent(qint64 firstPendingMs, qint64 nowMs)
{
    const qint64 untilCeiling = firstPendingMs + ceilingMs - nowMs;
    return std::clamp<qint64>(untilCeiling, 0, quietMs);
}

} // namespace ChangeDebounce
