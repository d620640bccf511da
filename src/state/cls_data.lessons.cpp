#include "state/cls_data.h"

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
