#include "students/roster/cls_mng_student.h"

#include "host/runtime/convert.h"
#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"
#include "school/buildings/building_codes.h"
#include "school/system/calendar_months.h"
#include "students/abilities.h"
#include "students/traits.h"

#include <vector>

using host::runtime::saturate16;
using mdlZRDFunc::RandomInt;

namespace {

// The gym's modifier from 脳筋, 怠け者, 努力家 and 貧弱.
std::int16_t gymModifier(const clsStudent& student) {
    std::int16_t modifier = 0;
    if (student.HoldSkill(trait::kMeathead)) modifier += 35;
    if (student.HoldSkill(trait::kLazy)) modifier -= 35;
    if (student.HoldSkill(trait::kHardWorker)) modifier += 15;
    if (student.HoldSkill(trait::kFrail)) modifier -= 15;
    return modifier;
}

// An after-class facility: the ability it trains and the character it suits.
struct Facility {
    const char* name;
    std::int16_t ability;
    std::int32_t character;
};
constexpr Facility kFacilities[] = {
    {building_name::kLibrary, ability::kHistory, 3}, // 学者
    {building_name::kMuseum, ability::kCharm, 4},    // 職人
    {building_name::kChapel, ability::kLuck, 2},     // 軍人
};

const Facility* facilityNamed(const std::string& name) {
    for (const Facility& facility : kFacilities)
        if (name == facility.name) return &facility;
    return nullptr;
}

std::string countPlusOne(const std::string& count) {
    return host::runtime::CStr(saturate16(std::int64_t{host::runtime::CInt(count)} + 1));
}

} // namespace

void clsMngStudent::SetTeacherCount(host::runtime::Collection<clsGetGridData>& clData,
                                    std::int16_t ClassCount, std::int16_t ClassNumber) {
    struct Mark {
        std::string teacher;
        bool teaches = false;
    };
    std::vector<Mark> marks;
    for (const clsGetGridData& row : clData)
        marks.push_back({row.Data(0)});

    for (std::int16_t period = 1; period <= ClassCount; ++period) {
        for (Mark& mark : marks)
            mark.teaches = false;
        const clsClassSchedule& slot = schoolSlot(ClassNumber, period);
        switch (slot.ClassType()) {
        case clsClassSchedule::WholeClass:
            // A teacher without a row is no longer under contract: no lesson.
            if (clsGetGridData* row = clData.find(slot.ClassTeacher()))
                row->Data(1, countPlusOne(row->Data(1)));
            break;
        case clsClassSchedule::Individual: {
            const auto number =
                static_cast<std::int16_t>((ClassNumber - 1) * clsMngSchedule::Periods + period - 1);
            for (const auto& student : students_) {
                const std::string teacher = student->GetSchedule(number)->ClassTeacher();
                for (Mark& mark : marks) {
                    if (mark.teacher != teacher) continue;
                    mark.teaches = true;
                    break;
                }
            }
            long position = 1;
            for (const Mark& mark : marks) {
                if (mark.teaches) {
                    clsGetGridData& row = clData.item(position);
                    row.Data(1, countPlusOne(row.Data(1)));
                }
                ++position;
            }
            break;
        }
        default:
            break;
        }
    }
}

void clsMngStudent::SetDormitoryGym(std::int16_t Month) {
    forEachStudent([&](clsStudent& student) {
        makeCurrent(student);
        const std::int16_t points = RandomInt(25, 50);
        const std::int16_t modifier = gymModifier(student);
        const std::int16_t roll = RandomInt(0, 100);
        if (roll + modifier > 40 && student.Injury() == 0)
            student.ClassEffect(ability::bitOf(ability::kMuscle), points,
                                GetGrowthValue(student.Growth(), student.Age(), Month));
    });
}

void clsMngStudent::SetAfterSchool(const host::runtime::Collection<clsGetGridData>& clData,
                                   std::int16_t Month) {
    forEachStudent([&](clsStudent& student) {
        makeCurrent(student);
        const std::string name = student.Name();
        for (const clsGetGridData& row : clData) {
            const Facility* facility = facilityNamed(row.Data(0));
            if (!facility) continue;
            const std::int16_t bonus = student.Character() == facility->character ? 20 : 0;
            if (RandomInt(0, 100) + bonus <= 60) continue;

            std::int16_t points = RandomInt(25, 50);
            const std::int16_t influence = host::runtime::CInt(row.Data(2));
            if (influence > 0) {
                points = saturate16(std::int64_t{points} +
                                    RandomInt(static_cast<std::int16_t>(influence / 2), influence));
                std::string item = row.Data(1);
                UseClassItem.raise(item);
            }
            // The item's owner may have acted on the event; look the student up again.
            auto* again = students_.find(name);
            if (!again) break;
            clsStudent& trainee = **again;
            trainee.ClassEffect(ability::bitOf(facility->ability), points,
                                GetGrowthValue(trainee.Growth(), trainee.Age(), Month));
            break;
        }
    });
}

void clsMngStudent::GetCampEffect(const clsGetGridData& cGData) {
    const std::int16_t base = host::runtime::CInt(cGData.Data(0));
    const std::int32_t bigEffect = host::runtime::CLng(cGData.Data(1));
    const std::int32_t smallEffect = host::runtime::CLng(cGData.Data(2));
    forEachStudent([&](clsStudent& student) {
        if (student.Injury() != 0) return;
        makeCurrent(student);
        const std::int16_t growth =
            GetGrowthValue(student.Growth(), student.Age(), calendar_month::kTrainingCamp);
        student.ClassEffect(bigEffect, base, growth);
        if (smallEffect > 0) student.ClassEffect(smallEffect, static_cast<std::int16_t>(base / 3), growth);
    });
}

void clsMngStudent::ForwordDay(bool blBath) {
    forEachStudent([&](clsStudent& student) {
        makeCurrent(student);
        student.ForwordDay(blBath);
    });
}

void clsMngStudent::ThinkCourse(std::int16_t MaxSchoolYear) {
    bool decided = false;
    forEachStudent([&](clsStudent& student) {
        if (student.SchoolYear() < MaxSchoolYear && student.Age() <= 19) return;
        student.ThinkCourse();
        decided = true;
    });
    if (!decided) return;
    std::string message = "生徒たちが進路を決めました";
    Report.raise(message);
}
