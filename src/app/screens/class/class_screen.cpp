#include "app/screens/class/class_screen.h"

#include "app/screens/screen_controls.h"

#include "app/screens/ability_names.h"
#include "app/screens/class/class_captions.h"
#include "app/screens/class/week_names.h"

#include "app/shell/message_types.h"

#include "grids/list_grid/grid_settings.h"
#include "platform/sound/mng_sound.h"

#include <memory>

namespace {

using screen_controls::first;
using screen_controls::playControlSound;

namespace captions = class_captions;

// White captions on the washed buttons and panels.
constexpr std::int32_t kCaptionColour = 3;
constexpr std::int16_t kButtonFontSize = 13;
constexpr std::int16_t kLabelFontSize = 12;
constexpr std::int16_t kTitleFontSize = 16;
constexpr host::gdi::COLORREF kGold = host::gdi::RGB(255, 215, 0);
constexpr int kButtonHeight = 25;
// The formation abilities (the last three gauges) reach 25.
constexpr int kFirstFormationGauge = 14;
constexpr std::int16_t kFormationMax = 25;
constexpr int kCommitButton = 1;

} // namespace

ClassScreen::ClassScreen(FormContext& context, ReportShower showReport)
    : lblWeek(first<host::ui::Label>("lblWeek")), lblNumber(first<host::ui::Label>("lblNumber")),
      GLClass(first<ctrGraphicalLabelLite>("GLClass")),
      GLClassCopy(first<ctrGraphicalLabelLite>("GLClassCopy")),
      GLClasstoSchool(first<ctrGraphicalLabelLite>("GLClasstoSchool")),
      GLClassCommand(first<ctrGraphicalLabelLite>("GLClassCommand")),
      GLClassGrid(first<ctrGraphicalLabelLite>("GLClassGrid")),
      GLClassSetting(first<ctrGraphicalLabelLite>("GLClassSetting")),
      GLClassData(first<ctrGraphicalLabelLite>("GLClassData")),
      GParamClass(first<GraphicalGraph>("GParamClass")), GClassExp(first<GraphicalGraph>("GClassExp")),
      context_(context), showReport_(std::move(showReport)), facts_(context.data) {
    GLClassMenu.setName("GLClassMenu");
    GMSGClass.setName("GMSGClass");
    GGClass.setName("GGClass");
    auto& picClass = context_.pictures.picClass;
    for (host::ui::Control* control :
         {static_cast<host::ui::Control*>(&lblWeek(0)), static_cast<host::ui::Control*>(&lblNumber(0)),
          static_cast<host::ui::Control*>(&GLClass(0)), static_cast<host::ui::Control*>(&GLClassCopy(0)),
          static_cast<host::ui::Control*>(&GLClassMenu), static_cast<host::ui::Control*>(&GMSGClass),
          static_cast<host::ui::Control*>(&GLClasstoSchool(0)),
          static_cast<host::ui::Control*>(&GLClassCommand(0)),
          static_cast<host::ui::Control*>(&GLClassGrid(0)),
          static_cast<host::ui::Control*>(&GLClassSetting(0)),
          static_cast<host::ui::Control*>(&GLClassData(0)), static_cast<host::ui::Control*>(&GGClass),
          static_cast<host::ui::Control*>(&GParamClass(0)), static_cast<host::ui::Control*>(&GClassExp(0))})
        control->setParent(&picClass);
    GLClassCopy(0).setDragMode(host::ui::DragMode::Automatic);
    if (auto stored = storedGridSettings("GGClass")) GGClass.ReadProperties(*stored);
}

void ClassScreen::placeButton(ctrGraphicalLabelLite& button, int left, int top, int width,
                              const std::string& text) {
    button.Move(left, top, width, kButtonHeight);
    button.FontColor(kCaptionColour);
    button.FontSize(kButtonFontSize);
    button.Text(text);
    button.BackImageCopy(context_.pictures.picClass, static_cast<std::int16_t>(left),
                         static_cast<std::int16_t>(top));
}

