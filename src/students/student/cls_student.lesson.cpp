#include "students/student/cls_student.h"

#include "host/runtime/rounding.h"
#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"

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
    for (std::int16_t n = 1; n <= clsStudentData::AbilityCount; ++n) {
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
    if (HoldSkill(2)) v = AddPercent(v, 25);             // 天才肌
    if (HoldSkill(13)) v = AddPercent(v, -25);           // 怠け者
    if (HoldSkill(5) && n == 4) v = AddPercent(v, 30);   // 器用
    if (HoldSkill(6) && n == 5) v = AddPercent(v, 30);   // 根性
    if (HoldSkill(8) && n == 7) v = AddPercent(v, 30);   // 美形
    if (HoldSkill(9) && n == 8) v = AddPercent(v, 30);   // 野生の勘
    if (HoldSkill(15) && n == 4) v = AddPercent(v, -25); // 不器用
    if (HoldSkill(12)) {                                 // 脳筋
        if (n >= 1 && n <= 3)
            v = AddPercent(v, 50);
        else if (n == 9 || n == 10 || n >= 15)
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
