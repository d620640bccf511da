#include "students/roster/cls_mng_student.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "students/abilities.h"
#include "students/traits.h"

#include <array>

using host::runtime::CStr;

namespace {

constexpr const char* kCRLF = "\r\n";

// The abilities shown for a team candidate: Physical to Toughness, then the
// weapons and formations.
constexpr std::array<std::int16_t, 13> kTeamAbilities = {
    ability::kPhysical,  ability::kMuscle,       ability::kQuickness,  ability::kTechnique,
    ability::kIntention, ability::kToughness,    ability::kFencing,    ability::kSpearmanship,
    ability::kToxophily, ability::kHorsemanship, ability::kAggressive, ability::kProtect,
    ability::kSurprise,
};

struct BattleSkill {
    std::int32_t number;
    const char* name;
};
constexpr std::array<BattleSkill, 4> kBattleSkills = {{
    {trait::kCharisma, "カリスマ"},
    {trait::kBoldHeart, "強心臓"},
    {trait::kFestive, "お祭り男"},
    {trait::kFaintHeart, "ノミの心臓"},
}};

} // namespace

clsUnitData* clsMngStudent::savedUnit(std::int16_t Number) {
    return Number >= 0 && Number < SavedTeams ? &units_[static_cast<std::size_t>(Number)] : nullptr;
}

const clsUnitData* clsMngStudent::savedUnit(std::int16_t Number) const {
    return const_cast<clsMngStudent*>(this)->savedUnit(Number);
}

void clsMngStudent::UnitSave(std::int16_t SaveNumber, std::int16_t UnitNumber, const std::string& SName) {
    if (clsUnitData* unit = savedUnit(SaveNumber)) unit->Lines(UnitNumber, SName);
}

void clsMngStudent::UnitSaveLineName(std::int16_t SaveNumber, const std::string& LineName) {
    if (clsUnitData* unit = savedUnit(SaveNumber)) unit->LineName(LineName);
}

void clsMngStudent::UnitSaveItem(std::int16_t SaveNumber, const std::string& ItemName) {
    if (clsUnitData* unit = savedUnit(SaveNumber)) unit->ItemName(ItemName);
}

std::string clsMngStudent::UnitLoadLineName(std::int16_t LoadNumber) const {
    const clsUnitData* unit = savedUnit(LoadNumber);
    return unit ? unit->LineName() : std::string();
}

std::string clsMngStudent::UnitLoadItem(std::int16_t LoadNumber) const {
    const clsUnitData* unit = savedUnit(LoadNumber);
    return unit ? unit->ItemName() : std::string();
}

bool clsMngStudent::CheckLoadData(std::int16_t Number) const {
    const clsUnitData* unit = savedUnit(Number);
    return unit && !unit->LineName().empty();
}

std::string clsMngStudent::UnitLoadMember(std::int16_t LoadNumber, std::int16_t UnitNumber,
                                          std::int16_t NeedPhysical) const {
    const clsUnitData* unit = savedUnit(LoadNumber);
    if (!unit) return "";
    const std::string name = unit->Lines(UnitNumber);
    if (!IsStudentName(name) || !mayJoinTeam(*students_.item(name), NeedPhysical)) return "";
    return name;
}

std::string clsMngStudent::GetUnitLoadSaveTips(std::int16_t Index, std::int16_t NeedPhysical) const {
    const clsUnitData* unit = savedUnit(Index);
    if (!unit)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                          "saved team " + std::to_string(Index));
    if (unit->LineName().empty()) return "登録されていません";

    std::string tip = "陣形名:" + unit->LineName();
    for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n) {
        const std::string name = unit->Lines(n);
        tip += kCRLF + CStr(n);
        if (name.empty()) {
            tip += "番は登録されていません";
            continue;
        }
        tip += "番の" + name;
        if (!IsStudentName(name)) {
            tip += "は存在しません";
            continue;
        }
        const clsStudent& student = *students_.item(name);
        if (IsQuestMember(name))
            tip += "は別の依頼メンバーになっています";
        else if (student.Injury() != 0)
            tip += "は怪我です";
        else if (student.Physical() < NeedPhysical)
            tip += "は体力が足りません";
        else
            tip += "はメンバーに登録できます";
    }
    return tip + kCRLF + "アイテム:" + unit->ItemName();
}

host::runtime::Collection<const clsStudent*>
clsMngStudent::GetUnitLineData(const clsUnitData& cUnitData) const {
    host::runtime::Collection<const clsStudent*> members;
    for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n) {
        const std::string name = cUnitData.Lines(n);
        if (name.empty()) continue;
        members.add(students_.item(name).get(), name);
    }
    return members;
}

bool clsMngStudent::CheckEnableUnitMember(std::int16_t NeedPhysical) const {
    int eligible = 0;
    for (const auto& student : students_)
        if (mayJoinTeam(*student, NeedPhysical) && ++eligible >= clsUnitData::Positions) return true;
    return false;
}

host::runtime::Collection<clsGetGridData>
clsMngStudent::GetEnableUnitMember(std::int16_t NeedPhysical) const {
    host::runtime::Collection<clsGetGridData> rows;
    for (const auto& student : students_) {
        if (!mayJoinTeam(*student, NeedPhysical)) continue;
        clsGetGridData row;
        row.SetCols(18);
        std::int16_t cell = 0;
        row.Data(cell++, "0");
        row.Data(cell++, student->Name());
        row.Data(cell++, CStr(student->Age()));
        row.Data(cell++, CStr(student->SchoolYear()));
        for (std::int16_t ability : kTeamAbilities)
            row.Data(cell++, CStr(student->GetAbility(ability)));
        row.Data(cell++, CStr(student->Condition()));
        row.Data(cell, CStr(GetDissatisfactionStage(student->Dissatisfaction())));
        rows.add(std::move(row));
    }
    return rows;
}

std::string clsMngStudent::GetBattleSkillTips(const std::string& pData) const {
    if (pData.empty()) return "";
    const clsStudent& student = *students_.item(pData);
    std::vector<std::string> held;
    for (const BattleSkill& skill : kBattleSkills)
        if (student.HoldSkill(skill.number)) held.emplace_back(skill.name);
    if (held.empty()) return "特にスキルは持っていません";
    return std::string("以下のスキルを持っています") + kCRLF + host::runtime::Join(held, kCRLF);
}

bool clsMngStudent::IsStudentName(const std::string& name) const {
    return !name.empty() && students_.contains(name);
}

bool clsMngStudent::IsQuestMember(const std::string& name) const {
    if (name.empty()) return false;
    for (const clsUnitData& team : questTeams_)
        for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n)
            if (team.Lines(n) == name) return true;
    return false;
}

bool clsMngStudent::mayJoinTeam(const clsStudent& student, std::int16_t NeedPhysical) const {
    return student.Injury() == 0 && student.Physical() >= NeedPhysical && !IsQuestMember(student.Name());
}
