#include "surfaces/listrowview.h"

#include "surfaces/spinnerview.h"
#include "surfaces/symbolicons.h"
#include "surfaces/systemcolours.h"
#include "surfaces/systemfont.h"
#include "surfaces/volumeiconprovider.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QPainter>
#include <cmath>

// A borderless symbol in the secondary label colour; brighter under the pointer.
class ListRowView::SymbolButton : public QAbstractButton {
public:
    explicit SymbolButton(QWidget *parent) : QAbstractButton(parent)
    {
        setFixedSize(buttonSide, buttonSide);
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::ArrowCursor);
        setAttribute(Qt::WA_Hover);
    }

    void setSymbol(const QIcon &symbol)
    {
        m_symbol = symbol;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        // An 11-point medium symbol is about 12 pixels.
        const int glyph = 12;
        const QColor colour = underMouse() ? palette().color(QPalette::WindowText)
                                           : SystemColours::secondaryLabel(palette());
        const QPixmap tinted = SymbolIcons::tinted(m_symbol, glyph, colour, devicePixelRatioF());
        painter.drawPixmap(QPointF((width() - glyph) / 2.0, (height() - glyph) / 2.0), tinted);
    }

private:
    QIcon m_symbol;
};

ListRowView::ListRowView(const Volume &volume, const QPixmap &icon, QWidget *parent)
    : QWidget(parent), m_volume(volume), m_icon(icon), m_title(volume.name),
      m_dimmed(!volume.isMounted)
{
    build();
}

ListRowView::ListRowView(const QIcon &icon, const QString &title, QWidget *parent)
    : QWidget(parent), m_title(title)
{
    m_icon = icon.pixmap(QSize(iconSide, iconSide), devicePixelRatioF());
    build();
}

void ListRowView::build()
{
    setFont(SystemFont::ofSize(13));
    setAccessibleName(m_title);
    setFixedHeight(rowHeight);
    m_button = new SymbolButton(this);
    m_button->hide();
    connect(m_button, &QAbstractButton::clicked, this, [this] {
        switch (m_accessory) {
        case Accessory::eject:
            emit ejectRequested();
            break;
        case Accessory::remount:
            emit remountRequested();
            break;
        case Accessory::options:
            emit optionsRequested(m_button);
            break;
        case Accessory::none:
            break;
        }
    });
    m_spinner = new SpinnerView(this);
    m_spinner->hide();
    placeAccessory();
}

QAbstractButton *ListRowView::button() const
{
    return m_button;
}

QSize ListRowView::sizeHint() const
{
    const int name = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(m_title)));
    return {nameX + name + 19 + trailingRoom(), rowHeight};
}

int ListRowView::trailingRoom() const
{
    return (m_showsActivity ? dotSide + dotGap : 0) + (m_accessory != Accessory::none ? 22 : 0);
}

void ListRowView::setAccessory(Accessory accessory)
{
    m_accessory = accessory;
    switch (accessory) {
    case Accessory::eject:
        m_button->setSymbol(SymbolIcons::icon(SymbolIcons::Symbol::eject));
        //: A11y label; %1 is a volume name
        m_button->setAccessibleName(tr("Eject %1").arg(m_title));
        break;
    case Accessory::remount:
        m_button->setSymbol(VolumeIconProvider::remountIcon());
        //: A11y label; %1 is a volume name
        m_button->setAccessibleName(tr("Remount %1").arg(m_title));
        break;
    case Accessory::options:
        // A plain chevron: the theme's go-up is an arrow, which reads as "eject".
        m_button->setSymbol(SymbolIcons::fallback(SymbolIcons::Symbol::chevronDown));
        m_button->setAccessibleName(m_title);
        break;
    case Accessory::none:
        break;
    }
    placeAccessory();
    update();
}

void ListRowView::setBusy(bool busy)
{
    m_busy = busy;
    placeAccessory();
}

void ListRowView::setShowsActivity(bool shows)
{
    m_showsActivity = shows;
    update();
}

void ListRowView::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    update(dotRect().adjusted(-1, -1, 1, 1));
}

void ListRowView::placeAccessory()
{
    const int right = width() - trailingMargin;
    m_button->move(right - buttonSide, (rowHeight - buttonSide) / 2);
    m_spinner->move(right - buttonSide + (buttonSide - m_spinner->width()) / 2,
                    (rowHeight - m_spinner->height()) / 2);
    m_spinner->setVisible(m_busy);
    m_button->setVisible(!m_busy && m_accessory != Accessory::none);
}

QRect ListRowView::nameRect() const
{
    const int available = width() - nameX - 19 - trailingRoom();
    const int name = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(m_title)));
    return {nameX, 0, std::max(0, std::min(name, available)), rowHeight};
}

QString ListRowView::elidedTitle() const
{
    return QFontMetrics(font()).elidedText(m_title, Qt::ElideMiddle, nameRect().width());
}

QRect ListRowView::dotRect() const
{
    return {nameRect().right() + 1 + dotGap, dotY, dotSide, dotSide};
}

void ListRowView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    if (m_hovered) {
        QColor highlight = palette().color(QPalette::WindowText);
        highlight.setAlphaF(0.14);
        painter.setPen(Qt::NoPen);
        painter.setBrush(highlight);
        painter.drawRoundedRect(QRectF(rect()).adjusted(5, 1, -5, -1), 5, 5);
    }

    if (!m_icon.isNull()) {
        painter.setOpacity(m_dimmed ? dimmedIconOpacity : 1.0);
        painter.drawPixmap(QRectF(QPointF(iconOrigin), QSizeF(iconSide, iconSide)), m_icon,
                           QRectF(m_icon.rect()));
        painter.setOpacity(1.0);
    }

    painter.setPen(m_dimmed ? SystemColours::secondaryLabel(palette())
                            : palette().color(QPalette::WindowText));
    painter.drawText(nameRect(), Qt::AlignLeft | Qt::AlignVCenter, elidedTitle());

    if (m_active) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(SystemColours::activityGreen());
        painter.drawEllipse(QRectF(dotRect()));
    }
}

void ListRowView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeAccessory();
}

void ListRowView::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_hovered = true;
    update();
}

void ListRowView::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hovered = false;
    update();
}

void ListRowView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_hovered = false;
}

void ListRowView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ListRowView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    event->accept();
    if (!rect().contains(event->position().toPoint()))
        return;
    if (m_accessory == Accessory::options)
        emit optionsRequested(m_button);
    else
        emit openRequested();
}

void ListRowView::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_volume) {
        event->ignore();
        return;
    }
    event->accept();
    emit contextMenuRequested(event->globalPos());
}
