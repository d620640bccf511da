#include "app/screens/class/class_screen.h"

#include "app/screens/class/class_captions.h"
#include "app/screens/class/week_names.h"
#include "app/shell/message_types.h"

#include "platform/rules/mdl_zrd_func.h"

namespace {

namespace captions = class_captions;

enum ExitButton { kCancel = 0, kCommit = 1 };

} // namespace

void ClassScreen::CheckWeekSchedule(std::string& Msg, bool& Ok) {
    for (std::int16_t s = 0; s <= GLClass.UBound(); ++s) {
        if (!GLClass(s).Enable()) continue;
        std::string ErrMSG;
        if (context_.CTMP.CheckClass(s, ErrMSG, facts_)) continue;
        Msg = mdlZRDFunc::AddLineBreak(Msg) + gWeekNames[static_cast<std::size_t>(s / captions::kPeriods)] +
              "曜日" + std::to_string(s % captions::kPeriods + 1) + "時間目\r\n" + ErrMSG;
    }
    Ok = Msg.empty();
    if (!Ok) Msg += "\r\nにおかしい設定があります";
}

void ClassScreen::CommitSchedule() {
    clsData& data = context_.data;
    clsTMPData& CTMP = context_.CTMP;
    for (std::int16_t s = 0; s <= GLClass.UBound(); ++s)
        data.SetClassTypeAsNumber(s, CTMP.GetClassType(s), CTMP.GetClassName(s), CTMP.GetClassTeacher(s),
                                  CTMP.GetUseItem(s));
    data.SetStudentSchedule(CTMP.GetClassData());
}

void ClassScreen::GLClasstoSchool_Click(int Index) {
    if (Index == kCommit) {
        std::string Msg;
        bool Ok = false;
        CheckWeekSchedule(Msg, Ok);
        if (!Ok) {
            context_.pictures.picClass.setEnabled(false);
            context_.ProcessingFlag = false;
            context_.CTMP.SetMSGType(message_type::kTimetableFaults);
            showReport_(Msg + "\r\nここをクリックしてください");
            return;
        }
        CommitSchedule();
    }
    returnToSchool(Index);
}

void ClassScreen::returnToSchool(int Index) {
    context_.CTMP.ClassClear();
    context_.pictures.picClass.setEnabled(false);
    context_.pictures.picSchool.setEnabled(true);
    context_.screens.ShowSchoolMenu(false);
    context_.pictures.picSchool.ZOrder(0);
    GLClasstoSchool(Index).MouseLeave();
}
