#include "students/student/cls_student.h"

#include "host/runtime/convert.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/cls_method.h"

#include <vector>

using host::runtime::CStr;

namespace {

constexpr std::size_t kSaveFields = 18;

std::int16_t bitNumber(std::int32_t n) {
    return host::runtime::saturate16(std::int64_t{n});
}

} // namespace

clsStudent::clsStudent() {
    cStudentData_.Report.subscribe([this](std::string& message) { report(name_ + "の" + message); });
}

void clsStudent::SetSaveData(std::string_view text) {
    using host::runtime::CBool;
    using host::runtime::CInt;
    using host::runtime::CLng;
    auto f = host::runtime::SplitFields(text, "@", kSaveFields, "student record");
    auto i16 = [&](std::size_t i) { return CInt(std::string_view(f[i])); };
    std::int16_t age = i16(1), schoolYear = i16(2);
    std::int32_t character = CLng(f[3]);
    std::int16_t condition = i16(6), physical = i16(7), dissatisfaction = i16(8);
    std::int16_t medicTolerance = i16(9), medicUpper = i16(10), injury = i16(11);
    bool courseFLG = CBool(f[12]);
    std::int32_t course = CLng(f[13]);
    bool conditionImproving = CBool(f[14]);
    std::int32_t skills = CLng(f[15]);
    // Both nested texts are tried on spare records first, so a bad one
    // changes nothing here.
    clsStudentData{}.SetData(f[16]);
    clsMngSchedule{}.SetSaveData(f[17]);

    name_ = host::text::toWide(f[0]);
    age_ = age;
    schoolYear_ = schoolYear;
    character_ = character;
    growth_ = f[4];
    comingFrom_ = host::text::toWide(f[5]);
    condition_ = condition;
    physical_ = physical;
    dissatisfaction_ = dissatisfaction;
    medicTolerance_ = medicTolerance;
    medicUpper_ = medicUpper;
    injury_ = injury;
    courseFLG_ = courseFLG;
    course_ = course;
    conditionImproving_ = conditionImproving;
    skills_ = skills;
    cStudentData_.SetData(f[16]);
    cMngSchedule_.SetSaveData(f[17]);
}

std::string clsStudent::GetSaveData() const {
    return host::runtime::Join({name_, CStr(age_), CStr(schoolYear_), CStr(character_), growth_, comingFrom_,
                                CStr(condition_), CStr(physical_), CStr(dissatisfaction_),
                                CStr(medicTolerance_), CStr(medicUpper_), CStr(injury_), CStr(courseFLG_),
                                CStr(course_), CStr(conditionImproving_), CStr(skills_),
                                cStudentData_.GetData(), cMngSchedule_.GetSaveData()},
                               "@");
}

bool clsStudent::CheckClassTeacher(const std::string& name) const {
    return cMngSchedule_.CheckClassTeacher(name);
}

bool clsStudent::CheckClass(std::int16_t ClassNum, const host::runtime::Collection<clsPassageData>& clTeacher,
                            const host::runtime::Collection<clsGetGridData>& clItem) {
    return cMngSchedule_.CheckClass(ClassNum, clTeacher, clItem);
}

void clsStudent::ForwordYear() {
    age_ = host::runtime::saturate16(std::int64_t{age_} + 1);
    schoolYear_ = host::runtime::saturate16(std::int64_t{schoolYear_} + 1);
}

std::shared_ptr<clsClassSchedule> clsStudent::GetSchedule(std::int16_t Number) const {
    const auto& slot =
        *cMngSchedule_.GetClassSchedule(static_cast<std::int16_t>(Number / clsMngSchedule::Periods + 1),
                                        static_cast<std::int16_t>(Number % clsMngSchedule::Periods + 1));
    auto copy = std::make_shared<clsClassSchedule>();
    copy->StudentName(name_);
    copy->ClassName(slot.ClassName());
    copy->ClassTeacher(slot.ClassTeacher());
    copy->UseItem(slot.UseItem());
    copy->Number(Number);
    return copy;
}

bool clsStudent::HoldSkill(std::int32_t n) const {
    return Method().BitCheck(skills_, bitNumber(n));
}

void clsStudent::GetSkill(std::int32_t n) {
    skills_ = Method().BitOn(skills_, bitNumber(n));
}

void clsStudent::LostSkill(std::int32_t n) {
    skills_ = Method().BitOff(skills_, bitNumber(n));
}
