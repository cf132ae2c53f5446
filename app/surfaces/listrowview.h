#pragma once

#include "model/volume.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <optional>

class QAbstractButton;
class SpinnerView;

// One row of the popover's list: a small icon, the name, an activity dot and at the right an
// eject or remount button (or a spinner while an operation runs). Rows of the bottom area use
// the same look for the folder and options entries. The row decides nothing: its owner acts
// on the requests it emits.
class ListRowView : public QWidget {
    Q_OBJECT
public:
    enum class Accessory { none, eject, remount, options };

    static constexpr int rowHeight = 24;
    static constexpr int iconSide = 16;
    static constexpr QPoint iconOrigin{19, 4};
    static constexpr int nameX = 41;
    static constexpr int dotSide = 6;
    static constexpr int dotGap = 5;
    static constexpr int dotY = 9;
    static constexpr int buttonSide = 18;
    static constexpr int trailingMargin = 8;
    static constexpr qreal dimmedIconOpacity = 0.4;

    // A volume's row: dimmed unless mounted.
    ListRowView(const Volume &volume, const QPixmap &icon, QWidget *parent = nullptr);
    // A row of the bottom area.
    ListRowView(const QIcon &icon, const QString &title, QWidget *parent = nullptr);

    const std::optional<Volume> &volume() const { return m_volume; }
    QString title() const { return m_title; }
    bool isDimmed() const { return m_dimmed; }

    void setAccessory(Accessory accessory);
    Accessory accessory() const { return m_accessory; }
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }
    // Whether the row leaves room for an activity dot.
    void setShowsActivity(bool shows);
    void setActive(bool active);
    bool isActive() const { return m_active; }
    bool isHighlighted() const { return m_hovered; }

    QAbstractButton *button() const;
    SpinnerView *spinner() const { return m_spinner; }
    QRect nameRect() const;
    QRect dotRect() const;
    QString elidedTitle() const;

    QSize sizeHint() const override;

signals:
    void openRequested();
    void ejectRequested();
    void remountRequested();
    // The options chevron, or a click on an options row.
    void optionsRequested(QAbstractButton *button);
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    class SymbolButton;

    void build();
    void placeAccessory();
    int trailingRoom() const;

    std::optional<Volume> m_volume;
    QPixmap m_icon;
    QString m_title;
    bool m_dimmed = false;
    Accessory m_accessory = Accessory::none;
    bool m_busy = false;
    bool m_showsActivity = false;
    bool m_active = false;
    bool m_hovered = false;
    bool m_pressed = false;
    SymbolButton *m_button = nullptr;
    SpinnerView *m_spinner = nullptr;
};
