#pragma once

#include "platform/records/cls_get_grid_data.h"

#include <string>
#include <vector>

// The cells of a grid row, 0 to its last.
inline std::vector<std::string> cellsOf(const clsGetGridData& row) {
    std::vector<std::string> cells;
    for (std::int16_t i = 0; i <= row.Cols(); ++i)
        cells.push_back(row.Data(i));
    return cells;
}
