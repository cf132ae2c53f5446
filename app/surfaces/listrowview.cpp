#include "surfaces/listrowview.h"

#include "surfaces/spinnerview.h"
#include "surfaces/symbolicons.h"
#include "surfaces/systemcolours.h"
#include "surfaces/systemfont.h"
#include "surfaces/volumeiconprovider.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QPainter>
#include <cmath>

// A borderless symbol in the secondary label colour; brighter under the pointer.
class ListRowView::SymbolButton : public AccessoryButton {
public:
    explicit SymbolButton(QWidget *parent) : AccessoryButton(buttonSide, parent)
    {
        setAttribute(Qt::WA_Hover);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        // An 11-point medium symbol is about 12 pixels.
        paintSymbol(painter, 12,
                    underMouse() ? palette().color(QPalette::WindowText)
                                 : SystemColours::secondaryLabel(palette()));
    }
};

ListRowView::ListRowView(const Volume &volume, const QPixmap &icon, QWidget *parent)
    : VolumeEntryView(volume, icon, parent)
{
    build();
}

ListRowView::ListRowView(const QIcon &icon, const QString &title, QWidget *parent)
    : VolumeEntryView(QPixmap(), title, parent)
{
    setIcon(icon.pixmap(QSize(iconSide, iconSide), devicePixelRatioF()));
    build();
}

void ListRowView::build()
{
    setFont(SystemFont::ofSize(13));
    setAccessibleName(title());
    setFixedHeight(rowHeight);
    m_button = new SymbolButton(this);
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
    setAccessoryButton(m_button);
    placeAccessory();
}

QAbstractButton *ListRowView::button() const
{
    return m_button;
}

QSize ListRowView::sizeHint() const
{
    const int name = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(title())));
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
        m_button->setAccessibleName(tr("Eject %1").arg(title()));
        break;
    case Accessory::remount:
        m_button->setSymbol(VolumeIconProvider::remountIcon());
        //: A11y label; %1 is a volume name
        m_button->setAccessibleName(tr("Remount %1").arg(title()));
        break;
    case Accessory::options:
        // A plain chevron: the theme's go-up is an arrow, which reads as "eject".
        m_button->setSymbol(SymbolIcons::fallback(SymbolIcons::Symbol::chevronDown));
        m_button->setAccessibleName(title());
        break;
    case Accessory::none:
        break;
    }
    placeAccessory();
    update();
}

bool ListRowView::hasButton() const
{
    return m_accessory != Accessory::none;
}

void ListRowView::setShowsActivity(bool shows)
{
    m_showsActivity = shows;
    update();
}

void ListRowView::placeAccessory()
{
    const int right = width() - trailingMargin;
    m_button->move(right - buttonSide, (rowHeight - buttonSide) / 2);
    spinner()->move(right - buttonSide + (buttonSide - spinner()->width()) / 2,
                    (rowHeight - spinner()->height()) / 2);
    showButtonOrSpinner();
}

QRect ListRowView::nameRect() const
{
    const int available = width() - nameX - 19 - trailingRoom();
    const int name = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(title())));
    return {nameX, 0, std::max(0, std::min(name, available)), rowHeight};
}

QString ListRowView::elidedTitle() const
{
    return QFontMetrics(font()).elidedText(title(), Qt::ElideMiddle, nameRect().width());
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

    if (isHovered()) {
        QColor highlight = palette().color(QPalette::WindowText);
        highlight.setAlphaF(0.14);
        painter.setPen(Qt::NoPen);
        painter.setBrush(highlight);
        painter.drawRoundedRect(QRectF(rect()).adjusted(5, 1, -5, -1), 5, 5);
    }

    paintIcon(painter, QRectF(QPointF(iconOrigin), QSizeF(iconSide, iconSide)));

    painter.setPen(isDimmed() ? SystemColours::secondaryLabel(palette())
                              : palette().color(QPalette::WindowText));
    painter.drawText(nameRect(), Qt::AlignLeft | Qt::AlignVCenter, elidedTitle());

    if (isActive())
        paintActivityDot(painter, QRectF(dotRect()), Qt::NoPen);
}

void ListRowView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeAccessory();
}

void ListRowView::primaryClicked()
{
    if (m_accessory == Accessory::options)
        emit optionsRequested(m_button);
    else
        emit openRequested();
}

void ListRowView::contextMenuEvent(QContextMenuEvent *event)
{
    if (!volume()) {
        event->ignore();
        return;
    }
    VolumeEntryView::contextMenuEvent(event);
}
