#include "platform/browser/browser_table.h"

#include "platform/rules/cls_method.h"

namespace browser {

namespace {

void addColumn(Rows& set, std::string_view caption, std::int16_t width, std::int16_t lastCell) {
    clsGetGridData column;
    column.SetCols(lastCell);
    column.Data(0, std::string(caption));
    column.Data(1, std::to_string(width));
    set.add(std::move(column));
}

} // namespace

Rows columnSet(std::span<const Column> head, bool abilityColumns, std::int16_t lastCell) {
    Rows set;
    for (const Column& column : head)
        addColumn(set, column.caption, column.width, lastCell);
    if (abilityColumns)
        for (std::string_view caption : kAbilityCaptions)
            addColumn(set, caption, kAbilityColumnWidth, lastCell);
    return set;
}

clsGetGridData newRow(std::int16_t columns) {
    clsGetGridData row;
    row.SetCols(static_cast<std::int16_t>(columns - 1));
    return row;
}

std::string mark(bool set) {
    return std::string(set ? kSet : kNotSet);
}

void setAbilityMarks(clsGetGridData& row, std::int16_t firstCell, std::int32_t big, std::int32_t small) {
    const auto count = static_cast<std::int16_t>(kAbilityCaptions.size());
    for (std::int16_t k = 1; k <= count; ++k)
        row.Data(static_cast<std::int16_t>(firstCell + k - 1), mark(false));
    for (std::int16_t k = 1; k <= count; ++k)
        if (Method().BitCheck(small, k))
            row.Data(static_cast<std::int16_t>(firstCell + k - 1), std::string(kSideOnly));
    for (std::int16_t k = 1; k <= count; ++k)
        if (Method().BitCheck(big, k))
            row.Data(static_cast<std::int16_t>(firstCell + k - 1), std::string(kSet));
}

} // namespace browser
