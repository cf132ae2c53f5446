#pragma once

// How many tile columns a grid of volumes has room for.
namespace GridColumns {

inline constexpr int volumesPanelInset = 20;
inline constexpr int volumesPanelSpacing = 12;
inline constexpr int tileWidth = 122;

// The main window's volumes pane: insets of 20 on both sides, 12 between tiles, at least 1.
int volumesPanel(int viewWidth);

inline constexpr int popoverInset = 16;
inline constexpr int popoverSpacing = 6;
inline constexpr double popoverWidthFraction = 0.9;
inline constexpr int popoverTilesAsIs = 6;

// The popover's grid: as many columns as 90 % of the screen's free width holds (at least 1).
int popoverMaximum(double visibleWidth);
// Up to six tiles in one row; more make a grid a little wider than tall.
int popover(int tileCount, double visibleWidth);

} // namespace GridColumns
