#include "app/screens/class/class_screen.h"

#include "app/shell/message_types.h"

#include "grids/columns/gg_ver2_headers.h"
#include "students/lessons/cls_class_schedule.h"

#include <array>

namespace {

constexpr int kApplyButton = 3;
constexpr std::array<const char*, 3> kPickerColumns = {"担当授業", "担当教師", "授業アイテム"};
constexpr std::int16_t kGridLeft = 25;
constexpr std::int16_t kGridTop = 60;
constexpr std::int16_t kVisibleRows = 8;
constexpr std::int16_t kRowHeight = 22;
// The pick dialog covers the top left of the screen.
constexpr DialogRegion kPickerRegion{.Left = 0, .Top = 0, .Width = 500, .Height = 300};

} // namespace

void ClassScreen::GLClassSetting_Click(int Index) {
    if (Index == kApplyButton) {
        applySetting();
        return;
    }
    const std::string lesson = GLClassData(0).Text();
    std::string text;
    switch (Index) {
    case 0:
        text = "授業を選択してください";
        break;
    case 1:
        text = lesson + "(" + std::to_string(context_.data.GetClassNeedAbility(lesson)) + ")\r\n" +
               "を担当する教師を選択してください";
        break;
    default:
        text = lesson + "に使用するアイテムを選択してください";
        break;
    }
    clsTMPData& CTMP = context_.CTMP;
    CTMP.SetDataSingle(kPickerKind, host::runtime::Variant(static_cast<std::int16_t>(Index)));
    CTMP.SetMSGType(message_type::kTimetablePicker);
    auto& picClass = context_.pictures.picClass;
    picClass.setEnabled(false);
    context_.screens.ShowDialog(message_type::kTimetablePicker, picClass, "picClass", text, "選択する",
                                kPickerRegion);
}

// In an individual slot every group keeps its own lesson, teacher and item,
// so what the list already holds is left out.
void ClassScreen::FillClassPickerGrid(ctrGraphicalGridVer2& GGMSG) {
    const clsTMPData& CTMP = context_.CTMP;
    const auto kind = static_cast<std::int16_t>(CTMP.GetDataSingle(kPickerKind).toInteger());
    const std::int32_t type = CTMP.GetClassType(editedSlot());
    const host::runtime::Collection<clsGetGridData> exclude =
        type == clsClassSchedule::Individual ? usedValues(kind) : host::runtime::Collection<clsGetGridData>{};
    const auto rows = context_.data.GetClassData(kind, type, exclude, GLClassData(0).Text());
    if (!rows || rows->count() == 0) {
        GGMSG.setVisible(false);
        return;
    }
    const std::string set = kPickerColumns[static_cast<std::size_t>(kind)];
    GGMSG.MultiSelect(false);
    GGMSG.Move(kGridLeft, kGridTop, GGMSG.Width(), GGMSG.Height());
    GGMSG.SetBackImage(context_.pictures.picMSG.hDC(), kGridLeft, kGridTop);
    GGMSG.SetGrid(GGVer2Headers().GetHeaders(set), kVisibleRows, static_cast<std::int16_t>(rows->count() - 1),
                  static_cast<std::int16_t>(GGVer2Headers().GetHeaderCols(set) - 1), kRowHeight);
    std::int16_t r = 0;
    for (const clsGetGridData& row : *rows) {
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

void ClassScreen::ClassPickerChosen() {
    const clsTMPData& CTMP = context_.CTMP;
    GLClassData(CTMP.GetDataSingle(kPickerKind).toInteger())
        .Text(CTMP.GetDataSingle(clsTMPData::kPickedSlotEntry).toString());
    CheckClassSlotSetting();
}
