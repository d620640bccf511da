#include "state/save/save_slot_row.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"

#include <vector>

using host::runtime::CStr;

namespace {

constexpr std::size_t kHeaderParts = 7;
constexpr const char* kNoData = "No DATA";
constexpr const char* kFileFailed = "File Failed";

namespace Cell {
constexpr std::int16_t Check = 0;
constexpr std::int16_t Slot = 1;
constexpr std::int16_t SaveTime = 2;
constexpr std::int16_t KingdomDate = 3;
constexpr std::int16_t Money = 4;
constexpr std::int16_t KingdomPoint = 5;
constexpr std::int16_t PlayTime = 6;
} // namespace Cell

std::string partAt(const std::vector<std::string>& parts, std::size_t index) {
    return index < parts.size() ? parts[index] : std::string();
}

// At least two digits for a number; other text as it is.
std::string twoDigits(const std::string& text) {
    if (!host::runtime::IsNumeric(text)) return text;
    try {
        return host::runtime::FormatZeros(host::runtime::CDbl(text), "00");
    } catch (const host::runtime::RuntimeError&) {
        return text;
    }
}

clsGetGridData newRow(std::int16_t index) {
    clsGetGridData row;
    row.SetCols(Cell::PlayTime);
    row.Data(Cell::Check, "0");
    row.Data(Cell::Slot, CStr(index));
    return row;
}

clsGetGridData rowOfParts(std::int16_t index, const std::vector<std::string>& parts) {
    clsGetGridData row = newRow(index);
    row.Data(Cell::SaveTime, partAt(parts, 0));
    row.Data(Cell::KingdomDate, FormatSaveDate(partAt(parts, 1)));
    row.Data(Cell::Money, partAt(parts, 2));
    row.Data(Cell::KingdomPoint, partAt(parts, 3));
    row.Data(Cell::PlayTime, FormatPlayTime(partAt(parts, 4)));
    return row;
}

} // namespace

std::string FormatSaveDate(std::string_view text) {
    const auto parts = host::runtime::Split(text, ":");
    return partAt(parts, 0) + "年" + twoDigits(partAt(parts, 1)) + "月" + twoDigits(partAt(parts, 2)) + "日";
}

std::string FormatPlayTime(std::string_view text) {
    const auto parts = host::runtime::Split(text, ":");
    return partAt(parts, 0) + "時間" + twoDigits(partAt(parts, 1)) + "分";
}

clsGetGridData missingSlotRow(std::int16_t index) {
    clsGetGridData row = newRow(index);
    row.Data(Cell::SaveTime, kNoData);
    return row;
}

clsGetGridData saveSlotRow(std::int16_t index, std::string_view header) {
    const auto parts = host::runtime::Split(header, "\\");
    if (parts.size() == kHeaderParts) return rowOfParts(index, parts);
    clsGetGridData row = newRow(index);
    row.Data(Cell::SaveTime, kNoData);
    row.Data(Cell::KingdomDate, kFileFailed);
    row.Data(Cell::Money, CStr(static_cast<std::int64_t>(parts.empty() ? 0 : parts.size() - 1)));
    return row;
}

clsGetGridData saveSlotDetailRow(std::int16_t index, std::string_view header) {
    return rowOfParts(index, host::runtime::Split(header, "\\"));
}
