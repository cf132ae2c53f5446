#include "surfaces/gridtileview.h"

#include "surfaces/spinnerview.h"
#include "surfaces/symbolicons.h"
#include "surfaces/systemcolours.h"
#include "surfaces/systemfont.h"
#include "surfaces/volumeiconprovider.h"

#include <QAbstractButton>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace {

// The pill with a truncated tile's whole title.
class TitlePill : public QWidget {
public:
    static constexpr int shadowMargin = 8;
    static constexpr int extraWidth = 24;
    static constexpr int extraHeight = 10;
    static constexpr int textLeft = 12;
    static constexpr int textBottom = 5;

    TitlePill(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFont(SystemFont::ofSize(12, QFont::Medium));
        const QFontMetrics metrics(font());
        m_capsule =
            QSize(metrics.horizontalAdvance(m_text) + extraWidth, metrics.height() + extraHeight);
        resize(m_capsule + QSize(2 * shadowMargin, 2 * shadowMargin));
        auto *shadow = new QGraphicsDropShadowEffect(this);
        shadow->setBlurRadius(12);
        shadow->setOffset(0, 0);
        shadow->setColor(QColor(0, 0, 0, qRound(0.18 * 255)));
        setGraphicsEffect(shadow);
    }

    QSize capsule() const { return m_capsule; }
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF body(shadowMargin, shadowMargin, m_capsule.width(), m_capsule.height());
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Window));
        const qreal radius = body.height() / 2;
        painter.drawRoundedRect(body, radius, radius);
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics metrics(font());
        painter.drawText(
            QPointF(body.left() + textLeft, body.bottom() - textBottom - metrics.descent()),
            m_text);
    }

private:
    QString m_text;
    QSize m_capsule;
};

} // namespace

// A white symbol on a dark disc; half see-through until the pointer is over the tile.
class GridTileView::OverlayButton : public AccessoryButton {
public:
    explicit OverlayButton(GridTileView *tile) : AccessoryButton(buttonSide, tile), m_tile(tile) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setOpacity(m_tile->isHovered() ? 1.0 : buttonRestingOpacity);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, qRound(0.65 * 255)));
        painter.drawEllipse(QRectF(rect()));
        // A 10-point semibold symbol is about 11 pixels high.
        paintSymbol(painter, 11, Qt::white);
    }

private:
    GridTileView *m_tile;
};

GridTileView::GridTileView(const QPixmap &icon, const QString &title, QWidget *parent)
    : VolumeEntryView(icon, title, parent)
{
    build();
}

GridTileView::GridTileView(const Volume &volume, const QPixmap &icon, QWidget *parent)
    : VolumeEntryView(volume, icon, parent), m_buttonKind(EjectRemountSpec::forVolume(volume))
{
    build();
}

GridTileView::~GridTileView()
{
    // The pill lives in the window, which outlives the tile.
    delete m_pill;
}

void GridTileView::build()
{
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(title());
    setToolTip(QString());
    m_button = new OverlayButton(this);
    m_button->move(buttonOrigin);
    connect(m_button, &QAbstractButton::clicked, this, [this] {
        if (m_buttonKind == EjectRemountSpec::Kind::eject)
            emit ejectRequested();
        else if (m_buttonKind == EjectRemountSpec::Kind::remount)
            emit remountRequested();
    });
    setAccessoryButton(m_button);
    spinner()->move(spinnerOrigin);
    setFixedSize(sizeHint());
    updateAccessory();
}

QSize GridTileView::sizeHint() const
{
    const int titleHeight = QFontMetrics(font()).height();
    return {tileWidth, verticalPadding + iconSide + spacing + titleHeight + verticalPadding};
}

QRect GridTileView::iconRect() const
{
    return {(tileWidth - iconSide) / 2, verticalPadding, iconSide, iconSide};
}

QRect GridTileView::titleRect() const
{
    const int width = std::min(titleMaxWidth, tileWidth - 2 * sidePadding);
    return {(tileWidth - width) / 2, verticalPadding + iconSide + spacing, width,
            QFontMetrics(font()).height()};
}

