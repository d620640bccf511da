#include "students/roster/cls_mng_student.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"

#include <utility>

namespace {

constexpr std::int16_t kPeriodsWithoutPermit = 4;

std::int16_t periodOf(std::int16_t Number) {
    return static_cast<std::int16_t>(Number % clsMngSchedule::Periods + 1);
}

// Weekday and period of a slot number 0..39; any other number raises the
// subscript error.
std::pair<std::int16_t, std::int16_t> placeOf(std::int16_t Number) {
    if (Number < 0 || Number >= clsMngSchedule::SlotCount)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                          "timetable slot " + std::to_string(Number));
    return {static_cast<std::int16_t>(Number / clsMngSchedule::Periods + 1), periodOf(Number)};
}

std::string classTypeLabel(std::int32_t type) {
    switch (type) {
    case clsClassSchedule::WholeClass:
        return "全体授業";
    case clsClassSchedule::Individual:
        return "個別授業";
    case clsClassSchedule::NoLesson:
        return "休講";
    default:
        return "";
    }
}

std::string scheduleKey(const std::string& student, int slot) {
    return student + ":" + std::to_string(slot);
}

} // namespace

bool clsMngStudent::GetClassEnable(bool blFullTime, std::int16_t Number) const {
    const std::int16_t period = periodOf(Number);
    return (period >= 1 && period <= kPeriodsWithoutPermit) || blFullTime;
}

std::string clsMngStudent::GetClassType(bool blFullTime, std::int16_t Number) const {
    if (periodOf(Number) > kPeriodsWithoutPermit && !blFullTime) return "未許可";
    return classTypeLabel(GetClassTypeAsNumber(Number));
}

std::int32_t clsMngStudent::GetClassTypeAsNumber(std::int16_t Number) const {
    const auto [day, period] = placeOf(Number);
    return schoolSlot(day, period).ClassType();
}

void clsMngStudent::SetClassTypeAsNumber(std::int16_t Number, std::int32_t Target,
                                         const std::string& ClassName, const std::string& ClassTeacher,
                                         const std::string& UseItem) {
    const auto [day, period] = placeOf(Number);
    clsClassSchedule& slot = schoolSlot(day, period);
    slot.ClassType(Target);
    slot.ClassName(ClassName);
    slot.ClassTeacher(ClassTeacher);
    slot.UseItem(UseItem);
}

void clsMngStudent::SetStudentSchedule(
    const host::runtime::Collection<std::shared_ptr<clsClassSchedule>>& clData) {
    // Every record is looked up before any is placed, so a missing key
    // leaves every timetable as it was.
    std::vector<std::pair<clsStudent*, std::vector<std::shared_ptr<clsClassSchedule>>>> plan;
    for (const auto& student : students_) {
        auto& records =
            plan.emplace_back(student.get(), std::vector<std::shared_ptr<clsClassSchedule>>{}).second;
        for (int slot = 0; slot < clsMngSchedule::SlotCount; ++slot)
            records.push_back(clData.item(scheduleKey(student->Name(), slot)));
    }
    for (auto& [student, records] : plan) {
        for (int slot = 0; slot < clsMngSchedule::SlotCount; ++slot) {
            const auto [day, period] = placeOf(static_cast<std::int16_t>(slot));
            student->SetClassSchedule(day, period, std::move(records[static_cast<std::size_t>(slot)]));
        }
    }
}

std::shared_ptr<clsClassSchedule> clsMngStudent::GetSchedule(const std::string& StudentName,
                                                             std::int16_t Number) const {
    if (StudentName.empty()) return nullptr;
    return students_.item(StudentName)->GetSchedule(Number);
}

bool clsMngStudent::CheckClass(std::int16_t ClassNum,
                               const host::runtime::Collection<clsPassageData>& clTeacher,
                               const host::runtime::Collection<clsGetGridData>& clItem) {
    for (const auto& student : students_)
        if (!student->CheckClass(ClassNum, clTeacher, clItem)) return false;
    return true;
}

bool clsMngStudent::CheckClassTeacher(const std::string& pData) const {
    for (const auto& student : students_)
        if (student->CheckClassTeacher(pData)) return true;
    return false;
}

clsGetGridData clsMngStudent::GetStudentName() const {
    clsGetGridData row;
    if (students_.empty()) return row;
    row.SetCols(host::runtime::saturate16(std::int64_t{students_.count()} - 1));
    std::int16_t cell = 0;
    for (const auto& student : students_)
        row.Data(cell++, student->Name());
    return row;
}

clsGetGridData clsMngStudent::GetExperienceAsNumber(const std::string& pData) const {
    if (pData.empty()) return {};
    return students_.item(pData)->GetExperienceAsNumber();
}

host::runtime::Collection<clsGetGridData>
clsMngStudent::GetGraduateAbilityAsNumber(std::int16_t Number) const {
    const std::int16_t ability = host::runtime::saturate16(std::int64_t{Number} + 1);
    host::runtime::Collection<clsGetGridData> rows;
    for (const clsGraduate& graduate : graduates_) {
        clsGetGridData row;
        row.SetCols(1);
        row.Data(0, graduate.Name());
        row.Data(1, host::runtime::CStr(graduate.GetAbility(ability)));
        rows.add(std::move(row), graduate.Name());
    }
    return rows;
}
