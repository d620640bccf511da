#pragma once

#include "host/runtime/collection.h"
#include "platform/records/cls_get_grid_data.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The master-data browsers: a catalogue laid out as a column set (one record
// per column: caption in cell 0, width figure in cell 1) and a row set (one
// record per master row, one cell per column). The browsers only read.
namespace browser {

struct Column {
    std::string_view caption;
    std::int16_t width;
};

using Rows = host::runtime::Collection<clsGetGridData>;

// The ability columns that end several sets, abilities 1 to 17 in order.
inline constexpr std::array<std::string_view, 17> kAbilityCaptions = {
    "体力", "筋力", "敏捷", "技術", "意思", "頑丈", "魅力", "運",   "礼儀",
    "歴史", "剣術", "槍術", "弓術", "馬術", "攻撃", "防御", "奇襲",
};
inline constexpr std::int16_t kAbilityColumnWidth = 300;

inline constexpr std::string_view kSet = "○";
inline constexpr std::string_view kSideOnly = "△";
inline constexpr std::string_view kNotSet = "×";

// One record per column, each with cells 0..lastCell (cell 0 the caption,
// cell 1 the width figure, the rest empty).
Rows columnSet(std::span<const Column> head, bool abilityColumns, std::int16_t lastCell = 1);
// A row with one cell per column of a set of `columns` columns.
clsGetGridData newRow(std::int16_t columns);
std::string mark(bool set);
// Ability k in cell firstCell + k - 1: "○" for a bit of big, "△" for a bit
// only of small, "×" for the rest.
void setAbilityMarks(clsGetGridData& row, std::int16_t firstCell, std::int32_t big, std::int32_t small);

} // namespace browser
