#include "students/roster/cls_mng_student.h"

#include "platform/sound/sound_names.h"
#include "students/abilities.h"
#include "students/mng_student_support.h"
#include "students/traits.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>

using host::runtime::ErrorNumber;
using studentstest::drawFor;
using studentstest::loadLists;
using studentstest::Reports;
using studentstest::studentLine;
using studentstest::studentOf;
using studentstest::StudentShape;
using testsupport::errorOf;

namespace {

constexpr int kCharisma = trait::bitOf(trait::kCharisma), kFestival = trait::bitOf(trait::kFestive);
constexpr std::int16_t kJune = 6;

StudentShape member(std::string name) {
    StudentShape s;
    s.name = std::move(name);
    return s;
}

clsUnitData team(const std::string& quest, const std::vector<std::string>& names,
                 const std::string& item = "") {
    clsUnitData t;
    t.QuestName(quest);
    t.ItemName(item);
    for (std::size_t i = 0; i < names.size(); ++i)
        t.Lines(static_cast<std::int16_t>(i + 1), names[i]);
    return t;
}

const std::vector<std::string> kFive = {"アキ", "ハル", "ナツ", "フユ", "ユキ"};

class Quests : public ::testing::Test {
  protected:
    Quests() {
        // 普通1 at 15: growth value 10 in every month.
        std::string row = "普通1,15";
        for (int month = 4; month < 16; ++month)
            row += ",10";
        manager.SetGrowth(row);
    }

    void roster(const std::vector<StudentShape>& shapes) {
        std::vector<std::string> lines;
        for (const auto& s : shapes)
            lines.push_back(studentLine(s));
        loadLists(manager, lines);
    }

    // Each draw given as RandomInt's range and the value it should give.
    void script(const std::vector<std::array<int, 3>>& draws) {
        std::vector<float> values;
        for (const auto& [lo, hi, value] : draws)
            values.push_back(drawFor(lo, hi, value));
        silent->scriptDraws(values);
        drawsBefore = silent->drawCount();
    }
    int drawsMade() const { return silent->drawCount() - drawsBefore; }

    clsStudent& student(const std::string& name) { return studentOf(manager, name); }

    ScopedSilentServices silent;
    clsMngStudent manager;
    int drawsBefore = 0;
};

} // namespace

TEST_F(Quests, TheListKeepsTeamsByQuestNameInTheOrderSent) {
    manager.SetQuestClear();
    EXPECT_FALSE(manager.CheckQuest());

    manager.SetQuest(team("薬草採取", {"アキ"}));
    manager.SetQuest(team("盗賊退治", {"ハル"}));
    EXPECT_EQ(errorOf([&] { manager.SetQuest(team("薬草採取", {"ナツ"})); }), ErrorNumber::DuplicateKey);

    EXPECT_TRUE(manager.CheckQuest());
    EXPECT_EQ(manager.GetQuestData().count(), 2);
    EXPECT_EQ(manager.GetQuestData().item("薬草採取").Lines(1), "アキ");
    const auto rows = manager.GetQuest();
    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.item(1).Cols(), 0);
    EXPECT_EQ(rows.item(1).Data(0), "薬草採取");
    EXPECT_EQ(rows.item(2).Data(0), "盗賊退治");
    EXPECT_EQ(rows.keyAt(1), "");

    manager.SetQuestClear();
    EXPECT_FALSE(manager.CheckQuest());
    EXPECT_EQ(manager.GetQuest().count(), 0);
}

TEST_F(Quests, BattleGameDayWhenATeamIsEnteredInTheTournament) {
    struct {
        std::vector<std::string> quests;
        bool want;
    } cases[] = {
        {{}, false},
        {{"薬草採取", "春の王国大会"}, true},
        {{"王国大会"}, true},
        {{"王国大会の警備", "薬草採取"}, false},
    };
    for (const auto& c : cases) {
        manager.SetQuestClear();
        for (const auto& quest : c.quests)
            manager.SetQuest(team(quest, {}));
        EXPECT_EQ(manager.CheckBattleGameDay(), c.want) << c.quests.size();
    }
}

TEST_F(Quests, QuestItemsAreCountedPerItemInOrderOfFirstAppearance) {
    manager.SetQuest(team("一", {}, "回復薬"));
    manager.SetQuest(team("二", {}, ""));
    manager.SetQuest(team("三", {}, "爆弾"));
    manager.SetQuest(team("四", {}, "回復薬"));
    manager.SetQuest(team("五", {}, "回復薬"));

    const auto rows = manager.GetQuestItem();

    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.item("回復薬").Data(0), "回復薬");
    EXPECT_EQ(rows.item("回復薬").Data(1), "3");
    EXPECT_EQ(rows.item(2).Data(0), "爆弾");
    EXPECT_EQ(rows.item(2).Data(1), "1");
    EXPECT_EQ(rows.item(2).Cols(), 1);
}

