#include "surfaces/listscrollcolumn.h"

#include "surfaces/symbolicons.h"
#include "surfaces/systemcolours.h"

#include <QPainter>
#include <QTimerEvent>
#include <QWheelEvent>
#include <algorithm>

// A strip over the top or bottom edge: a chevron on the panel's own backdrop.
class ListScrollColumn::Chevron : public QWidget {
public:
    Chevron(ListScrollColumn *column, int direction)
        : QWidget(column), m_column(column), m_direction(direction)
    {
        setFixedHeight(chevronHeight);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QColor shade = palette().color(QPalette::Window);
        shade.setAlphaF(0.92);
        painter.fillRect(rect(), shade);
        const int glyph = 12;
        const QIcon icon = SymbolIcons::fallback(
            m_direction < 0 ? SymbolIcons::Symbol::chevronUp : SymbolIcons::Symbol::chevronDown);
        const QPixmap tinted = SymbolIcons::tinted(
            icon, glyph, SystemColours::secondaryLabel(palette()), devicePixelRatioF());
        painter.drawPixmap(QPointF((width() - glyph) / 2.0, (height() - glyph) / 2.0), tinted);
    }
    void enterEvent(QEnterEvent *) override { m_column->setHoverScroll(m_direction); }
    void leaveEvent(QEvent *) override
    {
        if (m_column->hoverScroll() == m_direction)
            m_column->setHoverScroll(0);
    }

private:
    ListScrollColumn *m_column;
    int m_direction;
};

ListScrollColumn::ListScrollColumn(QWidget *content, int height, QWidget *parent)
    : QWidget(parent), m_content(content), m_up(new Chevron(this, -1)), m_down(new Chevron(this, 1))
{
    m_content->setParent(this);
    m_content->move(0, 0);
    m_content->show();
    setFixedSize(m_content->width(), height);
    m_up->raise();
    m_down->raise();
    place();
}

QWidget *ListScrollColumn::upChevron() const
{
    return m_up;
}

QWidget *ListScrollColumn::downChevron() const
{
    return m_down;
}

int ListScrollColumn::maximumOffset() const
{
    return std::max(0, m_content->height() - height());
}

void ListScrollColumn::scrollBy(int delta)
{
    const int next = std::clamp(m_offset + delta, 0, maximumOffset());
    if (next == m_offset)
        return;
    m_offset = next;
    place();
}

void ListScrollColumn::setHoverScroll(int direction)
{
    m_hoverDirection = direction;
    if (direction == 0)
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start(tickMs, this);
}

void ListScrollColumn::place()
{
    m_content->move(0, -m_offset);
    m_up->setGeometry(0, 0, width(), chevronHeight);
    m_down->setGeometry(0, height() - chevronHeight, width(), chevronHeight);
    m_up->setVisible(canScrollUp());
    m_down->setVisible(canScrollDown());
    // A chevron that vanishes under the pointer gets no leave event.
    if ((m_hoverDirection < 0 && !canScrollUp()) || (m_hoverDirection > 0 && !canScrollDown()))
        setHoverScroll(0);
}

void ListScrollColumn::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_offset = std::min(m_offset, maximumOffset());
    place();
}

void ListScrollColumn::wheelEvent(QWheelEvent *event)
{
    // Touchpads send small steps; whole notches of 120 make one row.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    if (!event->pixelDelta().isNull()) {
        m_wheelRemainder = 0;
        scrollBy(-event->pixelDelta().y());
    } else {
        scrollBy(-notches * wheelStep);
    }
    event->accept();
}

void ListScrollColumn::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    scrollBy(m_hoverDirection * hoverStep);
}
