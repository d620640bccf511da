#include "students/lessons/cls_class_schedule.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

using host::runtime::CStr;

void clsClassSchedule::SetSaveData(std::string_view sData) {
    auto fields = host::runtime::SplitFields(sData, ";", 7, "timetable slot");
    clsClassSchedule parsed;
    parsed.dayofWeek_ = host::runtime::CInt(std::string_view(fields[0]));
    parsed.number_ = host::runtime::CInt(std::string_view(fields[1]));
    parsed.className_ = host::text::toWide(fields[2]);
    parsed.classTeacher_ = host::text::toWide(fields[3]);
    parsed.useItem_ = host::text::toWide(fields[4]);
    parsed.classType_ = host::runtime::CLng(fields[5]);
    parsed.studentName_ = host::text::toWide(fields[6]);
    *this = std::move(parsed);
}

std::string clsClassSchedule::GetSaveData() const {
    return host::runtime::Join({CStr(dayofWeek_), CStr(number_), className_, classTeacher_, useItem_,
                                CStr(classType_), studentName_},
                               ";");
}
