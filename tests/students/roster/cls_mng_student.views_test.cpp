#include "students/roster/cls_mng_student.h"
#include "students/abilities.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "students/mng_student_support.h"
#include "students/traits.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using host::runtime::Collection;
using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;
using studentstest::abilityText;
using studentstest::loadLists;
using studentstest::Reports;
using studentstest::studentLine;
using studentstest::studentOf;
using studentstest::StudentShape;

namespace {

// Growth values of 普通1 at 15 in April..November; 0 from December on.
constexpr std::int16_t kGrowthByMonth[] = {1, 2, 4, 5, 6, 7, 8, 9};

StudentShape named(std::string name) {
    StudentShape s;
    s.name = std::move(name);
    return s;
}

// A graduate of course 2 aged 21 with present abilities 1..17 in order.
std::string graduateLine(const std::string& name, int year) {
    std::vector<std::string> present, nature;
    for (int n = 1; n <= ability::kCount; ++n) {
        present.push_back(std::to_string(n));
        nature.push_back("30");
    }
    return host::runtime::Join({name, "21", "3", "騎士", "2", "0", host::runtime::Join(present, ":"),
                                host::runtime::Join(nature, ":"), std::to_string(year)},
                               ";");
}

std::vector<std::string> cellsOf(const clsGetGridData& row) {
    std::vector<std::string> cells;
    for (std::int16_t i = 0; i <= row.Cols(); ++i)
        cells.push_back(row.Data(i));
    return cells;
}

std::vector<std::vector<std::string>> rowsOf(const Collection<clsGetGridData>& rows) {
    std::vector<std::vector<std::string>> out;
    for (const clsGetGridData& row : rows)
        out.push_back(cellsOf(row));
    return out;
}

using Rows = std::vector<std::vector<std::string>>;

class Views : public ::testing::Test {
  protected:
    Views() {
        std::string row = "普通1,15";
        for (int month = 4; month < 16; ++month)
            row.append(",").append(std::to_string(month < 12 ? kGrowthByMonth[month - 4] : 0));
        manager.SetGrowth(row);
    }

    void addNewcomer(const StudentShape& shape) {
        auto student = std::make_unique<clsStudent>();
        student->SetSaveData(studentLine(shape));
        manager.AddNewStudent(std::move(student));
    }

    ScopedSilentServices silent;
    clsMngStudent manager;
};

void expectLookupError(const std::function<void()>& call, const char* what) {
    try {
        call();
        ADD_FAILURE() << what << " did not fail";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::InvalidCall) << what;
    }
}

} // namespace

TEST_F(Views, EmptyListsGiveEmptyCollections) {
    EXPECT_TRUE(manager.GetStudentData().empty());
    EXPECT_TRUE(manager.GetNewComer().empty());
    EXPECT_TRUE(manager.GetGraduateData().empty());
    EXPECT_TRUE(manager.GetStudentChara().empty());
    EXPECT_TRUE(manager.GetStudentAbility(0).empty());
    EXPECT_TRUE(manager.GetNewStudnetAbility(0).empty());
    EXPECT_EQ(manager.GetMemberNum(), 0);
}

TEST_F(Views, StudentRowsInRosterOrderWithoutKeys) {
    StudentShape aki = named("アキ");
    aki.schoolYear = 2;
    aki.age = 16;
    aki.physical = 80;
    aki.character = 3;
    aki.condition = 1;
    aki.dissatisfaction = 40;
    aki.abilities = {{1, 1, 23}};
    aki.course = 2;
    StudentShape haru = named("ハル");
    haru.character = 0;
    loadLists(manager, {studentLine(aki), studentLine(haru)});

    const auto rows = manager.GetStudentData();
    EXPECT_EQ(rowsOf(rows), (Rows{{"0", "アキ", "2", "16", "80", "学者", "1", "2", "23", "騎士"},
                                  {"0", "ハル", "1", "15", "100", "", "2", "0", "20", "不明"}}));
    EXPECT_EQ(rows.keyAt(1), "");
    EXPECT_EQ(manager.GetMemberNum(), 2);
    EXPECT_EQ(cellsOf(manager.GetStudentIndividual("アキ", 0)),
              (std::vector<std::string>{"0", "アキ", "2", "16", "80", "学者", "1", "2", "23"}));
}

