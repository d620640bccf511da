#include "battleview/cls_battle.h"

#include "battle_screen.h"

#include "host/runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using battleview_test::BattleScreen;
using battleview_test::column;
using battleview_test::Combatant;
using combattest::drawFor;
using combattest::kFail;
using combattest::rateOf;
using combattest::SheetValues;
using combattest::SkillRow;
using host::gdi::RGB;

const char* const kEffectRows = "剣,False,False,1,3,saku00\r\n槍,False,False,1,3,swing14";

// A battle screen with pictures for swordsmen and the sword's animation.
class BattleTest : public BattleScreen {
  protected:
    BattleTest() {
        images.addPlain("剣士左", 50, 50, RGB(200, 60, 60));
        images.addPlain("剣士右", 50, 50, RGB(60, 60, 200));
        images.addFrames("剣左", 50, 50, {RGB(250, 10, 10), RGB(250, 20, 20), RGB(250, 30, 30)});
        images.addFrames("剣右", 50, 50, {RGB(10, 10, 250), RGB(20, 20, 250), RGB(30, 30, 250)});
        battle.SetEffectData(kEffectRows);
    }

    bool logged(const std::string& message) const {
        return std::find(messages.begin(), messages.end(), message) != messages.end();
    }
    // Ticks waited so far (each tick waits 20 ms).
    int ticks() const {
        return static_cast<int>(std::count(watched().waits().begin(), watched().waits().end(), 20.0));
    }

    battleview_test::ScopedImages images;
};

std::vector<float> repeated(float value, std::size_t count) {
    return std::vector<float>(count, value);
}

TEST_F(BattleTest, BothGivingUpInOneTickIsADraw) {
    // Both charge 101 and gain 50 energy a tick, reserve "突撃", pay 20 for it
    // and miss; the recoil of the next tick takes the last of both.
    const SkillRow charge{.name = "突撃", .cost = 20, .hit = 90};
    const SheetValues sheet{.physical = 10, .offense = 100, .speed = 1010, .energy = 500};
    SheetValues left = sheet;
    left.name = "東校";
    SheetValues right = sheet;
    right.name = "西校";
    Combatant east(left, {charge}, column(1), unit_control::kComputer);
    Combatant west(right, {charge}, column(1), unit_control::kComputer);
    const std::vector<float> chooseAndMiss = {drawFor(0, 100, 0), drawFor(0, 2, 0), kFail, rateOf(100)};
    const std::vector<float> recoilAndNoThought = {drawFor(10, 20, 10), drawFor(0, 100, 100)};
    std::vector<float> draws;
    for (const auto* part : {&chooseAndMiss, &chooseAndMiss, &recoilAndNoThought, &recoilAndNoThought})
        draws.insert(draws.end(), part->begin(), part->end());
    services->scriptDraws(draws);
    rules.BattleTime(battle_time::kShort);
    battle.StartBattle(east.unit, west.unit);
    EXPECT_EQ(ticks(), 2);
    EXPECT_EQ(battle.GetResultUnit(), "draw");
    EXPECT_EQ(battle.GetResult(), "相打ち");
    EXPECT_EQ(log.Text(), "相打ち");
    EXPECT_EQ(messages.front(), "東校と西校の戦闘");
    EXPECT_TRUE(logged("西校は攻撃をよけた"));
    EXPECT_TRUE(logged("東校は攻撃をよけた"));
    EXPECT_FALSE(picture.Visible());
}

