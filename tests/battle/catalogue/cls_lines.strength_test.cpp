#include "battle/catalogue/cls_lines.h"
#include "battle/catalogue/team_fixture.h"
#include "economy/battle_item_bits.h"
#include "platform/rules/cls_method.h"
#include "platform/services/silent_services.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using battletest::Member;
using battletest::Team;
namespace bits = battle_item_bits;

struct StrengthTest : ::testing::Test {
    ScopedSilentServices services;
    clsLines lines;
    const clsBattleItem noItem;
    StrengthTest() { battletest::loadTeamFixture(lines); }
};

// Understanding u of "攻撃" formations of swordsmen.
Member understanding(std::string name, std::int16_t u, std::vector<std::int32_t> traits = {}) {
    return {
        .name = std::move(name), .aggressive = static_cast<std::int16_t>(2 * u), .traits = std::move(traits)};
}

TEST_F(StrengthTest, TheTeamsUnderstandingComesFromTheLeaderAndTheOthersAverage) {
    const struct {
        const char* name;
        std::vector<Member> team = {};
        std::int16_t expected = 0;
    } cases[] = {
        {.name = "the leader alone", .team = {understanding("甲", 6)}, .expected = 6},
        {.name = "a charismatic leader decides alone",
         .team = {understanding("甲", 4, {trait::kCharisma}), understanding("乙", 10),
                  understanding("丙", 10)},
         .expected = 4},
        {.name = "the mean of the leader and the others' average",
         .team = {understanding("甲", 1), understanding("乙", 9), understanding("丙", 11)},
         .expected = 5},
        {.name = "no leader: the others' average",
         .team = {{}, understanding("乙", 6), understanding("丙", 8)},
         .expected = 7},
        {.name = "a leader without understanding leaves the average alone",
         .team = {understanding("甲", 0), understanding("乙", 9)},
         .expected = 9},
        {.name = "averages truncate",
         .team = {understanding("甲", 10), understanding("乙", 10), understanding("丙", 11)},
         .expected = 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Team team("平陣", c.team);
        EXPECT_EQ(lines.GetUnitLineCalc(team.unit, team.members, noItem)->Understanding(), c.expected);
    }
}

TEST_F(StrengthTest, AFullTeamsSheet) {
    const Member member{.physical = 20,
                        .muscle = 30,
                        .quickness = 30,
                        .technique = 20,
                        .intention = 20,
                        .toughness = 20,
                        .fencing = 30,
                        .aggressive = 20};
    std::vector<Member> five(5, member);
    for (int i = 0; i < 5; ++i)
        five[i].name = "生徒" + std::to_string(i);
    Team team("平陣", five);
    auto sheet = lines.GetUnitLineCalc(team.unit, team.members, noItem);
    // Understanding 10; four swordsmen give 50, 15, 10 each, the archer at
    // half share 25, 4 and 5.5; then the formation bonus 0.16 x (40, 20, 10).
    EXPECT_EQ(sheet->Understanding(), 10);
    EXPECT_EQ(sheet->Physical(), 231);
    EXPECT_EQ(sheet->Offensive(), 67);
    EXPECT_EQ(sheet->Defense(), 48);
    EXPECT_DOUBLE_EQ(sheet->Speed(), 43.47);
    EXPECT_DOUBLE_EQ(sheet->Energy(), 21.74);
    EXPECT_EQ(sheet->Condition(), 0);
    EXPECT_EQ(sheet->Critical(), 0);
    EXPECT_EQ(sheet->UnitName(), "");
    EXPECT_EQ(sheet->GetSaveData(),
              "231/67/48/43.4712208090761/21.7356104045381/10/0/0/False/False/False/False/False");
}

TEST_F(StrengthTest, AnEmptyFormationOrNoMembersGiveAnEmptySheet) {
    Team unnamed("", {understanding("甲", 6)});
    EXPECT_EQ(lines.GetUnitLineCalc(unnamed.unit, unnamed.members, noItem)->GetSaveData(),
              "0/0/0/0/0/0/0/0/False/False/False/False/False");
    Team nobody("平陣", {});
    EXPECT_DOUBLE_EQ(lines.GetUnitLineCalc(nobody.unit, nobody.members, noItem)->Speed(), 0);
}

TEST_F(StrengthTest, ConditionAndCriticalFromTheMembersTraits) {
    const struct {
        const char* name;
        std::vector<Member> team = {};
        std::int32_t condition = 0;
        std::int16_t critical = 0;
    } cases[] = {
        {.name = "three bold hearts",
         .team = {{.name = "甲", .traits = {trait::kBoldHeart}},
                  {.name = "乙", .traits = {trait::kBoldHeart}},
                  {.name = "丙", .traits = {trait::kBoldHeart}}},
         .critical = 20},
        {.name = "a faint heart cancels a bold one",
         .team = {{.name = "甲", .traits = {trait::kFaintHeart}},
                  {.name = "乙", .traits = {trait::kBoldHeart}}}},
        {.name = "both in one member count as faint",
         .team = {{.name = "甲", .traits = {trait::kFaintHeart, trait::kBoldHeart}}},
         .critical = -10},
        {.name = "no festive member leaves the condition",
         .team = {{.name = "甲", .condition = 3}, {.name = "乙", .condition = 1}}},
        {.name = "a festive member: the best condition number plus one",
         .team = {{.name = "甲", .condition = 3},
                  {.name = "乙", .condition = 1, .traits = {trait::kFestive}},
                  {.name = "丙", .condition = 2}},
         .condition = 2},
        {.name = "a charismatic leader keeps the condition at 0",
         .team = {{.name = "甲", .condition = 3, .traits = {trait::kCharisma}},
                  {.name = "乙", .condition = 1, .traits = {trait::kFestive}}}},
        {.name = "the condition stops at 5",
         .team = {{.name = "甲", .condition = 5, .traits = {trait::kFestive}}},
         .condition = 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Team team("平陣", c.team);
        auto sheet = lines.GetUnitLineCalc(team.unit, team.members, noItem);
        EXPECT_EQ(sheet->Condition(), c.condition);
        EXPECT_EQ(sheet->Critical(), c.critical);
    }
}

clsBattleItem itemFor(std::vector<std::int16_t> targets, std::int32_t effect1 = 0) {
    std::int32_t category = 0;
    for (std::int16_t t : targets)
        category = Method().BitOn(category, t);
    std::int32_t effect2 = Method().SetRangeBITWORD(0, bits::kPhysicalMethod.low, bits::kPhysicalMethod.high,
                                                    battle_method::kAdd);
    effect2 = Method().SetRangeBITWORD(effect2, bits::kPhysical.low, bits::kPhysical.high, 10);
    effect2 = Method().SetRangeBITWORD(effect2, bits::kSpeedMethod.low, bits::kSpeedMethod.high,
                                       battle_method::kAdd);
    effect2 = Method().SetRangeBITWORD(effect2, bits::kSpeed.low, bits::kSpeed.high, 2);
    clsBattleItem item;
    item.SetData("護符", category, effect1, effect2);
    return item;
}

TEST_F(StrengthTest, ABattleItemActsPerPositionOrOnceForTheFormationType) {
    // "弓陣": two archers and three swordsmen of 50 physical each; +10 physical, +2 speed.
    constexpr std::int16_t kSurprise = 3, kSwordsman = 4, kSpearman = 5, kArcher = 6;
    const struct {
        const char* name;
        std::vector<std::int16_t> targets = {};
        std::int16_t physical = 0;
        double speed = 0;
    } cases[] = {
        {.name = "each archer's share, speed twice", .targets = {kArcher}, .physical = 270, .speed = 34},
        {.name = "each swordsman's share, speed three times",
         .targets = {kSwordsman},
         .physical = 280,
         .speed = 36},
        {.name = "the formation type: once on the totals",
         .targets = {kSurprise, kArcher},
         .physical = 260,
         .speed = 32},
        {.name = "a unit type the formation lacks", .targets = {kSpearman}, .physical = 250, .speed = 30},
    };
    std::vector<Member> five;
    for (int i = 0; i < 5; ++i)
        five.push_back({.name = "生徒" + std::to_string(i)});
    Team team("弓陣", five);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto sheet = lines.GetUnitLineCalc(team.unit, team.members, itemFor(c.targets));
        EXPECT_EQ(sheet->Physical(), c.physical);
        EXPECT_DOUBLE_EQ(sheet->Speed(), c.speed);
    }

    const std::int32_t protections =
        Method().BitOn(Method().BitOn(0, bits::kAngerPrevent), bits::kNotUseSkillPrevent);
    clsBattleItem guard = itemFor({kSpearman, bits::kVisibleParam}, protections);
    auto sheet = lines.GetUnitLineCalc(team.unit, team.members, guard);
    EXPECT_TRUE(sheet->GetPreventAnger());
    EXPECT_TRUE(sheet->GetPreventNotUseSkill());
    EXPECT_FALSE(sheet->GetPreventConfuse());
    EXPECT_TRUE(sheet->GetVisibleParam());
    EXPECT_FALSE(sheet->GetVisibleAll());
}

TEST_F(StrengthTest, TheFormationBonusIsFullAtUnderstanding25AndTheClampsHold) {
    const struct {
        std::int16_t understanding;
        std::int16_t physical;
    } cases[] = {{.understanding = 0, .physical = 0},
                 {.understanding = 24, .physical = 88},
                 {.understanding = 25, .physical = 100},
                 {.understanding = 26, .physical = 112}};
    for (const auto& c : cases) {
        auto sheet = lines.SchoolUnitCalc("平陣", c.understanding, 0, noItem, 7);
        EXPECT_EQ(sheet->Physical(), c.physical) << c.understanding;
    }

    auto still = lines.SchoolUnitCalc("零陣", 10, 0, noItem, 7);
    EXPECT_EQ(still->Defense(), 0);
    EXPECT_DOUBLE_EQ(still->Speed(), 1);
}

TEST_F(StrengthTest, RivalSchoolsAreHalvedAndDrawnStrongerBySeason) {
    // Base 10 on "平陣": 225, 45 and 45 before halving.
    const struct {
        std::int16_t timeCount;
        std::vector<float> draws = {};
        std::int16_t physical = 0;
        std::int16_t offense = 0;
    } cases[] = {
        {.timeCount = 7, .physical = 112, .offense = 22},
        {.timeCount = 0, .draws = {studentstest::drawFor(100, 110, 110)}, .physical = 123, .offense = 24},
        {.timeCount = 1, .draws = {studentstest::drawFor(105, 120, 120)}, .physical = 134, .offense = 26},
        {.timeCount = 2, .draws = {studentstest::drawFor(110, 130, 130)}, .physical = 145, .offense = 28},
    };
    for (const auto& c : cases) {
        services->scriptDraws(c.draws);
        const int before = services->drawCount();
        auto sheet = lines.SchoolUnitCalc("平陣", 0, 10, noItem, c.timeCount);
        EXPECT_EQ(sheet->Physical(), c.physical) << c.timeCount;
        EXPECT_EQ(sheet->Offensive(), c.offense) << c.timeCount;
        EXPECT_EQ(sheet->Defense(), c.offense) << c.timeCount;
        EXPECT_EQ(sheet->Condition(), 0);
        EXPECT_EQ(services->drawCount() - before, static_cast<int>(c.draws.size()));
    }
}

TEST_F(StrengthTest, AMonstersSheetAndCoresAreEquippedFromTheCatalogue) {
    auto sheet = lines.GetMonsterFixUnitData("スライム");
    EXPECT_EQ(sheet->UnitName(), "スライム");
    EXPECT_EQ(sheet->UnitType(), "防御");
    EXPECT_EQ(sheet->GetSaveData(), "234/42/38/32/14/2/3/0/False/False/False/False/False");
    EXPECT_EQ(sheet->ImageSize(), 28);

    clsBaseUnit monster;
    monster.SetFixUnitData(sheet);
    lines.GetMonsterUnitData("スライム", monster);
    EXPECT_EQ(monster.GetSkillsName(), (std::vector<std::string>{"かみつき", "粘液"}));

    clsBaseUnit team;
    team.SetFixUnitData(std::make_shared<clsFixUnitData>());
    lines.GetHumanUnitData("平陣", team);
    EXPECT_EQ(team.GetSkillsName(), (std::vector<std::string>{"連撃", "ツバメ返し"}));
    EXPECT_EQ(team.GetLineType(), "攻撃");
    EXPECT_EQ(team.GetLineDatas().count(), 5);

    EXPECT_EQ(testsupport::errorOf([&] { lines.GetHumanUnitData("無い陣", team); }),
              host::runtime::ErrorNumber::InvalidCall);
}

TEST_F(StrengthTest, FormationNamesByType) {
    auto names = [&](const std::string& type) {
        std::vector<std::string> out;
        for (const auto& name : lines.GetLineName(type))
            out.push_back(name);
        return out;
    };
    EXPECT_EQ(names(""), (std::vector<std::string>{"平陣", "弓陣", "零陣"}));
    EXPECT_EQ(names("防御"), std::vector<std::string>{"零陣"});
    EXPECT_TRUE(names("突撃").empty());
}

} // namespace
