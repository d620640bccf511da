#include "shell_game.h"
#include "support/facade_managers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using apptest::linesOf;
using apptest::WatchedGame;

enum DateButton { kLesson = 0, kNextDay = 1, kWeekend = 2 };

// The game of a school with its first students on Monday morning, May 2,
// watched: at every wait, what the window shows in front (the report box's
// last line, or a screen and whether it is locked), with the date at the
// pause after a date change.
class SchoolWeekTest : public WatchedGame {
  protected:
    SchoolWeekTest() {
        managers(data()).students().ClearNewComer();
        data().CreateStudent();
        std::vector<std::string> names;
        for (const clsGetGridData& row : managers(data()).students().GetNewComer())
            names.push_back(row.Data(1));
        for (const std::string& name : names)
            managers(data()).students().SetNewStudent(name);
        // The calendar counts to the day, so that its weekday is set.
        data().SetDate("25:5:1");
        managers(data()).system().DateCount();
        main->ShowSchoolMenu(false);
        waits().onWait = [this](double ms) { seen.push_back(look(ms)); };
    }

    std::string look(double ms) {
        std::string entry = std::to_string(static_cast<int>(ms)) + " " + front();
        if (ms == 300) {
            const clsDateDetails date = data().GetDate();
            entry += " " + std::to_string(date.Month) + "/" + std::to_string(date.Day);
        }
        return entry;
    }
    std::string front() {
        const auto& children = main->form().children();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            if (!(*it)->Visible()) continue;
            if (*it == &box()) return "報告 " + linesOf(box().Text()).back();
            return (*it)->Name() + ((*it)->Enabled() ? "" : " (locked)");
        }
        return "";
    }

    std::vector<std::string> seen;
};

// A lesson period as the player sees it: the lesson's picture, then its line
// over the picture with the report's wait and the display speed's pause.
std::vector<std::string> period(const std::string& line) {
    return {"400 picClassImage", "200 報告 " + line, "500 報告 " + line};
}
std::vector<std::string> reportLine(const std::string& line) {
    return {"200 報告 " + line, "500 報告 " + line};
}
// The day's end clears the box; the new date returns the locked school screen to its menu.
std::vector<std::string> dayEnd(const std::string& date) {
    return {"200 picSchool (locked)", "300 picSchool (locked) " + date};
}

TEST_F(SchoolWeekTest, AWeekOfSchoolShowsEachReportWithItsPauseTheLessonsAndTheCalendar) {
    seen.clear();
    click("GLDate", kLesson);
    click("GLDate", kWeekend);
    click("GLDate", kNextDay);

    const std::string walking = "1時間目はウォーキングです";
    const std::string formation = "2時間目は初等攻撃陣形です";
    const std::string running = "3時間目は走りこみです";
    const std::string swinging = "4時間目は素振りです";
    std::vector<std::vector<std::string>> golden = {
        period(walking), {"500 報告 " + walking}, // the lesson's end: a last pause, then the box goes
    };
    for (const std::string date : {"5/3", "5/4", "5/5", "5/6", "5/7"}) {
        if (date != "5/3") golden.push_back(period(walking));
        golden.push_back(period(formation));
        golden.push_back(period(running));
        if (date == "5/6") golden.push_back(reportLine("ユザムの最大体力レベルがあがり、6になった"));
        if (date == "5/7") golden.push_back(reportLine("エスノの最大体力レベルがあがり、7になった"));
        golden.push_back(period(swinging));
        golden.push_back(dayEnd(date));
    }
    golden.push_back(dayEnd("5/8")); // Saturday: no lessons
    std::vector<std::string> expected;
    for (const auto& part : golden)
        expected.insert(expected.end(), part.begin(), part.end());
    EXPECT_EQ(seen, expected);

    EXPECT_EQ(data().GetDate().Day, 8);
    EXPECT_EQ(front(), "picSchool") << "unlocked at the end of the days";
    EXPECT_FALSE(inside().context().ProcessingFlag);
    EXPECT_EQ(data().GetMenu(), menu_key::kAcademy);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SchoolWeekTest, ALessonShowsItsPictureAndItsReportOverIt) {
    bool pictured = false;
    waits().onWait = [&](double ms) {
        if (ms == 400 && !pictured) writeLook("lesson_picture.png");
        if (ms == 500 && !pictured) {
            pictured = true;
            writeLook("lesson_picture_report.png");
        }
    };
    click("GLDate", kLesson);
    EXPECT_TRUE(pictured);
}

TEST_F(SchoolWeekTest, AReactionThatFailsPutsTheDayBackAndGivesTheSchoolScreenBackUnlocked) {
    FormContext& context = inside().context();
    context.cINI.Data("VisibleMSG", "速く");
    click("GLDate", kNextDay);

    EXPECT_EQ(data().GetDate().Day, 2) << "the day is put back";
    EXPECT_EQ(managers(data()).system().GetClassCount(), 1);
    EXPECT_EQ(front(), "picSchool") << "in front of the lesson picture and enabled";
    EXPECT_FALSE(context.ProcessingFlag);
    EXPECT_FALSE(box().Visible()) << "the void day's reports are gone";
    EXPECT_EQ(boxes.shown().size(), 1u) << "the player is told";

    context.cINI.Data("VisibleMSG", "10");
    click("GLDate", kNextDay);
    EXPECT_EQ(data().GetDate().Day, 3);
}

} // namespace
