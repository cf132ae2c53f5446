#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

// The toolbar's two-segment switch between the grid and the list of volumes.
class ViewModeControl : public QWidget {
    Q_OBJECT
public:
    enum Segment { gridSegment = 0, listSegment = 1 };

    explicit ViewModeControl(QWidget *parent = nullptr);

    int selectedSegment() const;
    // Does not call onChange.
    void setSelectedSegment(int segment);
    QToolButton *segmentButton(int segment) const;

    // The user picked a segment.
    std::function<void(int segment)> onChange;

private:
    QToolButton *m_grid;
    QToolButton *m_list;
};
