#include "surfaces/spinnerview.h"

#include <QPainter>
#include <QTimerEvent>

SpinnerView::SpinnerView(QWidget *parent, int side) : QWidget(parent)
{
    setFixedSize(side, side);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    //: Accessibility label of a busy indicator
    setAccessibleName(tr("In progress"));
}

void SpinnerView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    QColor colour = palette().color(QPalette::WindowText);
    QPen pen(colour, std::max(1.5, side / 10.0), Qt::SolidLine, Qt::RoundCap);
    for (int i = 0; i < spokes; ++i) {
        // The spoke at the current step is the darkest; the ones behind it fade out.
        const int age = (m_step - i + spokes) % spokes;
        colour.setAlphaF(1.0 - 0.8 * age / (spokes - 1));
        pen.setColor(colour);
        painter.setPen(pen);
        painter.save();
        painter.rotate(360.0 * i / spokes);
        painter.drawLine(QPointF(0, -side * 0.27), QPointF(0, -side * 0.45));
        painter.restore();
    }
}

void SpinnerView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_timer.start(80, this);
}

void SpinnerView::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

void SpinnerView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_step = (m_step + 1) % spokes;
    update();
}
