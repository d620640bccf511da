#include "app/screens/class/class_screen.h"

#include "app/screens/class/class_captions.h"

#include "grids/columns/gg_ver2_headers.h"
#include "students/lessons/cls_class_schedule.h"

#include "host/runtime/convert.h"

namespace {

namespace captions = class_captions;

constexpr std::int32_t kChosenGaugeSlot = 16;
constexpr const char* kListColumns = "授業";
constexpr std::int16_t kVisibleRows = 11;
constexpr std::int16_t kRowHeight = 22;
constexpr std::int16_t kNameColumn = 1;
constexpr std::int16_t kAbilityColumn = 5;
constexpr std::int16_t kCharacterColumn = 6;

} // namespace

std::int16_t ClassScreen::editedSlot() const {
    return static_cast<std::int16_t>(context_.CTMP.GetDataSingle(clsTMPData::kEditedSlot).toInteger());
}

void ClassScreen::ShowClassSlotDetail(std::int16_t Slot) {
    clsData& data = context_.data;
    clsTMPData& CTMP = context_.CTMP;
    CTMP.SetDataSingle(clsTMPData::kEditedSlot, host::runtime::Variant(Slot));
    const std::int32_t type = CTMP.GetClassType(Slot);

    for (int s = 0; s <= GLClass.UBound(); ++s) {
        GLClass(s).setVisible(false);
        GLClassCopy(s).setVisible(false);
    }
    for (int i = 0; i <= lblWeek.UBound(); ++i)
        lblWeek(i).setVisible(false);
    for (int i = 0; i <= lblNumber.UBound(); ++i)
        lblNumber(i).setVisible(false);
    for (int i = 0; i <= GLClassCommand.UBound(); ++i) {
        GLClassCommand(i).setVisible(true);
        GLClasstoSchool(i).setVisible(false);
    }
    context_.DoEvents();
    GLClassCommand(0).Enable(true);
    GLClassCommand(1).Enable(false);

    const bool changesAllowed = data.CheckClass();
    for (int i = 0; i <= GLClassSetting.UBound(); ++i) {
        GLClassSetting(i).setVisible(true);
        GLClassSetting(i).Enable(false);
        GLClassGrid(i).setVisible(true);
        GLClassGrid(i).Enable(changesAllowed && type != clsClassSchedule::WholeClass);
    }
    GLClassSetting(0).Enable(changesAllowed);
    for (int i = 0; i <= GLClassData.UBound(); ++i) {
        GLClassData(i).Text("");
        GLClassData(i).setVisible(true);
        GLClassData(i).Enable(false);
    }

    const host::runtime::Collection<clsGetGridData> rows = CTMP.GetClass(Slot, facts_);
    GGClass.SetGrid(GGVer2Headers().GetHeaders(kListColumns), kVisibleRows,
                    static_cast<std::int16_t>(rows.count() - 1),
                    static_cast<std::int16_t>(GGVer2Headers().GetHeaderCols(kListColumns) - 1), kRowHeight);
    std::int16_t r = 0;
    for (const clsGetGridData& row : rows) {
        GGClass.Row(r);
        for (std::int16_t c = 0; c <= row.Cols(); ++c) {
            GGClass.Col(c);
            GGClass.Value(row.Data(c));
        }
        ++r;
    }
    GGClass.Paint(-1, 0);
    GGClass.setVisible(true);

    CTMP.SetDataSingle(kChosenGaugeSlot, host::runtime::Variant(std::int16_t{0}));
    const auto abilities = data.GetAbilityNumber(0);
    if (!abilities || abilities->count() == 0) return;
    fillAbilityColumn(0);
    const host::runtime::Collection<clsGetGridData> characters = data.GetStudentChara();
    if (characters.count() > 0)
        for (std::int16_t row = 0; row <= GGClass.Rows(); ++row)
            GGClass.SetValue(row, kCharacterColumn,
                             characters.item(GGClass.GetData(row, kNameColumn)).Data(1));
    GParamClass(0).Selected(true);
    GMSGClass.Text(CTMP.GetClassTips());
}

// Column 5 shows each listed student's level of the ability.
void ClassScreen::fillAbilityColumn(std::int16_t ability) {
    const auto abilities = context_.data.GetAbilityNumber(ability);
    if (!abilities || abilities->count() == 0) return;
    for (std::int16_t row = 0; row <= GGClass.Rows(); ++row)
        GGClass.SetValue(row, kAbilityColumn, abilities->item(GGClass.GetData(row, kNameColumn)).Data(1));
}

void ClassScreen::ShowClassWeek() {
    for (int i = 0; i <= GParamClass.UBound(); ++i) {
        GParamClass(i).setVisible(false);
        GParamClass(i).Selected(false);
        GClassExp(i).setVisible(false);
    }
    for (int i = 0; i <= lblWeek.UBound(); ++i)
        lblWeek(i).setVisible(true);
    for (int i = 0; i <= lblNumber.UBound(); ++i)
        lblNumber(i).setVisible(true);
    for (int i = 0; i <= GLClassCommand.UBound(); ++i) {
        GLClassCommand(i).setVisible(false);
        GLClasstoSchool(i).setVisible(true);
    }
    for (int i = 0; i <= GLClassData.UBound(); ++i)
        GLClassData(i).setVisible(false);
    for (int i = 0; i <= GLClassSetting.UBound(); ++i) {
        GLClassSetting(i).setVisible(false);
        GLClassGrid(i).setVisible(false);
    }
    context_.DoEvents();
    for (int s = 0; s <= GLClass.UBound(); ++s) {
        GLClass(s).setVisible(true);
        GLClassCopy(s).setVisible(true);
    }
    GGClass.setVisible(false);
    GLClassMenu.Text(std::string(captions::kTitle));
    GLClassMenu.Refresh();
}

void ClassScreen::GGClass_MouseSelect(std::int16_t Row) {
    clsData& data = context_.data;
    const std::string name = GGClass.GetData(Row, kNameColumn);
    const std::optional<clsGetGridData> levels = data.GetSchoolDetailData(name);
    const clsGetGridData experience = data.GetExperienceAsNumber(name);
    for (std::int16_t u = 0; u <= GParamClass.UBound(); ++u) {
        if (levels) GParamClass(u).Value(host::runtime::CInt(levels->Data(u)));
        GClassExp(u).Value(host::runtime::CInt(experience.Data(u)));
        GParamClass(u).setVisible(true);
        GClassExp(u).setVisible(true);
    }
    GMSGClass.Text(data.GetClassStudentData(name));
}

// Exactly one gauge stays chosen; choosing another refills the ability column.
void ClassScreen::GParamClass_GaugeClick(int Index, bool& Selected) {
    clsTMPData& CTMP = context_.CTMP;
    const int chosen = CTMP.GetDataSingle(kChosenGaugeSlot).toInteger();
    if (Selected) {
        GParamClass(chosen).Selected(false);
        CTMP.SetDataSingle(kChosenGaugeSlot, host::runtime::Variant(static_cast<std::int16_t>(Index)));
        fillAbilityColumn(static_cast<std::int16_t>(Index));
    } else if (chosen == Index) {
        Selected = true;
    }
}
