#include "app/shell/message_dialog.h"

#include "platform/drawing/copy_back_image.h"
#include "platform/drawing/frames.h"
#include "platform/drawing/translucent.h"
#include "platform/formcontrols/form_controls.h"
#include "platform/sound/mng_sound.h"

#include "host/gdi/blit.h"

#include <initializer_list>

namespace {

// Gold.
constexpr std::int32_t kButtonFontColour = 1;
constexpr std::int16_t kButtonFontSize = 13;
// Half of the screen behind shows through.
constexpr std::int16_t kScreenShownPercent = 50;
constexpr host::gdi::COLORREF kFrameColour = host::gdi::RGB(255, 215, 0);
constexpr int kEnter = 13;
constexpr int kEscape = 27;

void place(host::ui::Control& control, host::ui::Control& parent, const char* name, int left, int top,
           int width, int height) {
    control.setName(name);
    control.setParent(&parent);
    control.Move(left, top, width, height);
}

void placeText(host::ui::Label& label, host::ui::Control& parent, const char* name, int left, int top,
               int width, int height) {
    place(label, parent, name, left, top, width, height);
    label.setForeColor(host::gdi::kWhite);
    label.setFont({.name = "MS UI Gothic", .size = 12});
}

void playControlSound(std::int32_t& type) {
    MngSound().GControlPlay(type);
}

} // namespace

MessageDialog::MessageDialog(FormContext& context) : context_(context) {
    auto& picMSG = context.pictures.picMSG;
    placeText(lblBody, picMSG, "lblBody", 25, 20, 350, 200);
    placeText(lblBody2, picMSG, "lblBody2", 50, 230, 350, 25);
    place(GSMSG, picMSG, "GSMSG", 50, 200, 300, 20);
    place(GLMSGExcute, picMSG, "GLMSGExcute", 220, 270, 75, 25);
    place(GLMSGCancel, picMSG, "GLMSGCancel", 300, 270, 90, 25);
    GGMSG.setName("GGMSG");
    GGMSG.setParent(&picMSG);
    for (host::ui::Control* control :
         std::initializer_list<host::ui::Control*>{&GSMSG, &GLMSGExcute, &GLMSGCancel, &GGMSG})
        control->setVisible(false);

    GLMSGExcute.Click.subscribe([this] { GLMSGExcute_Click(); });
    GLMSGCancel.Click.subscribe([this] { GLMSGCancel_Click(); });
    GLMSGExcute.Sound.subscribe(playControlSound);
    GLMSGCancel.Sound.subscribe(playControlSound);
    GGMSG.Sound.subscribe(playControlSound);
    GSMSG.ValueChange.subscribe([this](std::int32_t& Value, bool&) { GSMSG_ValueChange(Value); });
    GGMSG.RowSelect.subscribe([this](std::int16_t& SelectRow, std::int16_t&) { GGMSG_RowSelect(SelectRow); });
    GGMSG.MouseSelect.subscribe(
        [this](std::int16_t& MouseRow, std::int16_t&) { GGMSG_MouseSelect(MouseRow); });
    GGMSG.MouseLeave.subscribe([this] { GGMSG_MouseLeave(); });

    context.form.setKeyPreview(true);
    context.form.KeyPress.subscribe([this](int& code) { form_KeyPress(code); });
}

void MessageDialog::BuildMessageDialog() {
    const clsImages& images = context_.images;
    GSMSG.SliderImage(&images.GetImageHDC("スクロール"));
    GSMSG.SliderWidth(15);
    GSMSG.SetUpDownImage(&images.GetImageHDC("スライダー左右"), &images.GetImageHDC("スライダー左右mask"),
                         40);
    for (ctrGraphicalLabelLite* button : {&GLMSGExcute, &GLMSGCancel}) {
        button->FontColor(kButtonFontColour);
        button->FontSize(kButtonFontSize);
    }
    GGMSG.SetScrollBarImage(images.GetImageHDC("スクロール"), false);
}

void MessageDialog::ShowDialog(std::int32_t Kind, host::ui::PictureBox& picture,
                               const std::string& pictureName, const std::string& Body,
                               const std::string& OKCaption, const DialogRegion& region) {
    auto& picMSG = context_.pictures.picMSG;
    picMSG.Move(region.Left, region.Top, region.Width, region.Height);
    host::gdi::DeviceContext& surface = picMSG.hDC();
    host::gdi::BitBlt(surface, 0, 0, region.Width, region.Height, picture.hDC(), region.Left, region.Top,
                      host::gdi::SRCCOPY);
    CopyBackImage(pictureName, surface, region.Left, region.Top, region.Width, region.Height,
                  FormControls(context_.form).list());
    Translucent2(surface, host::gdi::RGB(0, 0, 0), kScreenShownPercent);
    DrawPictureFrame(picMSG, kFrameColour, 1);
    picMSG.Refresh();

    GLMSGExcute.setVisible(false);
    GLMSGCancel.setVisible(false);
    GSMSG.setVisible(false);
    GGMSG.setVisible(false);
    lblBody2.setCaption("");

    std::string body = Body;
    buildLayout(Kind, OKCaption, body);

    lblBody.setCaption(body);
    picMSG.ZOrder(0);
    picMSG.setVisible(true);
}

void MessageDialog::hide() {
    GLMSGExcute.MouseLeave();
    GLMSGCancel.MouseLeave();
    context_.pictures.picMSG.setVisible(false);
}

void MessageDialog::placeButton(ctrGraphicalLabelLite& button, const std::string& caption) {
    button.Text(caption);
    button.BackImageCopy(context_.pictures.picMSG, static_cast<std::int16_t>(button.Left()),
                         static_cast<std::int16_t>(button.Top()));
    button.setVisible(true);
}

void MessageDialog::placeButton(ctrGraphicalLabelLite& button, const std::string& caption, bool enabled) {
    button.Text(caption);
    button.Enable(enabled);
    button.BackImageCopy(context_.pictures.picMSG, static_cast<std::int16_t>(button.Left()),
                         static_cast<std::int16_t>(button.Top()));
    button.setVisible(true);
}

void MessageDialog::placeOKAndCancel(const std::string& OKCaption, bool okEnabled) {
    placeButton(GLMSGExcute, OKCaption, okEnabled);
    placeButton(GLMSGCancel, "キャンセル");
}

// A maximum below 0 (money in debt) offers nothing rather than the slider's
// smallest range.
void MessageDialog::placeSlider(std::int32_t maximum) {
    GSMSG.BackImageCopy(context_.pictures.picMSG.hDC(), GSMSG.Left(), GSMSG.Top());
    GSMSG.Max(maximum < 0 ? 0 : maximum);
    GSMSG.Value(0);
    GSMSG.setVisible(true);
}

// The dialog answers Enter and Escape before any control behind it sees them.
void MessageDialog::form_KeyPress(int& code) {
    if (!context_.pictures.picMSG.Visible()) return;
    if (code != kEnter && code != kEscape) return;
    ctrGraphicalLabelLite& button = code == kEscape || !GLMSGExcute.Visible() ? GLMSGCancel : GLMSGExcute;
    code = 0;
    if (!button.Visible()) return;
    int press = kEnter;
    button.onKeyPress(press);
}

std::string MessageDialog::key(std::int32_t k) const {
    return context_.CTMP.GetDataSingle(k).toString();
}