TEST_F(BattleTest, APlayersReservedSkillWinsTheBattle) {
    const struct {
        const char* name;
        std::int32_t battleTime;
        bool timeMoves;
    } cases[] = {
        {.name = "short battle", .battleTime = battle_time::kShort, .timeMoves = true},
        {.name = "endless battle: the time gauge stands",
         .battleTime = battle_time::kEndless,
         .timeMoves = false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        // Charge 30 a tick: the attack comes at tick 4; energy 50 a tick.
        Combatant east(
            {.name = "東", .physical = 100, .offense = 100, .speed = 300, .energy = 500},
            {SkillRow{.name = "斬", .cost = 20, .physical = 2.0f}, SkillRow{.name = "突", .cost = 90}},
            column(2));
        Combatant west({.name = "西", .physical = 100, .speed = 0, .energy = 0}, {}, column(2),
                       unit_control::kComputer);
        services->scriptDraws(repeated(0.0f, 200));
        rules.BattleTime(c.battleTime);
        std::vector<bool> enabledAtTwo;
        bool selectedAfterClick = false;
        int tick = 0;
        services->onWait = [&](double ms) {
            if (ms != 20 || ++tick != 2) return;
            for (auto* button : buttons[0])
                enabledAtTwo.push_back(button->Enable());
            press(0, 0);
            selectedAfterClick = buttons[0][0]->Selected();
        };
        const std::int16_t timeBefore = timeGauge.FirstValue();
        battle.StartBattle(east.unit, west.unit);
        services->onWait = nullptr;
        // Energy 50 at tick 2 pays 斬 (20), not 突 (90); the four blank buttons stay off.
        EXPECT_EQ(enabledAtTwo, (std::vector<bool>{true, false, false, false, false, false}));
        EXPECT_TRUE(selectedAfterClick);
        EXPECT_TRUE(logged("斬を発動"));
        EXPECT_FALSE(buttons[0][0]->Selected());
        EXPECT_EQ(battle.GetResult(), "東の勝ち");
        EXPECT_EQ(battle.GetResultUnit(), "東");
        EXPECT_EQ(tick, 4);
        EXPECT_EQ(buttons[0][1]->Text(), "突");
        EXPECT_EQ(buttons[0][2]->Text(), "");
        EXPECT_EQ(timeGauge.Max(), battle_time::ticksOf(c.battleTime));
        if (c.timeMoves)
            EXPECT_EQ(timeGauge.FirstValue(), 500 - 4);
        else
            EXPECT_EQ(timeGauge.FirstValue(), timeBefore);
    }
}

TEST_F(BattleTest, ATimeOutIsJudgedByPhysicalStrength) {
    const struct {
        const char* name;
        std::int16_t leftPhysical;
        std::int16_t rightPhysical;
        std::string result;
    } cases[] = {
        {.name = "the right is stronger",
         .leftPhysical = 100,
         .rightPhysical = 150,
         .result = "判定で西の勝ち"},
        {.name = "a tie goes to the left",
         .leftPhysical = 120,
         .rightPhysical = 120,
         .result = "判定で東の勝ち"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Combatant east({.name = "東", .physical = c.leftPhysical, .speed = 0, .energy = 0}, {}, column(1));
        Combatant west({.name = "西", .physical = c.rightPhysical, .speed = 0, .energy = 0}, {}, column(1));
        rules.BattleTime(battle_time::kShort);
        battle.HiSpeed(true);
        battle.StartBattle(east.unit, west.unit);
        EXPECT_EQ(battle.GetResult(), c.result);
        EXPECT_EQ(log.Text(), c.result);
        // Fast mode: no pause after messages, only the ticks' waits.
        EXPECT_EQ(static_cast<int>(watched().waits().size()), ticks());
    }
    EXPECT_EQ(ticks(), 1000);
}

TEST_F(BattleTest, AComputerLeftUnderHidingRulesShowsNothingOfItself) {
    rules.BattleTime(battle_time::kShort);
    // The right strikes at tick 3, the left at tick 4 and wins.
    Combatant east({.name = "東", .physical = 500, .offense = 300, .speed = 300, .energy = 300}, {},
                   column(2), unit_control::kComputer);
    Combatant west({.name = "西", .physical = 100, .offense = 100, .speed = 400, .energy = 300}, {},
                   column(2), unit_control::kComputer);
    services->scriptDraws(repeated(0.0f, 200));
    battle.StartBattle(west.unit, east.unit);
    ASSERT_EQ(battle.GetResultUnit(), "東");
    std::vector<std::string> resultsDuringBattle;
    services->onWait = [&](double) { resultsDuringBattle.push_back(battle.GetResultUnit()); };
    services->scriptDraws(repeated(0.0f, 200));
    Combatant east2({.name = "東", .physical = 500, .offense = 300, .speed = 300, .energy = 300}, {},
                    column(2), unit_control::kComputer);
    Combatant west2({.name = "西", .physical = 100, .offense = 100, .speed = 400, .energy = 300}, {},
                    column(2), unit_control::kComputer);
    battle.StartBattle(east2.unit, west2.unit);
    services->onWait = nullptr;
    EXPECT_EQ(battle.GetResult(), "東の勝ち");
    EXPECT_LT(east2.unit.GetPhysical(), 500);
    EXPECT_EQ(std::count(resultsDuringBattle.begin(), resultsDuringBattle.end(), ""),
              static_cast<long>(resultsDuringBattle.size()));
    // Physical full, energy empty, the charge full since its attack.
    EXPECT_EQ(gauges[0][0]->FirstValue(), 500);
    EXPECT_EQ(gauges[0][1]->FirstValue(), 0);
    EXPECT_EQ(gauges[0][2]->FirstValue(), 99);
    // The right's hidden values stay as set up: energy full, physical at its maximum though it fell.
    EXPECT_EQ(gauges[1][1]->FirstValue(), 100);
    EXPECT_EQ(gauges[1][0]->FirstValue(), 100);
    EXPECT_EQ(west2.unit.GetPhysical(), 0);
}

TEST_F(BattleTest, MessagesPauseByTheMessageSpeed) {
    const struct {
        std::int16_t speed;
        double pause;
    } cases[] = {{.speed = 0, .pause = 100}, {.speed = 3, .pause = 190}, {.speed = 2000, .pause = 32767}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed);
        Combatant east({.name = "東", .speed = 0, .energy = 0}, {}, column(1));
        Combatant west({.name = "西", .speed = 0, .energy = 0}, {}, column(1));
        rules.BattleTime(battle_time::kShort);
        battle.MSGSpeed(c.speed);
        const std::size_t before = watched().waits().size();
        battle.StartBattle(east.unit, west.unit);
        // The opening line and the judgement pause; the ticks wait 20 ms.
        std::vector<double> pauses;
        for (std::size_t i = before; i < watched().waits().size(); ++i)
            if (watched().waits()[i] != 20) pauses.push_back(watched().waits()[i]);
        EXPECT_EQ(pauses, std::vector<double>(2, c.pause));
    }
}

} // namespace
