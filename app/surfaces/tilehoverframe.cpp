#include "surfaces/tilehoverframe.h"

#include <QPainter>
#include <QVBoxLayout>

TileHoverFrame::TileHoverFrame(QWidget *content, QWidget *parent)
    : QWidget(parent), m_content(content)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

QColor TileHoverFrame::highlightColour(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    return window.lightness() > 128 ? window.darker(112) : window.lighter(150);
}

void TileHoverFrame::paintEvent(QPaintEvent *)
{
    if (!m_highlighted)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(highlightColour(palette()));
    painter.drawRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
}

void TileHoverFrame::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_highlighted = true;
    update();
}

void TileHoverFrame::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_highlighted = false;
    update();
}

void TileHoverFrame::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_highlighted = false;
}
