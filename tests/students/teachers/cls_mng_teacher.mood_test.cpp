#include "students/teachers/cls_mng_teacher.h"

#include "students/mng_teacher_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using studentstest::drawFor;
using studentstest::Reports;
using testsupport::errorOf;

namespace {

using Names = std::vector<std::string>;

class TeacherMood : public ::testing::Test {
  protected:
    void SetUp() override { roster.SetTeacherData(teachertest::catalogue()); }

    // Contracts one teacher, シオドア, at that dissatisfaction.
    void contractAt(int dissatisfaction) {
        roster.SetSaveData("/シオドア:32:3:" + std::to_string(dissatisfaction));
    }

    int dissatisfaction(const std::string& name = "シオドア") const {
        return roster.GetContractTeacherName().item(name).Dissatisfaction();
    }

    std::string stage() const { return roster.GetContractTeacher().item(1).Data(7); }

    // The load template with these periods given by シオドア.
    host::runtime::Collection<clsGetGridData> periods(const std::string& given) const {
        auto rows = roster.GetTeacherDissatisfaction();
        rows.item("シオドア").Data(1, given);
        return rows;
    }

    ScopedSilentServices services;
    clsMngTeacher roster;
};

TEST_F(TeacherMood, LessonDayLoadFollowsThePeriodsGiven) {
    struct {
        const char* periods;
        int before;
        std::vector<float> draws;
        int after;
    } cases[] = {
        {"0", 10, {}, 10},
        {"4", 10, {}, 10},
        {"5", 10, {drawFor(3, 5, 3)}, 13},
        {"5", 10, {drawFor(3, 5, 5)}, 15},
        {"6", 10, {drawFor(5, 7, 7)}, 17},
        {"7", 10, {drawFor(7, 11, 7)}, 17},
        {"7", 10, {drawFor(7, 11, 11)}, 21},
        {"8", 10, {drawFor(10, 14, 10)}, 20},
        {"8", 99, {drawFor(10, 14, 14)}, 100},
        {"9", 10, {}, 10},
    };
    for (const auto& c : cases) {
        contractAt(c.before);
        services->scriptDraws(c.draws);
        const int drawsBefore = services->drawCount();
        roster.SetTeacherDissatisfaction(periods(c.periods));
        EXPECT_EQ(dissatisfaction(), c.after) << c.periods << " periods from " << c.before;
        EXPECT_EQ(services->drawCount() - drawsBefore, static_cast<int>(c.draws.size())) << c.periods;
    }
}

TEST_F(TeacherMood, LoadOfEachTeacherAndOnlyOfContractedOnes) {
    roster.SetSaveData("/シオドア:32:3:0\r\nマリオン:54:4:50\r\nロスコウ:57:2:7");
    auto rows = roster.GetTeacherDissatisfaction();
    rows.item("シオドア").Data(1, "8");
    rows.item("ロスコウ").Data(1, "5");
    services->scriptDraws({drawFor(10, 14, 12), drawFor(3, 5, 4)});
    roster.SetTeacherDissatisfaction(rows);
    EXPECT_EQ(dissatisfaction("シオドア"), 12);
    EXPECT_EQ(dissatisfaction("マリオン"), 50);
    EXPECT_EQ(dissatisfaction("ロスコウ"), 11);

    clsGetGridData stranger;
    stranger.SetCols(1);
    stranger.Data(0, "アデル");
    stranger.Data(1, "5");
    host::runtime::Collection<clsGetGridData> bad;
    bad.add(stranger);
    EXPECT_EQ(errorOf([&] { roster.SetTeacherDissatisfaction(bad); }), ErrorNumber::InvalidCall);
}

TEST_F(TeacherMood, RestLowersEveryTeacherAndStopsAtZero) {
    struct {
        bool facultyOffice;
        int before;
        int after;
    } cases[] = {
        {false, 1, 0}, {false, 2, 0}, {false, 20, 18}, {true, 20, 12}, {true, 7, 0}, {true, 100, 92},
    };
    for (const auto& c : cases) {
        roster.SetSaveData("/シオドア:32:3:" + std::to_string(c.before) +
                           "\r\nマリオン:54:4:" + std::to_string(c.before));
        roster.TeacherHealing(c.facultyOffice);
        EXPECT_EQ(dissatisfaction("シオドア"), c.after) << c.facultyOffice << " " << c.before;
        EXPECT_EQ(dissatisfaction("マリオン"), c.after) << c.facultyOffice << " " << c.before;
    }
}

TEST_F(TeacherMood, BonusTableAndBonusesLowerDissatisfaction) {
    const Names table[] = {{"0", "1000", "極小"},
                           {"0", "2000", "小"},
                           {"0", "4000", "普通"},
                           {"0", "8000", "大"},
                           {"0", "15000", "極大"}};
    const auto& rows = roster.GetBonusData();
    ASSERT_EQ(rows.count(), 5);
    for (long i = 1; i <= 5; ++i)
        EXPECT_EQ(teachertest::cells(rows.item(i)), table[i - 1]) << i;

    struct {
        int before;
        const char* word;
        int after;
        std::int16_t stage;
    } cases[] = {
        {60, "極大", 0, 0},  {40, "普通", 20, 1}, {100, "大", 50, 2},  {80, "小", 70, 3},
        {19, "極小", 14, 0}, {3, "極小", 0, 0},   {80, "特大", 80, 4}, {80, "", 80, 4},
    };
    for (const auto& c : cases) {
        contractAt(c.before);
        EXPECT_EQ(roster.SetTeacherBonus("シオドア", c.word), c.stage) << c.before << " " << c.word;
        EXPECT_EQ(dissatisfaction(), c.after) << c.before << " " << c.word;
    }
    EXPECT_EQ(errorOf([&] { roster.SetTeacherBonus("アデル", "極大"); }), ErrorNumber::InvalidCall);
}

TEST_F(TeacherMood, StagesOfDissatisfaction) {
    const std::pair<int, const char*> cases[] = {{0, "0"},  {14, "0"}, {15, "1"}, {34, "1"}, {35, "2"},
                                                 {54, "2"}, {55, "3"}, {74, "3"}, {75, "4"}, {100, "4"}};
    for (const auto& [value, expected] : cases) {
        contractAt(value);
        EXPECT_EQ(stage(), expected) << value;
    }
}

TEST_F(TeacherMood, MonthlyCheckWarnsOrLetsTeachersResign) {
    struct {
        int d;
        std::vector<float> draws;
        Names reports;
        bool stays;
    } cases[] = {
        {50, {}, {}, true},
        {51, {}, {"シオドアの不満が高まっています"}, true},
        {74, {}, {"シオドアの不満が高まっています"}, true},
        {75, {drawFor(0, 100, 90)}, {"シオドアの不満が高まっています"}, true},
        {75, {drawFor(0, 100, 91)}, {"シオドアが退職しました"}, false},
        {89, {drawFor(0, 100, 99)}, {"シオドアが退職しました"}, false},
        {90, {drawFor(0, 100, 75)}, {"シオドアの不満が高まっています"}, true},
        {90, {drawFor(0, 100, 76)}, {"シオドアが退職しました"}, false},
        {100, {drawFor(0, 100, 0)}, {"シオドアの不満が高まっています"}, true},
    };
    Reports reports(roster);
    for (const auto& c : cases) {
        contractAt(c.d);
        reports.texts.clear();
        services->scriptDraws(c.draws);
        const int drawsBefore = services->drawCount();
        roster.Retirement();
        EXPECT_EQ(reports.texts, c.reports) << c.d;
        EXPECT_EQ(roster.CheckContractTeacher("シオドア"), c.stays) << c.d;
        EXPECT_EQ(services->drawCount() - drawsBefore, static_cast<int>(c.draws.size())) << c.d;
    }
}

TEST_F(TeacherMood, ResignationOddsOverEvenlySpreadDraws) {
    // 1000 draws spread evenly over [0, 1): the ends of RandomInt(0, 100)
    // carry half weight, so 9.5 % resign at 75..89 and 24.5 % from 90.
    struct {
        int d;
        int resigned;
    } cases[] = {{75, 95}, {89, 95}, {90, 245}, {100, 245}};
    for (const auto& c : cases) {
        int resigned = 0;
        for (int k = 0; k < 1000; ++k) {
            contractAt(c.d);
            services->scriptDraws({(static_cast<float>(k) + 0.5f) / 1000.0f});
            roster.Retirement();
            if (!roster.CheckContractTeacher("シオドア")) ++resigned;
        }
        EXPECT_EQ(resigned, c.resigned) << c.d;
    }
}

TEST_F(TeacherMood, MonthlyCheckVisitsEveryTeacherAsOthersLeave) {
    roster.SetSaveData("/シオドア:32:3:95\r\nマリオン:54:4:80\r\nロスコウ:57:2:60\r\nアデル:40:2:10");
    Reports reports(roster);
    // A report handler that pumps may look at the roster; it sees each change made.
    std::vector<long> counts;
    roster.Report.subscribe([&](std::string&) { counts.push_back(roster.GetContractTeacherCount()); });
    services->scriptDraws({drawFor(0, 100, 80), drawFor(0, 100, 95)});
    roster.Retirement();
    EXPECT_EQ(reports.texts,
              (Names{"シオドアが退職しました", "マリオンが退職しました", "ロスコウの不満が高まっています"}));
    EXPECT_EQ(counts, (std::vector<long>{3, 2, 2}));
    EXPECT_EQ(teachertest::names(roster.GetContractTeacher()), (Names{"ロスコウ", "アデル"}));

    // A teacher who resigned can be offered again.
    services->scriptDraws(teachertest::picks({1, 3, 2, 4}));
    roster.SetNewComer(false);
    EXPECT_EQ(teachertest::names(roster.GetNewComer()),
              (Names{"シオドア", "マリオン", "ブルーノ", "セシル"}));
}

} // namespace
