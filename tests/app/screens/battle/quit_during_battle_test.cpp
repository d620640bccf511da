#include "app/shell/headless_game.h"
#include "support/facade_managers.h"

#include "state/g_data.h"
#include "students/newcomers/cls_create_student_data.h"

#include "host/ui/picture_box.h"

#include <gtest/gtest.h>

namespace {

using apptest::controlNamed;
using apptest::HeadlessGame;
using apptest::NewYearLists;
using apptest::WatchedWindow;

void clickOn(WatchedWindow& window, host::ui::Control& target) {
    int x = target.Width() / 2;
    int y = target.Height() / 2;
    for (host::ui::Control* c = &target; c && c != window.form; c = c->Parent()) {
        x += c->Left();
        y += c->Top();
    }
    window.click(x, y);
}

// Five new students sent on a quest that always meets its monster.
void sendTeamToTheSlimes() {
    clsUnitData team;
    for (std::int16_t position = 1; position <= clsUnitData::Positions; ++position) {
        clsCreateStudentData student;
        student.StudentName("見習い" + std::to_string(position));
        managers(Data()).students().CreateStudent(student);
        managers(Data()).students().SetNewStudent(student.StudentName());
        team.Lines(position, student.StudentName());
    }
    team.LineName(managers(Data()).lines().GetLineName("").item(1));
    team.QuestName("スライム退治");
    managers(Data()).students().SetQuest(team);
    Data().SetDate("25:5:7");
}

class QuitDuringBattleTest : public HeadlessGame {};

TEST_F(QuitDuringBattleTest, ClosingTheWindowInAQuestBattleEndsTheGameOnceWithItsSettingsWritten) {
    folder.linkData();
    enum class Phase { Title, School, Day, Closed } phase = Phase::Title;
    int battleWaits = 0;
    NewYearLists lists;
    const int status = run([&](WatchedWindow& window) {
        host::ui::Control* start = apptest::findControl(*window.form, "GLStart");
        auto& picSchool = dynamic_cast<host::ui::PictureBox&>(controlNamed(*window.form, "picSchool"));
        auto& battleDisp = dynamic_cast<host::ui::PictureBox&>(controlNamed(*window.form, "BattleDisp"));
        switch (phase) {
        case Phase::Title:
            if (!start || !start->Visible()) return;
            clickOn(window, *start);
            phase = Phase::School;
            return;
        case Phase::School: {
            if (lists.answer(window)) return;
            // No opening.
            if (controlNamed(*window.form, "picMSG").Visible()) {
                clickOn(window, controlNamed(*window.form, "GLMSGCancel"));
                return;
            }
            if (!apptest::atSchoolMainMenu(*window.form)) return;
            sendTeamToTheSlimes();
            host::ui::Control* nextDay = nullptr;
            for (host::ui::Control* c : picSchool.children())
                if (c->Name() == "GLDate" && c->Index() == 1) nextDay = c;
            clickOn(window, *nextDay);
            phase = Phase::Day;
            return;
        }
        case Phase::Day:
            // The messages flow during the battle's waits: close in the middle of it.
            if (!battleDisp.Visible() || ++battleWaits < 20) return;
            window.close();
            phase = Phase::Closed;
            return;
        case Phase::Closed:
            return;
        }
    });
    EXPECT_EQ(phase, Phase::Closed);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(windowsOpened, 1);
    EXPECT_EQ(folder.settings().size(), 9u);
    EXPECT_TRUE(boxes.shown().empty()) << boxes.shown().front().text;
}

} // namespace
