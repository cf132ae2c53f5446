#pragma once

#include <QColor>
#include <QIconEngine>

// The tray's icon: named "quillmere-symbolic", which a tray host looks up in the icon theme
// and tints for its panel, and drawn, for hosts that take the pixels, as the mark in a dark
// colour inside a light outline, so it shows on dark and light panels alike.
class TrayMarkIconEngine : public QIconEngine {
public:
    static constexpr const char *themeName = "quillmere-symbolic";

    // `named` false: the icon has no theme name (a staging build, whose red must stay).
    TrayMarkIconEngine(QColor fill, QColor outline, bool named);

    QString iconName() override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;

private:
    QColor m_fill;
    QColor m_outline;
    bool m_named;
};