TEST_F(Quests, TeamConditionAndCriticalBonus) {
    struct Member {
        int condition;
        int skills = 0;
    };
    struct {
        const char* name;
        std::vector<Member> members; // at positions 1..5; condition -1 for one who left
        std::int32_t condition;
        std::int16_t critical;
    } cases[] = {
        {"a charismatic leader at his best", {{0, kCharisma}, {4}, {2}, {1}, {0}}, 5, 0},
        {"the same team without charisma", {{0}, {4}, {2}, {1}, {0}}, 1, 0},
        {"a charismatic leader in a poor state", {{3, kCharisma}, {0}, {0}, {0}, {0}}, 2, 0},
        {"everyone at best", {{0}, {0}, {0}, {0}, {0}}, 5, 0},
        {"the worst left the roster", {{1}, {-1}, {2}, {1}, {0}}, 3, 0},
        {"the charismatic leader left", {{-1, kCharisma}, {1}, {3}, {1}, {0}}, 2, 0},
        {"two festival members still give 12", {{2, kFestival}, {2}, {2, kFestival}, {2}, {2}}, 3, 12},
        {"the only festival member left", {{2}, {2}, {-1, kFestival}, {2}, {2}}, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<StudentShape> shapes;
        for (std::size_t i = 0; i < c.members.size(); ++i) {
            if (c.members[i].condition < 0) continue;
            StudentShape s = member(kFive[i]);
            s.condition = c.members[i].condition;
            s.skills = c.members[i].skills;
            shapes.push_back(s);
        }
        roster(shapes);
        const clsUnitData quest = team("薬草採取", kFive);
        EXPECT_EQ(manager.GetQuestMemberMinCondition(quest), c.condition);
        EXPECT_EQ(manager.GetQuestMemberAddCritical(quest), c.critical);
    }
}

TEST_F(Quests, FailureCostsStrengthAndDissatisfactionAndMayInjure) {
    struct Case {
        std::string name;
        int toughness, draw, injuryBefore, dissatisfaction;
        int injury;
    };
    struct {
        std::int16_t rank;
        int physical;
        std::vector<Case> members;
    } ranks[] = {
        {0,
         90,
         {
             {"アキ", 10, 5, 0, 0, 5},
             {"ハル", 20, 10, 0, 40, 0},
             {"ナツ", 18, 9, 7, 98, 1}, // an injury of 7 days becomes 1
             {"フユ", 40, 20, 3, 0, 3}, // no new injury: the old one stays
             {"ユキ", 24, 12, 0, 0, 0},
         }},
        {7,
         0,
         {
             {"アキ", 100, 79, 0, 0, 1},
             {"ハル", 160, 80, 0, 0, 0},
             {"ナツ", 10, 5, 0, 0, 75},
             {"フユ", 120, 70, 0, 0, 10},
             {"ユキ", 200, 100, 0, 0, 0},
         }},
    };
    Reports reports(manager);
    for (const auto& r : ranks) {
        SCOPED_TRACE(r.rank);
        std::vector<StudentShape> shapes;
        std::vector<std::array<int, 3>> draws;
        std::vector<std::string> wantReports;
        for (const auto& m : r.members) {
            StudentShape s = member(m.name);
            s.abilities.push_back(
                {clsStudentData::LevelBlock, ability::kToughness, static_cast<std::int16_t>(m.toughness)});
            s.injury = m.injuryBefore;
            s.dissatisfaction = m.dissatisfaction;
            shapes.push_back(s);
            draws.push_back({m.toughness / 2, m.toughness, m.draw});
            if (m.injury != m.injuryBefore)
                wantReports.push_back(m.name + "が" + std::to_string(m.injury) + "日間の怪我をしました");
        }
        roster(shapes);
        script(draws);
        reports.texts.clear();
        const auto soundsBefore = silent->played().size();

        manager.SetQuestFailed(team("盗賊退治", kFive), r.rank);

        EXPECT_EQ(drawsMade(), 5);
        for (const auto& m : r.members) {
            SCOPED_TRACE(m.name);
            EXPECT_EQ(student(m.name).Physical(), r.physical);
            EXPECT_EQ(student(m.name).Dissatisfaction(), std::min(m.dissatisfaction + 5, 100));
            EXPECT_EQ(student(m.name).Injury(), m.injury);
        }
        EXPECT_EQ(reports.texts, wantReports);
        EXPECT_EQ(silent->played().size() - soundsBefore, wantReports.size());
        for (auto i = soundsBefore; i < silent->played().size(); ++i)
            EXPECT_EQ(silent->played()[i], sound_name::kBoo);
    }
}

TEST_F(Quests, SuccessTrainsTheUnitTypeAndTheFormationType) {
    std::vector<StudentShape> shapes;
    for (const auto& name : kFive) {
        StudentShape s = member(name);
        s.dissatisfaction = name == "ユキ" ? 10 : 50;
        shapes.push_back(s);
    }
    roster(shapes);
    clsGetGridData formation;
    formation.SetCols(5);
    const char* cells[] = {"防御", "剣士", "剣士", "弓兵", "騎兵", "槍兵"};
    for (std::int16_t i = 0; i <= 5; ++i)
        formation.Data(i, cells[i]);
    // Condition 2: each trained ability draws 0..10; 0 adds nothing.
    script(std::vector<std::array<int, 3>>(10, {0, 10, 0}));

    manager.SetQuestSuccess(team("盗賊退治", kFive), formation, kJune, 2);

    EXPECT_EQ(drawsMade(), 10);
    const int trained[] = {11, 11, 13, 14, 12};
    for (std::size_t i = 0; i < kFive.size(); ++i) {
        SCOPED_TRACE(kFive[i]);
        const clsStudent& s = student(kFive[i]);
        EXPECT_EQ(s.Physical(), 62);
        EXPECT_EQ(s.Dissatisfaction(), kFive[i] == "ユキ" ? 0 : 30);
        // A lone copy given 36 points in the unit type and Protect only.
        clsStudent twin;
        twin.SetSaveData(studentLine(shapes[i]));
        script(std::vector<std::array<int, 3>>(2, {0, 10, 0}));
        twin.ClassEffect((1 << (trained[i] - 1)) | (1 << 15), 36, 10);
        for (int n = 1; n <= ability::kCount; ++n)
            for (int block = 1; block <= 4; ++block)
                EXPECT_EQ(s.GetStudentData(block, n), twin.GetStudentData(block, n))
                    << "block " << block << " ability " << n;
        EXPECT_NE(s.GetStudentData(2, trained[i]) + s.GetStudentData(1, trained[i]), 0);
        EXPECT_NE(s.GetStudentData(4, 16) + s.GetStudentData(3, 16), 0);
    }
}

TEST_F(Quests, UnknownTypesTrainNothing) {
    roster({member("アキ")});
    clsGetGridData formation;
    formation.SetCols(5);
    formation.Data(0, "突撃");
    formation.Data(1, "魔導士");
    script({});

    manager.SetQuestSuccess(team("盗賊退治", {"アキ"}), formation, kJune, 0);

    EXPECT_EQ(drawsMade(), 0);
    for (int n = 1; n <= ability::kCount; ++n)
        EXPECT_EQ(student("アキ").GetStudentData(2, n), 0) << n;
    EXPECT_EQ(student("アキ").Physical(), 90);
}

TEST_F(Quests, MembersWhoLeftTheRosterAreSkipped) {
    std::vector<StudentShape> shapes;
    for (const char* name : {"ハル", "フユ"}) {
        StudentShape s = member(name);
        s.abilities.push_back({clsStudentData::LevelBlock, ability::kToughness, 20});
        shapes.push_back(s);
    }
    roster(shapes);
    const clsUnitData quest = team("盗賊退治", {"アキ", "ハル", "", "フユ", "ミナ"});

    script({{10, 20, 10}, {10, 20, 10}});
    EXPECT_EQ(errorOf([&] { manager.SetQuestFailed(quest, 0); }), std::nullopt);
    EXPECT_EQ(drawsMade(), 2);

    clsGetGridData formation;
    formation.SetCols(5);
    for (std::int16_t i = 1; i <= 5; ++i)
        formation.Data(i, "剣士");
    script({{0, 10, 0}, {0, 10, 0}});
    EXPECT_EQ(errorOf([&] { manager.SetQuestSuccess(quest, formation, kJune, 0); }), std::nullopt);
    EXPECT_EQ(drawsMade(), 2);

    for (const char* name : {"ハル", "フユ"}) {
        EXPECT_EQ(student(name).Physical(), 80) << name;
        EXPECT_NE(student(name).GetStudentData(2, 11), 0) << name;
    }
}

TEST_F(Quests, AScreenThatClearsTheListDuringAReportDoesNotUpsetTheFailure) {
    StudentShape frail = member("アキ");
    frail.abilities.push_back({clsStudentData::LevelBlock, ability::kToughness, 2});
    StudentShape frailToo = frail;
    frailToo.name = "ハル";
    roster({frail, frailToo});
    manager.SetQuest(team("盗賊退治", {"アキ", "ハル"}));
    manager.Report.subscribe([&](std::string&) { manager.SetQuestClear(); });
    script({{1, 2, 1}, {1, 2, 1}});

    manager.SetQuestFailed(manager.GetQuestData().item(1), 0);

    EXPECT_EQ(student("アキ").Injury(), 9);
    EXPECT_EQ(student("ハル").Injury(), 9);
    EXPECT_FALSE(manager.CheckQuest());
}
