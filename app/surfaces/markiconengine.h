#pragma once

#include <QColor>
#include <QIconEngine>

// Draws the mark at the size asked for, rather than keeping a pixmap of every size for the
// whole session.
class MarkIconEngine : public QIconEngine {
public:
    explicit MarkIconEngine(QColor colour) : m_colour(colour) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    // The sizes offered to the window manager.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;

private:
    QColor m_colour;
};
