#include "app/screens/school/school_screen.h"

#include "app/screens/screen_controls.h"

#include "app/screens/ability_names.h"
#include "app/screens/school/school_captions.h"
#include "app/screens/status_view.h"

#include "grids/list_grid/grid_settings.h"
#include "platform/sound/mng_sound.h"

#include <memory>

namespace {

using screen_controls::first;
using screen_controls::playControlSound;

namespace captions = school_captions;

// White captions on the washed buttons and panels.
constexpr std::int32_t kCaptionColour = 3;
// The menu name's caption and the back button keep the larger type.
constexpr std::int16_t kTitleFontSize = 16;
constexpr int kButtonHeight = 25;
// The formation abilities (the last three gauges) reach 25, the others 100.
constexpr int kFirstFormationGauge = 14;
constexpr std::int16_t kFormationMax = 25;

} // namespace

SchoolScreen::SchoolScreen(FormContext& context)
    : GLSchool(first<ctrGraphicalLabelLite>("GLSchool")), GLDate(first<ctrGraphicalLabelLite>("GLDate")),
      GLSystem(first<ctrGraphicalLabelLite>("GLSystem")),
      GLCommand(first<ctrGraphicalLabelLite>("GLCommand")), GParam(first<GraphicalGraph>("GParam")),
      GExp(first<GraphicalGraph>("GExp")), context_(context) {
    GVSchool.setName("GVSchool");
    GLSchoolMenu.setName("GLSchoolMenu");
    GLContract.setName("GLContract");
    GLReturnSchool.setName("GLReturnSchool");
    GGSchool.setName("GGSchool");
    GMSGSchool.setName("GMSGSchool");
    auto& picSchool = context_.pictures.picSchool;
    for (host::ui::Control* control :
         {static_cast<host::ui::Control*>(&GVSchool), static_cast<host::ui::Control*>(&GLSchoolMenu),
          static_cast<host::ui::Control*>(&GLSchool(0)), static_cast<host::ui::Control*>(&GLDate(0)),
          static_cast<host::ui::Control*>(&GLSystem(0)), static_cast<host::ui::Control*>(&GLCommand(0)),
          static_cast<host::ui::Control*>(&GLContract), static_cast<host::ui::Control*>(&GLReturnSchool),
          static_cast<host::ui::Control*>(&GGSchool), static_cast<host::ui::Control*>(&GMSGSchool),
          static_cast<host::ui::Control*>(&GParam(0)), static_cast<host::ui::Control*>(&GExp(0))})
        control->setParent(&picSchool);
    if (auto stored = storedGridSettings("GGSchool")) GGSchool.ReadProperties(*stored);
    GLReturnSchool.Click.subscribe([this] { GLReturnSchool_Click(); });
    GLReturnSchool.Sound.subscribe(playControlSound);
    GGSchool.Sound.subscribe(playControlSound);
    GGSchool.RowSelect.subscribe([this](std::int16_t& Row, std::int16_t&) { GGSchool_RowSelect(Row); });
    GGSchool.MouseSelect.subscribe([this](std::int16_t& Row, std::int16_t&) { GGSchool_MouseSelect(Row); });
    GGSchool.MouseLeave.subscribe([this] { GGSchool_MouseLeave(); });
    GGSchool.CheckRowChange.subscribe([this](std::int16_t& NewIndex) { GGSchool_CheckRowChange(NewIndex); });
}

void SchoolScreen::placeButton(ctrGraphicalLabelLite& button, int left, int top, int width,
                               std::string_view text, std::int16_t fontSize) {
    button.Move(left, top, width, kButtonHeight);
    button.FontColor(kCaptionColour);
    button.FontSize(fontSize);
    button.Text(std::string(text));
    button.BackImageCopy(context_.pictures.picSchool, static_cast<std::int16_t>(left),
                         static_cast<std::int16_t>(top));
}

void SchoolScreen::bindTips(ctrGraphicalLabelLite& button) {
    button.MouseMove.subscribe([this, &button](int&, int&, int&, int&) {
        GMSGSchool.Text(context_.data.GetMSGTips(button.Text()));
    });
    button.MouseLeave.subscribe([this] { GMSGSchool.Text(std::string(captions::kWhatToDo)); });
    button.Sound.subscribe(playControlSound);
}

void SchoolScreen::placeButtons(host::ui::ControlArray<ctrGraphicalLabelLite>& buttons, int count) {
    for (int i = 1; i < count; ++i)
        buttons.Load(i);
}

