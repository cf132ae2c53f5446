#include "surfaces/systemfont.h"

#include <QApplication>

QFont SystemFont::ofSize(qreal points, QFont::Weight weight)
{
    QFont font = QApplication::font();
    const qreal base = font.pointSizeF() > 0 ? font.pointSizeF() : 10;
    font.setPointSizeF(base * points / standardPoints);
    font.setWeight(weight);
    return font;
}
