#include "students/careers/cls_graduate.h"

#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/game_services.h"
#include "students/abilities.h"

#include <vector>

using host::runtime::CStr;
using mdlZRDFunc::RandomInt;

namespace {

constexpr std::size_t kSaveFields = 9;
constexpr std::int16_t kTopLevel = 100;

} // namespace

std::string clsGraduate::GetSaveData() const {
    return host::runtime::Join({name_, CStr(age_), CStr(character_), comingFrom_, CStr(course_),
                                CStr(changeCount_), GetAbilityList(present_), GetAbilityList(nature_),
                                CStr(graduateYear_)},
                               ";");
}

void clsGraduate::SetSaveData(std::string_view text) {
    using host::runtime::CInt;
    using host::runtime::CLng;
    auto f = host::runtime::SplitFields(text, ";", kSaveFields, "graduate record");
    std::int16_t age = CInt(std::string_view(f[1]));
    std::int32_t character = CLng(f[2]);
    std::int32_t course = CLng(f[4]);
    std::int16_t changeCount = CInt(std::string_view(f[5]));
    Abilities present = SetAbilityList(f[6]);
    Abilities nature = SetAbilityList(f[7]);
    std::int16_t graduateYear = CInt(std::string_view(f[8]));

    name_ = host::text::toWide(f[0]);
    age_ = age;
    character_ = character;
    comingFrom_ = host::text::toWide(f[3]);
    course_ = course;
    changeCount_ = changeCount;
    present_ = present;
    nature_ = nature;
    graduateYear_ = graduateYear;
}

void clsGraduate::CourseChange(std::int32_t target) {
    course_ = target;
    changeCount_ = host::runtime::saturate16(std::int64_t{changeCount_} + 1);
}

void clsGraduate::AbilityUp() {
    const std::int32_t mask = mdlZRDFunc::GetCourseMask(course_);
    for (std::int16_t k = 1; k <= ability::kCount; ++k) {
        // Read afresh: Luck itself may have risen earlier in this loop.
        const std::int16_t luck = GetNatureAbility(ability::kLuck);
        const std::int16_t r1 = RandomInt(0, 100);
        bool chance, room;
        if (Method().BitCheck(mask, k)) {
            chance = r1 <= 80;
            const std::int16_t r2 = RandomInt(0, 100);
            room = present_[at(k)] < nature_[at(k)] || r2 <= luck;
        } else {
            chance = r1 <= 20;
            const std::int16_t r2 = RandomInt(0, 100);
            room = r2 <= host::runtime::IntDiv(luck, 3);
        }
        if (chance && room) RaiseAbility(k);
    }
}

std::int16_t clsGraduate::GetAbility(std::int16_t number) const {
    return holds(number) ? present_[at(number)] : std::int16_t{0};
}

void clsGraduate::SetNatureAbility(std::int16_t number, std::int16_t value) {
    if (!holds(number)) {
        Services().MsgBox("Err:SetNatureData:Number=" + CStr(number));
        return;
    }
    nature_[at(number)] = value;
}

void clsGraduate::SetPresentAbility(std::int16_t number, std::int16_t value) {
    if (!holds(number)) {
        Services().MsgBox("Err:SetPresentAbility:Number=" + CStr(number));
        return;
    }
    present_[at(number)] = value;
}

void clsGraduate::RaiseAbility(std::int16_t number) {
    std::int16_t& present = present_[at(number)];
    std::int16_t& nature = nature_[at(number)];
    if (present >= kTopLevel) return;
    if (present >= nature) nature = host::runtime::saturate16(std::int64_t{nature} + 1);
    ++present;
}

std::int16_t clsGraduate::GetNatureAbility(std::int16_t number) const {
    if (!holds(number)) {
        Services().MsgBox("Err:GetNatureAbility:Number=" + CStr(number));
        return 0;
    }
    return nature_[at(number)];
}

clsGraduate::Abilities clsGraduate::SetAbilityList(std::string_view text) {
    auto values =
        host::runtime::SplitFields(text, ":", ability::kCount, "graduate ability list", ability::kCount);
    Abilities result{};
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = host::runtime::CInt(std::string_view(values[i]));
    return result;
}

std::string clsGraduate::GetAbilityList(const Abilities& values) {
    std::vector<std::string> parts;
    for (std::int16_t v : values)
        parts.push_back(CStr(v));
    return host::runtime::Join(parts, ":");
}
