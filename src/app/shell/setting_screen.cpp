#include "app/shell/setting_screen.h"

#include "app/screens/screen_controls.h"

#include "grids/list_grid/grid_settings.h"

#include <array>
#include <initializer_list>

namespace {

using screen_controls::first;
using screen_controls::playControlSound;

// White captions over the title picture.
constexpr std::int32_t kCaptionColour = 3;
constexpr int kButtonHeight = 25;
constexpr int kRowHeight = 20;
constexpr int kRowPitch = 60;
constexpr int kFirstRowTop = 120;
constexpr int kFirstToggleTop = 360;
// The longest value text, "高速化しない", fits its 100 pixels.
constexpr std::int16_t kValueFontSize = 11;

struct RowTexts {
    const char* caption;
    const char* left;
    const char* right;
};

constexpr std::array<RowTexts, SettingScreen::kRows> kRowTexts = {{
    {"BGM音量", "小", "大"},
    {"SE音量", "小", "大"},
    {"戦闘表示速度", "早", "遅"},
    {"表示速度", "早", "遅"},
    {"他学園同士の戦い", "", ""},
    {"所有株価の報告", "", ""},
}};

// The speeds run from 1 to 20 in steps of 1 and 2.
constexpr std::int32_t kSpeedMax = 20;
constexpr std::int32_t kSpeedMin = 1;
constexpr std::int32_t kSpeedLargeStep = 2;

} // namespace

SettingScreen::SettingScreen(FormContext& context, std::function<void()> quit)
    : GLSettingData(first<ctrGraphicalLabelLite>("GLSettingData")),
      lblSettingMSG(first<ctrGraphicalLabelLite>("lblSettingMSG")),
      lblSettingL(first<host::ui::Label>("lblSettingL")), GSSetting(first<ctrGraphicalSlider>("GSSetting")),
      lblSettingR(first<host::ui::Label>("lblSettingR")), context_(context), quit_(std::move(quit)) {
    auto& picSetting = context_.pictures.picSetting;
    const std::initializer_list<std::pair<host::ui::Control*, const char*>> named = {
        {&GLSettingMenu, "GLSettingMenu"},
        {&GGSetting, "GGSetting"},
        {&GLSettingReturnSchool, "GLSettingReturnSchool"},
        {&GLSettinggotoTitle, "GLSettinggotoTitle"},
        {&GLSettingEND, "GLSettingEND"},
        {&GLSettingPlay, "GLSettingPlay"},
        {&GLSettingSL, "GLSettingSL"},
        {&GLSettingData(0), nullptr},
        {&lblSettingMSG(0), nullptr},
        {&lblSettingL(0), nullptr},
        {&GSSetting(0), nullptr},
        {&lblSettingR(0), nullptr},
    };
    for (auto [control, name] : named) {
        if (name) control->setName(name);
        control->setParent(&picSetting);
        control->setVisible(false);
    }
    if (auto stored = storedGridSettings("GGSetting")) GGSetting.ReadProperties(*stored);

    GGSetting.RowSelect.subscribe([this](std::int16_t& Row, std::int16_t&) { GGSetting_RowSelect(Row); });
    GGSetting.Sound.subscribe(playControlSound);
    GLSettingReturnSchool.Click.subscribe([this] { GLSettingReturnSchool_Click(); });
    GLSettinggotoTitle.Click.subscribe([this] { GLSettinggotoTitle_Click(); });
    GLSettingEND.Click.subscribe([this] { GLSettingEND_Click(); });
    GLSettingPlay.Click.subscribe([this] { GLSettingPlay_Click(); });
    GLSettingSL.Click.subscribe([this] { GLSettingSL_Click(); });
    for (ctrGraphicalLabelLite* button : {&GLSettingSL, &GLSettinggotoTitle, &GLSettingEND})
        button->Sound.subscribe(playControlSound);
}

void SettingScreen::placeButton(ctrGraphicalLabelLite& button, int left, int top, int width, int height,
                                const std::string& text) {
    button.Move(left, top, width, height);
    button.FontColor(kCaptionColour);
    button.Text(text);
    button.BackImageCopy(context_.pictures.picSetting, static_cast<std::int16_t>(left),
                         static_cast<std::int16_t>(top));
}

void SettingScreen::placeLabel(host::ui::Label& label, int left, int top, int width,
                               const std::string& text) {
    label.Move(left, top, width, kRowHeight);
    label.setForeColor(host::gdi::kWhite);
    label.setFont({.name = "MS UI Gothic", .size = 12});
    label.setCaption(text);
}

