#include "app/screens/unit/unit_screen.h"

#include "app/screens/screen_controls.h"

#include "app/screens/unit/unit_captions.h"
#include "app/screens/unit/unit_slots.h"

#include "grids/columns/gg_ver2_headers.h"
#include "grids/list_grid/grid_settings.h"
#include "platform/sound/mng_sound.h"

#include <memory>

namespace {

using screen_controls::first;
using screen_controls::playControlSound;

namespace captions = unit_captions;

constexpr std::int32_t kCaptionColour = 3;
constexpr std::int16_t kButtonFontSize = 13;
constexpr std::int16_t kTitleFontSize = 16;
constexpr std::int16_t kMessageFontSize = 12;
constexpr std::int16_t kGridFontSize = 12;
constexpr std::int16_t kGridLeft = 20;
constexpr std::int16_t kGridTop = 60;
constexpr std::int16_t kGridRows = 11;
constexpr std::int16_t kRowHeight = 22;
constexpr std::int16_t kPanelLeft = 20;
constexpr std::int16_t kPanelTop = 320;
constexpr std::int16_t kPanelCells = 5;
constexpr std::int16_t kCellSize = 52;
constexpr std::int32_t kPanelSelectedColour = 9;
constexpr std::int32_t kPanelFrameColour = 108;
constexpr std::int32_t kPanelTextColour = 1;
constexpr std::int16_t kNameColumn = 1;
constexpr int kPresets = 5;

} // namespace

UnitScreen::UnitScreen(FormContext& context)
    : GLUnitLoadSave(first<ctrGraphicalLabelLite>("GLUnitLoadSave")),
      GLUnitNumber(first<ctrGraphicalLabelLite>("GLUnitNumber")),
      GLUnitData(first<ctrGraphicalLabelLite>("GLUnitData")),
      GLUnitCommand(first<ctrGraphicalLabelLite>("GLUnitCommand")), context_(context) {
    GLUnitMenu.setName("GLUnitMenu");
    GLUnitLine.setName("GLUnitLine");
    GLUnitLineData.setName("GLUnitLineData");
    GGUnit.setName("GGUnit");
    GPUnit.setName("GPUnit");
    GLUnitItem.setName("GLUnitItem");
    GLUnitItemData.setName("GLUnitItemData");
    GMSGUnit.setName("GMSGUnit");
    auto& picUnit = context_.pictures.picUnit;
    for (host::ui::Control* control :
         {static_cast<host::ui::Control*>(&GLUnitMenu), static_cast<host::ui::Control*>(&GLUnitLine),
          static_cast<host::ui::Control*>(&GLUnitLineData),
          static_cast<host::ui::Control*>(&GLUnitLoadSave(0)), static_cast<host::ui::Control*>(&GGUnit),
          static_cast<host::ui::Control*>(&GPUnit), static_cast<host::ui::Control*>(&GLUnitNumber(0)),
          static_cast<host::ui::Control*>(&GLUnitData(0)), static_cast<host::ui::Control*>(&GLUnitItem),
          static_cast<host::ui::Control*>(&GLUnitItemData), static_cast<host::ui::Control*>(&GMSGUnit),
          static_cast<host::ui::Control*>(&GLUnitCommand(0))})
        control->setParent(&picUnit);
    if (auto stored = storedGridSettings("GGUnit")) GGUnit.ReadProperties(*stored);
}

void UnitScreen::placeButton(ctrGraphicalLabelLite& button, int left, int top, int width, int height,
                             const std::string& text) {
    button.Move(left, top, width, height);
    button.FontColor(kCaptionColour);
    button.FontSize(kButtonFontSize);
    button.Text(text);
    button.BackImageCopy(context_.pictures.picUnit, static_cast<std::int16_t>(left),
                         static_cast<std::int16_t>(top));
    button.setVisible(true);
}