void ClassScreen::BuildClassScreen(const std::function<void(std::int16_t)>& setGauge) {
    gWeekNames.assign(captions::kWeekNames.begin(), captions::kWeekNames.end());
    auto& picClass = context_.pictures.picClass;
    picClass.Move(0, 0, 800, 600);
    context_.images.SetImage(picClass, "カリキュラム低");
    picClass.setEnabled(false);

    GLClassCommand.Load(1);
    GLClasstoSchool.Load(1);
    for (int i = 1; i < captions::kPeriods; ++i)
        lblNumber.Load(i);
    for (int i = 1; i < static_cast<int>(gWeekNames.size()); ++i)
        lblWeek.Load(i);
    setGauge(31);
    for (int s = 1; s < captions::kSlots; ++s) {
        GLClass.Load(s);
        GLClassCopy.Load(s);
    }
    setGauge(32);
    for (int i = 1; i < static_cast<int>(gAbilityNames.size()); ++i) {
        GParamClass.Load(i);
        GClassExp.Load(i);
    }
    setGauge(33);
    for (int i = 1; i < static_cast<int>(captions::kSettingButtons.size()); ++i) {
        GLClassSetting.Load(i);
        GLClassGrid.Load(i);
    }
    for (int i = 1; i < static_cast<int>(captions::kSettingButtons.size()) - 1; ++i)
        GLClassData.Load(i);

    for (int i = 0; i <= GLClassCommand.UBound(); ++i) {
        placeButton(GLClassCommand(i), 20 + 150 * i, 560, 120, std::string(captions::kExitButtons[i]));
        GLClassCommand(i).setVisible(false);
    }
    for (int i = 0; i <= lblWeek.UBound(); ++i) {
        host::ui::Label& label = lblWeek(i);
        label.Move(100 + 140 * i, 70, 120, 25);
        label.setFont({.name = "MS UI Gothic", .size = kLabelFontSize});
        label.setForeColor(kGold);
        label.setCaption(gWeekNames[static_cast<std::size_t>(i)] + "曜日");
        label.setVisible(false);
    }
    setGauge(34);
    for (int i = 0; i <= lblNumber.UBound(); ++i) {
        host::ui::Label& label = lblNumber(i);
        label.Move(25, 105 + 30 * i, 75, 25);
        label.setFont({.name = "MS UI Gothic", .size = kLabelFontSize});
        label.setForeColor(kGold);
        label.setCaption(std::to_string(i + 1) + "時間目");
        label.setVisible(true);
    }
    setGauge(35);
    for (int s = 0; s <= GLClass.UBound(); ++s) {
        const int left = 100 + 140 * (s / captions::kPeriods);
        const int top = 100 + 30 * (s % captions::kPeriods);
        placeButton(GLClass(s), left, top, 100, "");
        GLClass(s).setVisible(false);
        ctrGraphicalLabelLite& copy = GLClassCopy(s);
        placeButton(copy, left + 105, top, 25, "C");
        copy.setToolTipText("C:" + std::to_string(s));
        copy.setVisible(false);
        if (s == 20) setGauge(36);
    }
    setGauge(37);
    placeGauges(8, setGauge);
    for (int i = 0; i <= GLClassGrid.UBound(); ++i) {
        placeButton(GLClassGrid(i), 20 + 150 * i, 320, 120, std::string(captions::kGridButtons[i]));
        GLClassGrid(i).setVisible(false);
    }
    setGauge(39);

    placeButton(GLClassMenu, 20, 25, 150, std::string(captions::kTitle));
    GLClassMenu.FontSize(kTitleFontSize);
    GLClassMenu.Enable(false);
    for (int i = 0; i <= GLClasstoSchool.UBound(); ++i) {
        placeButton(GLClasstoSchool(i), 20 + 150 * i, 560, 120, std::string(captions::kExitButtons[i]));
        GLClasstoSchool(i).setVisible(true);
    }
    for (int i = 0; i <= GLClassSetting.UBound(); ++i) {
        placeButton(GLClassSetting(i), 670, 60 + 80 * i, 120, std::string(captions::kSettingButtons[i]));
        GLClassSetting(i).setVisible(false);
    }
    for (int i = 0; i <= GLClassData.UBound(); ++i) {
        placeButton(GLClassData(i), 670, 90 + 80 * i, 120, "");
        GLClassData(i).setVisible(false);
    }
    GGClass.Move(20, 60, GGClass.Width(), GGClass.Height());
    GGClass.MultiSelect(true);
    GGClass.SetScrollBarImage(context_.images.GetImageHDC("スクロール"), false);
    GGClass.SetBackImage(picClass.hDC(), 20, 60);
    GGClass.setVisible(false);
    GMSGClass.Move(550, 360, 245, 230);
    GMSGClass.FontColor(kCaptionColour);
    GMSGClass.FontSize(kLabelFontSize);
    GMSGClass.BackImageCopy(picClass.hDC(), 550, 360);
    bindEvents();
}

