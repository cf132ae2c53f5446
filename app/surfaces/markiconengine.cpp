#include "surfaces/markiconengine.h"

#include "surfaces/quillmeremark.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

void MarkIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State)
{
    const int side = std::min(rect.width(), rect.height());
    painter->save();
    painter->translate(rect.x() + (rect.width() - side) / 2.0,
                       rect.y() + (rect.height() - side) / 2.0);
    QuillmereMark::draw(*painter, side, m_colour);
    painter->restore();
}

QPixmap MarkIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    QPixmap canvas(size);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    paint(&painter, canvas.rect(), mode, state);
    painter.end();
    if (mode == QIcon::Normal)
        return canvas;
    // Greyed or highlighted by the style, as an icon made of pixmaps would be.
    QStyleOption option;
    option.palette = QApplication::palette();
    return QApplication::style()->generatedIconPixmap(mode, canvas, &option);
}

QList<QSize> MarkIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (int side : {16, 32, 64, 128, 256})
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine *MarkIconEngine::clone() const
{
    return new MarkIconEngine(m_colour);
}
