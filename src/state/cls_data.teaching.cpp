#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "host/runtime/saturate.h"
#include "platform/graphics/images.h"
#include "students/lessons/lesson_record.h"

namespace {

// The picture of a period of individual lessons.
constexpr const char* kIndividualLessonPicture = "個別授業";

} // namespace

void clsData::cMngStudent_GetStudyInfo(clsClassEffect& cInfo) {
    const ClassItemLookup heldItem = [this](const std::string& item) {
        ClassItemStock stock;
        stock.held = cMngItem->ItemStorage(item);
        if (stock.held > 0) {
            stock.effect = cMngItem->GetClassItemClassEffect(item);
            stock.risk = host::runtime::saturate16(std::int64_t{cMngItem->GetClassItemClassRisk(item)});
        }
        return stock;
    };
    if (!fillLessonRecord(cInfo, *cMngTeacher, *cMngClass, *cFixTeacherData, heldItem)) return;
    cMngStudent->SetStudy(cInfo, cSystem->GetMonth(), cSystem->GetNurseOffice());
}

void clsData::cMngStudent_ClassImage(const std::string& name) {
    const std::string& picture = name == kIndividualLessonPicture ? name : cMngClass->GetClassPlace(name);
    host::gdi::DeviceContext* HDC = &Images().GetImageHDC(picture);
    ClassImage.raise(HDC);
}
