#include "state/cls_data.h"

#include "host/runtime/strings.h"
#include "state/state_support.h"
#include "students/newcomers/cls_create_student_data.h"
#include "students/roster/cls_unit_data.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using statetest::LoadedFacade;

// Day 1 of a month is a Sunday; day 6 a Friday, day 7 a Saturday.
constexpr const char* kFriday = "25:5:6";
constexpr const char* kSaturday = "25:5:7";

// A student brought straight onto the roster, with the school's whole-class timetable.
void enrol(clsData& data, const std::string& name) {
    clsCreateStudentData newcomer;
    newcomer.StudentName(name);
    managers(data).students().CreateStudent(newcomer);
    managers(data).students().SetNewStudent(name);
}

void registerQuestTeam(clsData& data) {
    clsUnitData team;
    team.QuestName("迷い猫探し");
    managers(data).students().SetQuest(team);
}

TEST(FacadeSchoolMenu, EntriesOpenOnSaturdaysWithStudentsAndJobsAndQuestsExcludeEachOther) {
    struct Case {
        const char* name;
        const char* date;
        bool students;
        bool questTeam;
        bool job;
        std::int16_t index;
        bool open;
    };
    const Case cases[] = {
        {.name = "Friday",
         .date = kFriday,
         .students = true,
         .questTeam = false,
         .job = false,
         .index = 3,
         .open = false},
        {.name = "empty roster",
         .date = kSaturday,
         .students = false,
         .questTeam = false,
         .job = false,
         .index = 3,
         .open = false},
        {.name = "any entry",
         .date = kSaturday,
         .students = true,
         .questTeam = true,
         .job = true,
         .index = 3,
         .open = true},
        {.name = "job while a team is out",
         .date = kSaturday,
         .students = true,
         .questTeam = true,
         .job = false,
         .index = 6,
         .open = false},
        {.name = "job",
         .date = kSaturday,
         .students = true,
         .questTeam = false,
         .job = false,
         .index = 6,
         .open = true},
        {.name = "quest while a team is out",
         .date = kSaturday,
         .students = true,
         .questTeam = true,
         .job = false,
         .index = 7,
         .open = true},
        {.name = "quest while a job is chosen",
         .date = kSaturday,
         .students = true,
         .questTeam = false,
         .job = true,
         .index = 7,
         .open = false},
        {.name = "job while a job is chosen",
         .date = kSaturday,
         .students = true,
         .questTeam = false,
         .job = true,
         .index = 6,
         .open = true},
    };
    for (const auto& c : cases) {
        LoadedFacade loaded;
        clsData& data = loaded.data;
        data.SetDate(c.date);
        if (c.students) enrol(data, "テスト");
        if (c.questTeam) registerQuestTeam(data);
        if (c.job) managers(data).arbeits().SetContractArbeit("港の荷運び");
        EXPECT_EQ(data.CheckSchoolMenu(c.index), c.open) << c.name;
    }
}

TEST(FacadeClassSetting, OnlyTheFirstDayOfAMonthChecksEveryTimetable) {
    struct Case {
        const char* name;
        const char* date;
        bool student;
        bool teachersLeave;
        bool ready;
    };
    const Case cases[] = {
        {.name = "day 2, nobody taught",
         .date = "25:5:2",
         .student = true,
         .teachersLeave = true,
         .ready = true},
        {.name = "day 1, no students",
         .date = "25:5:1",
         .student = false,
         .teachersLeave = true,
         .ready = true},
        {.name = "day 1, timetable taught",
         .date = "25:5:1",
         .student = true,
         .teachersLeave = false,
         .ready = true},
        {.name = "day 1, every teacher gone: the days go on without lessons",
         .date = "25:5:1",
         .student = true,
         .teachersLeave = true,
         .ready = true},
    };
    for (const auto& c : cases) {
        LoadedFacade loaded;
        clsData& data = loaded.data;
        data.TestPlay();
        if (c.student) enrol(data, "テスト");
        if (c.teachersLeave) managers(data).teachers().ContractClear();
        data.SetDate(c.date);
        EXPECT_EQ(data.CheckClassSetting(), c.ready) << c.name;
    }
}

TEST(FacadeTips, CaptionTipsDependOnTheMenuAndThePeriod) {
    LoadedFacade loaded;
    clsData& data = loaded.data;
    data.SetMenu("ミルトナ騎士団");
    // A day's first period, as a change of date leaves the period counter.
    auto record = host::runtime::Split(managers(data).system().GetSaveData(), "/");
    record[4] = '1';
    managers(data).system().SetSaveData(host::runtime::Join(record, "/"));
    EXPECT_EQ(data.GetMSGTips("授業をする"), "1時間目の授業をします");
    managers(data).system().ClassCount();
    EXPECT_EQ(data.GetMSGTips("授業をする"), "2時間目の授業をします");
    EXPECT_EQ(data.GetMSGTips("セーブ"), "データを保存します");
    EXPECT_EQ(data.GetMSGTips("セーブ "), "");
    data.SetMenu("建物データ");
    EXPECT_EQ(data.GetMSGTips("授業をする"), managers(data).system().GetSchoolConstructTips());
    EXPECT_EQ(data.GetSchoolMenuTips(), managers(data).system().GetSchoolConstructTips());
}

TEST(FacadeTips, SchoolMenuTipsByMenuAndSubMenu) {
    LoadedFacade loaded;
    clsData& data = loaded.data;
    data.TestPlay();
    struct Case {
        MenuKey menu;
        MenuKey subMenu;
        std::string tip;
    };
    const std::string teachers = managers(data).teachers().GetMenuNewComerTips();
    const Case cases[] = {
        {.menu = "契約", .subMenu = "教師", .tip = teachers},
        {.menu = "契約", .subMenu = "スカウト", .tip = managers(data).scouts().GetContractScoutTips()},
        {.menu = "契約", .subMenu = "アイテム", .tip = ""},
        {.menu = "教師を見る", .subMenu = "スカウト", .tip = teachers},
        {.menu = "アルバイト", .subMenu = {}, .tip = "まだアルバイトは決まっていません"},
        {.menu = "新規スポンサー",
         .subMenu = {},
         .tip = managers(data).companies().GetSponsorMenuTips(managers(data).system().GetSponsorMaxCount())},
        {.menu = "依頼", .subMenu = {}, .tip = "どのデータを見ますか"},
        {.menu = "授業中", .subMenu = {}, .tip = ""},
    };
    ASSERT_NE(teachers.find("教師契約数:3人"), std::string::npos) << teachers;
    for (const auto& c : cases) {
        data.SetMenu(c.menu);
        data.SetSubMenu(c.subMenu);
        EXPECT_EQ(data.GetSchoolMenuTips(), c.tip) << c.menu.name() << " " << c.subMenu.name();
    }
}

} // namespace
