#include "app/shell/cls_tmp_data.h"

#include "platform/rules/mdl_zrd_func.h"

#include "host/runtime/runtime_error.h"

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;
using host::runtime::Variant;

namespace {

enum class KeyType { Text, Integer, Long, Boolean };

struct ScratchKey {
    std::int32_t key;
    KeyType type;
};

// Every numbered value and its type; there is no key 35.
constexpr ScratchKey kScratchKeys[] = {
    {1, KeyType::Text},     {2, KeyType::Integer},  {3, KeyType::Text},     {4, KeyType::Long},
    {5, KeyType::Integer},  {6, KeyType::Integer},  {7, KeyType::Text},     {8, KeyType::Long},
    {9, KeyType::Text},     {10, KeyType::Integer}, {11, KeyType::Text},    {12, KeyType::Text},
    {13, KeyType::Text},    {14, KeyType::Integer}, {15, KeyType::Text},    {16, KeyType::Integer},
    {17, KeyType::Integer}, {18, KeyType::Text},    {19, KeyType::Integer}, {20, KeyType::Integer},
    {21, KeyType::Text},    {22, KeyType::Integer}, {23, KeyType::Integer}, {24, KeyType::Text},
    {25, KeyType::Text},    {26, KeyType::Text},    {27, KeyType::Text},    {28, KeyType::Text},
    {29, KeyType::Text},    {30, KeyType::Long},    {31, KeyType::Text},    {32, KeyType::Integer},
    {33, KeyType::Text},    {34, KeyType::Text},    {36, KeyType::Long},    {37, KeyType::Boolean},
    {38, KeyType::Integer}, {39, KeyType::Integer},
};

Variant converted(KeyType type, const Variant& value) {
    switch (type) {
    case KeyType::Text:
        return Variant(value.toString());
    case KeyType::Integer:
        return Variant(value.toInteger());
    case KeyType::Long:
        return Variant(value.toLong());
    case KeyType::Boolean:
        return Variant(value.toBool());
    }
    return {};
}

} // namespace

clsTMPData::clsTMPData() {
    for (const ScratchKey& entry : kScratchKeys)
        values_[entry.key] = converted(entry.type, Variant());
}

void clsTMPData::SetDataSingle(std::int32_t DataType, const Variant& DataTMP) {
    if (DataType == kTurnEndLog) {
        mdlZRDFunc::AddLineBreak(turnEndLog_);
        turnEndLog_ += DataTMP.toString();
        return;
    }
    for (const ScratchKey& entry : kScratchKeys) {
        if (entry.key == DataType) {
            values_[DataType] = converted(entry.type, DataTMP);
            return;
        }
    }
}

Variant clsTMPData::GetDataSingle(std::int32_t DataType) const {
    if (DataType == kTurnEndLog) return Variant(turnEndLog_);
    auto found = values_.find(DataType);
    return found == values_.end() ? Variant() : found->second;
}

const clsBattleRegulation& clsTMPData::GetRegulation() const {
    if (!regulation_) throw RuntimeError(ErrorNumber::ObjectNotSet, "the tournament's regulation");
    return *regulation_;
}

clsUnit& clsTMPData::GetUnit(const std::string& UnitName) const {
    if (!units_) throw RuntimeError(ErrorNumber::ObjectNotSet, "the tournament's entrants");
    return *units_->item(UnitName);
}

void clsTMPData::SetUnit(const host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit) {
    host::runtime::Collection<std::shared_ptr<clsUnit>> units;
    for (long i = 1; i <= clUnit.count(); ++i)
        units.add(clUnit.item(i), clUnit.keyAt(i));
    units_ = std::move(units);
}

std::size_t clsTMPData::member(std::int16_t Number) {
    if (Number < 0 || Number > 4)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "member " + std::to_string(Number));
    return static_cast<std::size_t>(Number);
}

std::int16_t clsTMPData::GetUnitXPos(std::int16_t Number) const {
    return unitX_[member(Number)];
}

std::int16_t clsTMPData::GetUnitYPos(std::int16_t Number) const {
    return unitY_[member(Number)];
}

void clsTMPData::SetUnitPos(std::int16_t XPos, std::int16_t YPos, std::int16_t Number) {
    const std::size_t i = member(Number);
    unitX_[i] = XPos;
    unitY_[i] = YPos;
}

std::int16_t clsTMPData::GetUnitNumber(std::int16_t XPos, std::int16_t YPos) const {
    for (std::size_t i = 0; i < unitX_.size(); ++i)
        if (unitX_[i] == XPos && unitY_[i] == YPos) return static_cast<std::int16_t>(i);
    return -1;
}
