#include "app/shell/report_window.h"

#include "app/shell/message_types.h"

#include "platform/drawing/copy_back_image.h"
#include "platform/drawing/memory_dc.h"
#include "platform/formcontrols/form_controls.h"
#include "platform/services/game_services.h"

#include "host/gdi/blit.h"

namespace {

// The screen behind shows through a dark wash, so that the gold lines read
// over any picture.
constexpr std::int16_t kScreenShownPercent = 25;

} // namespace

ReportWindow::ReportWindow(FormContext& context) : context_(context) {
    GMSGReport.setName("GMSGReport");
    GMSGReport.SemiTransColorAP(kScreenShownPercent);
    GMSGReport.setParent(&context.form);
    GMSGReport.Move(kLeft, kTop, kWidth, kHeight);
    GMSGReport.setVisible(false);
    GMSGReport.Click.subscribe([this] { GMSGReport_Click(); });
}

void ReportWindow::copyBackground(host::ui::PictureBox& picture, const std::string& pictureName) {
    auto memory = CreateMemoryDC(picture.hDC(), kWidth, kHeight);
    host::gdi::BitBlt(*memory, 0, 0, kWidth, kHeight, picture.hDC(), kLeft, kTop, host::gdi::SRCCOPY);
    CopyBackImage(pictureName, *memory, kLeft, kTop, kWidth, kHeight, FormControls(context_.form).list());
    GMSGReport.BackImageCopy(*memory, 0, 0);
    background_ = std::move(memory);
}

void ReportWindow::ShowReport(const std::string& Text, host::ui::PictureBox& picture,
                              const std::string& pictureName, bool NewPage, bool RefreshBackground,
                              bool AddLog) {
    const bool shown = GMSGReport.Visible();
    if (shown && !NewPage) {
        if (RefreshBackground) copyBackground(picture, pictureName);
        GMSGReport.Text(GMSGReport.Text() + "\r\n" + Text);
    } else {
        copyBackground(picture, pictureName);
        GMSGReport.VerticalAlignment(1);
        GMSGReport.ForceNotVisible(true);
        GMSGReport.Text(Text);
        GMSGReport.setVisible(true);
    }
    GMSGReport.ZOrder(0);
    if (AddLog) context_.CTMP.SetDataSingle(clsTMPData::kTurnEndLog, Text);
    Services().WaitTime(kReportWait);
}

void ReportWindow::ShowLog(const std::string& Text, host::ui::PictureBox& picture,
                           const std::string& pictureName) {
    copyBackground(picture, pictureName);
    GMSGReport.VerticalAlignment(1);
    GMSGReport.ForceNotVisible(false);
    GMSGReport.Text(Text);
    GMSGReport.ZOrder(0);
    GMSGReport.setVisible(true);
}

void ReportWindow::GMSGReport_Click() {
    if (context_.ProcessingFlag) return;
    if (context_.CTMP.GetMSGType() == message_type::kOpeningQuestion) context_.ClickWaitFlag = false;
    context_.screens.CloseDialog();
}