void SchoolScreen::BuildSchoolScreen() {
    auto& picSchool = context_.pictures.picSchool;
    picSchool.Move(0, 0, 800, 600);
    context_.images.SetImage(picSchool, "タイトル");
    picSchool.Refresh();
    context_.pictures.picClassImage.Move(0, 0, 800, 600);

    placeButtons(GLSchool, static_cast<int>(captions::gSchoolMenu.size()));
    placeButtons(GLCommand, 5);
    placeButtons(GLSystem, static_cast<int>(captions::gSystemCommands.size()));
    placeButtons(GLDate, static_cast<int>(captions::gDateCommands.size()));
    for (int i = 1; i < static_cast<int>(gAbilityNames.size()); ++i) {
        GParam.Load(i);
        GExp.Load(i);
    }

    for (int i = 0; i <= GLSchool.UBound(); ++i) {
        ctrGraphicalLabelLite& button = GLSchool(i);
        placeButton(button, (i % 3) * 200 + 100, (i / 3) * 50 + 150, 150, captions::gSchoolMenu[i]);
        button.setVisible(true);
        bindTips(button);
        button.Click.subscribe([this, i] { GLSchool_Click(i); });
    }
    for (int i = 0; i <= GLDate.UBound(); ++i) {
        ctrGraphicalLabelLite& button = GLDate(i);
        placeButton(button, (i % 2) * 200 + 150, (i / 2) * 50 + 400, 150, captions::gDateCommands[i]);
        button.setVisible(true);
        bindTips(button);
        button.Click.subscribe([this, i] { GLDate_Click(i); });
    }
    for (int i = 0; i <= GLSystem.UBound(); ++i) {
        ctrGraphicalLabelLite& button = GLSystem(i);
        placeButton(button, 10, i * 35 + 420, 80, captions::gSystemCommands[i]);
        button.setVisible(true);
        bindTips(button);
    }
    GLSystem(kLogButton).Click.subscribe([this] { GLSystemLog_Click(); });
    GLSystem(kTeamExportButton).Click.subscribe([this] { GLSystemTeamExport_Click(); });
    for (int i = kSaveButton; i <= kSettingButton; ++i)
        GLSystem(i).Click.subscribe([this, i] { GLSystemSetting_Click(i); });
    for (int i = 0; i <= GLCommand.UBound(); ++i) {
        ctrGraphicalLabelLite& button = GLCommand(i);
        placeButton(button, 600, i * 35 + 180, 120, "");
        button.setVisible(false);
        button.MouseMove.subscribe([this, &button](int&, int&, int&, int&) {
            GMSGSchool.Text(context_.data.GetMSGTips(button.Text()));
        });
        button.MouseLeave.subscribe([this] { GMSGSchool.Text(context_.data.GetSchoolMenuTips()); });
        button.Sound.subscribe(playControlSound);
        button.Click.subscribe([this, i] { GLCommand_Click(i); });
    }
    placeGauges();

    placeButton(GLContract, 600, 300, 120, "");
    GLContract.setVisible(false);
    GLContract.Sound.subscribe(playControlSound);
    GLContract.Click.subscribe([this] { GLContract_Click(); });
    GLContract.RightClick.subscribe([this] { GLContract_RightClick(); });
    placeButton(GLSchoolMenu, 75, 50, 150, captions::kSchoolTitle.name(), kTitleFontSize);
    GLSchoolMenu.Enable(false);
    placeButton(GLReturnSchool, 100, 560, 150, captions::kBack, kTitleFontSize);
    GLReturnSchool.setVisible(false);

    placeStatusView();
    placeGrid();
    placeMessageBox();
}

void SchoolScreen::placeGauges() {
    auto& background = context_.pictures.picSchool.hDC();
    for (int i = 0; i <= GParam.UBound(); ++i) {
        const int left = (i / 6) * 150 + 50;
        const int top = (i % 6) * 30 + 360;
        GraphicalGraph& gauge = GParam(i);
        gauge.Move(left, top, 120, 20);
        gauge.FontSize(12);
        gauge.Translucent(false);
        gauge.TransTR(40);
        gauge.ProgressColor(9);
        gauge.ProgressTR(50);
        gauge.DrawValue(true);
        gauge.EnableMouseOver(true);
        gauge.EnableSelect(true);
        gauge.SelectedColor(1);
        gauge.SelectedSize(2);
        gauge.Max(i >= kFirstFormationGauge ? kFormationMax : 100);
        gauge.Text(std::string(gAbilityNames[static_cast<std::size_t>(i)]));
        gauge.SetImage(background, static_cast<std::int16_t>(left), static_cast<std::int16_t>(top));
        gauge.setVisible(false);
        gauge.GaugeClick.subscribe([this, i](bool& Selected) { GParam_GaugeClick(i, Selected); });
        gauge.Sound.subscribe(playControlSound);

        GraphicalGraph& bar = GExp(i);
        bar.Move(left, top + 21, 120, 5);
        bar.FrameSize(0);
        bar.Translucent(false);
        bar.TransTR(40);
        bar.ProgressColor(9);
        bar.ProgressTR(50);
        bar.DrawPercent(true);
        bar.SetImage(background, static_cast<std::int16_t>(left), static_cast<std::int16_t>(top + 21));
        bar.setVisible(false);
    }
}

void SchoolScreen::placeStatusView() {
    status_view::placeStatusView(GVSchool, context_.pictures.picSchool);
}

void SchoolScreen::placeGrid() {
    GGSchool.Move(20, 100, GGSchool.Width(), GGSchool.Height());
    GGSchool.SetScrollBarImage(context_.images.GetImageHDC("スクロール"), false);
    GGSchool.SetBackImage(context_.pictures.picSchool.hDC(), 20, 100);
    GGSchool.setVisible(false);
}

void SchoolScreen::placeMessageBox() {
    GMSGSchool.Move(550, 360, 245, 230);
    GMSGSchool.FontColor(kCaptionColour);
    GMSGSchool.FontSize(12);
    GMSGSchool.BackImageCopy(context_.pictures.picSchool.hDC(), 550, 360);
    GMSGSchool.Text(std::string(captions::kWhatToDo));
}