void UnitScreen::BuildUnitScreen(const std::function<void(std::int16_t)>& setGauge) {
    auto& picUnit = context_.pictures.picUnit;
    GLUnitCommand.Load(1);
    for (int k = 1; k < kSlots; ++k) {
        GLUnitNumber.Load(k);
        GLUnitData.Load(k);
    }
    setGauge(61);
    for (int i = 1; i < 2 * kPresets; ++i)
        GLUnitLoadSave.Load(i);
    setGauge(62);
    picUnit.Move(0, 0, 800, 600);
    context_.images.SetImage(picUnit, "編成");
    picUnit.Refresh();

    placeButton(GLUnitMenu, 20, 25, 150, 20, "");
    GLUnitMenu.FontSize(kTitleFontSize);
    GLUnitMenu.Enable(false);
    placeButton(GLUnitLine, 220, 25, 120, 20, std::string(captions::kChooseLine));
    placeButton(GLUnitLineData, 350, 25, 120, 20, "");
    GLUnitLineData.Enable(false);
    setGauge(63);
    for (int i = 0; i <= GLUnitLoadSave.UBound(); ++i) {
        placeButton(GLUnitLoadSave(i), 500 + 30 * i, 25, 25, 20, std::string(captions::gPresetButtons[i]));
        if (i == kPresets - 1) setGauge(64);
    }
    setGauge(65);

    GGUnit.Move(kGridLeft, kGridTop, GGUnit.Width(), GGUnit.Height());
    GGUnit.MultiSelect(false);
    GGUnit.EnableSort(true);
    GGUnit.GridFontSize(kGridFontSize);
    GGUnit.HeaderFontSize(kGridFontSize);
    GGUnit.SetScrollBarImage(context_.images.GetImageHDC("スクロール"), false);
    GGUnit.SetBackImage(picUnit.hDC(), kGridLeft, kGridTop);
    GGUnit.setVisible(false);
    GPUnit.Move(kPanelLeft, kPanelTop, kPanelCells * kCellSize, kPanelCells * kCellSize);
    GPUnit.FrameFLG(false);
    GPUnit.BorderFLG(false);
    GPUnit.SelectedColor(kPanelSelectedColour);
    GPUnit.FrameColor(kPanelFrameColour);
    GPUnit.PanelTextColor(kPanelTextColour);
    GPUnit.SetPanels(kPanelCells, kPanelCells, kCellSize, kCellSize);
    GPUnit.SetImage(picUnit.hDC(), kPanelLeft, kPanelTop);
    GPUnit.setVisible(false);
    setGauge(66);

    for (int k = 0; k < kSlots; ++k) {
        placeButton(GLUnitNumber(k), 300, 320 + 35 * k, 35, 25, std::to_string(k + 1));
        GLUnitNumber(k).SelectEnable(true);
        placeButton(GLUnitData(k), 350, 320 + 35 * k, 120, 25, "");
        GLUnitData(k).Enable(false);
    }
    placeButton(GLUnitItem, 300, 500, 150, 25, std::string(captions::kChooseItem));
    placeButton(GLUnitItemData, 300, 530, 150, 25, "");
    GLUnitItemData.Enable(false);
    setGauge(67);

    GMSGUnit.Move(550, 360, 245, 230);
    GMSGUnit.FontColor(kCaptionColour);
    GMSGUnit.FontSize(kMessageFontSize);
    GMSGUnit.BackImageCopy(picUnit.hDC(), 550, 360);
    setGauge(68);
    for (int i = 0; i <= GLUnitCommand.UBound(); ++i)
        placeButton(GLUnitCommand(i), 550 + 130 * i, 320, 110, 25, std::string(captions::gCommands[i]));
    bindEvents();
}

