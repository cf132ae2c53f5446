#pragma once

#include "format/popoverlayout.h"

#include <QObject>
#include <QPointer>
#include <QVariantAnimation>
#include <functional>

class PopoverPanel;

// The volumes popover's opening and closing motion, timed by VolumesPopover's constants: the
// items of a fan fly out of the bar and back into it; a grid or list panel fades in while it
// slides from the bar, and out again (the fade painted by the panel). The content takes no clicks
// while a fan opens or while anything closes. A rebuild of the panel's content while it moves is
// followed. Main thread.
class PopoverAnimator : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~PopoverAnimator() override;

    // Shows the panel at once when motion is reduced; fanSeconds is how long a fan opens.
    void open(PopoverPanel *panel, PopoverLayout::Direction direction, bool reduced,
              double fanSeconds);
    // finished runs once the panel is out of sight: at once without a panel or motion.
    void close(PopoverPanel *panel, PopoverLayout::Direction direction, bool reduced,
               const std::function<void()> &finished);
    // Stops the motion where it is; the popover takes clicks again.
    void stop();

    QVariantAnimation *animation() const { return m_animation; }
    bool acceptsMouse() const { return m_acceptsMouse; }

private:
    QVariantAnimation *start(const QEasingCurve &curve, int milliseconds);

    QPointer<QVariantAnimation> m_animation;
    bool m_acceptsMouse = true;
};
