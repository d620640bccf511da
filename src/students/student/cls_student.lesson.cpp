#include "students/student/cls_student.h"

#include "host/runtime/rounding.h"
#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"
#include "students/abilities.h"
#include "students/traits.h"

using host::runtime::saturate16;
using mdlZRDFunc::AddPercent;
using mdlZRDFunc::RandomInt;
using mdlZRDFunc::SubPercent;

namespace {

// Fix(points / 100 * share) for a share in percent.
std::int16_t shareOf(std::int16_t points, std::int64_t share) {
    return saturate16(host::runtime::Fix(points / 100.0 * static_cast<double>(share)));
}

} // namespace

void clsStudent::ClassEffect(std::int32_t StudentEffect, std::int16_t Count, std::int16_t PresentValue) {
    for (std::int16_t n = 1; n <= ability::kCount; ++n) {
        if (!Method().BitCheck(StudentEffect, n)) continue;
        std::int16_t points = ApplyConditionModifier(ApplyTraitModifier(n, Count));
        cStudentData_.GetExperience(clsStudentData::NatureLevelBlock, n,
                                    shareOf(points, (11 - std::int64_t{PresentValue}) * 10));
        cStudentData_.GetExperience(clsStudentData::LevelBlock, n,
                                    shareOf(points, std::int64_t{PresentValue} * 10));
    }
}

std::int16_t clsStudent::ApplyTraitModifier(std::int32_t n, std::int16_t points) const {
    std::int16_t v = points;
    if (HoldSkill(trait::kGifted)) v = AddPercent(v, 25);
    if (HoldSkill(trait::kLazy)) v = AddPercent(v, -25);
    if (HoldSkill(trait::kDeft) && n == ability::kTechnique) v = AddPercent(v, 30);
    if (HoldSkill(trait::kGrit) && n == ability::kIntention) v = AddPercent(v, 30);
    if (HoldSkill(trait::kGoodLooking) && n == ability::kCharm) v = AddPercent(v, 30);
    if (HoldSkill(trait::kWildInstinct) && n == ability::kLuck) v = AddPercent(v, 30);
    if (HoldSkill(trait::kClumsy) && n == ability::kTechnique) v = AddPercent(v, -25);
    if (HoldSkill(trait::kMeathead)) {
        if (n >= ability::kPhysical && n <= ability::kQuickness)
            v = AddPercent(v, 50);
        else if (n == ability::kPropriety || n == ability::kHistory || ability::isFormation(n))
            v = AddPercent(v, -50);
    }
    return v;
}

std::int16_t clsStudent::ApplyConditionModifier(std::int16_t points) const {
    switch (condition_) {
    case 0:
        return AddPercent(points, RandomInt(25, 40));
    case 1:
        return AddPercent(points, RandomInt(10, 25));
    case 2:
        return AddPercent(points, RandomInt(0, 10));
    case 3:
        return SubPercent(points, RandomInt(20, 35));
    case 4:
        return SubPercent(points, RandomInt(35, 50));
    default:
        return 0;
    }
}
