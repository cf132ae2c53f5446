#include "surfaces/capacitygaugeview.h"

#include "format/capacityformatter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

CapacityGaugeView::CapacityGaugeView(qint64 usedBytes, qint64 capacityBytes, int barWidth,
                                     QWidget *parent)
    : QWidget(parent), m_used(usedBytes), m_capacity(capacityBytes)
{
    setFixedSize(barWidth, barHeight);
    setToolTip(text());
}

void CapacityGaugeView::setUsage(qint64 usedBytes, qint64 capacityBytes)
{
    if (usedBytes == m_used && capacityBytes == m_capacity)
        return;
    m_used = usedBytes;
    m_capacity = capacityBytes;
    setToolTip(text());
    update();
}

double CapacityGaugeView::level() const
{
    if (m_capacity < 1)
        return 0;
    return std::clamp(double(m_used) / double(m_capacity) * 100.0, 0.0, 100.0);
}

QString CapacityGaugeView::text() const
{
    return CapacityFormatter::usageSummary(m_used, m_capacity);
}

void CapacityGaugeView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = 3;

    painter.setPen(palette().color(QPalette::Active, QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Active, QPalette::Base));
    painter.drawRoundedRect(bar, radius, radius);

    const double value = level();
    QColor fill(0x2e, 0xa0, 0x43);
    if (value >= criticalLevel)
        fill = QColor(0xd0, 0x3b, 0x2f);
    else if (value >= warningLevel)
        fill = QColor(0xe5, 0xa5, 0x0a);
    if (value > 0) {
        QPainterPath clip;
        clip.addRoundedRect(bar, radius, radius);
        painter.setClipPath(clip);
        painter.fillRect(QRectF(bar.left(), bar.top(), bar.width() * value / 100.0, bar.height()),
                         fill);
        painter.setClipping(false);
    }

    QFont font = this->font();
    font.setPointSizeF(9);
    font.setWeight(QFont::Medium);
    painter.setFont(font);
    // The menu row holding the gauge is disabled; the figures must stay readable.
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.drawText(QRectF(rect()).adjusted(6, 0, -6, 0), Qt::AlignCenter, text());
}
