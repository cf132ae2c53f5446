#pragma once

#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <functional>

// A button that confirms only after being held down for holdDuration; releasing it early or
// dragging the pointer off it starts over.
class HoldToConfirmButton : public QPushButton {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::milliseconds()>;

    explicit HoldToConfirmButton(QWidget *parent = nullptr);

    std::chrono::milliseconds holdDuration{3000};
    std::function<void()> onHoldCompleted;

    // Monotonic time source; tests replace it to hold for seconds without waiting for them.
    void setClock(Clock clock);
    bool isHolding() const { return m_holding; }
    bool isCompleted() const { return m_completed; }

    static QString idleTitle();

signals:
    void holdCompleted();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void tick();
    void abort();
    void succeed();
    void endHold();

    Clock m_clock;
    QTimer m_ticker;
    std::chrono::milliseconds m_deadline{0};
    bool m_holding = false;
    bool m_completed = false;
};
