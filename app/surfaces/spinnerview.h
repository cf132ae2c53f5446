#pragma once

#include <QBasicTimer>
#include <QWidget>

// A small indeterminate progress spinner. It turns only while shown, so a hidden one costs
// no wake-ups.
class SpinnerView : public QWidget {
    Q_OBJECT
public:
    static constexpr int smallSide = 16;

    explicit SpinnerView(QWidget *parent = nullptr, int side = smallSide);

    bool isSpinning() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    static constexpr int spokes = 12;
    QBasicTimer m_timer;
    int m_step = 0;
};