void UnitScreen::bindEvents() {
    for (ctrGraphicalLabelLite* button : {&GLUnitLine, &GLUnitItem})
        button->Sound.subscribe(playControlSound);
    GGUnit.Sound.subscribe(playControlSound);
    GLUnitLine.Click.subscribe([this] { GLUnitLine_Click(); });
    GLUnitItem.Click.subscribe([this] { GLUnitItem_Click(); });
    GLUnitItem.RightClick.subscribe([this] { GLUnitItem_RightClick(); });
    GLUnitItem.MouseMove.subscribe(
        [this](int&, int&, int&, int&) { GMSGUnit.Text(std::string(captions::kItemRemovalTip)); });
    GLUnitItem.MouseLeave.subscribe([this] { ShowUnitStatus(); });

    GGUnit.RowSelect.subscribe([this](std::int16_t& Row, std::int16_t&) { GGUnit_RowSelect(Row); });
    GGUnit.MouseSelect.subscribe([this](std::int16_t& Row, std::int16_t&) {
        const std::string name = GGUnit.GetData(Row, kNameColumn);
        ShowUnitMemberTips(slotOf(name), name);
    });
    GGUnit.MouseLeave.subscribe([this] { ShowUnitStatus(); });

    GPUnit.PanelClick.subscribe([this](std::int16_t& Row, std::int16_t& Col, bool& Selected) {
        GPUnit_PanelClick(Row, Col, Selected);
    });
    GPUnit.PanelHover.subscribe([this](std::int16_t& Row, std::int16_t& Col) {
        const std::int16_t slot = context_.CTMP.GetUnitNumber(Col, Row);
        if (slot >= 0) ShowUnitMemberTips(slot, GLUnitData(slot).Text());
    });
    GPUnit.PanelLeave.subscribe([this] { ShowUnitStatus(); });

    for (int k = 0; k < kSlots; ++k) {
        ctrGraphicalLabelLite& number = GLUnitNumber(k);
        number.Sound.subscribe(playControlSound);
        number.Click.subscribe([this, k] { GLUnitNumber_Click(k); });
        number.RightClick.subscribe([this, k] { GLUnitNumber_RightClick(k); });
        number.MouseMove.subscribe([this, k](int&, int&, int&, int&) {
            ShowUnitMemberTips(static_cast<std::int16_t>(k), GLUnitData(k).Text());
        });
        number.MouseLeave.subscribe([this] { ShowUnitStatus(); });
    }
    for (int i = 0; i <= GLUnitLoadSave.UBound(); ++i) {
        ctrGraphicalLabelLite& button = GLUnitLoadSave(i);
        button.Sound.subscribe(playControlSound);
        button.Click.subscribe([this, i] { GLUnitLoadSave_Click(i); });
        button.MouseMove.subscribe([this, i](int&, int&, int&, int&) {
            GMSGUnit.Text(context_.data.GetUnitLoadSaveTips(
                static_cast<std::int16_t>(i % kPresets),
                context_.CTMP.GetDataSingle(unit_slots::kNeedPhysical).toInteger()));
        });
        button.MouseLeave.subscribe([this] { ShowUnitStatus(); });
    }
    for (int i = 0; i <= GLUnitCommand.UBound(); ++i) {
        GLUnitCommand(i).Sound.subscribe(playControlSound);
        GLUnitCommand(i).Click.subscribe([this, i] { GLUnitCommand_Click(i); });
    }
}

void UnitScreen::ShowUnitScreen(std::int16_t NeedPhysical, const std::string& Mode) {
    auto& picUnit = context_.pictures.picUnit;
    const std::string line(captions::kFirstLine);
    GMSGUnit.setVisible(false);
    GPUnit.setVisible(false);
    context_.screens.ActivateScreen(picUnit);
    // Input that flows while the list fills finds the screen closed: its line is not set yet.
    picUnit.setEnabled(false);
    ResetUnitMembers();

    fillMemberGrid(NeedPhysical);
    for (int k = 0; k < kSlots; ++k)
        GLUnitData(k).Text("");
    GLUnitItemData.Text("");
    DrawLineCells(line);
    RefreshUnitLoadButtons();
    GLUnitItem.Enable(
        context_.data.CheckBattleItem(context_.CTMP.GetDataSingle(unit_slots::kQuestName).toString()));

    GLUnitLineData.Text(line);
    GLUnitMenu.Text(Mode);
    GLUnitCommand(1).Enable(false);
    GMSGUnit.Text(std::string(captions::kChooseMembers));
    GMSGUnit.setVisible(true);
    picUnit.setEnabled(true);
}

// The students who may join; an empty list shows the header alone.
void UnitScreen::fillMemberGrid(std::int16_t NeedPhysical) {
    GGUnit.setVisible(false);
    context_.DoEvents();
    const auto rows = context_.data.GetEnableUnitMember(NeedPhysical);
    context_.CTMP.SetDataSingle(unit_slots::kNeedPhysical, NeedPhysical);
    const std::string set(captions::kMemberColumns);
    GGUnit.SetGrid(GGVer2Headers().GetHeaders(set), kGridRows, static_cast<std::int16_t>(rows.count() - 1),
                   static_cast<std::int16_t>(GGVer2Headers().GetHeaderCols(set) - 1), kRowHeight);
    std::int16_t r = 0;
    for (const clsGetGridData& row : rows) {
        GGUnit.Row(r);
        for (std::int16_t c = 0; c <= row.Cols(); ++c) {
            GGUnit.Col(c);
            GGUnit.Value(row.Data(c));
        }
        ++r;
    }
    GGUnit.Paint(-1, 0);
    GGUnit.setVisible(true);
}

