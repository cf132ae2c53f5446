#include "surfaces/volumeentryview.h"

#include "surfaces/spinnerview.h"
#include "surfaces/symbolicons.h"
#include "surfaces/systemcolours.h"

#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

VolumeEntryView::VolumeEntryView(const Volume &volume, const QPixmap &icon, QWidget *parent)
    : QWidget(parent), m_volume(volume), m_icon(icon), m_title(volume.name),
      m_dimmed(!volume.isMounted)
{
}

VolumeEntryView::VolumeEntryView(const QPixmap &icon, const QString &title, QWidget *parent)
    : QWidget(parent), m_icon(icon), m_title(title)
{
}

void VolumeEntryView::setAccessoryButton(AccessoryButton *button)
{
    m_accessoryButton = button;
    m_accessoryButton->hide();
    m_spinner = new SpinnerView(this);
    m_spinner->hide();
}

void VolumeEntryView::setDimmed(bool dimmed)
{
    if (m_dimmed == dimmed)
        return;
    m_dimmed = dimmed;
    update();
}

void VolumeEntryView::setBusy(bool busy)
{
    m_busy = busy;
    showButtonOrSpinner();
}

void VolumeEntryView::showButtonOrSpinner()
{
    m_spinner->setVisible(m_busy);
    m_accessoryButton->setVisible(!m_busy && hasButton());
}

void VolumeEntryView::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    update(dotRect().adjusted(-1, -1, 1, 1));
}

void VolumeEntryView::paintIcon(QPainter &painter, const QRectF &target) const
{
    if (m_icon.isNull())
        return;
    painter.setOpacity(m_dimmed ? dimmedIconOpacity : 1.0);
    painter.drawPixmap(target, m_icon, QRectF(m_icon.rect()));
    painter.setOpacity(1.0);
}

void VolumeEntryView::paintActivityDot(QPainter &painter, const QRectF &dot, const QPen &outline)
{
    painter.setPen(outline);
    painter.setBrush(SystemColours::activityGreen());
    painter.drawEllipse(dot);
}

void VolumeEntryView::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_hovered = true;
    hoverChanged();
}

void VolumeEntryView::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hovered = false;
    hoverChanged();
}

void VolumeEntryView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_hovered = false;
    hoverChanged();
}

void VolumeEntryView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void VolumeEntryView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    event->accept();
    if (rect().contains(event->position().toPoint()))
        primaryClicked();
}

void VolumeEntryView::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    emit contextMenuRequested(event->globalPos());
}

VolumeEntryView::AccessoryButton::AccessoryButton(int side, QWidget *parent)
    : QAbstractButton(parent)
{
    setFixedSize(side, side);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void VolumeEntryView::AccessoryButton::setSymbol(const QIcon &symbol)
{
    m_symbol = symbol;
    update();
}

void VolumeEntryView::AccessoryButton::paintSymbol(QPainter &painter, int glyph,
                                                   const QColor &colour) const
{
    const QPixmap tinted = SymbolIcons::tinted(m_symbol, glyph, colour, devicePixelRatioF());
    painter.drawPixmap(QPointF((width() - glyph) / 2.0, (height() - glyph) / 2.0), tinted);
}
