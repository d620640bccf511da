#include "app/shell/team_output_dialog.h"

#include "app/screens/screen_controls.h"
#include "app/shell/team_file.h"

#include "battle/combat/cls_fix_unit_data.h"
#include "platform/drawing/copy_back_image.h"
#include "platform/drawing/frames.h"
#include "platform/drawing/translucent.h"
#include "platform/formcontrols/form_controls.h"

#include "host/gdi/blit.h"
#include "host/text/units.h"

#include <exception>

namespace {

using screen_controls::first;
using screen_controls::playControlSound;

// Gold.
constexpr std::int32_t kButtonFontColour = 1;
constexpr std::int16_t kButtonFontSize = 13;
constexpr std::int16_t kScreenShownPercent = 50;
constexpr host::gdi::COLORREF kFrameColour = host::gdi::RGB(255, 215, 0);
constexpr host::gdi::COLORREF kRefusalColour = host::gdi::RGB(255, 160, 160);
constexpr int kLeft = 200;
constexpr int kTop = 150;
constexpr int kWidth = 400;
constexpr int kHeight = 300;

void place(host::ui::Control& control, host::ui::Control& parent, int left, int top, int width, int height) {
    control.setParent(&parent);
    control.Move(left, top, width, height);
}

} // namespace

TeamOutputDialog::TeamOutputDialog(FormContext& context)
    : lblOutput(first<host::ui::Label>("lblOutput")), txtOutput(first<host::ui::TextBox>("txtOutput")),
      context_(context) {
    lblOutputMSG.setName("lblOutputMSG");
    GLOutputExcute.setName("GLOutputExcute");
    GLOutputCancel.setName("GLOutputCancel");
    for (host::ui::Control* control :
         {static_cast<host::ui::Control*>(&lblOutput(0)), static_cast<host::ui::Control*>(&txtOutput(0)),
          static_cast<host::ui::Control*>(&lblOutputMSG), static_cast<host::ui::Control*>(&GLOutputExcute),
          static_cast<host::ui::Control*>(&GLOutputCancel)})
        control->setParent(&context_.pictures.picOutput);
    context_.pictures.picOutput.setVisible(false);
    GLOutputExcute.Click.subscribe([this] { GLOutputExcute_Click(); });
    GLOutputCancel.Click.subscribe([this] { GLOutputCancel_Click(); });
    GLOutputExcute.Sound.subscribe(playControlSound);
    GLOutputCancel.Sound.subscribe(playControlSound);
}

void TeamOutputDialog::BuildTeamOutputDialog() {
    auto& picOutput = context_.pictures.picOutput;
    picOutput.Move(kLeft, kTop, kWidth, kHeight);
    lblOutput.Load(1);
    txtOutput.Load(1);
    const char* prompts[] = {"チーム名を入力してください(10文字)",
                             "大会に参加するパスワードを入力してください"};
    for (int i = 0; i <= 1; ++i) {
        host::ui::Label& prompt = lblOutput(i);
        place(prompt, picOutput, 25, 50 + 100 * i, 350, 25);
        prompt.setForeColor(host::gdi::kWhite);
        prompt.setFont({.name = "MS UI Gothic", .size = 12});
        prompt.setCaption(prompts[i]);
        prompt.setVisible(true);
        host::ui::TextBox& box = txtOutput(i);
        place(box, picOutput, 25, 80 + 100 * i, 350, 25);
        box.setFont({.name = "MS UI Gothic", .size = 12});
        box.setText("");
        box.setVisible(true);
        box.Change.subscribe([this] { CheckTeamOutputInput(); });
        box.LostFocus.subscribe([this] { CheckTeamOutputInput(); });
    }
    place(lblOutputMSG, picOutput, 25, 215, 350, 45);
    lblOutputMSG.setForeColor(kRefusalColour);
    lblOutputMSG.setFont({.name = "MS UI Gothic", .size = 11});
    place(GLOutputExcute, picOutput, 220, 270, 75, 25);
    place(GLOutputCancel, picOutput, 300, 270, 90, 25);
    for (ctrGraphicalLabelLite* button : {&GLOutputExcute, &GLOutputCancel}) {
        button->FontColor(kButtonFontColour);
        button->FontSize(kButtonFontSize);
    }
}

