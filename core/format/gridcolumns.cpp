#include "format/gridcolumns.h"

#include <algorithm>
#include <cmath>

int GridColumns::volumesPanel(int viewWidth)
{
    const int columns = (viewWidth - 2 * volumesPanelInset + volumesPanelSpacing) /
                        (tileWidth + volumesPanelSpacing);
    return std::max(columns, 1);
}

int GridColumns::popoverMaximum(double visibleWidth)
{
    const double room = visibleWidth * popoverWidthFraction - 2 * popoverInset + popoverSpacing;
    return std::max(int(std::floor(room / (tileWidth + popoverSpacing))), 1);
}

int GridColumns::popover(int tileCount, double visibleWidth)
{
    const int wanted =
        tileCount <= popoverTilesAsIs ? tileCount : int(std::ceil(std::sqrt(tileCount * 1.3)));
    return std::max(std::min(popoverMaximum(visibleWidth), wanted), 1);
}
