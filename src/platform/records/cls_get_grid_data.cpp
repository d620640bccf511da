#include "platform/records/cls_get_grid_data.h"

void clsGetGridData::SetCols(std::int16_t pCols) {
    cells_.assign(pCols < 0 ? 0 : static_cast<std::size_t>(pCols) + 1, std::string());
    cols_ = pCols;
}

bool clsGetGridData::holds(std::int16_t pIndex) const {
    return pIndex >= 0 && static_cast<std::size_t>(pIndex) < cells_.size();
}

std::string clsGetGridData::Data(std::int16_t pIndex) const {
    return holds(pIndex) ? cells_[pIndex] : std::string();
}

void clsGetGridData::Data(std::int16_t pIndex, std::string pData) {
    if (holds(pIndex)) cells_[pIndex] = std::move(pData);
}
