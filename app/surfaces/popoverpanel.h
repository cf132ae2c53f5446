#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

// The popover's window: frameless, painted as a dark, rounded panel. Where the program places
// its windows (X11) it is a pop-up of the application: it takes the pointer and the keyboard
// while open, so an outside click and Escape reach it. Where the compositor places them
// (Wayland) it is a fixed-size tool window, which compositors float without a title bar or a
// taskbar entry; it closes when it loses the focus. Where a compositor runs the window is
// translucent around the body; otherwise it paints a picture of the desktop taken before it
// opened behind its content, blurred under its body, so it looks the same. Fading is painted:
// nothing asks the platform for window opacity.
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

    // Who places the window on the screen.
    enum class Placement { program, compositor };

    static constexpr int shadowMargin = 14;
    // The material over the desktop picture the panel blurs itself. A compositor shows what
    // lies behind unblurred, which would make the text hard to read: opaque there.
    static constexpr qreal materialOpacityOverBackdrop = 0.74;
    static constexpr qreal materialOpacityTranslucent = 1.0;

    explicit PopoverPanel(bool translucent, Placement placement = Placement::program,
                          QWidget *parent = nullptr);
    ~PopoverPanel() override;

    // Escape.
    std::function<void()> onCancel;
    // A mouse press outside the body, or anywhere that the content does not take it; or, when
    // the compositor places the window, the loss of the focus after it had it.
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
    Placement placement() const { return m_placement; }
    // Moves the window by dy without changing the frame (the slide of the animations); a
    // window the compositor places does not move.
    void setSlide(int dy);
    int slide() const { return m_slide; }
    // How far the panel has faded in, 0 to 1: its material and its content are painted that
    // opaque.
    void setFade(qreal fade);
    qreal fade() const { return m_fade; }

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
    void changeEvent(QEvent *event) override;

private:
    void placeWindow();
    const QPixmap &shadowPicture();

    bool m_translucent;
    Placement m_placement;
    bool m_wasActive = false;
    qreal m_fade = 1;
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
