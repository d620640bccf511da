#include "students/roster/cls_mng_student.h"

#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"
#include "students/abilities.h"
#include "students/traits.h"

#include <algorithm>
#include <cstdlib>

using host::runtime::saturate16;
using mdlZRDFunc::AddPercent;
using mdlZRDFunc::RandomInt;

namespace {

std::int16_t sum16(std::int64_t a, std::int64_t b) {
    return saturate16(a + b);
}

// The dissatisfaction a teacher's compatibility causes: a method (add or
// subtract) and the amount drawn; method 0 for none.
std::pair<std::int32_t, std::int16_t> compatibilityDissatisfaction(std::int16_t teacherEffect) {
    switch (teacherEffect) {
    case 2:
        return {clsStudent::CalcAdd, RandomInt(5, 10)};
    case 3:
        return {clsStudent::CalcAdd, RandomInt(3, 6)};
    case 4:
        return {clsStudent::CalcAdd, RandomInt(1, 4)};
    case 8:
        return {clsStudent::CalcSubtract, RandomInt(1, 4)};
    case 9:
        return {clsStudent::CalcSubtract, RandomInt(3, 6)};
    default:
        if (teacherEffect >= 10) return {clsStudent::CalcSubtract, RandomInt(5, 10)};
        return {0, 0};
    }
}

} // namespace

void clsMngStudent::DirectEffect(std::int16_t UsePhysical, std::int32_t Effect, std::int16_t EffectPoint,
                                 std::int16_t Month) {
    forEachStudent([&](clsStudent& student) {
        makeCurrent(student);
        if (student.Injury() != 0 || student.Physical() < UsePhysical) return;
        student.ClassEffect(Effect, EffectPoint, GetGrowthValue(student.Growth(), student.Age(), Month));
        student.CalcPhysical(clsStudent::CalcSubtract, UsePhysical);
    });
}

void clsMngStudent::SetStudy(const clsClassEffect& pInfo, std::int16_t Month, bool NurseOffice) {
    clsStudent& student = *current_;
    if (student.Injury() != 0 || student.Physical() < pInfo.ClassPhysical()) return;

    std::int16_t points = pInfo.ClassEffectPoint();
    points = AddPercent(points, saturate16((std::int64_t{pInfo.TeacherEffect()} - 5) * 10));
    switch (pInfo.ItemMethod()) {
    case 2:
        points = sum16(points, pInfo.ItemData());
        break;
    case 1:
        points = AddPercent(points, saturate16(std::int64_t{pInfo.ItemData()} - 100));
        break;
    default:
        break;
    }

    if (auto [method, amount] = compatibilityDissatisfaction(pInfo.TeacherEffect()); method != 0)
        student.CalcDissatisfaction(method, amount);

    std::int16_t risk = sum16(pInfo.ClassRisk(), pInfo.ItemRisk());
    const std::int64_t factor = ability::holdsFormation(pInfo.ClassEffect()) ? 4 : 1;

    const std::int16_t teacherGap =
        saturate16((std::int64_t{pInfo.TeacherAbility()} - pInfo.ClassNeedPoint()) * factor);
    if (teacherGap >= 0) {
        points = AddPercent(points, std::min<std::int16_t>(teacherGap, 50));
    } else {
        if (risk > 0) risk = sum16(risk, -std::int64_t{teacherGap});
        points = AddPercent(points, teacherGap);
        student.CalcDissatisfaction(clsStudent::CalcAdd, RandomInt(2, 6));
    }

    const std::int16_t target = pInfo.ClassEffectAsBit();
    const std::int16_t level =
        target == 0 ? std::int16_t{0} : student.GetStudentData(clsStudentData::LevelBlock, target);
    const std::int16_t studentGap = saturate16((std::int64_t{level} - pInfo.ClassNeedPoint()) * factor);
    if (studentGap >= 0) {
        points = AddPercent(points, std::min<std::int16_t>(studentGap, 25));
    } else {
        if (risk > 0) risk = sum16(risk, -std::int64_t{studentGap} * 2);
        std::int16_t shortfall = saturate16(std::int64_t{studentGap} * 8);
        if (shortfall < -98) shortfall = -98;
        points = AddPercent(points, shortfall);
        student.CalcDissatisfaction(clsStudent::CalcAdd, RandomInt(5, 9));
    }

    if (student.HoldSkill(trait::kSturdy)) risk = static_cast<std::int16_t>(risk / 2);

    bool learns = RandomInt(0, 100) >= risk;
    if (!learns) {
        const std::int16_t toughness =
            student.GetStudentData(clsStudentData::NatureLevelBlock, ability::kToughness);
        // The risk draw comes before the toughness draw.
        const std::int16_t hurt = RandomInt(risk, saturate16(std::int64_t{risk} * 2));
        const std::int16_t resisted = RandomInt(static_cast<std::int16_t>(toughness / 2), toughness);
        std::int16_t injury = saturate16(std::int64_t{hurt} - resisted);
        if (NurseOffice) {
            injury = injury > 0 ? static_cast<std::int16_t>(injury / 3) : std::int16_t{0};
            learns = injury == 0;
        } else if (injury <= 0) {
            injury = 1;
        }
        if (!learns) student.Injury(injury);
        if (student.Injury() > 0) {
            Services().SoundPlay(sound_name::kBoo);
            std::string message =
                student.Name() + "が" + host::runtime::CStr(student.Injury()) + "日間の怪我をしました";
            Report.raise(message);
        }
    }

    if (learns) {
        const std::int16_t growth = GetGrowthValue(student.Growth(), student.Age(), Month);
        student.ClassEffect(pInfo.ClassEffect(), points, growth);
        student.ClassEffect(pInfo.ClassSubEffect(), static_cast<std::int16_t>(points / 3), growth);
        student.CalcPhysical(clsStudent::CalcSubtract, pInfo.ClassPhysical());
    }

    if (pInfo.ItemMethod() != 0) {
        std::string item = pInfo.ClassItem();
        UseClassItem.raise(item);
    }
}

void clsMngStudent::Study(std::int16_t DayofWeek, std::int16_t Number) {
    if (!studyInfo_)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::ObjectNotSet, "no study-info provider");
    const clsClassSchedule& slot = schoolSlot(DayofWeek, Number);
    std::string image, message;
    switch (slot.ClassType()) {
    case clsClassSchedule::WholeClass:
        image = slot.ClassName();
        message = host::runtime::CStr(Number) + "時間目は" + slot.ClassName() + "です";
        break;
    case clsClassSchedule::Individual:
        image = "個別授業";
        message = host::runtime::CStr(Number) + "時間目は個別授業です";
        break;
    default:
        return;
    }
    ClassImage.raise(image);
    Report.raise(message);
    forEachStudent([&](clsStudent& student) {
        makeCurrent(student);
        clsClassEffect info;
        info.Schedule(student.GetClassSchedule(DayofWeek, Number));
        info.Character(student.Character());
        studyInfo_->GetStudyInfo(info);
    });
}

void clsMngStudent::PhysicalRecover(std::int32_t pMethod, std::int16_t Value) {
    forEachStudent([&](clsStudent& student) { student.CalcPhysical(pMethod, Value); });
}

void clsMngStudent::CalcDissatisfaction(std::int32_t pMethod, std::int16_t Value) {
    forEachStudent([&](clsStudent& student) { student.CalcDissatisfaction(pMethod, Value); });
}
