#include "grids/list_grid/grid_scroll_bar.h"

#include "host/runtime/rounding.h"

GridScrollBar gridScrollBar(int rowHeight, int headerRows, int shownSlots, int dataRows,
                            int scrollFrameWidth) {
    GridScrollBar bar;
    const int dataSlots = shownSlots - headerRows;
    const int rows = dataRows + 1;
    bar.trackTop = rowHeight * headerRows + scrollFrameWidth;
    bar.trackLength = dataSlots * rowHeight - 2 * scrollFrameWidth;
    if (rows <= 0) return bar;
    // The share and the quotients are single precision.
    const float visibleShare = static_cast<float>(dataSlots) / static_cast<float>(rows);
    bar.thumbHeight = host::runtime::CLng(static_cast<float>(bar.trackLength) * visibleShare);
    float travel = 0;
    if (bar.thumbHeight >= GridScrollBar::kMinThumb) {
        const int steps = rows - dataSlots + 1;
        if (steps != 0)
            travel = static_cast<float>(bar.trackLength - bar.thumbHeight) / static_cast<float>(steps);
    } else {
        bar.thumbHeight = GridScrollBar::kMinThumb;
        // Two rows shown by a thumb this short leave no steps to travel by.
        if (dataRows != 2)
            travel = static_cast<float>(bar.trackLength - GridScrollBar::kMinThumb) /
                     static_cast<float>(dataRows - 2);
    }
    bar.scale = static_cast<double>(travel);
    return bar;
}
