#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"

#include "grids/flag_scope.h"

namespace {

namespace captions = school_captions;

// The main-menu items that show a list on this screen; "授業" and "街へ行く"
// lead to the timetable and the town.
constexpr int kLessonsItem = 0;
constexpr int kFirstListItem = 1;
constexpr int kLastListItem = 7;
constexpr int kArbeitItem = 6;
constexpr int kQuestItem = 7;

} // namespace

void SchoolScreen::ShowSchoolMenu(bool Redraw) {
    clsData& data = context_.data;
    auto& picSchool = context_.pictures.picSchool;
    data.SetMenu(captions::kAcademy);
    if (Redraw) {
        context_.images.SetImage(picSchool, "タイトル");
        GVSchool.RePaint();
    }
    for (int i = 0; i <= GLSystem.UBound(); ++i) {
        GLSystem(i).setVisible(true);
        GLCommand(i).setVisible(false);
        GLCommand(i).MouseLeave();
    }
    for (int i = 0; i <= GLDate.UBound(); ++i) {
        GLDate(i).setVisible(true);
        GLDate(i).Enable(data.CheckDateCommand(static_cast<std::int16_t>(i)));
    }
    for (int i = 0; i <= GLSchool.UBound(); ++i)
        GLSchool(i).setVisible(true);
    GLSchool(0).Enable(data.CheckStudentCount());
    for (int i : {kArbeitItem, kQuestItem})
        GLSchool(i).Enable(data.CheckSchoolMenu(static_cast<std::int16_t>(i)));
    for (int i = 0; i <= GParam.UBound(); ++i) {
        GParam(i).setVisible(false);
        GExp(i).setVisible(false);
    }
    GLReturnSchool.setVisible(false);
    GLReturnSchool.MouseLeave();
    GGSchool.setVisible(false);
    GMSGSchool.Text(std::string(captions::kWhatToDo));
    GLSchoolMenu.Text(std::string(captions::kAcademy.name()));
    GLSchoolMenu.Refresh();
    GLContract.setVisible(false);
    GLContract.MouseLeave();
    picSchool.Refresh();
}

void SchoolScreen::GLSchool_Click(int Index) {
    if (menuClickRunning_) return;
    if (Index == kLessonsItem) {
        context_.pictures.picSchool.setEnabled(false);
        context_.pictures.picClass.setEnabled(true);
        context_.screens.ShowClassScreen();
        GLSchool(Index).MouseLeave();
        return;
    }
    if (Index < kFirstListItem || Index > kLastListItem) return;
    const FlagScope running(menuClickRunning_);
    const std::optional<MenuKey> menu = menuKeyNamed(GLSchool(Index).Text());
    if (!menu) return;
    context_.data.SetMenu(*menu);
    SelectSchoolMenu();
    GLSchool(Index).MouseLeave();
}

void SchoolScreen::GLReturnSchool_Click() {
    ShowSchoolMenu(false);
}
