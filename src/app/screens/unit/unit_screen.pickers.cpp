#include "app/screens/unit/unit_screen.h"

#include "app/screens/unit/unit_captions.h"
#include "app/shell/message_types.h"

#include "grids/columns/gg_ver2_headers.h"

namespace {

namespace captions = unit_captions;

constexpr std::int16_t kPickerLeft = 25;
constexpr std::int16_t kPickerTop = 60;
constexpr std::int16_t kPickerRows = 7;
constexpr std::int16_t kRowHeight = 22;

} // namespace

// The member list goes while a picker is open, so that its rows do not show
// through the picker's.
void UnitScreen::GLUnitLine_Click() {
    auto& picUnit = context_.pictures.picUnit;
    picUnit.setEnabled(false);
    GGUnit.setVisible(false);
    context_.CTMP.SetMSGType(message_type::kFormation);
    context_.screens.ShowDialog(dialog_layout::kFormation, picUnit, "picUnit",
                                std::string(captions::kPickLine), std::string(captions::kPick),
                                {.Left = 0, .Top = 0, .Width = 500, .Height = 300});
}

void UnitScreen::GLUnitItem_Click() {
    auto& picUnit = context_.pictures.picUnit;
    picUnit.setEnabled(false);
    GGUnit.setVisible(false);
    context_.CTMP.SetMSGType(message_type::kBattleItem);
    context_.screens.ShowDialog(dialog_layout::kBattleItem, picUnit, "picUnit",
                                std::string(captions::kPickItem), std::string(captions::kPick),
                                {.Left = 0, .Top = 0, .Width = 600, .Height = 300});
}

void UnitScreen::GLUnitItem_RightClick() {
    GLUnitItemData.Text("");
    ShowUnitStatus();
}

void UnitScreen::FillLineSelectGrid(ctrGraphicalGridVer2& GGMSG) {
    fillPickerGrid(GGMSG, std::string(captions::kLineColumns), context_.data.GetSelectLineData());
}

void UnitScreen::FillBattleItemGrid(ctrGraphicalGridVer2& GGMSG) {
    fillPickerGrid(GGMSG, std::string(captions::kItemColumns), context_.data.GetBattleItemData());
}

void UnitScreen::fillPickerGrid(ctrGraphicalGridVer2& GGMSG, const std::string& setName,
                                const host::runtime::Collection<clsGetGridData>& rows) {
    GGMSG.MultiSelect(false);
    GGMSG.Move(kPickerLeft, kPickerTop, GGMSG.Width(), GGMSG.Height());
    GGMSG.SetBackImage(context_.pictures.picMSG.hDC(), kPickerLeft, kPickerTop);
    GGMSG.SetGrid(GGVer2Headers().GetHeaders(setName), kPickerRows,
                  static_cast<std::int16_t>(rows.count() - 1),
                  static_cast<std::int16_t>(GGVer2Headers().GetHeaderCols(setName) - 1), kRowHeight);
    std::int16_t r = 0;
    for (const clsGetGridData& row : rows) {
        GGMSG.Row(r);
        for (std::int16_t c = 0; c <= row.Cols(); ++c) {
            GGMSG.Col(c);
            GGMSG.Value(row.Data(c));
        }
        ++r;
    }
    GGMSG.Paint(-1, 0);
    GGMSG.setVisible(true);
}

void UnitScreen::ApplyUnitPick(std::int32_t MSGType) {
    if (MSGType == message_type::kFormation) {
        const std::string line = context_.CTMP.GetDataSingle(clsTMPData::kPickedFormation).toString();
        GLUnitLineData.Text(line);
        ResetUnitMembers();
        DrawLineCells(line);
    } else if (MSGType == message_type::kBattleItem) {
        GLUnitItemData.Text(context_.CTMP.GetDataSingle(clsTMPData::kPickedBattleItem).toString());
    }
    ShowUnitStatus();
}

void UnitScreen::EndUnitPick() {
    GGUnit.setVisible(true);
    context_.pictures.picUnit.setEnabled(true);
    GLUnitLine.MouseLeave();
    GLUnitItem.MouseLeave();
}
