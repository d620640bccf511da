#pragma once

#include <cstdint>

// Where a grid's scroll track and thumb lie, in pixels of the grid, and how
// far the thumb travels per row.
struct GridScrollBar {
    int trackTop = 0;
    int trackLength = 0;
    // Never below kMinThumb.
    int thumbHeight = 0;
    // Pixels of thumb travel per row; 0 when the thumb cannot travel by rows.
    double scale = 0;

    static constexpr int kMinThumb = 10;
};

// The scroll bar of a grid of shownSlots bands of rowHeight (headerRows of
// them the header) showing dataRows + 1 rows, its frame scrollFrameWidth wide.
// The thumb's share of the track is the share of the rows shown, rounded half
// to even; a thumb that would be shorter than kMinThumb is made that long and
// then travels over the track less kMinThumb in dataRows - 2 steps.
GridScrollBar gridScrollBar(int rowHeight, int headerRows, int shownSlots, int dataRows,
                            int scrollFrameWidth);
