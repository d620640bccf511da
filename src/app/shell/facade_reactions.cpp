#include "app/shell/facade_reactions.h"

#include "app/shell/settings_file.h"

#include "platform/services/game_services.h"
#include "state/menu_keys.h"

#include "host/gdi/blit.h"
#include "host/runtime/convert.h"
#include "host/ui/form.h"

namespace {

constexpr int kScreenWidth = host::ui::Form::kClientWidth;
constexpr int kScreenHeight = host::ui::Form::kClientHeight;
constexpr double kLessonPictureWait = 400;
constexpr double kDateWait = 300;
constexpr double kDayEndWait = 200;
constexpr double kClassEndWait = 500;

} // namespace

FacadeReactions::FacadeReactions(FormContext& context, ReportWindow& report, StorySequences& stories)
    : context_(context), report_(report), stories_(stories) {}

void FacadeReactions::subscribe() {
    clsData& data = context_.data;
    data.DateChenge.subscribe([this](clsDateDetails&) { mData_DateChenge(); });
    data.Report.subscribe([this](std::string& MSG) { mData_Report(MSG); });
    data.ClassEnd.subscribe([this] { mData_ClassEnd(); });
    data.DayEnd.subscribe([this] { mData_DayEnd(); });
    data.ForwordEnd.subscribe([this] { mData_ForwordEnd(); });
    data.ClassImage.subscribe([this](host::gdi::DeviceContext*& HDC) {
        if (HDC) mData_ClassImage(*HDC);
    });
    data.NewYear.subscribe([this] { mData_NewYear(); });
    data.SchoolScaleUp.subscribe([this](std::string& ImageName) { mData_SchoolScaleUp(ImageName); });
    data.StatusRefresh.subscribe([this] { mData_StatusRefresh(); });
    data.Ending.subscribe([this] { mData_Ending(); });
    data.Ending2.subscribe([this] { mData_Ending2(); });
}

double FacadeReactions::reportPause() const {
    const std::int16_t speed = host::runtime::CInt(context_.cINI.Data(SettingsFile::kVisibleMSG));
    return speed * 40 + 100;
}

void FacadeReactions::mData_Report(const std::string& MSG) {
    auto& pictures = context_.pictures;
    const MenuKey menu = context_.data.GetMenu();
    if (menu == menu_key::kTicketExchange) {
        report_.ShowReport(MSG, pictures.picCity, "picCity", false, true, true);
    } else if (menu == menu_key::kStudents) {
        report_.ShowReport(MSG, pictures.picSchool, "picSchool", false, false, true);
    } else if (menu == menu_key::kDuringLessons) {
        report_.ShowReport(MSG, pictures.picClassImage, "picClassImage", false, true, true);
        Services().WaitTime(reportPause());
    } else {
        const bool hidden = !report_.GMSGReport.Visible();
        report_.ShowReport(MSG, pictures.picSchool, "picSchool", false, hidden, true);
        Services().WaitTime(reportPause());
    }
}

void FacadeReactions::mData_ClassImage(host::gdi::DeviceContext& HDC) {
    auto& picClassImage = context_.pictures.picClassImage;
    host::gdi::BitBlt(picClassImage.hDC(), 0, 0, kScreenWidth, kScreenHeight, HDC, 0, 0, host::gdi::SRCCOPY);
    picClassImage.Refresh();
    picClassImage.ZOrder(0);
    context_.DoEvents();
    Services().WaitTime(kLessonPictureWait);
}

// The date record is not needed: the panels read the date from the facade.
void FacadeReactions::mData_DateChenge() {
    context_.screens.RefreshStatusView();
    context_.screens.ShowSchoolMenu(false);
    Services().WaitTime(kDateWait);
    context_.DoEvents();
}

void FacadeReactions::mData_DayEnd() {
    report_.GMSGReport.Clear();
    report_.GMSGReport.setVisible(false);
    context_.pictures.picSchool.ZOrder(0);
    context_.data.SetMenu(menu_key::kSchoolGrounds);
    Services().WaitTime(kDayEndWait);
}

// A lesson is over: the school screen is usable again, its buttons as they were.
void FacadeReactions::mData_ClassEnd() {
    Services().WaitTime(kClassEndWait);
    report_.GMSGReport.setVisible(false);
    context_.ProcessingFlag = false;
    context_.data.SetMenu(menu_key::kSchoolGrounds);
    context_.screens.ActivateScreen(context_.pictures.picSchool);
}

// The days have run: the school screen is usable again.
void FacadeReactions::mData_ForwordEnd() {
    context_.screens.ActivateScreen(context_.pictures.picSchool);
    context_.ProcessingFlag = false;
}

// The lists are answered on the school screen, which the running day keeps
// disabled otherwise.
void FacadeReactions::mData_NewYear() {
    auto& picSchool = context_.pictures.picSchool;
    picSchool.setEnabled(true);
    context_.screens.ShowNewStudentSelection();
    context_.screens.ShowNewSponsorSelection();
    picSchool.setEnabled(false);
    context_.screens.ShowSchoolMenu(false);
}

void FacadeReactions::mData_QuestBattle(const clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                                        const std::string& ImageName) {
    context_.screens.StartQuestBattle(cReg, cULeft, cURight, ImageName);
    context_.data.SetWinnerUnit(context_.battle.GetResultUnit());
}

void FacadeReactions::mData_SchoolScaleUp(const std::string& ImageName) {
    auto& picClass = context_.pictures.picClass;
    host::gdi::BitBlt(picClass.hDC(), 0, 0, kScreenWidth, kScreenHeight,
                      context_.images.GetImageHDC(ImageName), 0, 0, host::gdi::SRCCOPY);
    picClass.Refresh();
    context_.screens.RefreshClassScreen();
}

void FacadeReactions::mData_StatusRefresh() {
    context_.screens.RefreshStatusView();
}

void FacadeReactions::mData_Ending() {
    stories_.Ending();
}

void FacadeReactions::mData_Ending2() {
    stories_.Ending2();
}
