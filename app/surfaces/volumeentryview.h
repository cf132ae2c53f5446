#pragma once

#include "model/volume.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <optional>

class QPainter;
class SpinnerView;

// What a volume's tile in a grid (GridTileView) and its row in a list (ListRowView) share: the
// volume, or none for an entry of its own (the folder); an icon, faded while the volume is not
// mounted, and a title; an eject or remount button that a spinner replaces while an operation
// runs; a green dot while the drive is busy; the pointer's hover; and the requests that a
// primary click and a context menu make. The entry decides nothing: its owner acts on the
// requests it emits.
class VolumeEntryView : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal dimmedIconOpacity = 0.4;

    const std::optional<Volume> &volume() const { return m_volume; }
    QString title() const { return m_title; }

    void setDimmed(bool dimmed);
    bool isDimmed() const { return m_dimmed; }
    // While busy the spinner takes the button's place.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }
    // Shows or hides the activity dot.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    bool isHovered() const { return m_hovered; }

    SpinnerView *spinner() const { return m_spinner; }
    // Where the activity dot is drawn.
    virtual QRect dotRect() const = 0;

signals:
    // A primary click on the entry outside its button.
    void openRequested();
    void ejectRequested();
    void remountRequested();
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    class AccessoryButton;

    // A volume's entry: its name, faded unless mounted.
    VolumeEntryView(const Volume &volume, const QPixmap &icon, QWidget *parent);
    // An entry of its own, not faded.
    VolumeEntryView(const QPixmap &icon, const QString &title, QWidget *parent);

    // Takes the entry's button, a child, and puts the spinner after it; both start hidden.
    void setAccessoryButton(AccessoryButton *button);
    void setIcon(const QPixmap &icon) { m_icon = icon; }
    const QPixmap &icon() const { return m_icon; }
    // Whether the entry has a button to show when it is not busy.
    virtual bool hasButton() const = 0;
    // Shows the spinner while busy, else the button if there is one.
    void showButtonOrSpinner();
    // After the pointer came or went, or the entry hid.
    virtual void hoverChanged() {}
    // A primary click released over the entry.
    virtual void primaryClicked() { emit openRequested(); }

    // The icon into target, faded while dimmed.
    void paintIcon(QPainter &painter, const QRectF &target) const;
    // The activity dot, ringed by outline (Qt::NoPen for none).
    static void paintActivityDot(QPainter &painter, const QRectF &dot, const QPen &outline);

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    std::optional<Volume> m_volume;
    QPixmap m_icon;
    QString m_title;
    bool m_dimmed = false;
    bool m_busy = false;
    bool m_active = false;
    bool m_hovered = false;
    bool m_pressed = false;
    AccessoryButton *m_accessoryButton = nullptr;
    SpinnerView *m_spinner = nullptr;
};

// An entry's eject, remount or options button: a symbol, side pixels square, that takes no
// focus and keeps the arrow cursor. Subclasses paint it.
class VolumeEntryView::AccessoryButton : public QAbstractButton {
public:
    AccessoryButton(int side, QWidget *parent);

    void setSymbol(const QIcon &symbol);

protected:
    // The symbol, glyph pixels square and tinted colour, in the middle of the button.
    void paintSymbol(QPainter &painter, int glyph, const QColor &colour) const;

private:
    QIcon m_symbol;
};
