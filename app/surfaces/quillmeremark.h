#pragma once

#include <QColor>
#include <QImage>

class QPainter;

// The program's mark: an eject symbol (a triangle above a bar) on a 64-unit grid.
namespace QuillmereMark {
// Fills the mark into a square of the given side whose top left is the painter's origin.
void draw(QPainter &painter, qreal side, const QColor &color);
// The mark alone on a transparent square image of side × side pixels.
QImage image(int side, const QColor &color);
} // namespace QuillmereMark
