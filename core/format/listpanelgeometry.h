#pragma once

#include "format/popoverlayout.h"

#include <QList>
#include <QRectF>

// The popover's list panel: a compact, menu-like column of volume rows over a bottom area with
// the folder and options rows.
namespace ListPanelGeometry {

inline constexpr double rowHeight = 24;
inline constexpr double minWidth = 180;
inline constexpr double nameX = 41;
inline constexpr double trailingMargin = 19;
inline constexpr double dotRoom = 11;
inline constexpr double buttonRoom = 22;
// The folder row is a row like the others, its text from nameX to the trailing margin; less
// room cuts "Open in File Manager" short.
inline constexpr double folderRowPadding = nameX + trailingMargin;
inline constexpr double widthFraction = 0.9;
inline constexpr double bottomAreaHeight = 64;
inline constexpr double cornerRadius = 11;
inline constexpr double anchorGap = 6;
inline constexpr double heightFraction = 0.9;
// A scrolling column shows at least this many rows.
inline constexpr int minVisibleRows = 3;

// What one row needs: its name from x 41, 19 after it, the dot's room while activity is
// shown, the button's when it has one.
double rowWidth(double nameWidth, bool showsActivity, bool hasButton);
// The widest of 180, every row and the folder row, at most 90 % of the free screen width.
double width(const QList<double> &rowWidths, double folderTextWidth, double visibleWidth);

struct Geometry {
    QRectF frame;
    // Height of the rows' column (all rows, or the scrolling part of them).
    double rowsHeight = 0;
    bool scrolls = false;
};

Geometry compute(int rowCount, double width, const PopoverLayout::Anchor &anchor,
                 const QRectF &screen, const QRectF &available);

} // namespace ListPanelGeometry
