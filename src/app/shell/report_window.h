#pragma once

#include "app/shell/form_context.h"

#include "toolkit/ctr_graphical_msg.h"

#include "host/ui/picture_box.h"

#include <memory>
#include <string>

// The report box GMSGReport: a see-through message box in the middle of the
// window over whatever screen is showing, where the game tells what happens
// while a command runs. A report opens a new page over a fresh copy of the
// screen behind the box, or is appended under the lines already there; it
// may be added to the turn's message log. A click on the box closes it
// through the dialog's closing path, unless a command is still running.
class ReportWindow {
  public:
    static constexpr int kLeft = 200;
    static constexpr int kTop = 150;
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;
    // Each report stays at least this long.
    static constexpr double kReportWait = 200;

    // Places the hidden box on the form.
    explicit ReportWindow(FormContext& context);
    ReportWindow(const ReportWindow&) = delete;
    ReportWindow& operator=(const ReportWindow&) = delete;

    // Shows Text over picture (named pictureName): on a new page when
    // NewPage is set or the box is hidden, else under the lines shown, the
    // background copied again first when RefreshBackground is set. AddLog
    // appends the text to the turn's message log. Waits 200 ms.
    void ShowReport(const std::string& Text, host::ui::PictureBox& picture, const std::string& pictureName,
                    bool NewPage, bool RefreshBackground, bool AddLog);
    // Shows Text alone over picture (named pictureName), with the thumb
    // when it does not fit, until the player clicks the box.
    void ShowLog(const std::string& Text, host::ui::PictureBox& picture, const std::string& pictureName);
    // Ignored while a command runs; the opening's closing click releases
    // the waiting opening; then the dialog's closing path.
    void GMSGReport_Click();

    ctrGraphicalMSG GMSGReport;

  private:
    // The screen's 400 x 300 area behind the box with its visible controls.
    void copyBackground(host::ui::PictureBox& picture, const std::string& pictureName);

    FormContext& context_;
    // The box takes its background again from here when refreshed.
    std::unique_ptr<host::gdi::DeviceContext> background_;
};
