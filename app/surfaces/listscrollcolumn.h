#pragma once

#include <QBasicTimer>
#include <QWidget>

// A column taller than the room it has: it shows a window onto its content and scrolls while
// the pointer rests on the up or down chevron, or as the wheel turns. Like a long menu.
class ListScrollColumn : public QWidget {
    Q_OBJECT
public:
    static constexpr int chevronHeight = 16;
    // Pixels per tick while the pointer rests on a chevron; 16 ms ticks, so 225 px/s.
    static constexpr int hoverStep = 4;
    static constexpr int tickMs = 16;
    // Pixels per wheel notch: one row.
    static constexpr int wheelStep = 24;

    // Takes ownership of the content, which keeps its own height; the column is as wide as
    // the content and `height` high.
    ListScrollColumn(QWidget *content, int height, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    int offset() const { return m_offset; }
    int maximumOffset() const;
    bool canScrollUp() const { return m_offset > 0; }
    bool canScrollDown() const { return m_offset < maximumOffset(); }
    void scrollBy(int delta);
    // -1 up, 1 down, 0 stops: what the chevrons do while the pointer rests on them.
    void setHoverScroll(int direction);
    int hoverScroll() const { return m_hoverDirection; }
    QWidget *upChevron() const;
    QWidget *downChevron() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    class Chevron;

    void place();

    QWidget *m_content;
    Chevron *m_up;
    Chevron *m_down;
    int m_offset = 0;
    int m_hoverDirection = 0;
    int m_wheelRemainder = 0;
    QBasicTimer m_timer;
};
