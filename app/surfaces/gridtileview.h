#pragma once

#include "format/ejectremountspec.h"
#include "model/volume.h"
#include "surfaces/volumeentryview.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QAbstractButton;

// One tile of a volume grid (the main window's volumes pane, the popover's grid): a large icon
// over its title, an eject or remount button in the top left corner, a spinner in its place
// while an operation runs, and a green dot while the drive is busy. A title too long for the
// tile is shown whole in a pill over the window while the pointer rests on the tile.
// The tile decides nothing: its owner acts on the requests it emits.
class GridTileView : public VolumeEntryView {
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
    static constexpr qreal buttonRestingOpacity = 0.7;

    // A tile of its own kind (the popover's folder tile): no button, not dimmed.
    GridTileView(const QPixmap &icon, const QString &title, QWidget *parent = nullptr);
    // A volume's tile: its name, dimmed unless mounted, the button its state calls for.
    GridTileView(const Volume &volume, const QPixmap &icon, QWidget *parent = nullptr);
    ~GridTileView() override;

    // none hides the button.
    void setButtonKind(EjectRemountSpec::Kind kind);
    EjectRemountSpec::Kind buttonKind() const { return m_buttonKind; }

    bool isTitleTruncated() const;
    QRect iconRect() const;
    QRect titleRect() const;
    QRect dotRect() const override;
    QAbstractButton *overlayButton() const;
    // The pill showing the whole title, while there is one.
    QWidget *titlePill() const { return m_pill; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool hasButton() const override;
    void hoverChanged() override;
    void paintEvent(QPaintEvent *event) override;
    // Return, Enter and Space open, as a primary click does.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    class OverlayButton;

    void build();
    void updateAccessory();
    void showPill();
    void hidePill();
    QString elidedTitle() const;

    EjectRemountSpec::Kind m_buttonKind = EjectRemountSpec::Kind::none;
    OverlayButton *m_button = nullptr;
    QPointer<QWidget> m_pill;
};