void ClassScreen::placeGauges(std::int16_t gaugeAtHalf, const std::function<void(std::int16_t)>& setGauge) {
    auto& background = context_.pictures.picClass.hDC();
    for (int i = 0; i <= GParamClass.UBound(); ++i) {
        const int left = 50 + 150 * (i / 6);
        const int top = 360 + 30 * (i % 6);
        GraphicalGraph& gauge = GParamClass(i);
        gauge.Move(left, top, 120, 20);
        gauge.FontSize(kLabelFontSize);
        gauge.Translucent(false);
        gauge.DrawPercent(false);
        gauge.DrawValue(true);
        gauge.TransTR(40);
        gauge.ProgressColor(9);
        gauge.ProgressTR(50);
        gauge.EnableMouseOver(true);
        gauge.EnableSelect(true);
        gauge.SelectedColor(1);
        gauge.SelectedSize(2);
        if (i >= kFirstFormationGauge) gauge.Max(kFormationMax);
        gauge.Text(std::string(gAbilityNames[static_cast<std::size_t>(i)]));
        gauge.SetImage(background, static_cast<std::int16_t>(left), static_cast<std::int16_t>(top));
        gauge.setVisible(false);

        GraphicalGraph& bar = GClassExp(i);
        bar.Move(left, top + 21, 120, 5);
        bar.FrameSize(0);
        bar.Translucent(false);
        bar.DrawPercent(true);
        bar.DrawValue(false);
        bar.EnableMouseOver(false);
        bar.EnableSelect(false);
        bar.TransTR(40);
        bar.ProgressTR(50);
        bar.ProgressColor(9);
        bar.SetImage(background, static_cast<std::int16_t>(left), static_cast<std::int16_t>(top + 21));
        bar.setVisible(false);
        if (i == gaugeAtHalf) setGauge(38);
    }
}

// Tips on the slot view's buttons: the facade's tip of the caption, the
// slot's standing tip when the pointer leaves.
void ClassScreen::bindSlotTips(ctrGraphicalLabelLite& button) {
    button.MouseMove.subscribe(
        [this, &button](int&, int&, int&, int&) { GMSGClass.Text(context_.data.GetMSGTips(button.Text())); });
    button.MouseLeave.subscribe([this] { GMSGClass.Text(context_.CTMP.GetClassTips()); });
}

