#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"
#include "app/screens/unit/unit_captions.h"
#include "app/screens/unit/unit_slots.h"
#include "app/shell/message_types.h"

#include "grids/flag_scope.h"
#include "platform/sound/mng_sound.h"

namespace {

namespace captions = school_captions;

// The main-menu items that show a list on this screen; "授業" and "街へ行く"
// lead to the timetable and the town.
constexpr int kLessonsItem = 0;
constexpr int kFirstListItem = 1;
constexpr int kLastListItem = 7;
constexpr int kArbeitItem = 6;
constexpr int kQuestItem = 7;
constexpr int kTownItem = 8;

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
    if (Index == kTownItem) {
        context_.pictures.picSchool.setEnabled(false);
        context_.screens.ShowTownScreen();
        context_.screens.ActivateScreen(context_.pictures.picCity);
        GLSchool(Index).MouseLeave();
        MngSound().SoundPlay("店");
        return;
    }
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

// The report box takes clicks again, so that one click puts the log away.
void SchoolScreen::GLSystemLog_Click() {
    context_.CTMP.SetMSGType(message_type::kMessageLog);
    context_.pictures.picSchool.setEnabled(false);
    context_.screens.ShowLog(context_.CTMP.GetDataSingle(clsTMPData::kTurnEndLog).toString() +
                             "\r\nここをクリックしてください");
    context_.ProcessingFlag = false;
}

// An export takes any student, whatever quest was chosen last.
void SchoolScreen::GLSystemTeamExport_Click() {
    context_.pictures.picSchool.setEnabled(false);
    context_.CTMP.SetDataSingle(unit_slots::kNeedPhysical, std::int16_t{0});
    context_.CTMP.SetDataSingle(unit_slots::kQuestName, "");
    context_.screens.ShowUnitScreen(0, std::string(unit_captions::kExportMode));
    GLSystem(kTeamExportButton).MouseLeave();
}
