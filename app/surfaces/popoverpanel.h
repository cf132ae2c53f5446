#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

// The popover's window: frameless, a pop-up of the application (it takes the pointer and the
// keyboard while open, so an outside click and Escape reach it), painted as a dark, rounded,
// translucent panel. Where a compositor runs the window itself is translucent; otherwise it
// paints a picture of the desktop taken before it opened behind its content, blurred under its
// body, so it looks the same.
class PopoverPanel : public QWidget {
    Q_OBJECT
public:
    enum class Material { none, hud };

    struct Look {
        Material material = Material::none;
        // The body in body coordinates (the frame's own); empty for none.
        QPainterPath body;
        std::optional<QColor> border;
        bool shadow = false;
    };

    static constexpr int shadowMargin = 14;
    // The material over a blurred desktop, and over whatever a compositor shows unblurred.
    static constexpr qreal materialOpacityOverBackdrop = 0.74;
    static constexpr qreal materialOpacityTranslucent = 0.86;

    explicit PopoverPanel(bool translucent, QWidget *parent = nullptr);
    ~PopoverPanel() override;

    // Escape.
    std::function<void()> onCancel;
    // A mouse press outside the body, or anywhere that the content does not take it.
    std::function<void()> onOutsideClick;

    // Places the body at frame (screen coordinates) with its content, which the panel takes;
    // the content of an earlier call goes once control returns to the event loop, so a
    // rebuild may start from one of its own signals. The window is larger by the shadow.
    void present(const QRect &frame, const Look &look, QWidget *content);
    QRect frame() const { return m_frame; }
    int margin() const { return m_look.shadow ? shadowMargin : 0; }
    QWidget *content() const { return m_content; }
    const Look &look() const { return m_look; }
    bool isTranslucent() const { return m_translucent; }
    // Moves the window by dy without changing the frame (the slide of the animations).
    void setSlide(int dy);
    int slide() const { return m_slide; }

    // The desktop as it was before the panel opened; screenOrigin is its top left corner.
    void setBackdrop(const QImage &screen, const QPoint &screenOrigin);
    bool hasBackdrop() const { return !m_backdrop.isNull(); }

    // Light text on the dark material.
    static QPalette hudPalette(const QPalette &base);
    static QColor materialColour(qreal opacity);
    // The body's path in window coordinates.
    QPainterPath bodyInWindow() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void placeWindow();
    const QPixmap &shadowPicture();

    bool m_translucent;
    QRect m_frame;
    Look m_look;
    QPointer<QWidget> m_content;
    int m_slide = 0;
    QImage m_backdrop;
    QImage m_blurredBackdrop;
    QPoint m_backdropOrigin;
    QPixmap m_shadow;
    QSize m_shadowSize;
};
