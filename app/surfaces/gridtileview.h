#pragma once

#include "format/ejectremountspec.h"
#include "model/volume.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <optional>

class QAbstractButton;
class SpinnerView;

// One tile of a volume grid (the main window's volumes pane, the popover's grid): a large icon
// over its title, an eject or remount button in the top left corner, a spinner in its place
// while an operation runs, and a green dot while the drive is busy. A title too long for the
// tile is shown whole in a pill over the window while the pointer rests on the tile.
// The tile decides nothing: its owner acts on the requests it emits.
class GridTileView : public QWidget {
    Q_OBJECT
public:
    static constexpr int tileWidth = 122;
    static constexpr int iconSide = 104;
    static constexpr int verticalPadding = 8;
    static constexpr int sidePadding = 4;
    static constexpr int spacing = 4;
    static constexpr int titleMaxWidth = 114;
    static constexpr int buttonSide = 20;
    static constexpr QPoint buttonOrigin{6, 6};
    static constexpr QPoint spinnerOrigin{12, 6};
    static constexpr int dotDiameter = 7;
    static constexpr qreal dimmedIconOpacity = 0.4;
    static constexpr qreal buttonRestingOpacity = 0.7;

    // A tile of its own kind (the popover's folder tile): no button, not dimmed.
    GridTileView(const QPixmap &icon, const QString &title, QWidget *parent = nullptr);
    // A volume's tile: its name, dimmed unless mounted, the button its state calls for.
    GridTileView(const Volume &volume, const QPixmap &icon, QWidget *parent = nullptr);
    ~GridTileView() override;

    const std::optional<Volume> &volume() const { return m_volume; }
    QString title() const { return m_title; }

    void setDimmed(bool dimmed);
    bool isDimmed() const { return m_dimmed; }
    // none hides the button.
    void setButtonKind(EjectRemountSpec::Kind kind);
    EjectRemountSpec::Kind buttonKind() const { return m_buttonKind; }
    // While busy the spinner takes the button's place.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }
    // Shows or hides the activity dot.
    void setActive(bool active);
    bool isActive() const { return m_active; }

    bool isHovered() const { return m_hovered; }
    bool isTitleTruncated() const;
    QRect iconRect() const;
    QRect titleRect() const;
    QRect dotRect() const;
    QAbstractButton *overlayButton() const;
    SpinnerView *spinner() const { return m_spinner; }
    // The pill showing the whole title, while there is one.
    QWidget *titlePill() const { return m_pill; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // A primary click (or Return) on the tile outside its button.
    void openRequested();
    void ejectRequested();
    void remountRequested();
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    class OverlayButton;

    void build();
    void updateAccessory();
    void showPill();
    void hidePill();
    QString elidedTitle() const;

    std::optional<Volume> m_volume;
    QPixmap m_icon;
    QString m_title;
    bool m_dimmed = false;
    EjectRemountSpec::Kind m_buttonKind = EjectRemountSpec::Kind::none;
    bool m_busy = false;
    bool m_active = false;
    bool m_hovered = false;
    bool m_pressed = false;
    OverlayButton *m_button = nullptr;
    SpinnerView *m_spinner = nullptr;
    QPointer<QWidget> m_pill;
};
