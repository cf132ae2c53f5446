#pragma once

// How many tile columns a grid of volumes has room for.
namespace GridColumns {

inline constexpr int volumesPanelInset = 20;
inline constexpr int volumesPanelSpacing = 12;
inline constexpr int tileWidth = 122;

// The main window's volumes pane: insets of 20 on both sides, 12 between tiles, at least 1.
int volumesPanel(int viewWidth);

} // namespace GridColumns