void ClassScreen::bindEvents() {
    for (int s = 0; s <= GLClass.UBound(); ++s) {
        ctrGraphicalLabelLite& slot = GLClass(s);
        slot.Click.subscribe([this, s] { GLClass_Click(s); });
        slot.RightClick.subscribe([this, s] { GLClass_RightClick(s); });
        slot.MouseMove.subscribe([this, s](int&, int&, int&, int&) { showSlotTip(s); });
        slot.MouseLeave.subscribe(
            [this] { GMSGClass.Text(context_.data.GetMSGTips(std::string(captions::kTitle))); });
        slot.Sound.subscribe(playControlSound);
        const auto drop = [this, s](host::ui::Control& source, int&, int&) {
            CopyClassSlot(source.ToolTipText(), static_cast<std::int16_t>(s));
        };
        slot.DragDrop.subscribe(drop);
        GLClassCopy(s).DragDrop.subscribe(drop);
    }
    for (int i = 0; i <= GLClasstoSchool.UBound(); ++i) {
        GLClasstoSchool(i).Click.subscribe([this, i] { GLClasstoSchool_Click(i); });
        GLClasstoSchool(i).Sound.subscribe(playControlSound);
    }
    for (int i = 0; i <= GLClassCommand.UBound(); ++i) {
        ctrGraphicalLabelLite& button = GLClassCommand(i);
        bindSlotTips(button);
        button.Sound.subscribe(playControlSound);
        button.Click.subscribe([this, i] { GLClassCommand_Click(i); });
    }
    for (int i = 0; i <= GLClassGrid.UBound(); ++i) {
        bindSlotTips(GLClassGrid(i));
        GLClassGrid(i).Click.subscribe([this, i] { GLClassGrid_Click(i); });
    }
    for (int i = 0; i <= GLClassSetting.UBound(); ++i) {
        ctrGraphicalLabelLite& button = GLClassSetting(i);
        bindSlotTips(button);
        button.Sound.subscribe(playControlSound);
        button.Click.subscribe([this, i] { GLClassSetting_Click(i); });
    }
    for (int i = 0; i <= GParamClass.UBound(); ++i) {
        GParamClass(i).GaugeClick.subscribe(
            [this, i](bool& Selected) { GParamClass_GaugeClick(i, Selected); });
        GParamClass(i).Sound.subscribe(playControlSound);
    }
    GGClass.MouseSelect.subscribe([this](std::int16_t& Row, std::int16_t&) { GGClass_MouseSelect(Row); });
    GGClass.MouseLeave.subscribe([this] { GMSGClass.Text(context_.CTMP.GetClassTips()); });
    GGClass.RowSelect.subscribe([this](std::int16_t& Row, std::int16_t&) { GGClass_RowSelect(Row); });
    GGClass.Sound.subscribe(playControlSound);
}

// What the screen gets back when a dialog or the report box over it closes.
void ClassScreen::DialogClosed() {
    switch (context_.CTMP.GetMSGType()) {
    case message_type::kTimetablePicker:
        GLClassSetting(context_.CTMP.GetDataSingle(kPickerKind).toInteger()).MouseLeave();
        break;
    case message_type::kTimetableFaults:
        GLClasstoSchool(kCommitButton).MouseLeave();
        break;
    default:
        break;
    }
    context_.pictures.picClass.setEnabled(true);
}

void ClassScreen::RefreshBackground() {
    auto& background = context_.pictures.picClass.hDC();
    for (int s = 0; s <= GLClass.UBound(); ++s) {
        GLClass(s).Refresh();
        GLClassCopy(s).Refresh();
    }
    for (int i = 0; i <= GParamClass.UBound(); ++i) {
        for (GraphicalGraph* gauge : {&GParamClass(i), &GClassExp(i)})
            gauge->SetImage(background, static_cast<std::int16_t>(gauge->Left()),
                            static_cast<std::int16_t>(gauge->Top()));
    }
    for (auto* buttons : {&GLClasstoSchool, &GLClassCommand, &GLClassGrid, &GLClassSetting, &GLClassData})
        for (int i = 0; i <= buttons->UBound(); ++i)
            (*buttons)(i).Refresh();
    GGClass.SetBackImage(background, static_cast<std::int16_t>(GGClass.Left()),
                         static_cast<std::int16_t>(GGClass.Top()));
    GMSGClass.Refresh();
    GLClassMenu.Refresh();
}