TEST_F(Views, DissatisfactionStagesAtTheirBounds) {
    const struct {
        int dissatisfaction;
        const char* stage;
    } cases[] = {{0, "0"},  {14, "0"}, {15, "1"}, {34, "1"}, {35, "2"},
                 {54, "2"}, {55, "3"}, {74, "3"}, {75, "4"}, {100, "4"}};
    for (const auto& c : cases) {
        StudentShape s = named("アキ");
        s.dissatisfaction = c.dissatisfaction;
        loadLists(manager, {studentLine(s)});
        EXPECT_EQ(manager.GetStudentData().item(1).Data(7), c.stage) << c.dissatisfaction;
        EXPECT_EQ(manager.GetStudentIndividual("アキ", 0).Data(7), c.stage) << c.dissatisfaction;
    }
}

TEST_F(Views, CharacterLabelsKeyedByName) {
    const struct {
        const char* name;
        int character;
        const char* label;
    } cases[] = {{"ゼロ", 0, ""},     {"イチ", 1, "王様"}, {"ニイ", 2, "軍人"},
                 {"サン", 3, "学者"}, {"ヨン", 4, "職人"}, {"ゴウ", 5, ""}};
    std::vector<std::string> lines;
    for (const auto& c : cases) {
        StudentShape s = named(c.name);
        s.character = c.character;
        lines.push_back(studentLine(s));
    }
    loadLists(manager, lines);
    const auto rows = manager.GetStudentChara();
    ASSERT_EQ(rows.count(), 6);
    for (const auto& c : cases)
        EXPECT_EQ(cellsOf(rows.item(c.name)), (std::vector<std::string>{c.name, c.label})) << c.character;
}

TEST_F(Views, AbilityViewsCountFromZeroAndKeyByName) {
    StudentShape aki = named("アキ");
    aki.abilities = {{1, 1, 20}, {1, 3, 7}};
    StudentShape haru = named("ハル");
    haru.abilities = {{1, 1, 31}, {1, 3, 9}};
    loadLists(manager, {studentLine(aki), studentLine(haru)});
    StudentShape natsu = named("ナツ");
    natsu.abilities = {{1, 1, 12}, {1, 3, 4}};
    addNewcomer(natsu);

    const struct {
        std::int16_t n;
        const char *aki, *haru, *natsu;
    } cases[] = {{0, "20", "31", "12"}, {2, "7", "9", "4"}, {1, "0", "0", "0"}};
    for (const auto& c : cases) {
        const auto students = manager.GetStudentAbility(c.n);
        EXPECT_EQ(rowsOf(students), (Rows{{"アキ", c.aki}, {"ハル", c.haru}})) << c.n;
        EXPECT_EQ(students.item("ハル").Data(1), c.haru) << c.n;
        EXPECT_EQ(manager.GetNewStudnetAbility(c.n).item("ナツ").Data(1), c.natsu) << c.n;
        EXPECT_EQ(manager.GetStudentIndividual("ハル", c.n).Data(8), c.haru) << c.n;
    }
}

TEST_F(Views, NewcomerRowsDetailAndTips) {
    StudentShape natsu = named("ナツ");
    natsu.origin = "商人";
    natsu.character = 4;
    natsu.age = 14;
    natsu.growth = "晩成1";
    natsu.abilities = {{1, 1, 12}, {1, 5, 3}};
    addNewcomer(natsu);

    EXPECT_EQ(rowsOf(manager.GetNewComer()), (Rows{{"0", "ナツ", "商人", "職人", "14", "12"}}));
    const clsGetGridData detail = manager.GetNewComerDetail("ナツ");
    EXPECT_EQ(detail.Cols(), 16);
    EXPECT_EQ(detail.Data(0), "12");
    EXPECT_EQ(detail.Data(4), "3");
    EXPECT_EQ(manager.GetNewComerTips("ナツ", 0), "成長のピークは遅そうです");
    EXPECT_EQ(manager.GetNewComerTips("ナツ", 99), "成長のピークは遅そうです");
}

