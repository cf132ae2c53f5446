#pragma once

#include <QColor>
#include <QPalette>

// The label shades the surfaces share, taken from the widget's palette so dark themes work.
namespace SystemColours {

inline QColor secondaryLabel(const QPalette &palette)
{
    QColor colour = palette.color(QPalette::Active, QPalette::WindowText);
    colour.setAlphaF(0.6);
    return colour;
}

inline QColor tertiaryLabel(const QPalette &palette)
{
    QColor colour = palette.color(QPalette::Active, QPalette::WindowText);
    colour.setAlphaF(0.35);
    return colour;
}

inline QColor activityGreen()
{
    return QColor(52, 199, 89);
}

inline QColor systemGreen()
{
    return QColor(40, 167, 69);
}

inline QColor systemRed()
{
    return QColor(215, 58, 73);
}

} // namespace SystemColours
