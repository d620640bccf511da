#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The sort order of a grid: up to two key columns, the one chosen last
// first, and one direction (0 ascending, 1 descending) for both.
class GridSortKeys {
  public:
    static constexpr std::size_t kLimit = 2;

    // Empties the history and sets the direction.
    void clear(std::int32_t SortType);
    // Makes the column the primary key: choosing the primary key again flips
    // the direction; choosing the secondary makes it primary unflipped; a third
    // column drops the oldest.
    void AddSortKey(std::int16_t column);

    // Newest first.
    const std::vector<std::int16_t>& keys() const { return keys_; }
    std::int32_t SortType() const { return sortType_; }

    // -1, 0 or 1 under the direction.
    int CompareNumbers(std::int32_t a, std::int32_t b) const;
    // Code unit by code unit, case-sensitive.
    int CompareTexts(std::string_view a, std::string_view b) const;

  private:
    int directed(int ascending) const { return sortType_ == 1 ? -ascending : ascending; }

    std::vector<std::int16_t> keys_;
    std::int32_t sortType_ = 0;
};

// The value of a numeric cell as a 32-bit whole number (rounded half to
// even; beyond the range, its nearest end); nullopt when the text is not a
// number.
std::optional<std::int32_t> ParseNumber(std::string_view text);
