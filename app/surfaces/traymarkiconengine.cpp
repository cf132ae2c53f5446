#include "surfaces/traymarkiconengine.h"

#include "surfaces/quillmeremark.h"

#include <QPainter>
#include <QPixmap>
#include <QtMath>
#include <algorithm>

TrayMarkIconEngine::TrayMarkIconEngine(QColor fill, QColor outline, bool named)
    : m_fill(fill), m_outline(outline), m_named(named)
{
}

QString TrayMarkIconEngine::iconName()
{
    return m_named ? QString::fromLatin1(themeName) : QString();
}

void TrayMarkIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State)
{
    const int side = std::min(rect.width(), rect.height());
    // The outline takes a margin so that it is not cut at the edges: about 1 pixel at 16.
    const qreal halo = std::max(1.0, side / 16.0);
    const qreal inner = side - 2 * halo;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.x() + (rect.width() - side) / 2.0 + halo,
                       rect.y() + (rect.height() - side) / 2.0 + halo);
    // The mark shifted round a circle in the outline colour, then the mark itself on top.
    for (int step = 0; step < 8; ++step) {
        const qreal angle = step * M_PI / 4;
        painter->save();
        painter->translate(halo * qCos(angle), halo * qSin(angle));
        QuillmereMark::draw(*painter, inner, m_outline);
        painter->restore();
    }
    QuillmereMark::draw(*painter, inner, m_fill);
    painter->restore();
}

QPixmap TrayMarkIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    QPixmap canvas(size);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    paint(&painter, canvas.rect(), mode, state);
    painter.end();
    return canvas;
}

QList<QSize> TrayMarkIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    // The sizes exported to tray hosts that take pixmaps.
    QList<QSize> sizes;
    for (int side : {16, 22, 32, 48, 64})
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine *TrayMarkIconEngine::clone() const
{
    return new TrayMarkIconEngine(m_fill, m_outline, m_named);
}
