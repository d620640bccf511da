#include "battle/combat/cls_fix_unit_data.h"

#include "battle/battle_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"
#include "host/runtime/strings.h"
#include "platform/rules/cls_method.h"

#include <initializer_list>

using host::runtime::CBool;
using host::runtime::CDbl;
using host::runtime::CInt;
using host::runtime::CStr;

namespace {

constexpr std::size_t kSaveFields = 13;

// Clears each bit in turn, reading the record's word anew each time.
void clearBits(clsDamage& cDamage, std::initializer_list<std::int16_t> bits) {
    for (std::int16_t bit : bits)
        cDamage.Effect(Method().BitOff(cDamage.Effect(), bit));
}

} // namespace

double clsFixUnitData::Speed() const {
    return host::runtime::Round(speed_, 2);
}

double clsFixUnitData::Energy() const {
    return host::runtime::Round(energy_, 2);
}

bool clsFixUnitData::SetSaveData(const std::string& UnitName, std::string_view strData) {
    auto fields = host::runtime::Split(strData, "/");
    if (fields.size() != kSaveFields) return false;
    clsFixUnitData read = *this;
    read.unitName_ = UnitName;
    read.physical_ = CInt(fields[0]);
    read.offensive_ = CInt(fields[1]);
    read.defense_ = CInt(fields[2]);
    read.speed_ = CDbl(fields[3]);
    read.energy_ = CDbl(fields[4]);
    read.understanding_ = CInt(fields[5]);
    read.condition_ = CInt(fields[6]);
    read.critical_ = CInt(fields[7]);
    read.preventAnger_ = CBool(fields[8]);
    read.preventConfuse_ = CBool(fields[9]);
    read.preventNotUseSkill_ = CBool(fields[10]);
    read.visibleAll_ = CBool(fields[11]);
    read.visibleParam_ = CBool(fields[12]);
    *this = std::move(read);
    return true;
}

std::string clsFixUnitData::GetSaveData() const {
    return host::runtime::Join({CStr(physical_), CStr(offensive_), CStr(defense_), CStr(speed_),
                                CStr(energy_), CStr(understanding_), CStr(condition_), CStr(critical_),
                                CStr(preventAnger_), CStr(preventConfuse_), CStr(preventNotUseSkill_),
                                CStr(visibleAll_), CStr(visibleParam_)},
                               "/");
}

void clsFixUnitData::CheckEffect(clsDamage& cDamage) const {
    if (preventAnger_ && Method().BitCheck(cDamage.Effect(), status_bit::kAnger))
        clearBits(cDamage, {status_bit::kAnger, status_bit::kDefenseDown, status_bit::kOffenseUp,
                            status_bit::kNotUseSkill});
    if (preventConfuse_ && Method().BitCheck(cDamage.Effect(), status_bit::kConfusion))
        clearBits(cDamage, {status_bit::kConfusion, status_bit::kDefenseDown});
    if (preventNotUseSkill_ && Method().BitCheck(cDamage.Effect(), status_bit::kNotUseSkill))
        clearBits(cDamage, {status_bit::kNotUseSkill});
}
