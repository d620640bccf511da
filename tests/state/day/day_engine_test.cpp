#include "state/day/day_support.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using daytest::DayGame;
using host::runtime::Join;
using host::runtime::Split;

namespace {

long countOf(const std::vector<std::string>& log, const std::string& text) {
    return std::count(log.begin(), log.end(), text);
}

// Puts every teacher under contract at this dissatisfaction; their count.
std::size_t setTeacherDissatisfaction(clsData& data, const std::string& dissatisfaction) {
    std::vector<std::string> contracts;
    for (const std::string& entry :
         Split(Split(managers(data).teachers().GetSaveData(), "/").at(1), "\r\n")) {
        std::vector<std::string> fields = Split(entry, ":");
        fields.at(3) = dissatisfaction;
        contracts.push_back(Join(fields, ":"));
    }
    managers(data).teachers().SetSaveData("/" + Join(contracts, "\r\n"));
    return contracts.size();
}

TEST(DayEngine, DateCommandsRunTheirDays) {
    struct Case {
        const char* name;
        std::string date;
        std::int16_t command;
        long days;
        std::string lastDate;
    };
    // Day 1 is a Sunday, day 7 a Saturday.
    const Case cases[] = {
        {.name = "the next day", .date = "25:5:3", .command = 1, .days = 1, .lastDate = "DateChenge 5/4"},
        {.name = "to the weekend from a Saturday",
         .date = "25:5:7",
         .command = 2,
         .days = 7,
         .lastDate = "DateChenge 5/14"},
        {.name = "to the weekend from a Friday",
         .date = "25:5:6",
         .command = 2,
         .days = 1,
         .lastDate = "DateChenge 5/7"},
        {.name = "to the weekend from a Sunday",
         .date = "25:5:1",
         .command = 2,
         .days = 6,
         .lastDate = "DateChenge 5/7"},
        {.name = "the camp month from day 1",
         .date = "25:8:1",
         .command = 3,
         .days = 27,
         .lastDate = "DateChenge 8/28"},
        {.name = "no command", .date = "25:5:3", .command = 0, .days = 0, .lastDate = ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DayGame game;
        game.data().SetDate(c.date);
        game.log().clear();
        game.data().DateForword(c.command);
        EXPECT_EQ(countOf(game.log(), "DayEnd"), c.days);
        ASSERT_FALSE(game.log().empty());
        EXPECT_EQ(game.log().back(), "ForwordEnd");
        EXPECT_EQ(countOf(game.log(), "ForwordEnd"), 1);
        std::string lastDate;
        for (const std::string& entry : game.log())
            if (entry.rfind("DateChenge", 0) == 0) lastDate = entry;
        EXPECT_EQ(lastDate, c.lastDate);
    }
}

TEST(DayEngine, EachDayEndsBeforeTheCalendarMoves) {
    DayGame game;
    game.admitNewcomers();
    game.data().SetDate("25:5:1");
    game.log().clear();
    game.data().DateForword(2);
    // Sunday to Friday, lessons on five of them: every DayEnd comes right
    // before its date change.
    EXPECT_EQ(countOf(game.log(), "ClassImage"), 5 * 4);
    for (int day = 2; day <= 7; ++day) {
        const std::size_t change = game.find("DateChenge 5/" + std::to_string(day));
        ASSERT_LT(change, game.log().size()) << day;
        EXPECT_EQ(game.log().at(change - 1), "DayEnd") << day;
    }
}

TEST(DayEngine, ALessonDayTeachesTheRemainingPeriods) {
    DayGame game;
    game.admitNewcomers();
    game.data().SetDate("25:5:1");
    game.data().DateForword(1);
    game.data().ClassForword();
    game.data().ClassForword();
    game.data().ClassForword();
    EXPECT_EQ(countOf(game.log(), "ClassEnd"), 3);
    EXPECT_EQ(managers(game.data()).system().GetClassCount(), 4);
    game.log().clear();

    game.data().DateForword(1);
    EXPECT_EQ(countOf(game.log(), "ClassImage"), 1) << "period 4 alone";
    const auto period4 = std::find_if(game.log().begin(), game.log().end(), [](const std::string& entry) {
        return entry.rfind("4時間目は", 0) == 0;
    });
    EXPECT_NE(period4, game.log().end());
    EXPECT_LT(game.find("ClassImage"), game.find("DayEnd"));
    EXPECT_EQ(managers(game.data()).system().GetClassCount(), 1) << "a new day starts at period 1";
}

TEST(DayEngine, ALessonDayWithoutStudentsTeachesNothing) {
    DayGame game;
    setTeacherDissatisfaction(game.data(), "50");
    const std::string tired = managers(game.data()).teachers().GetSaveData();
    game.data().SetDate("25:5:4");
    game.data().DateForword(1);
    EXPECT_EQ(countOf(game.log(), "ClassImage"), 0);
    EXPECT_EQ(countOf(game.log(), "DayEnd"), 1);
    EXPECT_NE(managers(game.data()).teachers().GetSaveData(), tired)
        << "the teachers' day still ran: they rested";

    setTeacherDissatisfaction(game.data(), "50");
    game.data().SetDate("25:5:7");
    game.data().DateForword(1);
    EXPECT_EQ(managers(game.data()).teachers().GetSaveData(), tired) << "no teachers' day on a Saturday";
}

TEST(DayEngine, ACampRunsEveryDayOfTheCampMonthAndEndsOnTheTwentySeventh) {
    DayGame game;
    game.admitNewcomers();
    game.data().SetDate("25:8:1");
    const std::string camp =
        Split(managers(game.data()).countries().GetCountry(7, 0).item(1).Data(1), ",").at(0);
    managers(game.data()).countries().SetContract(camp);
    game.log().clear();
    game.data().DateForword(3);
    EXPECT_EQ(countOf(game.log(), "DayEnd"), 27);
    EXPECT_EQ(countOf(game.log(), "ClassImage"), 0) << "no lessons on a camp day";
    for (int day = 1; day <= 27; ++day)
        EXPECT_TRUE(game.logged(camp + "での合宿" + std::to_string(day) + "日目")) << day;
    EXPECT_FALSE(game.data().CheckCamp());
    EXPECT_EQ(game.data().GetDate().Day, 28);
}

TEST(DayEngine, MarchTwentyEighthGraduatesBeforeTheNewYear) {
    DayGame game;
    const std::vector<std::string> students = game.admitNewcomers();
    ASSERT_FALSE(students.empty());
    game.data().SetDate("25:3:28");
    game.log().clear();
    game.data().DateForword(1);

    const std::size_t dayEnd = game.find("DayEnd");
    ASSERT_LT(dayEnd, game.log().size());
    EXPECT_TRUE(managers(game.data()).students().GetStudentData().empty())
        << "one school year: every student graduates";
    for (const std::string& name : students)
        EXPECT_LT(game.find(name + "が卒業しました"), dayEnd) << name;
    // April 1 follows in the same day step.
    const std::size_t april = game.find("DateChenge 4/1", dayEnd);
    const std::size_t newYear = game.find("NewYear", dayEnd);
    EXPECT_LT(april, newYear);
    EXPECT_LT(newYear, game.find("ForwordEnd"));
}

TEST(DayEngine, TeachersResignOnTheFirstOfTheMonthAfterTheCalendarMoved) {
    DayGame game;
    const std::size_t teachers = setTeacherDissatisfaction(game.data(), "100");
    game.data().SetDate("25:5:28");
    game.log().clear();
    game.data().DateForword(1);

    const std::size_t firstOfJune = game.find("DateChenge 6/1");
    ASSERT_LT(firstOfJune, game.log().size());
    std::size_t teacherLines = 0;
    for (std::size_t k = 0; k < game.log().size(); ++k) {
        const std::string& entry = game.log()[k];
        if (entry.find("退職しました") == std::string::npos &&
            entry.find("不満が高まっています") == std::string::npos)
            continue;
        ++teacherLines;
        EXPECT_GT(k, firstOfJune) << entry;
    }
    EXPECT_EQ(teacherLines, teachers);
}

TEST(DayEngine, AFailedDayLeavesTheGameAsItWas) {
    DayGame game;
    game.admitNewcomers();
    game.data().SetDate("25:5:7");
    const std::string job = managers(game.data()).arbeits().GetArbeitData(5).item(1).Data(1);
    managers(game.data()).arbeits().SetContractArbeit(job);
    // The job pays, then the quest of a team that is in no catalogue fails the day.
    game.sendTeam("どこにもない依頼");
    const std::int32_t money = game.data().GetMoney();
    const std::string students = managers(game.data()).students().GetSaveData();
    game.log().clear();

    EXPECT_THROW(game.data().DateForword(1), host::runtime::RuntimeError);
    EXPECT_TRUE(game.logged(job + "のアルバイトをしました")) << "the day had begun";
    EXPECT_EQ(game.data().GetMoney(), money);
    EXPECT_EQ(managers(game.data()).arbeits().GetContractArbeit(), job);
    EXPECT_EQ(managers(game.data()).students().GetSaveData(), students);
    EXPECT_EQ(game.data().GetDate().Day, 7);
}

} // namespace
