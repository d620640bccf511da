#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "host/runtime/runtime_error.h"

void ctrGraphicalGridVer2::SortFromStart(std::int16_t SortCol, std::int32_t SortType) {
    sortKeys_.clear(SortType);
    if (SortCol < 0 || SortCol > dataCols_) return;
    AddSortKey(SortCol);
    SortGridRows();
}

// A bubble sort with a fixed number of passes that swaps only rows out of
// order, so equal rows keep their order. Each row's key cells are read as
// numbers once, before the passes; the parsed keys travel with their rows.
void ctrGraphicalGridVer2::SortGridRows() {
    const std::vector<std::int16_t>& keys = sortKeys_.keys();
    if (keys.empty())
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                          "the grid has no sort key");
    for (std::int16_t column : keys)
        if (column < 0 || column > dataCols_)
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                              "sort key column " + std::to_string(column));
    std::vector<SortKeyNumbers> numbers(cells_.size());
    for (std::size_t r = 0; r < cells_.size(); ++r)
        for (std::size_t level = 0; level < keys.size(); ++level)
            numbers[r][level] = ParseNumber(cells_[r][static_cast<std::size_t>(keys[level])]);

    for (int i = 0; i <= dataRows_; ++i) {
        for (int j = 0; j <= dataRows_ - i - 1; ++j) {
            const auto r = static_cast<std::int16_t>(j);
            if (CompareGridCells(r, numbers) != 1) continue;
            SwapGridRows(r);
            std::swap(numbers[static_cast<std::size_t>(j)], numbers[static_cast<std::size_t>(j) + 1]);
        }
    }
}

// Compares rows r and r + 1 by the primary key, then by the secondary while
// they tie: as numbers when both cells are numbers, else as texts.
int ctrGraphicalGridVer2::CompareGridCells(std::int16_t r, const std::vector<SortKeyNumbers>& numbers) const {
    const std::vector<std::int16_t>& keys = sortKeys_.keys();
    int result = 0;
    for (std::size_t level = 0; level < keys.size() && result == 0; ++level) {
        const auto& a = numbers[static_cast<std::size_t>(r)][level];
        const auto& b = numbers[static_cast<std::size_t>(r) + 1][level];
        result = a && b ? sortKeys_.CompareNumbers(*a, *b)
                        : sortKeys_.CompareTexts(cell(r, keys[level]),
                                                 cell(static_cast<std::int16_t>(r + 1), keys[level]));
    }
    return result;
}

void ctrGraphicalGridVer2::SwapGridRows(std::int16_t r) {
    cells_[static_cast<std::size_t>(r)].swap(cells_[static_cast<std::size_t>(r + 1)]);
    if (!layout_.hasCheckColumn || settings.MultiSelect) return;
    if (checkedRow_ == r)
        checkedRow_ = static_cast<std::int16_t>(r + 1);
    else if (checkedRow_ == r + 1)
        checkedRow_ = r;
}
