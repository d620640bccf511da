#include "students/roster/cls_unit_data.h"

#include "host/runtime/strings.h"
#include "host/text/width.h"

#include <vector>

namespace {

constexpr std::size_t kFields = clsUnitData::Positions + 3;

} // namespace

void clsUnitData::SetSaveData(std::string_view pData) {
    auto f = host::runtime::SplitFields(pData, ":", kFields, "team record");
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i] = host::text::toWide(f[i]);
    lineName_ = host::text::toWide(f[5]);
    questName_ = host::text::toWide(f[6]);
    itemName_ = host::text::toWide(f[7]);
}

std::string clsUnitData::GetSaveData() const {
    std::vector<std::string> fields(lines_.begin(), lines_.end());
    fields.push_back(lineName_);
    fields.push_back(questName_);
    fields.push_back(itemName_);
    return host::runtime::Join(fields, ":");
}

std::string clsUnitData::Lines(std::int16_t Number) const {
    return holds(Number) ? lines_[static_cast<std::size_t>(Number - 1)] : std::string();
}

void clsUnitData::Lines(std::int16_t Number, std::string value) {
    if (holds(Number)) lines_[static_cast<std::size_t>(Number - 1)] = std::move(value);
}

void clsUnitData::Clear() {
    lines_ = {};
    lineName_.clear();
    itemName_.clear();
}