TEST_F(Views, GraduateRowsAndDetail) {
    loadLists(manager, {}, {graduateLine("ハル", 25), graduateLine("フユ", 3)});
    EXPECT_EQ(rowsOf(manager.GetGraduateData()), (Rows{{"騎士", "ハル", "21", "騎士", "25年", "1"},
                                                       {"騎士", "フユ", "21", "騎士", "3年", "1"}}));
    std::vector<std::string> abilities;
    for (int n = 1; n <= ability::kCount; ++n)
        abilities.push_back(std::to_string(n));
    EXPECT_EQ(cellsOf(manager.GetGraduateDetail("フユ")), abilities);
}

TEST_F(Views, StudentDetailAndCourse) {
    StudentShape aki = named("アキ");
    aki.abilities = {{1, 1, 20}, {1, 17, 6}, {3, 1, 40}};
    StudentShape haru = named("ハル");
    haru.course = 13;
    loadLists(manager, {studentLine(aki), studentLine(haru)});

    const clsGetGridData detail = manager.GetStudentDetail("アキ");
    EXPECT_EQ(detail.Cols(), 16);
    EXPECT_EQ(detail.Data(0), "20");
    EXPECT_EQ(detail.Data(16), "6");
    EXPECT_EQ(manager.GetStudentCourse("アキ"), "不明");
    EXPECT_EQ(manager.GetStudentCourse("ハル"), "学者");
}

TEST_F(Views, EmptyNamesAnswerNothingWhereGuarded) {
    loadLists(manager, {studentLine(named("アキ"))});
    EXPECT_EQ(manager.GetStudentIndividual("", 0).Cols(), 0);
    EXPECT_EQ(manager.GetStudentIndividual("", 0).Data(0), "");
    EXPECT_EQ(manager.GetStudentDetail("").Cols(), 0);
    EXPECT_EQ(manager.GetStudentCourse(""), "");
    EXPECT_EQ(manager.GetStudentTips("", 4, true), "");
    Reports reports(manager);
    manager.UseConsumeItem("", clsUseConsumeItem{});
    EXPECT_TRUE(reports.texts.empty());
}

TEST_F(Views, NamesNotOnTheirListRaiseTheLookupError) {
    loadLists(manager, {studentLine(named("アキ"))}, {graduateLine("ハル", 25)});
    addNewcomer(named("ナツ"));
    const struct {
        const char* what;
        std::function<void()> call;
    } cases[] = {
        {"individual", [&] { manager.GetStudentIndividual("ナツ", 0); }},
        {"student detail", [&] { manager.GetStudentDetail("ハル"); }},
        {"course", [&] { manager.GetStudentCourse("フユ"); }},
        {"tips", [&] { manager.GetStudentTips("ナツ", 4, false); }},
        {"newcomer detail", [&] { manager.GetNewComerDetail("アキ"); }},
        {"newcomer detail, empty name", [&] { manager.GetNewComerDetail(""); }},
        {"newcomer tips", [&] { manager.GetNewComerTips("アキ", 0); }},
        {"graduate detail", [&] { manager.GetGraduateDetail("アキ"); }},
        {"graduate detail, empty name", [&] { manager.GetGraduateDetail(""); }},
        {"item", [&] { manager.UseConsumeItem("ハル", clsUseConsumeItem{}); }},
    };
    for (const auto& c : cases)
        expectLookupError(c.call, c.what);
}

TEST_F(Views, GrowthDetailsAtTheBoundsOfEachState) {
    const char* texts[] = {"今は伸び悩んでいるようです",
                           "今は低迷しています",
                           "今は低迷しています",
                           "それなりに理解はしているようです",
                           "それなりに理解はしているようです",
                           "今が伸び盛りのようです",
                           "今が伸び盛りのようです",
                           "あらゆることを吸収しています"};
    for (std::int16_t month = 4; month <= 11; ++month)
        EXPECT_EQ(manager.GetGrowthDetails("普通1", 15, month), texts[month - 4])
            << "value " << kGrowthByMonth[month - 4];
    EXPECT_EQ(manager.GetGrowthDetails("普通1", 16, 11), "今は伸び悩んでいるようです");
    EXPECT_EQ(manager.GetGrowthDetails("早熟1", 15, 11), "今は伸び悩んでいるようです");
}