void UnitScreen::CloseUnitScreen() {
    closeScreen(1);
}

// The selection, the panel and the grid stay until the next opening.
void UnitScreen::closeScreen(int pressed) {
    for (int k = 0; k < kSlots; ++k)
        GLUnitData(k).Text("");
    GLUnitItemData.Text("");
    context_.pictures.picUnit.setEnabled(false);
    context_.screens.ActivateScreen(context_.pictures.picSchool);
    GLUnitCommand(pressed).MouseLeave();
}

// Panel rows and columns count from 1; a position stands on the panel
// column of its own column number.
void UnitScreen::DrawLineCells(const std::string& LineName) {
    const clsImages& images = context_.images;
    for (const clsLineData* position : context_.data.GetLineData(LineName)) {
        const std::int16_t row = position->YPosition();
        const std::int16_t col = position->XPosition();
        GPUnit.SetPanelEnabled(row, col, true);
        const std::string picture = position->Image() + "左";
        GPUnit.SetPanelImage(row, col, &images.GetImageHDC(picture), &images.GetImageHDC(picture + "mask"));
        context_.CTMP.SetUnitPos(col, row, static_cast<std::int16_t>(position->LineNumber() - 1));
    }
    GPUnit.Paint();
    GPUnit.setVisible(true);
}

void UnitScreen::ResetUnitMembers() {
    for (int k = 0; k < kSlots; ++k)
        GLUnitNumber(k).Selected(false);
    SetUnitGridCheck(selectedName(), false);
    for (std::int16_t row = 1; row <= kPanelCells; ++row) {
        for (std::int16_t col = 1; col <= kPanelCells; ++col) {
            GPUnit.SetPanelEnabled(row, col, false);
            GPUnit.SetPanelImage(row, col, nullptr, nullptr);
            GPUnit.PanelSelect(row, col, false);
        }
    }
    select(-1, "");
}

void UnitScreen::SetUnitGridCheck(const std::string& name, bool marked) {
    if (name.empty()) return;
    for (std::int16_t r = 0; r <= GGUnit.Rows(); ++r) {
        if (GGUnit.GetData(r, kNameColumn) != name) continue;
        GGUnit.Checked(r, marked);
        return;
    }
}

void UnitScreen::RefreshUnitLoadButtons() {
    for (int k = 0; k < kPresets; ++k)
        GLUnitLoadSave(k).Enable(context_.data.GetCheckLoadData(static_cast<std::int16_t>(k)));
}

clsUnitData UnitScreen::formedUnit() const {
    clsUnitData unit;
    unit.LineName(GLUnitLineData.Text());
    for (int k = 0; k < kSlots; ++k)
        if (!GLUnitData(k).Text().empty()) unit.Lines(static_cast<std::int16_t>(k + 1), GLUnitData(k).Text());
    unit.ItemName(GLUnitItemData.Text());
    return unit;
}

// The first slot that holds the student, or -1.
std::int16_t UnitScreen::slotOf(const std::string& name) const {
    for (int k = 0; k < kSlots; ++k)
        if (GLUnitData(k).Text() == name) return static_cast<std::int16_t>(k);
    return -1;
}

std::int16_t UnitScreen::selectedSlot() const {
    return context_.CTMP.GetDataSingle(unit_slots::kSelectedSlot).toInteger();
}

std::string UnitScreen::selectedName() const {
    return context_.CTMP.GetDataSingle(unit_slots::kSelectedName).toString();
}

void UnitScreen::select(std::int16_t slot, const std::string& name) {
    context_.CTMP.SetDataSingle(unit_slots::kSelectedName, name);
    context_.CTMP.SetDataSingle(unit_slots::kSelectedSlot, slot);
}

void UnitScreen::highlightCell(std::int16_t slot, bool selected) {
    GPUnit.PanelSelect(context_.CTMP.GetUnitYPos(slot), context_.CTMP.GetUnitXPos(slot), selected);
}

void UnitScreen::highlightNumber(std::int16_t slot, bool selected) {
    GLUnitNumber(slot).Selected(selected);
}