void TeamOutputDialog::ShowTeamOutputDialog(const clsUnitData& team) {
    team_ = team;
    auto& picOutput = context_.pictures.picOutput;
    host::gdi::DeviceContext& surface = picOutput.hDC();
    host::gdi::BitBlt(surface, 0, 0, kWidth, kHeight, context_.pictures.picUnit.hDC(), kLeft, kTop,
                      host::gdi::SRCCOPY);
    CopyBackImage("picUnit", surface, kLeft, kTop, kWidth, kHeight, FormControls(context_.form).list());
    Translucent2(surface, host::gdi::RGB(0, 0, 0), kScreenShownPercent);
    DrawPictureFrame(picOutput, kFrameColour, 1);
    picOutput.Refresh();

    txtOutput(0).setText("");
    txtOutput(1).setText("");
    lblOutputMSG.setCaption("");
    GLOutputExcute.Text("出力");
    GLOutputExcute.Enable(false);
    GLOutputExcute.BackImageCopy(picOutput, static_cast<std::int16_t>(GLOutputExcute.Left()),
                                 static_cast<std::int16_t>(GLOutputExcute.Top()));
    GLOutputExcute.setVisible(true);
    GLOutputCancel.Text("キャンセル");
    GLOutputCancel.BackImageCopy(picOutput, static_cast<std::int16_t>(GLOutputCancel.Left()),
                                 static_cast<std::int16_t>(GLOutputCancel.Top()));
    GLOutputCancel.setVisible(true);
    picOutput.setEnabled(true);
    picOutput.setVisible(true);
    picOutput.ZOrder(0);
    txtOutput(0).SetFocus();
}

// "出力" is enabled while the name (1 to 10 characters) can name a file and
// the password can key it; what stands in the way is said under the boxes.
void TeamOutputDialog::CheckTeamOutputInput() {
    const std::string& name = txtOutput(0).Text();
    const std::string& password = txtOutput(1).Text();
    std::string refusal = team_file::nameRefusal(name);
    if (refusal.empty() && host::text::Len(name) > team_file::kNameLength)
        refusal = "チーム名は" + std::to_string(team_file::kNameLength) + "文字までです";
    if (refusal.empty()) refusal = team_file::passwordRefusal(password);
    lblOutputMSG.setCaption(refusal);
    GLOutputExcute.Enable(refusal.empty() && !name.empty() && !password.empty());
}

void TeamOutputDialog::GLOutputExcute_Click() {
    auto& picOutput = context_.pictures.picOutput;
    picOutput.setEnabled(false);
    const std::string failed = WriteTeamFile();
    if (!failed.empty()) {
        lblOutputMSG.setCaption(failed);
        picOutput.setEnabled(true);
        GLOutputExcute.MouseLeave();
        return;
    }
    context_.screens.CloseUnitScreen();
    picOutput.setVisible(false);
    picOutput.setEnabled(true);
    context_.screens.ActivateScreen(context_.pictures.picSchool);
    GLOutputExcute.MouseLeave();
}

std::string TeamOutputDialog::WriteTeamFile() {
    const std::string& name = txtOutput(0).Text();
    try {
        const auto statistics = context_.data.GetUnitCalcData(team_, team_.ItemName());
        if (!statistics) return "チームの能力を計算できません";
        const std::string text =
            team_file::body(team_.LineName(), team_.ItemName(), statistics->GetSaveData(),
                            context_.data.GetUnitSaveDataSystem());
        return team_file::write(name, team_file::image(name, text, txtOutput(1).Text()));
    } catch (const std::exception& error) {
        return std::string("チームを出力できません: ") + error.what();
    }
}

void TeamOutputDialog::GLOutputCancel_Click() {
    context_.pictures.picOutput.setVisible(false);
    context_.pictures.picUnit.setEnabled(true);
    GLOutputCancel.MouseLeave();
}