void SettingScreen::placeSlider(ctrGraphicalSlider& slider, int top) {
    const clsImages& images = context_.images;
    slider.Move(130, top, 300, kRowHeight);
    slider.UpDown(true);
    slider.SliderImage(&images.GetImageHDC("スクロール"));
    slider.SliderWidth(15);
    slider.SetUpDownImage(&images.GetImageHDC("スライダー左右"), &images.GetImageHDC("スライダー左右mask"),
                          40);
    slider.BackImageCopy(context_.pictures.picSetting.hDC(), 130, top);
}

void SettingScreen::BuildSettingScreen(const std::function<void(std::int16_t)>& setGauge) {
    auto& picSetting = context_.pictures.picSetting;
    picSetting.Move(0, 0, 800, 600);
    picSetting.setEnabled(false);
    context_.images.SetImage(picSetting, "タイトル");
    picSetting.Refresh();

    for (int i = 1; i < kSliders; ++i) {
        lblSettingR.Load(i);
        lblSettingL.Load(i);
        GLSettingData.Load(i);
        lblSettingMSG.Load(i);
        GSSetting.Load(i);
    }
    for (int i = kSliders; i < kRows; ++i) {
        GLSettingData.Load(i);
        lblSettingMSG.Load(i);
    }
    setGauge(72);

    placeButton(GLSettingMenu, 20, 25, 150, kButtonHeight, "");
    GLSettingMenu.Enable(false);
    GLSettingMenu.setVisible(true);
    GGSetting.Move(20, 60, GGSetting.Width(), GGSetting.Height());
    GGSetting.MultiSelect(false);
    GGSetting.EnableSort(false);
    GGSetting.headerVisible(true);
    GGSetting.SetScrollBarImage(context_.images.GetImageHDC("スクロール"), false);
    GGSetting.SetBackImage(picSetting.hDC(), 20, 60);
    placeButton(GLSettingReturnSchool, 100, 560, 150, kButtonHeight, "学園に戻る");
    placeButton(GLSettinggotoTitle, 350, 560, 150, kButtonHeight, "タイトルに戻る");
    GLSettinggotoTitle.setVisible(true);
    placeButton(GLSettingEND, 600, 560, 150, kButtonHeight, "終了する");
    placeButton(GLSettingPlay, 470, 210, 20, 20, "♪");
    placeButton(GLSettingSL, 620, 300, 150, kButtonHeight, "");
    setGauge(75);

    placeRows();
    setGauge(78);
}

// Rows 0 to 3 hold a slider, rows 4 and 5 a toggle clicked on its caption.
void SettingScreen::placeRows() {
    for (int i = 0; i < kRows; ++i) {
        const bool slider = i < kSliders;
        const int top = slider ? kFirstRowTop + kRowPitch * i : kFirstToggleTop + kRowPitch * (i - kSliders);
        placeButton(GLSettingData(i), 100, top, 170, kRowHeight,
                    kRowTexts[static_cast<std::size_t>(i)].caption);
        GLSettingData(i).Enable(!slider);
        placeButton(lblSettingMSG(i), 300, top, slider ? 80 : 100, kRowHeight, "");
        lblSettingMSG(i).Enable(false);
        lblSettingMSG(i).FontSize(kValueFontSize);
        if (!slider) {
            GLSettingData(i).Click.subscribe([this, i] { GLSettingData_Click(i); });
            continue;
        }
        placeLabel(lblSettingL(i), 110, top + 30, 20, kRowTexts[static_cast<std::size_t>(i)].left);
        placeLabel(lblSettingR(i), 440, top + 30, 20, kRowTexts[static_cast<std::size_t>(i)].right);
        placeSlider(GSSetting(i), top + 30);
        GSSetting(i).ValueChange.subscribe(
            [this, i](std::int32_t& Value, bool&) { GSSetting_ValueChange(i, Value); });
    }
    for (int i = 2; i < kSliders; ++i) {
        GSSetting(i).Max(kSpeedMax);
        GSSetting(i).Mix(kSpeedMin);
        GSSetting(i).LargeChange(kSpeedLargeStep);
    }
}

void SettingScreen::showRows(bool visible) {
    for (int i = 0; i < kRows; ++i) {
        GLSettingData(i).setVisible(visible);
        lblSettingMSG(i).setVisible(visible);
        if (i >= kSliders) continue;
        lblSettingL(i).setVisible(visible);
        lblSettingR(i).setVisible(visible);
        GSSetting(i).setVisible(visible);
    }
}

void SettingScreen::GLSettingReturnSchool_Click() {
    auto& pictures = context_.pictures;
    pictures.picSetting.setEnabled(false);
    context_.screens.ActivateScreen(pictures.picSchool);
    context_.screens.ShowSchoolMenu(false);
    GLSettingReturnSchool.MouseLeave();
}
