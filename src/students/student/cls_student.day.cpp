#include "students/student/cls_student.h"

#include "host/runtime/rounding.h"
#include "host/runtime/saturate.h"
#include "platform/rules/mdl_zrd_func.h"
#include "students/dissatisfaction.h"

#include <algorithm>

using host::runtime::saturate16;

void clsStudent::ForwordDay(bool) {
    if (injury_ == 1) {
        injury_ = 0;
        report(name_ + "の怪我が治りました");
    } else if (injury_ > 1) {
        --injury_;
    }

    int r = mdlZRDFunc::RandomInt(0, 100);
    switch (condition_) {
    case 0:
        if (HoldSkill(3)) r += 10;
        if (r < 20) {
            condition_ = 1;
            conditionImproving_ = false;
        }
        break;
    case 1:
    case 2:
    case 3:
        if (r > 75 && conditionImproving_)
            --condition_;
        else if (r < 25 && !conditionImproving_)
            ++condition_;
        break;
    case 4:
        if (HoldSkill(2))
            r -= 10;
        else if (HoldSkill(3))
            r += 20;
        if (r > 80) {
            condition_ = 3;
            conditionImproving_ = true;
        }
        break;
    default:
        break;
    }
}

void clsStudent::CalcPhysical(std::int32_t pMethod, std::int16_t Value) {
    if (Value == 0) return;
    std::int64_t physical = physical_;
    switch (pMethod) {
    case CalcAdd:
        physical += Value;
        break;
    case CalcSubtract:
        physical -= Value;
        break;
    case CalcRecoverShare: {
        double share = MaxPhysical() / 100.0 * Value;
        physical += share > Value ? static_cast<std::int64_t>(host::runtime::Fix(share)) : Value;
        break;
    }
    default:
        break;
    }
    if (physical > MaxPhysical()) physical = MaxPhysical();
    if (physical < 0) physical = 0;
    physical_ = saturate16(physical);
}

void clsStudent::CalcDissatisfaction(std::int32_t pMethod, std::int16_t Value) {
    if (Value == 0) return;
    switch (pMethod) {
    case CalcAdd:
        dissatisfaction_ =
            saturate16(std::min<std::int64_t>(std::int64_t{dissatisfaction_} + Value, dissatisfaction::kMax));
        break;
    case CalcSubtract:
        dissatisfaction_ = saturate16(std::max<std::int64_t>(std::int64_t{dissatisfaction_} - Value, 0));
        break;
    case CalcDivide:
        dissatisfaction_ = saturate16(host::runtime::IntDiv(dissatisfaction_, Value));
        break;
    default:
        break;
    }
}
