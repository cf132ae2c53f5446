#include "surfaces/popoverpanel.h"

#include <QCloseEvent>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

// Downscaling and back spreads each pixel over its neighbours: a cheap frosted-glass blur.
constexpr int blurFactor = 10;

} // namespace

namespace {

Qt::WindowFlags panelFlags(PopoverPanel::Placement placement)
{
    const Qt::WindowFlags frameless = Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint;
    // A pop-up without a parent window becomes an ordinary, tiled window on Wayland; a tool
    // window has no taskbar entry, and frameless it gets no server-side title bar.
    return placement == PopoverPanel::Placement::program
               ? Qt::Popup | frameless
               : Qt::Tool | Qt::WindowStaysOnTopHint | frameless;
}

} // namespace

PopoverPanel::PopoverPanel(bool translucent, Placement placement, QWidget *parent)
    : QWidget(parent, panelFlags(placement)), m_translucent(translucent), m_placement(placement)
{
    if (translucent)
        setAttribute(Qt::WA_TranslucentBackground);
    else
        setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoMouseReplay);
    setPalette(hudPalette(palette()));
    setFocusPolicy(Qt::StrongFocus);
    //: Accessible title of the volumes popover window
    setWindowTitle(tr("Volumes"));
}

PopoverPanel::~PopoverPanel() = default;

QPalette PopoverPanel::hudPalette(const QPalette &base)
{
    QPalette palette = base;
    const QColor text(255, 255, 255, 235);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, QColor(50, 50, 53));
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Base, QColor(36, 36, 38));
        palette.setColor(group, QPalette::Button, QColor(62, 62, 66));
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(255, 255, 255, 110));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(255, 255, 255, 110));
    return palette;
}

QColor PopoverPanel::materialColour(qreal opacity)
{
    return QColor::fromRgbF(0.11f, 0.11f, 0.12f, float(opacity));
}

void PopoverPanel::present(const QRect &frame, const Look &look, QWidget *content)
{
    if (m_content && m_content != content) {
        QWidget *old = m_content;
        old->hide();
        old->deleteLater();
    }
    m_frame = frame;
    m_look = look;
    m_content = content;
    if (content) {
        content->setParent(this);
        content->setGeometry(QRect(QPoint(margin(), margin()), frame.size()));
        if (m_fade < 1) {
            auto *effect = new QGraphicsOpacityEffect(content);
            effect->setOpacity(m_fade);
            content->setGraphicsEffect(effect);
        }
        content->show();
    }
    placeWindow();
    update();
}

void PopoverPanel::setSlide(int dy)
{
    if (m_slide == dy)
        return;
    m_slide = dy;
    placeWindow();
}

void PopoverPanel::placeWindow()
{
    const QRect window = m_frame.adjusted(-margin(), -margin(), margin(), margin());
    if (m_placement == Placement::compositor) {
        // Equal minimum and maximum size: compositors float such a window instead of tiling it.
        setFixedSize(window.size());
        move(window.topLeft());
        return;
    }
    setGeometry(window.translated(0, m_slide));
}

void PopoverPanel::setFade(qreal fade)
{
    fade = std::clamp(fade, 0.0, 1.0);
    if (m_fade == fade)
        return;
    m_fade = fade;
    if (m_content) {
        // The effect costs a picture of the content per frame: only while fading.
        if (fade < 1) {
            auto *effect = qobject_cast<QGraphicsOpacityEffect *>(m_content->graphicsEffect());
            if (!effect) {
                effect = new QGraphicsOpacityEffect(m_content);
                m_content->setGraphicsEffect(effect);
            }
            effect->setOpacity(fade);
        } else {
            m_content->setGraphicsEffect(nullptr);
        }
    }
    update();
}

