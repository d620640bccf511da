#include "app/screens/class/class_screen.h"

#include "app/screens/class/class_captions.h"
#include "app/screens/class/week_names.h"

#include "platform/rules/mdl_zrd_func.h"
#include "state/menu_keys.h"
#include "students/lessons/cls_class_schedule.h"

#include <vector>

namespace {

namespace captions = class_captions;

std::int32_t typeNumber(const std::string& caption) {
    if (caption == captions::kWholeClass) return clsClassSchedule::WholeClass;
    if (caption == captions::kIndividual) return clsClassSchedule::Individual;
    return clsClassSchedule::NoLesson;
}

} // namespace

// Every student's name of the roster; none for an empty roster.
std::vector<std::string> ClassScreen::studentNames() const {
    const clsGetGridData row = context_.data.GetStudentName();
    std::vector<std::string> names;
    for (std::int16_t k = 0; k <= row.Cols(); ++k)
        if (!row.Data(k).empty()) names.push_back(row.Data(k));
    return names;
}

void ClassScreen::ShowClassScreen() {
    clsData& data = context_.data;
    clsTMPData& CTMP = context_.CTMP;
    data.SetMenu(menu_key::kTimetable);
    GMSGClass.setVisible(false);
    CTMP.ClassClear();
    for (std::int16_t s = 0; s <= GLClass.UBound(); ++s) {
        GLClass(s).Enable(data.GetClassEnable(s));
        GLClass(s).Text(data.GetClassType(s));
        GLClassCopy(s).Enable(GLClass(s).Enable());
        CTMP.SetClassType(s, data.GetClassTypeAsNumber(s));
    }
    for (const std::string& name : studentNames())
        for (std::int16_t s = 0; s <= GLClass.UBound(); ++s)
            CTMP.SetClass(data.GetSchedule(name, s), facts_);
    GLClasstoSchool(1).Enable(data.CheckClass());
    context_.screens.ActivateScreen(context_.pictures.picClass);
    context_.DoEvents();
    for (int s = 0; s <= GLClass.UBound(); ++s) {
        GLClass(s).setVisible(true);
        GLClassCopy(s).setVisible(true);
    }
    for (int i = 0; i <= lblWeek.UBound(); ++i)
        lblWeek(i).setVisible(true);
    GMSGClass.Text(data.GetMSGTips(std::string(captions::kTitle)));
    GMSGClass.setVisible(true);
    GLClassMenu.Text(std::string(captions::kTitle));
}

std::string ClassScreen::GetClassSlotCaption(std::int16_t slot) {
    return gWeekNames[static_cast<std::size_t>(slot / captions::kPeriods)] + "曜日" +
           std::to_string(slot % captions::kPeriods + 1) + "時間目の授業設定";
}

void ClassScreen::GLClass_Click(int Index) {
    if (GLClass(Index).Text() == captions::kNoLesson) return;
    ShowClassSlotDetail(static_cast<std::int16_t>(Index));
    GLClass(Index).MouseLeave();
}

// Only on the first day of a month: the next lesson type; the students'
// entries stay.
void ClassScreen::GLClass_RightClick(int Index) {
    if (!context_.data.CheckClass()) return;
    ctrGraphicalLabelLite& slot = GLClass(Index);
    slot.Text(mdlZRDFunc::GetNextClassType(slot.Text()));
    context_.CTMP.SetClassType(static_cast<std::int16_t>(Index), typeNumber(slot.Text()));
    showSlotTip(Index);
}

void ClassScreen::showSlotTip(int Index) {
    const clsTMPData& CTMP = context_.CTMP;
    const auto slot = static_cast<std::int16_t>(Index);
    std::string ErrMSG;
    const std::string verdict = CTMP.CheckClass(slot, ErrMSG, facts_)
                                    ? "この時間の授業設定に問題はありません"
                                    : "この時間の授業設定におかしいところがあります\r\n" + ErrMSG;
    if (CTMP.GetClassType(slot) == clsClassSchedule::WholeClass)
        GMSGClass.Text("授業名:" + CTMP.GetClassName(slot) + "\r\n教師名:" + CTMP.GetClassTeacher(slot) +
                       "\r\n使用アイテム:" + CTMP.GetUseItem(slot) + "\r\n" + verdict);
    else
        GMSGClass.Text(verdict);
}
