#include "app/screens/class/class_screen.h"

#include "students/lessons/cls_class_schedule.h"

namespace {

enum GridButton { kMarkAll = 0, kInvert = 1, kMarkEmpty = 2, kClearMarked = 3 };
enum SlotCommand { kCancel = 0, kDecide = 1 };
constexpr std::int16_t kNameColumn = 1;
constexpr std::int16_t kLessonColumn = 2;
constexpr std::int16_t kTeacherColumn = 3;
constexpr std::int16_t kItemColumn = 4;

} // namespace

// In a whole-class slot every student stays marked.
void ClassScreen::GGClass_RowSelect(std::int16_t Row) {
    if (context_.CTMP.GetClassType(editedSlot()) == clsClassSchedule::WholeClass) {
        if (!GGClass.Checked(Row)) GGClass.Checked(Row, true);
        return;
    }
    CheckClassSlotSetting();
}

void ClassScreen::GLClassGrid_Click(int Index) {
    for (std::int16_t row = 0; row <= GGClass.Rows(); ++row) {
        switch (Index) {
        case kMarkAll:
            GGClass.Checked(row, true);
            break;
        case kInvert:
            GGClass.Checked(row, !GGClass.Checked(row));
            break;
        case kMarkEmpty:
            if (GGClass.GetData(row, kLessonColumn).empty()) GGClass.Checked(row, true);
            break;
        case kClearMarked:
            if (GGClass.Checked(row))
                for (std::int16_t column : {kLessonColumn, kTeacherColumn, kItemColumn})
                    GGClass.SetValue(row, column, "");
            break;
        default:
            break;
        }
    }
    CheckClassSlotSetting();
}

// "設定する": the pending choice goes to the marked students; in an
// individual slot they form a group and the next one starts unmarked.
void ClassScreen::applySetting() {
    const bool individual = context_.CTMP.GetClassType(editedSlot()) == clsClassSchedule::Individual;
    for (std::int16_t row = 0; row <= GGClass.Rows(); ++row) {
        if (!GGClass.Checked(row)) continue;
        GGClass.SetValue(row, kLessonColumn, GLClassData(0).Text());
        GGClass.SetValue(row, kTeacherColumn, GLClassData(1).Text());
        GGClass.SetValue(row, kItemColumn, GLClassData(2).Text());
        if (individual) GGClass.Checked(row, false);
    }
    GLClassData(0).Text("");
    CheckClassSlotSetting();
}

void ClassScreen::GLClassCommand_Click(int Index) {
    if (Index == kDecide) {
        const std::int16_t slot = editedSlot();
        for (std::int16_t row = 0; row <= GGClass.Rows(); ++row)
            context_.CTMP.SetSchedule(
                slot, GGClass.GetData(row, kNameColumn), GGClass.GetData(row, kLessonColumn),
                GGClass.GetData(row, kTeacherColumn), GGClass.GetData(row, kItemColumn));
    }
    ShowClassWeek();
    GLClassCommand(Index).MouseLeave();
}
