#include "app/shell/frm_main.h"

#include "app/shell/message_types.h"

namespace {

// GLSystem's "ログ".
constexpr int kLogButton = 3;

} // namespace

// Gives the opener's screen back by the message type, then hides the dialog.
void frmMain::CloseDialog() {
    switch (CTMP.GetMSGType()) {
    case message_type::kTimetableFaults:
        report_->GMSGReport.setVisible(false);
        pictures_.picClass.setEnabled(true);
        break;
    case message_type::kMessageLog:
        report_->GMSGReport.setVisible(false);
        pictures_.picSchool.setEnabled(true);
        school_->GLSystem(kLogButton).MouseLeave();
        break;
    case message_type::kTournamentNotice:
    case message_type::kOpeningQuestion:
        context_->ClickWaitFlag = false;
        break;
    default:
        break;
    }
    pictures_.picMSG.setVisible(false);
}

void frmMain::hideReport() {
    report_->GMSGReport.Clear();
    report_->GMSGReport.setVisible(false);
}
