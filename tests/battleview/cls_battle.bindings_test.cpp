#include "battleview/cls_battle.h"

#include "battle_screen.h"

#include "host/runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using battleview_test::BattleScreen;
using battleview_test::column;
using battleview_test::Combatant;
using combattest::SheetValues;
using combattest::SkillRow;
using host::gdi::RGB;

const std::vector<SkillRow> kTwoSkills = {SkillRow{.name = "斬", .cost = 20, .physical = 1.0f},
                                          SkillRow{.name = "突", .cost = 20, .physical = 2.0f}};

// Charge 30 a tick (the computer thinks at tick 2, the attack comes at tick
// 4), energy 50 a tick; every draw is 0.
class BindingsTest : public BattleScreen {
  protected:
    BindingsTest() {
        images.addPlain("剣士左", 50, 50, RGB(200, 60, 60));
        images.addPlain("剣士右", 50, 50, RGB(60, 60, 200));
        images.addFrames("剣左", 50, 50, {RGB(250, 10, 10), RGB(250, 20, 20), RGB(250, 30, 30)});
        images.addFrames("剣右", 50, 50, {RGB(10, 10, 250), RGB(20, 20, 250), RGB(30, 30, 250)});
        battle.SetEffectData("剣,False,False,1,3,saku00\r\n槍,False,False,1,3,swing14");
        services->scriptDraws(std::vector<float>(400, 0.0f));
        rules.BattleTime(battle_time::kShort);
    }

    // Runs the battle with the hook called at the wait of each tick.
    void fight(clsUnit& left, clsUnit& right, const std::function<void(int tick)>& atTick) {
        int tick = 0;
        services->onWait = [&](double ms) {
            if (ms == 20) atTick(++tick);
        };
        battle.StartBattle(left, right);
        services->onWait = nullptr;
    }

    bool logged(const std::string& message) const {
        return std::find(messages.begin(), messages.end(), message) != messages.end();
    }

    battleview_test::ScopedImages images;
};

