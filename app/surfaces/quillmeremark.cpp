#include "quillmeremark.h"

#include <QPainter>
#include <QPainterPath>

namespace QuillmereMark {

void draw(QPainter &painter, qreal side, const QColor &color)
{
    const qreal unit = side / 64.0;
    QPainterPath path;
    path.moveTo(31 * unit, 0);
    path.lineTo(62 * unit, 40 * unit);
    path.lineTo(0, 40 * unit);
    path.closeSubpath();
    path.addRoundedRect(QRectF(0, 51 * unit, 62 * unit, 13 * unit), 5 * unit, 5 * unit);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(path);
    painter.restore();
}

QImage image(int side, const QColor &color)
{
    QImage result(side, side, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    draw(painter, side, color);
    return result;
}

} // namespace QuillmereMark
