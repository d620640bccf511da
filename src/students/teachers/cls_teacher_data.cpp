#include "students/teachers/cls_teacher_data.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/cls_method.h"
#include "platform/services/game_services.h"

namespace {

constexpr std::size_t kFields = 23;

// The ability each skill 1..12 matches.
constexpr std::array<std::int16_t, clsTeacherData::SkillCount> kSkillAbility = {
    ability::kFencing,  ability::kSpearmanship, ability::kToxophily,  ability::kHorsemanship,
    ability::kHistory,  ability::kLuck,         ability::kAggressive, ability::kProtect,
    ability::kSurprise, ability::kTechnique,    ability::kPropriety,  ability::kIntention,
};

} // namespace

void clsTeacherData::SetData(std::string_view row) {
    using host::runtime::CInt;
    auto f = host::runtime::SplitFields(row, ",", kFields, "teacher row");
    auto i16 = [&](std::size_t i) { return CInt(std::string_view(f[i])); };
    std::int32_t character = i16(1), policy = i16(2);
    std::int16_t age = i16(3), period = i16(4);
    std::array<std::int16_t, ability::kCount> levels{};
    for (std::size_t i = 0; i < levels.size(); ++i)
        levels[i] = i16(5 + i);
    std::int32_t skills = host::runtime::CLng(f[22]);

    name_ = host::text::toWide(f[0]);
    character_ = character;
    policy_ = policy;
    age_ = age;
    period_ = period;
    levels_ = levels;
    skills_ = skills;
}

bool clsTeacherData::HoldSkill(std::int32_t n) const {
    if (n < 1 || n > 31) return false;
    return Method().BitCheck(skills_, static_cast<std::int16_t>(n));
}

bool clsTeacherData::SkillAbility(std::int32_t n) const {
    for (std::int32_t skill = 1; skill <= SkillCount; ++skill)
        if (HoldSkill(skill) && kSkillAbility[static_cast<std::size_t>(skill - 1)] == n) return true;
    return false;
}

std::int16_t clsTeacherData::AbilityAsENUM(std::int32_t bits) const {
    const std::int16_t n = ability::lowestIn(bits);
    return n == 0 ? 0 : GetAbility(n);
}

clsGetGridData clsTeacherData::GetDataDetail() const {
    clsGetGridData row;
    row.SetCols(ability::kCount - 1);
    for (std::int16_t i = 0; i < ability::kCount; ++i)
        row.Data(i, host::runtime::CStr(levels_[static_cast<std::size_t>(i)]));
    return row;
}

std::int16_t clsTeacherData::GetAbility(std::int16_t n) const {
    if (n < 1 || n > ability::kCount) {
        Services().MsgBox("Err:GetAbility:Number=" + host::runtime::CStr(n));
        return 0;
    }
    return level(n);
}

std::int32_t clsTeacherData::Salary() const {
    std::int32_t base = 0;
    for (int n = ability::kPhysical; n < ability::kAggressive; ++n)
        base += level(n) / 30;
    for (int n = ability::kAggressive; n <= ability::kSurprise; ++n)
        base += level(n) / 4;
    std::int32_t skills = 0;
    for (std::int32_t skill = 1; skill <= SkillCount; ++skill)
        if (HoldSkill(skill)) ++skills;
    return base * 100 + skills * 1000;
}
