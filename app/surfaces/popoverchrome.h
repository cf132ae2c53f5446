#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class ListRowView;
class QAbstractButton;
class QPalette;
class QPointF;
class QRect;
class QWidget;

// What the volumes popover shows around its volumes: the folder entry that every layout ends
// with, the grid's title bar, the fan's options button and the list's bottom area. The texts keep
// the VolumesPopover translation context. Main thread.
namespace PopoverChrome {

// The icon of the entry that opens the volumes folder, and a pixmap of it side pixels square
// at the screen's density.
QIcon folderIcon();
QPixmap folderPixmap(int side);
// That entry's title.
QString openInFileManagerTitle();

// The grid's title bar along the top of body (in content's coordinates): the centred title
// and, at the right, a flat chevron for the view options, which it returns.
// The grid's width that shows its title whole between the margins the title bar keeps.
int gridTitleMinimumWidth();
QAbstractButton *addGridTitleBar(QWidget *content, const QRect &body, const QPalette &panelPalette);

// The view options button of the fan, centred at centre in the fan's coordinates, on a plate of
// the panel's material.
QAbstractButton *addFanOptionsButton(QWidget *fan, const QPointF &centre);

// The list's bottom area, width wide, below the rows: a hairline, the folder row and the
// options row.
struct ListBottomArea {
    QWidget *area = nullptr;
    ListRowView *folder = nullptr;
    ListRowView *options = nullptr;
};
ListBottomArea addListBottomArea(QWidget *parent, int width);

} // namespace PopoverChrome