TEST_F(BindingsTest, PressesReserveMoveOrCancelTheNextAttacksSkill) {
    const struct {
        const char* name;
        std::map<int, int> presses; // tick -> button
        std::string used;
        std::vector<bool> selectedAtThree;
    } cases[] = {
        {.name = "one press reserves", .presses = {{2, 0}}, .used = "斬", .selectedAtThree = {true, false}},
        {.name = "a second skill moves the reservation",
         .presses = {{2, 0}, {3, 1}},
         .used = "突",
         .selectedAtThree = {false, true}},
        {.name = "the same skill again cancels it",
         .presses = {{2, 0}, {3, 0}},
         .used = "",
         .selectedAtThree = {false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        Combatant east({.name = "東", .physical = 100, .offense = 100, .speed = 300, .energy = 500},
                       kTwoSkills, column(2));
        Combatant west({.name = "西", .physical = 100, .speed = 0, .energy = 0}, {}, column(2),
                       unit_control::kComputer);
        std::vector<bool> selected;
        fight(east.unit, west.unit, [&](int tick) {
            if (auto press = c.presses.find(tick); press != c.presses.end()) this->press(0, press->second);
            if (tick == 3) selected = {buttons[0][0]->Selected(), buttons[0][1]->Selected()};
        });
        EXPECT_EQ(selected, c.selectedAtThree);
        EXPECT_EQ(logged("斬を発動"), c.used == "斬");
        EXPECT_EQ(logged("突を発動"), c.used == "突");
        // The attack took the reservation and its button's selection.
        EXPECT_FALSE(buttons[0][0]->Selected());
        EXPECT_FALSE(buttons[0][1]->Selected());
        EXPECT_EQ(battle.GetResult(), "東の勝ち");
    }
}

TEST_F(BindingsTest, TheComputersReservationShowsOnlyWhereItsSkillsAreVisible) {
    const struct {
        const char* name;
        bool visibleSkills;
        std::vector<bool> rightSelected;
        std::vector<bool> rightEnabled;
    } cases[] = {
        {.name = "hidden skills: captions only",
         .visibleSkills = false,
         .rightSelected = {false, false},
         .rightEnabled = {false, false}},
        {.name = "visible skills",
         .visibleSkills = true,
         .rightSelected = {false, true},
         .rightEnabled = {true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rules.VisibleSkills(c.visibleSkills);
        Combatant east({.name = "東", .physical = 100, .offense = 100, .speed = 300, .energy = 500},
                       kTwoSkills, column(2), unit_control::kComputer);
        Combatant west({.name = "西", .physical = 100, .offense = 100, .speed = 300, .energy = 500},
                       kTwoSkills, column(2), unit_control::kComputer);
        std::vector<bool> leftSelected, rightSelected, rightEnabled;
        std::vector<std::string> rightCaptions;
        fight(east.unit, west.unit, [&](int tick) {
            if (tick != 3) return;
            leftSelected = {buttons[0][0]->Selected(), buttons[0][1]->Selected()};
            rightSelected = {buttons[1][0]->Selected(), buttons[1][1]->Selected()};
            rightEnabled = {buttons[1][0]->Enable(), buttons[1][1]->Enable()};
            rightCaptions = {buttons[1][0]->Text(), buttons[1][1]->Text()};
        });
        // Both think at tick 2 and take their strongest affordable skill.
        EXPECT_EQ(leftSelected, (std::vector<bool>{false, true}));
        EXPECT_EQ(rightSelected, c.rightSelected);
        EXPECT_EQ(rightEnabled, c.rightEnabled);
        EXPECT_EQ(rightCaptions, (std::vector<std::string>{"斬", "突"}));
        EXPECT_TRUE(logged("突を発動"));
        EXPECT_EQ(battle.GetResult(), "東の勝ち");
    }
}

TEST_F(BindingsTest, ACombatantWithoutSkillsShowsSixBlankDisabledButtons) {
    Combatant east({.name = "東", .physical = 100, .offense = 100, .speed = 300, .energy = 500}, {},
                   column(2));
    Combatant west({.name = "西", .physical = 100, .speed = 0, .energy = 0}, {}, column(2),
                   unit_control::kComputer);
    std::vector<std::string> captions;
    std::vector<bool> enabled;
    fight(east.unit, west.unit, [&](int tick) {
        if (tick != 2) return;
        for (const auto* button : buttons[0]) {
            captions.push_back(button->Text());
            enabled.push_back(button->Enable());
        }
        press(0, 0);
    });
    EXPECT_EQ(captions, std::vector<std::string>(6, ""));
    EXPECT_EQ(enabled, std::vector<bool>(6, false));
    EXPECT_EQ(battle.GetResult(), "東の勝ち");
    // The basic attack of a 攻撃 formation plays the sword on the right's cells.
    EXPECT_EQ(watched().played(), std::vector<std::string>{"saku00"});
}

TEST_F(BindingsTest, AnErrorInBattleHidesThePictureAndLetsTheCombatantsGo) {
    // A 防御 formation's basic attack plays 槍, whose pictures are missing.
    Combatant east(
        {.name = "東", .type = "防御", .physical = 100, .offense = 100, .speed = 300, .energy = 500}, {},
        column(2));
    Combatant west({.name = "西", .physical = 100, .speed = 0, .energy = 0}, {}, column(2),
                   unit_control::kComputer);
    EXPECT_THROW(fight(east.unit, west.unit, [](int) {}), host::runtime::RuntimeError);
    EXPECT_FALSE(picture.Visible());
    EXPECT_EQ(battle.GetResultUnit(), "");
    const std::size_t logged = messages.size();
    std::string late = "遅い知らせ";
    east.unit.Notification.raise(late);
    EXPECT_EQ(messages.size(), logged);

    // The next battle runs as usual.
    Combatant north({.name = "北", .physical = 100, .offense = 100, .speed = 300, .energy = 500}, {},
                    column(2));
    fight(north.unit, west.unit, [](int) {});
    EXPECT_EQ(battle.GetResult(), "北の勝ち");
    EXPECT_FALSE(picture.Visible());
}

TEST_F(BindingsTest, BindingsTakeOnlyTheirOwnKindOfControl) {
    const struct {
        const char* name;
        std::int32_t type;
        std::int32_t unit;
        std::int16_t index;
        host::runtime::ErrorNumber error;
    } cases[] = {
        {.name = "a button bound as a gauge",
         .type = 1,
         .unit = 2,
         .index = 0,
         .error = host::runtime::ErrorNumber::TypeMismatch},
        {.name = "a seventh button",
         .type = 4,
         .unit = 1,
         .index = 6,
         .error = host::runtime::ErrorNumber::SubscriptOutOfRange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            battle.SetGraphicalLabel(*buttons[0][0], c.type, c.unit, c.index);
            ADD_FAILURE();
        } catch (const host::runtime::RuntimeError& e) {
            EXPECT_EQ(e.number(), c.error);
        }
    }
    // Combinations without a role are ignored.
    EXPECT_NO_THROW(battle.SetGraphicalLabel(*buttons[0][0], 5, 2, 0));
    EXPECT_NO_THROW(battle.SetGraphicalLabel(*buttons[0][0], 9, 3, 0));

    clsBattle unbound;
    Combatant east({.name = "東"}, {}, column(1));
    Combatant west({.name = "西"}, {}, column(1));
    unbound.SetRegulation(rules);
    try {
        unbound.StartBattle(east.unit, west.unit);
        ADD_FAILURE();
    } catch (const host::runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), host::runtime::ErrorNumber::ObjectNotSet);
    }
}

} // namespace
