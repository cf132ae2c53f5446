#pragma once

#include <QFont>

// Sizes in the layouts are given for a 13-point standard font; the desktop's own standard font
// (often 10 or 11 points) takes that place, and every other size scales with it.
namespace SystemFont {

inline constexpr qreal standardPoints = 13;

QFont ofSize(qreal points, QFont::Weight weight = QFont::Normal);

} // namespace SystemFont
