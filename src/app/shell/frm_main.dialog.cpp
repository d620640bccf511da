#include "app/shell/frm_main.h"

#include "app/shell/message_types.h"

namespace {

// GLSystem's "ログ".
constexpr int kLogButton = 3;
// GLDate's "次の日へ", "週末へ" and "合宿".
constexpr int kFirstDayButton = 1;
constexpr int kLastDayButton = 3;

} // namespace

// Gives the opener's screen back by the message type, then the dialog goes.
void frmMain::CloseDialog() {
    const std::int32_t type = CTMP.GetMSGType();
    switch (type) {
    case message_type::kTickets:
    case message_type::kPointExchange:
    case message_type::kPermitOffice:
        report_->GMSGReport.setVisible(false);
        town_->CloseTownDialog(CTMP.GetMSGType());
        break;
    case message_type::kShares:
    case message_type::kProcessing:
    case message_type::kItemShop:
        town_->CloseTownDialog(CTMP.GetMSGType());
        break;
    case message_type::kTimetableFaults:
        report_->GMSGReport.setVisible(false);
        class_->DialogClosed();
        break;
    case message_type::kTimetablePicker:
    case message_type::kClassCopyRefused:
    case message_type::kClassCopyQuestion:
        class_->DialogClosed();
        break;
    case message_type::kTimetableNotFinished:
        pictures_.picSchool.setEnabled(true);
        for (int i = kFirstDayButton; i <= kLastDayButton; ++i)
            school_->GLDate(i).MouseLeave();
        break;
    case message_type::kMessageLog:
        report_->GMSGReport.setVisible(false);
        pictures_.picSchool.setEnabled(true);
        school_->GLSystem(kLogButton).MouseLeave();
        break;
    case message_type::kUseItem:
    case message_type::kCourse:
        report_->GMSGReport.setVisible(false);
        school_->CloseSchoolDialog(type);
        break;
    case message_type::kAdmission:
    case message_type::kContract:
    case message_type::kTeacherCancel:
    case message_type::kNewSponsors:
    case message_type::kArbeit:
    case message_type::kCamp:
    case message_type::kBuildingItem:
    case message_type::kBonus:
        school_->CloseSchoolDialog(type);
        break;
    case message_type::kTournamentNotice:
    case message_type::kOpeningQuestion:
        context_->ClickWaitFlag = false;
        break;
    case message_type::kFormation:
    case message_type::kBattleItem:
        unit_->EndUnitPick();
        break;
    case message_type::kSave:
    case message_type::kLoad:
    case message_type::kReturnToTitle:
        settingDialogClosed(CTMP.GetMSGType());
        break;
    default:
        break;
    }
    dialog_->hide();
    if (CTMP.GetMSGType() == message_type::kCamp) school_->StartCampIfBooked();
}

void frmMain::hideReport() {
    report_->GMSGReport.Clear();
    report_->GMSGReport.setVisible(false);
}

void frmMain::Opening() {
    stories_->Opening();
}

void frmMain::ShowSchoolTips(const std::string& text) {
    school_->GMSGSchool.Text(text);
}