TEST_F(Views, StudentTips) {
    constexpr std::int32_t charisma = trait::bitOf(trait::kCharisma),
                           hardWorker = trait::bitOf(trait::kHardWorker),
                           unnamedTrait = trait::bitOf(trait::kCount);
    const struct {
        bool withYear;
        std::int32_t skills;
        int injury;
        const char* text;
    } cases[] = {
        {false, 0, 0,
         "出身:"
         "農民\r\n特に目立った特長はないようです\r\n成長のピークは平均のようです\r\n今が伸び盛りのようです"},
        {true, 0, 0,
         "2年生\r\n出身:農民\r\n特に目立った特長はないようです\r\n成長のピークは平均のようです\r\n"
         "今が伸び盛りのようです"},
        {false, charisma | hardWorker, 0,
         "出身:農民\r\n以下の特徴を持っているようです\r\nカリスマ,努力家\r\n成長のピークは平均のようです\r\n"
         "今が伸び盛りのようです"},
        {true, hardWorker, 6,
         "2年生\r\n出身:農民\r\n以下の特徴を持っているようです\r\n努力家\r\n6日間の怪我をしています\r\n"
         "成長のピークは平均のようです\r\n今が伸び盛りのようです"},
        {false, unnamedTrait, 0,
         "出身:"
         "農民\r\n特に目立った特長はないようです\r\n成長のピークは平均のようです\r\n今が伸び盛りのようです"},
    };
    for (const auto& c : cases) {
        StudentShape s = named("アキ");
        s.schoolYear = 2;
        s.skills = c.skills;
        s.injury = c.injury;
        loadLists(manager, {studentLine(s)});
        EXPECT_EQ(manager.GetStudentTips("アキ", 9, c.withYear), c.text) << c.skills << "/" << c.injury;
    }
}

TEST_F(Views, AdmissionMovesTheNewcomerIntoTheStudentRows) {
    loadLists(manager, {studentLine(named("アキ"))});
    addNewcomer(named("ナツ"));
    addNewcomer(named("フユ"));
    manager.SetNewStudent("ナツ");

    EXPECT_EQ(rowsOf(manager.GetNewComer()).size(), 1u);
    EXPECT_EQ(manager.GetNewComer().item(1).Data(1), "フユ");
    const auto rows = manager.GetStudentData();
    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.item(2).Data(1), "ナツ");
    EXPECT_TRUE(manager.GetStudentChara().contains("ナツ"));
    EXPECT_FALSE(manager.GetNewStudnetAbility(0).contains("ナツ"));
    EXPECT_EQ(manager.GetMemberNum(), 2);
}

TEST_F(Views, UseConsumeItemReportsAndAppliesTheItem) {
    StudentShape aki = named("アキ");
    aki.physical = 50;
    loadLists(manager, {studentLine(aki), studentLine(named("ハル"))});
    clsUseConsumeItem potion;
    potion.SetConsumeData("回復薬", 2, 1 << 17, 30);
    Reports reports(manager);

    manager.UseConsumeItem("アキ", potion);
    EXPECT_EQ(reports.texts, (std::vector<std::string>{"アキに回復薬を使った", "体力が回復した"}));
    EXPECT_EQ(studentOf(manager, "アキ").Physical(), 80);
    EXPECT_EQ(studentOf(manager, "アキ").MedicTolerance(), 2);
    EXPECT_EQ(studentOf(manager, "ハル").Physical(), 100);
}

TEST_F(Views, UseConsumeItemStopsWhenTheStudentLeavesDuringTheReport) {
    loadLists(manager, {studentLine(named("アキ"))});
    clsUseConsumeItem potion;
    potion.SetConsumeData("回復薬", 2, 1 << 17, 30);
    Reports reports(manager);
    manager.Report.subscribe([this](std::string&) { manager.ClearStudent(); });

    manager.UseConsumeItem("アキ", potion);
    EXPECT_EQ(reports.texts, (std::vector<std::string>{"アキに回復薬を使った"}));
    EXPECT_EQ(manager.GetMemberNum(), 0);
}
