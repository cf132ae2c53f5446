#pragma once

#include <QWidget>

// Holds one tile and puts a rounded highlight behind it while the pointer is over it.
class TileHoverFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal cornerRadius = 10;

    // Takes ownership of the content, which fills the frame.
    explicit TileHoverFrame(QWidget *content, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    bool isHighlighted() const { return m_highlighted; }
    // The unemphasised selection shade of the palette's window colour.
    static QColor highlightColour(const QPalette &palette);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *m_content;
    bool m_highlighted = false;
};
