#include "window/holdtoconfirmbutton.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

constexpr std::chrono::milliseconds tickInterval{50};

HoldToConfirmButton::Clock steadyClock()
{
    return [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    };
}

} // namespace

HoldToConfirmButton::HoldToConfirmButton(QWidget *parent)
    : QPushButton(idleTitle(), parent), m_clock(steadyClock())
{
    m_ticker.setInterval(tickInterval);
    connect(&m_ticker, &QTimer::timeout, this, &HoldToConfirmButton::tick);
}

void HoldToConfirmButton::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : steadyClock();
}

QString HoldToConfirmButton::idleTitle()
{
    //: Hold-button idle title
    return QCoreApplication::translate("HoldToConfirmButton", "Hold to Confirm");
}

void HoldToConfirmButton::mousePressEvent(QMouseEvent *event)
{
    // The base class would turn a press and release into clicked(); holding is the only way in.
    event->accept();
    if (event->button() != Qt::LeftButton || !isEnabled() || m_holding || m_completed)
        return;
    m_holding = true;
    setDown(true);
    m_deadline = m_clock() + holdDuration;
    m_ticker.start();
    tick();
}

void HoldToConfirmButton::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (m_holding && (event->buttons() & Qt::LeftButton) &&
        !rect().contains(event->position().toPoint()))
        abort();
}

void HoldToConfirmButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_holding && event->button() == Qt::LeftButton)
        abort();
}

void HoldToConfirmButton::hideEvent(QHideEvent *event)
{
    if (m_holding)
        abort();
    QPushButton::hideEvent(event);
}

void HoldToConfirmButton::changeEvent(QEvent *event)
{
    // Losing the window to another one ends the gesture like a release: the release itself
    // would go elsewhere.
    if (m_holding && event->type() == QEvent::ActivationChange && !isActiveWindow())
        abort();
    else if (m_holding && event->type() == QEvent::EnabledChange && !isEnabled())
        abort();
    QPushButton::changeEvent(event);
}

void HoldToConfirmButton::tick()
{
    if (!m_holding)
        return;
    const std::chrono::milliseconds remaining = m_deadline - m_clock();
    if (remaining <= std::chrono::milliseconds::zero()) {
        succeed();
        return;
    }
    const qint64 seconds = (remaining.count() + 999) / 1000;
    //: Hold-button countdown
    setText(QCoreApplication::translate("HoldToConfirmButton", "Hold… %1").arg(seconds));
}

void HoldToConfirmButton::abort()
{
    endHold();
    setText(idleTitle());
}

void HoldToConfirmButton::succeed()
{
    endHold();
    m_completed = true;
    //: Hold-button completed title
    setText(QCoreApplication::translate("HoldToConfirmButton", "Confirmed"));
    setEnabled(false);
    if (onHoldCompleted)
        onHoldCompleted();
    emit holdCompleted();
}

void HoldToConfirmButton::endHold()
{
    m_holding = false;
    m_ticker.stop();
    setDown(false);
}