void PopoverPanel::setBackdrop(const QImage &screen, const QPoint &screenOrigin)
{
    m_backdrop = screen.convertToFormat(QImage::Format_RGB32);
    m_backdropOrigin = screenOrigin;
    if (m_backdrop.isNull()) {
        m_blurredBackdrop = QImage();
        return;
    }
    const QSize full = m_backdrop.size();
    const QImage small =
        m_backdrop.scaled(full / blurFactor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_blurredBackdrop = small.scaled(full, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_blurredBackdrop.setDevicePixelRatio(m_backdrop.devicePixelRatio());
    update();
}

QPainterPath PopoverPanel::bodyInWindow() const
{
    return m_look.body.translated(margin(), margin());
}

const QPixmap &PopoverPanel::shadowPicture()
{
    if (m_shadowSize == size() && !m_shadow.isNull())
        return m_shadow;
    m_shadowSize = size();
    const qreal ratio = devicePixelRatioF();
    m_shadow = QPixmap(size() * ratio);
    m_shadow.setDevicePixelRatio(ratio);
    m_shadow.fill(Qt::transparent);
    QPainter painter(&m_shadow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Rings of growing size and fading darkness stand in for a blurred shadow, a little lower
    // than the body as light from above would cast it.
    const QPainterPath body = bodyInWindow();
    const QPainterPath cast = body.translated(0, 3);
    const int rings = shadowMargin - 2;
    painter.setBrush(QColor(0, 0, 0, 10));
    for (int i = rings; i >= 1; --i) {
        QPainterPathStroker stroker;
        stroker.setWidth(2.0 * i);
        stroker.setJoinStyle(Qt::RoundJoin);
        // Outside the body only: a translucent body must not darken.
        painter.drawPath(stroker.createStroke(cast).united(cast).subtracted(body));
    }
    return m_shadow;
}

void PopoverPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect window = geometry();

    if (!m_translucent) {
        if (!m_backdrop.isNull()) {
            const qreal ratio = m_backdrop.devicePixelRatio();
            const QRectF source(QPointF(window.topLeft() - m_backdropOrigin) * ratio,
                                QSizeF(window.size()) * ratio);
            painter.drawImage(QRectF(rect()), m_backdrop, source);
        } else {
            painter.fillRect(rect(), materialColour(1.0));
        }
    }

    if (m_look.material == Material::none)
        return;

    painter.setOpacity(m_fade);
    if (m_look.shadow)
        painter.drawPixmap(0, 0, shadowPicture());

    const QPainterPath body = bodyInWindow();
    if (!m_translucent && !m_blurredBackdrop.isNull()) {
        painter.save();
        painter.setClipPath(body);
        const qreal ratio = m_blurredBackdrop.devicePixelRatio();
        const QRectF source(QPointF(window.topLeft() - m_backdropOrigin) * ratio,
                            QSizeF(window.size()) * ratio);
        painter.drawImage(QRectF(rect()), m_blurredBackdrop, source);
        painter.restore();
        painter.fillPath(body, materialColour(materialOpacityOverBackdrop));
    } else if (!m_translucent) {
        painter.fillPath(body, materialColour(1.0));
    } else {
        painter.fillPath(body, materialColour(materialOpacityTranslucent));
    }

    // A faint light rim keeps the edge readable on dark desktops.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    painter.drawPath(body);
    if (m_look.border) {
        QPainterPathStroker stroker;
        stroker.setWidth(2);
        const QPainterPath outside = stroker.createStroke(body).subtracted(body);
        painter.setPen(Qt::NoPen);
        painter.setBrush(*m_look.border);
        painter.drawPath(outside);
    }
}

void PopoverPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        if (onCancel)
            onCancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PopoverPanel::mousePressEvent(QMouseEvent *event)
{
    // Presses reach the panel itself when they are outside it (it holds the pointer while
    // open) or when no content took them.
    event->accept();
    const QPointF position = event->position();
    const bool onBody = rect().contains(position.toPoint()) && m_look.material != Material::none &&
                        bodyInWindow().contains(position);
    if (!onBody && onOutsideClick)
        onOutsideClick();
}

void PopoverPanel::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The picture of the desktop behind must follow the window.
    if (!m_translucent && !m_backdrop.isNull())
        update();
}

void PopoverPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || m_placement != Placement::compositor)
        return;
    // Wayland tells no client about clicks on other windows; the focus they take is the sign.
    if (isActiveWindow())
        m_wasActive = true;
    else if (m_wasActive && onOutsideClick)
        onOutsideClick();
}

void PopoverPanel::closeEvent(QCloseEvent *event)
{
    // The toolkit closes pop-ups on its own occasions (another window taking the pointer);
    // the owner closes with its animation instead.
    event->ignore();
    if (onOutsideClick)
        onOutsideClick();
}
