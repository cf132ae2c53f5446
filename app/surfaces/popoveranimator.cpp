#include "surfaces/popoveranimator.h"

#include "surfaces/fanview.h"
#include "surfaces/popoverpanel.h"
#include "surfaces/volumespopover.h"

#include <QEasingCurve>
#include <cmath>

namespace {

using PopoverLayout::Direction;

// The platform's standard animation curves.
QEasingCurve easeOut()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

QEasingCurve easeIn()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0), QPointF(1, 1), QPointF(1, 1));
    return curve;
}

// The panel's fan, while the fan is its content.
FanView *fanOf(const PopoverPanel *panel)
{
    return panel ? qobject_cast<FanView *>(panel->content()) : nullptr;
}

// Away from the bar it comes out of; a panel beside a side strip only fades.
int slideFor(Direction direction)
{
    switch (direction) {
    case Direction::up:
        return VolumesPopover::panelSlide;
    case Direction::down:
        return -VolumesPopover::panelSlide;
    case Direction::left:
    case Direction::right:
        break;
    }
    return 0;
}

void setContentTakesMouse(const PopoverPanel *panel, bool takes)
{
    if (QWidget *content = panel->content())
        content->setAttribute(Qt::WA_TransparentForMouseEvents, !takes);
}

} // namespace

PopoverAnimator::~PopoverAnimator()
{
    stop();
}

void PopoverAnimator::stop()
{
    if (QVariantAnimation *animation = m_animation.data()) {
        m_animation.clear();
        animation->stop();
        animation->deleteLater();
    }
    m_acceptsMouse = true;
}

QVariantAnimation *PopoverAnimator::start(const QEasingCurve &curve, int milliseconds)
{
    auto *animation = new QVariantAnimation(this);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setEasingCurve(curve);
    animation->setDuration(milliseconds);
    m_animation = animation;
    return animation;
}

void PopoverAnimator::open(PopoverPanel *panel, Direction direction, bool reduced,
                           double fanSeconds)
{
    stop();
    if (!panel)
        return;
    FanView *fan = fanOf(panel);
    if (reduced) {
        panel->setFade(1);
        panel->setSlide(0);
        if (fan)
            fan->setPose(1, 1, 1);
        return;
    }

    const QPointer<PopoverPanel> guard(panel);
    QVariantAnimation *animation = nullptr;
    if (fan) {
        constexpr double launchScale = VolumesPopover::fanOpenLaunchScale;
        constexpr double startOpacity = VolumesPopover::fanOpenStartOpacity;
        animation = start(easeOut(), int(std::round(fanSeconds * 1000)));
        m_acceptsMouse = false;
        setContentTakesMouse(panel, false);
        fan->setPose(0, launchScale, startOpacity);
        connect(animation, &QVariantAnimation::valueChanged, this, [guard](const QVariant &value) {
            const double t = value.toDouble();
            if (FanView *fan = fanOf(guard))
                fan->setPose(t, launchScale, startOpacity + (1 - startOpacity) * t);
        });
        // The end of the opening, unless the panel went meanwhile.
        connect(animation, &QVariantAnimation::finished, this, [this, guard] {
            if (!guard)
                return;
            m_acceptsMouse = true;
            setContentTakesMouse(guard, true);
        });
    } else {
        animation = start(easeOut(), int(VolumesPopover::panelOpenSeconds * 1000));
        const int slide = slideFor(direction);
        panel->setFade(0);
        panel->setSlide(slide);
        connect(animation, &QVariantAnimation::valueChanged, this,
                [guard, slide](const QVariant &value) {
                    const double t = value.toDouble();
                    if (!guard)
                        return;
                    guard->setFade(t);
                    guard->setSlide(int(std::round(slide * (1 - t))));
                });
    }
    animation->start();
}

void PopoverAnimator::close(PopoverPanel *panel, Direction direction, bool reduced,
                            const std::function<void()> &finished)
{
    stop();
    if (!panel || reduced) {
        finished();
        return;
    }
    m_acceptsMouse = false;
    setContentTakesMouse(panel, false);

    const QPointer<PopoverPanel> guard(panel);
    QVariantAnimation *animation = nullptr;
    if (fanOf(panel)) {
        constexpr double launchScale = VolumesPopover::fanCloseLaunchScale;
        constexpr double endOpacity = VolumesPopover::fanCloseEndOpacity;
        animation = start(easeIn(), int(VolumesPopover::fanCloseSeconds * 1000));
        connect(animation, &QVariantAnimation::valueChanged, this, [guard](const QVariant &value) {
            const double t = value.toDouble();
            if (FanView *fan = fanOf(guard))
                fan->setPose(1 - t, launchScale, 1 - (1 - endOpacity) * t);
        });
    } else {
        animation = start(easeIn(), int(VolumesPopover::panelCloseSeconds * 1000));
        const int slide = slideFor(direction);
        connect(animation, &QVariantAnimation::valueChanged, this,
                [guard, slide](const QVariant &value) {
                    const double t = value.toDouble();
                    if (!guard)
                        return;
                    guard->setFade(1 - t);
                    guard->setSlide(int(std::round(slide * t)));
                });
    }
    connect(animation, &QVariantAnimation::finished, this, finished);
    animation->start();
}
