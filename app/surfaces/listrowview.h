#pragma once

#include "model/volume.h"
#include "surfaces/volumeentryview.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

class QAbstractButton;

// One row of the popover's list: a small icon, the name, an activity dot and at the right an
// eject or remount button (or a spinner while an operation runs). Rows of the bottom area use
// the same look for the folder and options entries. The row decides nothing: its owner acts
// on the requests it emits.
class ListRowView : public VolumeEntryView {
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

    // A volume's row: dimmed unless mounted.
    ListRowView(const Volume &volume, const QPixmap &icon, QWidget *parent = nullptr);
    // A row of the bottom area.
    ListRowView(const QIcon &icon, const QString &title, QWidget *parent = nullptr);

    void setAccessory(Accessory accessory);
    Accessory accessory() const { return m_accessory; }
    // Whether the row leaves room for an activity dot.
    void setShowsActivity(bool shows);
    bool isHighlighted() const { return isHovered(); }

    QAbstractButton *button() const;
    QRect nameRect() const;
    QRect dotRect() const override;
    QString elidedTitle() const;

    QSize sizeHint() const override;

signals:
    // The options chevron, or a click on an options row.
    void optionsRequested(QAbstractButton *button);

protected:
    bool hasButton() const override;
    // The highlight follows the pointer.
    void hoverChanged() override { update(); }
    // An options row asks for the options, any other row to open.
    void primaryClicked() override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Only a volume's row has a menu.
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    class SymbolButton;

    void build();
    void placeAccessory();
    int trailingRoom() const;

    Accessory m_accessory = Accessory::none;
    bool m_showsActivity = false;
    SymbolButton *m_button = nullptr;
};
