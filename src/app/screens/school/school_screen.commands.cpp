#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"
#include "app/screens/school/school_slots.h"
#include "app/shell/message_types.h"

#include "grids/flag_scope.h"

namespace {

namespace captions = school_captions;
namespace slots = school_slots;

constexpr std::int16_t kNoSort = -1;
constexpr std::int16_t kListRows = 20;
// A list with the ability gauges under it.
constexpr std::int16_t kListRowsOverGauges = 11;

enum TeacherCommand { kCancelContract = 0, kBonus = 1 };
enum StudentCommand { kUseItem = 0, kCourse = 1 };

} // namespace

void SchoolScreen::GLCommand_Click(int Index) {
    const MenuKey menu = context_.data.GetMenu();
    if (menu == captions::kSchoolData || menu == captions::kBuildingData || menu == captions::kContract) {
        switchSubList(Index);
    } else if (menu == captions::kTeachers) {
        teacherCommand(Index);
    } else if (menu == captions::kStudents) {
        studentCommand(Index);
    } else if (menu == captions::kNewStudents && Index == 0) {
        // Marks every newcomer; the action button stays as it is.
        for (std::int16_t r = 0; r <= GGSchool.Rows(); ++r)
            GGSchool.Checked(r, true);
        context_.CTMP.SetDataSingle(slots::kNewcomerCount, static_cast<std::int16_t>(GGSchool.Rows() + 1));
    }
}

// The list becomes the sub-list the button names; a click while a switch
// fills the list is dropped.
void SchoolScreen::switchSubList(int Index) {
    if (subListSwitching_) return;
    const FlagScope switching(subListSwitching_);
    clsData& data = context_.data;
    auto& picSchool = context_.pictures.picSchool;
    picSchool.setEnabled(false);
    const std::string caption = GLCommand(Index).Text();
    const std::optional<MenuKey> subMenu = menuKeyNamed(caption);
    if (subMenu) data.SetSubMenu(*subMenu);
    std::int16_t visibleRows = kListRows;
    const MenuKey menu = data.GetMenu();
    if (menu == captions::kSchoolData) {
        if (subMenu == captions::kGraduates) {
            context_.CTMP.SetDataSingle(slots::kChosenGauge, std::int16_t{0});
            visibleRows = kListRowsOverGauges;
            for (int i = 0; i <= GParam.UBound(); ++i)
                GParam(i).Selected(false);
            GParam(0).Selected(true);
        } else {
            for (int i = 0; i <= GParam.UBound(); ++i)
                GParam(i).setVisible(false);
        }
    } else if (menu == captions::kContract) {
        visibleRows = kListRowsOverGauges;
    } else if (menu == captions::kBuildingData) {
        GLContract.Enable(false);
        GLContract.setVisible(data.GetSubMenu() == captions::kSchoolGrounds);
    }
    FillSchoolGrid(caption, kNoSort, 0, visibleRows);
    picSchool.setEnabled(true);
    GLCommand(Index).MouseLeave();
    if (data.GetSubMenu() == captions::kScouts) {
        for (int i = 0; i <= GParam.UBound(); ++i) {
            GParam(i).setVisible(false);
            GExp(i).setVisible(false);
        }
        GMSGSchool.Text(data.GetContractScoutTips());
    }
}

void SchoolScreen::teacherCommand(int Index) {
    const std::string teacher = context_.CTMP.GetDataSingle(slots::kPersonName).toString();
    if (Index == kCancelContract) {
        std::string text = teacher + "との契約を解除します";
        if (context_.data.CheckClassTeacherNow(teacher))
            text += "\r\n担当している授業がありますが、今後は休講になります";
        openDialog(message_type::kTeacherCancel, dialog_layout::kQuestion, text, "OK");
    } else if (Index == kBonus) {
        openDialog(message_type::kBonus, dialog_layout::kBonus, teacher + "にいくらボーナスを出しますか",
                   "OK");
    }
}

void SchoolScreen::studentCommand(int Index) {
    if (Index != kUseItem && Index != kCourse) return;
    clsData& data = context_.data;
    if (const std::optional<MenuKey> subMenu = menuKeyNamed(GLCommand(Index).Text()))
        data.SetSubMenu(*subMenu);
    if (Index == kUseItem) {
        openDialog(message_type::kUseItem, dialog_layout::kUseItem, "生徒にアイテムを一個使用します",
                   "使用する");
    } else if (data.CheckCourse(context_.CTMP.GetDataSingle(slots::kStudentName).toString())) {
        openDialog(
            message_type::kCourse, dialog_layout::kCourse,
            "どの職業を勧めますか?\r\n指導は期間中に一度だけです。\r\nまた指導に失敗することもあります。",
            "指導する");
    } else {
        openDialog(message_type::kCourse, dialog_layout::kNotice, "進路指導済みです", "OK");
    }
}

// The school is disabled under the dialog of the message type.
void SchoolScreen::openDialog(std::int32_t type, std::int32_t kind, const std::string& text,
                              const std::string& action) {
    auto& picSchool = context_.pictures.picSchool;
    picSchool.setEnabled(false);
    context_.CTMP.SetMSGType(type);
    context_.screens.ShowDialog(kind, picSchool, "picSchool", text, action, {});
}
