#pragma once

#include "model/volume.h"

#include <QList>
#include <QPixmap>
#include <QTransform>
#include <QWidget>
#include <optional>

// The popover's fan: items (a pill with the volume's name beside its icon) tilted along an
// arc. Items are pictures drawn once and placed by a transform, so a frame of the opening or
// closing animation only moves pictures. Widgets cannot be rotated, so this one view draws
// and hit-tests every item.
class FanView : public QWidget {
    Q_OBJECT
public:
    struct Item {
        // None for the folder item.
        std::optional<Volume> volume;
        QString title;
        QPixmap picture;
        QSizeF size;
        double iconInset = 0;
        double iconSize = 0;
        // Degrees, clockwise on screen.
        double tilt = 0;
        // Where the icon's centre rests, in this view's coordinates.
        QPointF restingIconCentre;
        bool dimmed = false;
    };

    static constexpr qreal pillOpacity = 0.65;
    static constexpr qreal textOpacity = 0.96;
    static constexpr qreal dimmedOpacity = 0.45;

    explicit FanView(QWidget *parent = nullptr);

    // launchPoint: where items start from and collapse to.
    void setItems(QList<Item> items, QPointF launchPoint);
    const QList<Item> &items() const { return m_items; }
    QPointF launchPoint() const { return m_launchPoint; }

    // travel 0 puts every item's icon at the launch point, scaled by launchScale; 1 at rest.
    void setPose(double travel, double launchScale, double opacity);
    double travel() const { return m_travel; }
    double opacity() const { return m_opacity; }
    QTransform transformOf(int index) const;
    // The item under a point, or -1.
    int itemAt(QPointF point) const;

    // An item's picture: the pill with the title, then the icon, unrotated. Pixmaps are made at
    // twice the screen's density so they stay sharp when turned.
    static QPixmap renderPicture(const QString &title, const QPixmap &icon, double iconSize,
                                 double pillBottom, qreal devicePixelRatio);
    static double pillTextWidth(const QString &title);

signals:
    void itemClicked(int index);
    void itemContextMenuRequested(int index, const QPoint &globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QList<Item> m_items;
    QPointF m_launchPoint;
    double m_travel = 1;
    double m_launchScale = 1;
    double m_opacity = 1;
    int m_pressed = -1;
};
