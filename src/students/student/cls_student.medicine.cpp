#include "students/student/cls_student.h"

#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"
#include "students/abilities.h"
#include "students/traits.h"

#include <algorithm>

void clsStudent::UseConsumeItem(const clsUseConsumeItem& cItem) {
    if (medicTolerance_ >= medicUpper_) {
        Services().SoundPlay(sound_name::kBoo);
        report("薬の効果はなかった");
        return;
    }
    const std::int16_t amount = host::runtime::saturate16(std::int64_t{cItem.Effect2()});
    for (std::int16_t n = 1; n <= clsUseConsumeItem::DissatisfactionBit; ++n) {
        if (!Method().BitCheck(cItem.Effect1(), n)) continue;
        if (n <= ability::kCount) {
            cStudentData_.GetExperience(clsStudentData::NatureLevelBlock, n, amount);
            cStudentData_.GetExperience(clsStudentData::LevelBlock, n, amount);
        } else if (n == clsUseConsumeItem::PhysicalBit) {
            CalcPhysical(CalcAdd, amount);
            report("体力が回復した");
        } else if (n == clsUseConsumeItem::ConditionBit) {
            condition_ = static_cast<std::int16_t>(std::max(0, condition_ - 1));
            conditionImproving_ = true;
            report("調子が良くなった");
        } else {
            CalcDissatisfaction(CalcSubtract, amount);
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
        {trait::kCharisma, false, "カリスマでなくなった"},
        {trait::kHardWorker, false, "努力家でなくなった"},
        {trait::kSturdy, false, "頑丈でなくなった"},
        {trait::kDeft, false, "器用でなくなった"},
        {trait::kGrit, false, "根性がなくなった"},
        {trait::kLazy, true, "怠け者になった"},
        {trait::kFrail, true, "貧弱になった"},
        {trait::kClumsy, true, "不器用になった"},
    };
    for (const auto& effect : kSideEffects) {
        if (HoldSkill(effect.skill) == effect.gained) continue;
        Services().SoundPlay(sound_name::kBoo);
        if (effect.gained)
            GetSkill(effect.skill);
        else
            LostSkill(effect.skill);
        report(effect.message);
    }
}