QRect GridTileView::dotRect() const
{
    // Opposite the button, in the icon's top right corner.
    return {tileWidth - buttonOrigin.x() - dotDiameter - 1, buttonOrigin.y() + 1, dotDiameter,
            dotDiameter};
}

QAbstractButton *GridTileView::overlayButton() const
{
    return m_button;
}

QString GridTileView::elidedTitle() const
{
    return QFontMetrics(font()).elidedText(title(), Qt::ElideRight, titleRect().width());
}

bool GridTileView::isTitleTruncated() const
{
    return elidedTitle() != title();
}

void GridTileView::setButtonKind(EjectRemountSpec::Kind kind)
{
    m_buttonKind = kind;
    updateAccessory();
}

bool GridTileView::hasButton() const
{
    return m_buttonKind != EjectRemountSpec::Kind::none;
}

void GridTileView::updateAccessory()
{
    using Kind = EjectRemountSpec::Kind;
    showButtonOrSpinner();
    if (m_buttonKind == Kind::eject) {
        m_button->setSymbol(SymbolIcons::icon(SymbolIcons::Symbol::eject));
        //: A11y label; %1 is a volume name
        m_button->setAccessibleName(tr("Eject %1").arg(title()));
    } else if (m_buttonKind == Kind::remount) {
        m_button->setSymbol(VolumeIconProvider::remountIcon());
        //: A11y label; %1 is a volume name
        m_button->setAccessibleName(tr("Remount %1").arg(title()));
    }
}

void GridTileView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    if (!icon().isNull()) {
        // The icon keeps its proportions, centred in its square.
        const QSizeF fitted = (QSizeF(icon().size()) / icon().devicePixelRatio())
                                  .scaled(iconRect().size(), Qt::KeepAspectRatio);
        paintIcon(painter, QRectF(QPointF(iconRect().center().x() + 0.5 - fitted.width() / 2,
                                          iconRect().center().y() + 0.5 - fitted.height() / 2),
                                  fitted));
    }

    painter.setPen(SystemColours::secondaryLabel(palette()));
    painter.drawText(titleRect(), Qt::AlignHCenter | Qt::AlignVCenter, elidedTitle());

    if (isActive())
        paintActivityDot(painter, QRectF(dotRect()).adjusted(0.5, 0.5, -0.5, -0.5),
                         QPen(Qt::white, 1));

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void GridTileView::hoverChanged()
{
    // The button is half see-through unless the pointer is over the tile.
    m_button->update();
    if (isHovered())
        showPill();
    else
        hidePill();
}

void GridTileView::showPill()
{
    QWidget *window = this->window();
    if (m_pill || !isTitleTruncated() || !window || window == this)
        return;
    auto *pill = new TitlePill(title(), window);
    const QSize capsule = pill->capsule();
    const QRect tile(mapTo(window, QPoint(0, 0)), size());
    const int margin = 6;
    int x = tile.center().x() + 1 - capsule.width() / 2;
    x = std::clamp(x, margin, std::max(margin, window->width() - capsule.width() - margin));
    // 12 above the tile's lower edge, but never leaving the clipped title peeking out below:
    // the desktop's fonts run taller than the layout assumes.
    const int titleBottom = tile.top() + titleRect().bottom() + 1;
    const int y = std::max(tile.bottom() + 1 - 12, titleBottom) - capsule.height();
    pill->move(x - TitlePill::shadowMargin, y - TitlePill::shadowMargin);
    pill->show();
    pill->raise();
    m_pill = pill;
}

void GridTileView::hidePill()
{
    // Called while the window hides its children, whose list must not change meanwhile.
    if (QWidget *pill = m_pill.data()) {
        m_pill.clear();
        pill->hide();
        pill->deleteLater();
    }
}

void GridTileView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit openRequested();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void GridTileView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setFixedSize(sizeHint());
}
