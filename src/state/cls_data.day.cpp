#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "host/runtime/convert.h"
#include "platform/services/game_services.h"
#include "school/system/calendar_months.h"
#include "state/save/save_managers.h"
#include "students/student/cls_student.h"

namespace {

constexpr std::int16_t kCampLastDay = 27;
constexpr std::int16_t kGraduationDay = 28;
constexpr std::int16_t kFirstDay = 1;

} // namespace

void clsData::guardedCommand(const std::function<void()>& command) {
    SaveManagers managers = saveManagers();
    const SaveParts before = getSaveParts(managers);
    try {
        command();
    } catch (...) {
        setSaveParts(managers, before);
        throw;
    }
}

void clsData::DateForword(std::int16_t pDateForword) {
    guardedCommand([&] {
        const std::int16_t days = cSystem->GetDateForword(pDateForword);
        for (std::int16_t day = 0; day < days; ++day)
            runDay();
    });
    ForwordEnd.raise();
}

void clsData::ClassForword() {
    guardedCommand([&] {
        cMngStudent->Study(cSystem->GetWeekAsNumber(), cSystem->GetClassCount());
        cSystem->ClassCount();
        cMngStudent->PhysicalRecover(clsStudent::CalcAdd, cSystem->GetAfterClass());
    });
    ClassEnd.raise();
}

void clsData::runDay() {
    const bool lessonDay = cSystem->CheckClassToday();
    const std::int16_t counter = cSystem->GetClassCount();
    const std::int16_t periods = cSystem->GetClassNum();
    const bool camp = cMngCountry->CheckCamp();
    const bool students = cMngStudent->CheckStudentCount(true);

    if (counter <= periods && students && !camp && lessonDay) {
        cMenu->SetMenu(menu_key::kDuringLessons);
        const std::int16_t weekday = cSystem->GetWeekAsNumber();
        for (std::int16_t period = counter; period <= periods; ++period) {
            cMngStudent->Study(weekday, cSystem->GetClassCount());
            cSystem->ClassCount();
            cMngStudent->PhysicalRecover(clsStudent::CalcAdd, cSystem->GetAfterClass());
        }
    }

    if (cMngCountry->CheckCamp()) {
        RunCampDay();
        if (cSystem->GetDay() == kCampLastDay) cMngCountry->EndCamp();
    } else if (lessonDay) {
        RunAfterSchool();
        RunTeacherDay();
    }

    ProcessDayEvents();

    if (cSystem->CheckGym() && !cMngCountry->CheckCamp()) cMngStudent->SetDormitoryGym(cSystem->GetMonth());
    cMngStudent->PhysicalRecover(clsStudent::CalcAdd, cSystem->GetAfternoon());
    cMngStudent->PhysicalRecover(clsStudent::CalcRecoverShare, cSystem->GetDormitoryPhysicalRecover());
    cMngStudent->CalcDissatisfaction(clsStudent::CalcSubtract, cSystem->GetDormitoryDissatisfaction());
    if (cSystem->GetMonth() == calendar_month::kSchoolYearEnd && cSystem->GetDay() == kGraduationDay)
        cMngStudent->Graduate(cSystem->GetSchoolYear(), cSystem->GetKingdomYear());
    DayEnd.raise();

    cSystem->DateCount();
    if (GetSoundName() != Services().GetBGMName()) Services().SoundPlay(cSystem->GetSoundName());
    cMngStudent->ForwordDay(cSystem->GetCondition());
    if (cSystem->GetDay() == kFirstDay) {
        cMngTeacher->Retirement();
        cMngStudent->Withdrawal();
    }
}

void clsData::RunCampDay() {
    std::string message =
        cMngCountry->GetCampName() + "での合宿" + host::runtime::CStr(cSystem->GetDay()) + "日目";
    Report.raise(message);
    cMngStudent->GetCampEffect(cMngCountry->GetCampEffect());
}

void clsData::RunAfterSchool() {
    host::runtime::Collection<clsGetGridData> rows = cSystem->GetAfterSchool();
    if (rows.empty()) return;
    cMngItem->SetConstructItemEffect(rows);
    cMngStudent->SetAfterSchool(rows, cSystem->GetMonth());
    for (const clsGetGridData& row : rows) {
        const std::string item = row.Data(1);
        if (!item.empty() && !cMngItem->CheckItem(item)) cSystem->SetBrokenConstructItem(row.Data(0));
    }
}

void clsData::RunTeacherDay() {
    host::runtime::Collection<clsGetGridData> rows = cMngTeacher->GetTeacherDissatisfaction();
    cMngStudent->SetTeacherCount(rows, cSystem->GetClassNum(), cSystem->GetWeekAsNumber());
    cMngTeacher->SetTeacherDissatisfaction(rows);
    cMngTeacher->TeacherHealing(cSystem->GetFacultyOffice());
}
