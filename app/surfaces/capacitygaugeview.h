#pragma once

#include <QWidget>

// A capacity bar with the usage text over it, shared by the actions menu and the volume list.
class CapacityGaugeView : public QWidget {
    Q_OBJECT
public:
    static constexpr int barHeight = 16;
    static constexpr double warningLevel = 80;
    static constexpr double criticalLevel = 95;

    CapacityGaugeView(qint64 usedBytes, qint64 capacityBytes, int barWidth,
                      QWidget *parent = nullptr);

    // A new reading; repaints only when it differs.
    void setUsage(qint64 usedBytes, qint64 capacityBytes);

    // Percent used, 0 when the capacity is below one byte.
    double level() const;
    QString text() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint64 m_used;
    qint64 m_capacity;
};
