#include "school_game.h"
#include "support/facade_managers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using schooltest::SchoolGame;

enum DateButton { kLesson = 0, kNextDay = 1, kWeekend = 2, kCamp = 3 };

class SchoolDayTest : public SchoolGame {
  protected:
    // The morning of that day in year 25: the first period is next.
    void startDay(int month, int day) {
        const int previousMonth = day == 1 ? (month == 1 ? 12 : month - 1) : month;
        const int previousDay = day == 1 ? 28 : day - 1;
        data().SetDate("25:" + std::to_string(previousMonth) + ":" + std::to_string(previousDay));
        managers(data()).system().DateCount();
        main->ShowSchoolMenu(false);
    }
    std::string today() {
        const clsDateDetails d = data().GetDate();
        return std::to_string(d.Month) + "/" + std::to_string(d.Day);
    }
};

TEST_F(SchoolDayTest, ADayCommandRunsItsDaysWithTheScreenDisabledAndEnablesItAtTheEnd) {
    struct DayCase {
        std::string start;
        int command;
        std::string end;
        int days;
    };
    const std::vector<DayCase> cases = {
        {"25:4:2", kNextDay, "4/3", 1},   {"25:4:8", kWeekend, "4/14", 6}, {"25:4:13", kWeekend, "4/14", 1},
        {"25:4:14", kNextDay, "4/15", 1}, {"25:4:28", kNextDay, "5/1", 1},
    };
    for (const DayCase& c : cases) {
        setDate(c.start);
        int days = 0;
        bool enabledDuringDays = false;
        const auto token = data().DayEnd.subscribe([&] {
            ++days;
            enabledDuringDays = enabledDuringDays || picSchool().Enabled();
        });
        ASSERT_TRUE(button("GLDate", c.command).Enable()) << c.start;
        click("GLDate", c.command);
        data().DayEnd.unsubscribe(token);

        EXPECT_EQ(today(), c.end) << c.start;
        EXPECT_EQ(days, c.days) << c.start;
        EXPECT_FALSE(enabledDuringDays) << c.start;
        EXPECT_TRUE(picSchool().Enabled()) << c.start;
        EXPECT_EQ(data().GetMenu(), menu_key::kAcademy) << c.start;
    }
}

TEST_F(SchoolDayTest, TheLessonAndCampButtonsFollowTheirRules) {
    struct EnableCase {
        int month;
        int day;
        int lessonsTaught; // lesson clicks before the look
        bool lesson;
        bool weekend;
        bool camp;
    };
    const std::vector<EnableCase> cases = {
        {4, 2, 0, true, true, false},   // Monday
        {4, 6, 0, true, true, false},   // Friday
        {4, 7, 0, false, false, false}, // Saturday
        {4, 8, 0, false, true, false},  // Sunday
        {4, 3, 2, true, true, false},   // two of four periods taught
        {4, 4, 3, false, true, false},  // the fourth is left to the day's run
        {8, 1, 0, false, true, true},   // August 1, a Sunday
        {8, 2, 0, true, true, false},
    };
    for (const EnableCase& c : cases) {
        startDay(c.month, c.day);
        const std::string date = std::to_string(c.month) + "/" + std::to_string(c.day);
        for (int i = 0; i < c.lessonsTaught; ++i) {
            ASSERT_TRUE(button("GLDate", kLesson).Enable()) << date << " lesson " << i;
            click("GLDate", kLesson);
            ASSERT_TRUE(picSchool().Enabled()) << date << ": the lesson's end gives the screen back";
        }
        main->ShowSchoolMenu(false);
        EXPECT_EQ(button("GLDate", kLesson).Enable(), c.lesson) << date;
        EXPECT_TRUE(button("GLDate", kNextDay).Enable()) << date;
        EXPECT_EQ(button("GLDate", kWeekend).Enable(), c.weekend) << date;
        EXPECT_EQ(button("GLDate", kCamp).Enable(), c.camp) << date;
    }
}

TEST_F(SchoolDayTest, EachLessonClickTeachesOnePeriodAndKeepsTheMenuButtons) {
    startDay(4, 2);
    const std::int16_t before = managers(data()).system().GetClassCount();
    click("GLDate", kLesson);
    EXPECT_EQ(managers(data()).system().GetClassCount(), before + 1);
    EXPECT_EQ(today(), "4/2") << "a lesson does not move the date";
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_TRUE(button("GLDate", kNextDay).Visible());
}

TEST_F(SchoolDayTest, TheCampCommandOpensTheDestinations) {
    setDate("25:8:1");
    ASSERT_TRUE(button("GLDate", kCamp).Enable());
    click("GLDate", kCamp);
    EXPECT_EQ(data().GetMenu(), menu_key::kCamp);
    EXPECT_EQ(button("GLSchoolMenu").Text(), "合宿");
    EXPECT_TRUE(button("GLContract").Visible());
    EXPECT_EQ(button("GLContract").Text(), "合宿に行く");
    const auto rows = data().GetGridData("");
    ASSERT_TRUE(rows && rows->count() > 0);
    const auto& grid = control<ctrGraphicalGridVer2>("GGSchool");
    EXPECT_TRUE(grid.Visible());
    EXPECT_EQ(grid.Rows(), rows->count() - 1);
    EXPECT_EQ(grid.GetData(0, 1), rows->item(1).Data(1));
    writeLook("school_camp.png");
    click("GLReturnSchool");
    EXPECT_EQ(data().GetMenu(), menu_key::kAcademy);
}

} // namespace

namespace {

using schooltest::SchoolGame;

TEST_F(SchoolGame, ADayThatFailsPutsTheGameBackAndGivesTheScreenBack) {
    data().SetDate("25:4:2");
    main->ShowSchoolMenu(false);
    const std::int32_t money = data().GetMoney();
    const auto token = data().DayEnd.subscribe([] { throw std::runtime_error("the day broke"); });
    click("GLDate", 1);
    data().DayEnd.unsubscribe(token);

    const clsDateDetails d = data().GetDate();
    EXPECT_EQ(std::to_string(d.Month) + "/" + std::to_string(d.Day), "4/2");
    EXPECT_EQ(data().GetMoney(), money);
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_EQ(data().GetMenu(), menu_key::kAcademy);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown().front().text.find("the day broke"), std::string::npos);
    click("GLDate", 1);
    EXPECT_EQ(data().GetDate().Day, 3) << "the next day passes";
}

} // namespace
