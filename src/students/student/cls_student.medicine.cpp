#include "students/student/cls_student.h"

#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"
#include "platform/services/game_services.h"

#include <algorithm>

namespace {

constexpr const char* kNoEffectSound = "puu79_a";

} // namespace

void clsStudent::UseConsumeItem(const clsUseConsumeItem& cItem) {
    if (medicTolerance_ >= medicUpper_) {
        Services().SoundPlay(kNoEffectSound);
        report("薬の効果はなかった");
        return;
    }
    const std::int16_t amount = host::runtime::saturate16(std::int64_t{cItem.Effect2()});
    for (std::int16_t n = 1; n <= 20; ++n) {
        if (!Method().BitCheck(cItem.Effect1(), n)) continue;
        if (n <= clsStudentData::AbilityCount) {
            cStudentData_.GetExperience(clsStudentData::NatureLevelBlock, n, amount);
            cStudentData_.GetExperience(clsStudentData::LevelBlock, n, amount);
        } else if (n == 18) {
            CalcPhysical(1, amount);
            report("体力が回復した");
        } else if (n == 19) {
            condition_ = static_cast<std::int16_t>(std::max(0, condition_ - 1));
            conditionImproving_ = true;
            report("調子が良くなった");
        } else {
            CalcDissatisfaction(2, amount);
            report("不満が減った");
        }
    }

    medicTolerance_ = host::runtime::saturate16(std::int64_t{medicTolerance_} + cItem.Category());
    if (medicTolerance_ < medicUpper_) return;

    report(name_ + "に薬の副作用がでてしまったようです");
    struct SideEffect {
        std::int32_t skill;
        bool gained;
        const char* message;
    };
    static constexpr SideEffect kSideEffects[] = {
        {1, false, "カリスマでなくなった"}, {3, false, "努力家でなくなった"}, {4, false, "頑丈でなくなった"},
        {5, false, "器用でなくなった"},     {6, false, "根性がなくなった"},   {13, true, "怠け者になった"},
        {14, true, "貧弱になった"},         {15, true, "不器用になった"},
    };
    for (const auto& effect : kSideEffects) {
        if (HoldSkill(effect.skill) == effect.gained) continue;
        Services().SoundPlay(kNoEffectSound);
        if (effect.gained)
            GetSkill(effect.skill);
        else
            LostSkill(effect.skill);
        report(effect.message);
    }
}
