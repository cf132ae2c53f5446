#include "surfaces/fanview.h"

#include "format/fangeometry.h"
#include "surfaces/systemfont.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

QFont pillFont()
{
    return SystemFont::ofSize(13);
}

} // namespace

FanView::FanView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

double FanView::pillTextWidth(const QString &title)
{
    return QFontMetricsF(pillFont()).horizontalAdvance(title);
}

QPixmap FanView::renderPicture(const QString &title, const QPixmap &icon, double iconSize,
                               double pillBottom, qreal devicePixelRatio)
{
    const double pillWidth = FanGeometry::pillWidth(pillTextWidth(title));
    const double inset = pillWidth + FanGeometry::pillGap;
    const QSizeF size(inset + iconSize, iconSize);
    const qreal ratio = 2 * devicePixelRatio;
    QPixmap picture((size * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF pill(0, size.height() - pillBottom - FanGeometry::pillHeight, pillWidth,
                      FanGeometry::pillHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgbF(0, 0, 0, pillOpacity));
    painter.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);

    painter.setFont(pillFont());
    painter.setPen(QColor::fromRgbF(1, 1, 1, textOpacity));
    const QFontMetricsF metrics(painter.font());
    const double baseline = pill.top() + (pill.height() - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(QPointF(pill.left() + FanGeometry::pillTextLeft, baseline), title);

    if (!icon.isNull()) {
        const QSizeF fitted = (QSizeF(icon.size()) / icon.devicePixelRatio())
                                  .scaled(QSizeF(iconSize, iconSize), Qt::KeepAspectRatio);
        const QRectF target(inset + (iconSize - fitted.width()) / 2,
                            (iconSize - fitted.height()) / 2, fitted.width(), fitted.height());
        painter.drawPixmap(target, icon, QRectF(icon.rect()));
    }
    painter.end();
    return picture;
}

void FanView::setItems(QList<Item> items, QPointF launchPoint)
{
    m_items = std::move(items);
    m_launchPoint = launchPoint;
    m_pressed = -1;
    update();
}

void FanView::setPose(double travel, double launchScale, double opacity)
{
    m_travel = travel;
    m_launchScale = launchScale;
    m_opacity = opacity;
    update();
}

QTransform FanView::transformOf(int index) const
{
    const Item &item = m_items.at(index);
    const QPointF centre = m_launchPoint + (item.restingIconCentre - m_launchPoint) * m_travel;
    const double scale = m_launchScale + (1 - m_launchScale) * m_travel;
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(item.tilt);
    transform.scale(scale, scale);
    transform.translate(-(item.iconInset + item.iconSize / 2), -item.size.height() / 2);
    return transform;
}

int FanView::itemAt(QPointF point) const
{
    // The last drawn lies on top.
    for (int i = int(m_items.size()) - 1; i >= 0; --i) {
        bool invertible = false;
        const QTransform inverse = transformOf(i).inverted(&invertible);
        if (invertible && QRectF(QPointF(), m_items.at(i).size).contains(inverse.map(point)))
            return i;
    }
    return -1;
}

void FanView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items.at(i);
        painter.setTransform(transformOf(i));
        painter.setOpacity(m_opacity * (item.dimmed ? dimmedOpacity : 1.0));
        painter.drawPixmap(QRectF(QPointF(), item.size), item.picture, QRectF(item.picture.rect()));
    }
}

void FanView::mousePressEvent(QMouseEvent *event)
{
    const int index = itemAt(event->position());
    if (index < 0) {
        // Empty room between the items is outside the fan: the panel decides.
        event->ignore();
        return;
    }
    m_pressed = event->button() == Qt::LeftButton ? index : -1;
    event->accept();
}

void FanView::mouseReleaseEvent(QMouseEvent *event)
{
    const int pressed = std::exchange(m_pressed, -1);
    if (event->button() != Qt::LeftButton || pressed < 0)
        return;
    event->accept();
    if (itemAt(event->position()) == pressed)
        emit itemClicked(pressed);
}

void FanView::contextMenuEvent(QContextMenuEvent *event)
{
    const int index = itemAt(event->pos());
    if (index < 0) {
        event->ignore();
        return;
    }
    event->accept();
    emit itemContextMenuRequested(index, event->globalPos());
}
