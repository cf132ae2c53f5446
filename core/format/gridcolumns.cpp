#include "format/gridcolumns.h"

#include <algorithm>

int GridColumns::volumesPanel(int viewWidth)
{
    const int columns = (viewWidth - 2 * volumesPanelInset + volumesPanelSpacing) /
                        (tileWidth + volumesPanelSpacing);
    return std::max(columns, 1);
}
