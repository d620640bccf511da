#include "grids/list_grid/grid_sort_keys.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/text/units.h"

#include <algorithm>
#include <limits>

void GridSortKeys::clear(std::int32_t SortType) {
    keys_.clear();
    sortType_ = SortType;
}

void GridSortKeys::AddSortKey(std::int16_t column) {
    auto found = std::find(keys_.begin(), keys_.end(), column);
    if (found != keys_.end()) {
        if (found == keys_.begin()) sortType_ = sortType_ == 0 ? 1 : 0;
        keys_.erase(found);
    }
    if (keys_.size() >= kLimit) keys_.pop_back();
    keys_.insert(keys_.begin(), column);
}

int GridSortKeys::CompareNumbers(std::int32_t a, std::int32_t b) const {
    return directed(a < b ? -1 : (a > b ? 1 : 0));
}

int GridSortKeys::CompareTexts(std::string_view a, std::string_view b) const {
    return directed(host::text::compare(a, b));
}

std::optional<std::int32_t> ParseNumber(std::string_view text) {
    if (!host::runtime::IsNumeric(text)) return std::nullopt;
    try {
        return host::runtime::saturate32(host::runtime::CDbl(text));
    } catch (const host::runtime::RuntimeError& e) {
        if (e.number() != host::runtime::ErrorNumber::Overflow) throw;
        // Too many digits for a double: the nearest end of the range.
        const bool negative = text.find('-') != std::string_view::npos;
        return negative ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
    }
}
