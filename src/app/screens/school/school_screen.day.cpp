#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"
#include "app/shell/message_types.h"

#include <functional>

namespace {

namespace captions = school_captions;

enum DateCommand { kLesson = 0, kNextDay = 1, kWeekend = 2, kCamp = 3 };
// DateForword's kinds: one day, up to Saturday.
constexpr std::int16_t kOneDay = 1;
constexpr std::int16_t kToSaturday = 2;

} // namespace

// A command that fails has put the game back; its reports are void, and the
// screen, in front of the lesson pictures, shows that game and is given back
// before the error is told.
void SchoolScreen::runBusy(const std::function<void()>& command) {
    auto& picSchool = context_.pictures.picSchool;
    picSchool.setEnabled(false);
    context_.ProcessingFlag = true;
    try {
        command();
    } catch (...) {
        context_.ProcessingFlag = false;
        context_.screens.hideReport();
        RefreshStatusView();
        ShowSchoolMenu(false);
        context_.screens.ActivateScreen(picSchool);
        throw;
    }
}

void SchoolScreen::GLDate_Click(int Index) {
    clsData& data = context_.data;
    // Time does not move on the first of a month until every timetable is set.
    if (Index != kLesson && !data.CheckClassSetting()) {
        auto& picSchool = context_.pictures.picSchool;
        picSchool.setEnabled(false);
        context_.CTMP.SetMSGType(message_type::kTimetableNotFinished);
        context_.screens.ShowDialog(dialog_layout::kNotice, picSchool, "picSchool",
                                    "生徒の授業の設定が終わっていません", "OK", {});
        return;
    }
    switch (Index) {
    case kNextDay:
    case kWeekend:
        context_.CTMP.TurnEndMSGClear();
        runBusy([&] { data.DateForword(Index == kNextDay ? kOneDay : kToSaturday); });
        break;
    case kLesson:
        data.SetMenu(captions::kLessonRunning);
        runBusy([&] {
            GLDate(kLesson).Enable(data.CheckDateCommand(kLesson));
            data.ClassForword();
        });
        break;
    case kCamp:
        data.SetMenu(captions::kCamp);
        SelectSchoolMenu();
        break;
    default:
        break;
    }
    GLDate(Index).MouseLeave();
}
