#include "state/cls_data.h"

#include "state/owned_managers.h"

namespace {

enum PickList : std::int16_t { kLessons = 0, kTeachers = 1, kLessonItems = 2 };

} // namespace

std::optional<host::runtime::Collection<clsGetGridData>>
clsData::GetClassData(std::int16_t Index, std::int32_t ClassType,
                      const host::runtime::Collection<clsGetGridData>& clPicked,
                      const std::string& pLessonName) const {
    switch (Index) {
    case kLessons:
        return cMngClass->GetClassData(clPicked, ClassType, cSystem->GetClassConstractData());
    case kTeachers:
        return cMngTeacher->GetClassTeacherData(clPicked, cMngClass->GetClassTargetAbility(pLessonName));
    case kLessonItems:
        return cMngItem->GetClassItemData(cMngClass->GetClassItemCheck(pLessonName), clPicked);
    default:
        return std::nullopt;
    }
}

bool clsData::CheckClassItem(const std::string& pLessonName,
                             const host::runtime::Collection<clsGetGridData>& clData) const {
    return cMngItem->CheckClassItem(cMngClass->GetClassItemCheck(pLessonName), clData);
}

bool clsData::GetClassItemCheck(const std::string& pLessonName, const std::string& pItemName) const {
    if (pItemName.empty()) return false;
    return cMngClass->ClassItemCheck(pLessonName, cMngItem->GetClassItemCheck(pItemName));
}

bool clsData::CheckClass() const {
    return cSystem->CheckClass();
}

std::string clsData::GetClassImageName() const {
    return cSystem->GetClassImageName();
}

std::string clsData::GetClassType(std::int16_t Number) const {
    return cMngStudent->GetClassType(cSystem->GetFullTime(), Number);
}

bool clsData::GetClassEnable(std::int16_t Number) const {
    return cMngStudent->GetClassEnable(cSystem->GetFullTime(), Number);
}

std::int32_t clsData::GetClassTypeAsNumber(std::int16_t pSlot) const {
    return cMngStudent->GetClassTypeAsNumber(pSlot);
}

bool clsData::SetStudentSchedule(const host::runtime::Collection<std::shared_ptr<clsClassSchedule>>& clData) {
    if (!CheckClass()) return false;
    cMngStudent->SetStudentSchedule(clData);
    return true;
}

clsGetGridData clsData::GetStudentName() const {
    return cMngStudent->GetStudentName();
}

std::string clsData::GetClassStudentData(const std::string& pData) const {
    return cMngStudent->GetStudentTips(pData, cSystem->GetMonth(), true);
}

std::string clsData::GetClassTeacherData(const std::string& pData) const {
    return cMngTeacher->GetContractTeacherTips(pData);
}

std::int16_t clsData::GetClassNeedAbility(const std::string& pLessonName) const {
    return cMngClass->GetClassNeedAbility(pLessonName);
}

bool clsData::CheckClassTeacher(const host::runtime::Collection<clsGetGridData>& clData) const {
    return cMngTeacher->CheckClassTeacher(clData);
}

bool clsData::CheckClassTeacherNow(const std::string& pData) const {
    return cMngStudent->CheckClassTeacher(pData);
}

bool clsData::SetClassTypeAsNumber(std::int16_t Number, std::int32_t Target, const std::string& ClassName,
                                   const std::string& ClassTeacher, const std::string& UseItem) {
    if (!CheckClass()) return false;
    cMngStudent->SetClassTypeAsNumber(Number, Target, ClassName, ClassTeacher, UseItem);
    return true;
}

std::shared_ptr<clsClassSchedule> clsData::GetSchedule(const std::string& pTargetStudent,
                                                       std::int16_t Number) const {
    return cMngStudent->GetSchedule(pTargetStudent, Number);
}
