// Battles in progress drawn with the game's own pictures, written under
// looks/ for a person to look at.
#include "battleview/cls_battle.h"

#include "battle_screen.h"
#include "game_pictures.h"
#include "toolkit/toolkit_fixture.h"

#include "host/ui/compose.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using battleview_test::BattleScreen;
using battleview_test::Cell;
using battleview_test::Combatant;
using combattest::SheetValues;
using combattest::SkillRow;

// The effect table as authored.
std::string effectTable() {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/content/master/31-battle-effects.txt");
    std::string table, line;
    while (std::getline(in, line))
        table += (table.empty() ? "" : "\r\n") + line;
    return table;
}

const std::vector<Cell> kWedge = {
    {5, 3, "騎兵"}, {4, 2, "剣士"}, {4, 4, "剣士"}, {2, 1, "弓兵"}, {2, 5, "槍兵"}};

class BattleLook : public BattleScreen {
  protected:
    battleview_test::ScopedImages images;

    BattleLook() {
        battleview_test::loadPictures({"剣士左", "剣士右", "槍兵左", "槍兵右", "弓兵左", "弓兵右", "騎兵左",
                                       "騎兵右", "オーガ", "大会高", "烈風剣左", "烈風剣右", "剣左", "剣右",
                                       "モンスター基本攻撃"},
                                      picture.hDC());
        battle.SetEffectData(effectTable());
        Images().SetImage(picture, "大会高");
        copyBackground();
        rules.BattleTime(battle_time::kNormal);
        rules.VisiblePhysical(true);
        rules.VisibleSkills(true);
    }

    // The whole form as the window would show it.
    host::gdi::Bitmap screenshot() {
        host::gdi::DeviceContext frame(800, 600);
        host::ui::Compose(form, frame);
        return frame.bitmap();
    }

    // Runs the battle and takes the screen at the frame-th wait of the
    // animation whose sound is heard.
    host::gdi::Bitmap fightUntilFrame(clsUnit& left, clsUnit& right, const std::string& sound, int frame,
                                      const std::function<void(int)>& atTick = {}) {
        host::gdi::Bitmap shot(1, 1);
        int tick = 0;
        int frames = -1;
        services->onWait = [&](double ms) {
            if (ms == 20 && atTick) atTick(++tick);
            const auto& played = watched().played();
            if (frames < 0 && !played.empty() && played.back() == sound) frames = 0;
            if (frames >= 0 && ms == 150 && ++frames == frame) shot = screenshot();
        };
        battle.StartBattle(left, right);
        services->onWait = nullptr;
        return shot;
    }
};

TEST_F(BattleLook, AFormationAgainstAMonsterMidAnimation) {
    const std::vector<SkillRow> skills = {
        {.name = "烈風剣", .cost = 30, .physical = 1.5f, .image = true, .imageName = "烈風剣"},
        {.name = "突撃", .cost = 40, .physical = 2.4f},
        {.name = "鉄壁", .cost = 20, .target = skill_kind::kGuardStance}};
    Combatant academy({.name = "ミルトナ騎士団",
                       .physical = 620,
                       .offense = 80,
                       .defense = 30,
                       .speed = 300,
                       .energy = 300},
                      skills, kWedge);
    auto ogre =
        Combatant::monster({.name = "オーガ", .physical = 900, .offense = 40, .defense = 10, .speed = 0}, 25);
    services->scriptDraws(std::vector<float>(400, 0.3f));
    const host::gdi::Bitmap shot = fightUntilFrame(academy.unit, ogre->unit, "freeze04", 4, [&](int tick) {
        if (tick == 2) press(0, 0);
    });
    ASSERT_EQ(shot.width(), 800);
    toolkit_test::writeLook(shot, "battleview_battle_monster.png");
    EXPECT_EQ(messages.front(), "ミルトナ騎士団とオーガの戦闘");
    // The animation's frame stands over the right half (x 500..700, y 350..450) on the shot only.
    int changed = 0;
    for (int y = 350; y < 450; ++y)
        for (int x = 500; x < 700; ++x)
            changed += shot.pixel(x, y) != picture.hDC().bitmap().pixel(x, y);
    EXPECT_GT(changed, 500);
}

TEST_F(BattleLook, TwoFormationsWithASpotEffect) {
    Combatant academy(
        {.name = "ミルトナ騎士団", .physical = 620, .offense = 60, .defense = 30, .speed = 0, .energy = 300},
        {{.name = "鉄壁", .cost = 20, .target = skill_kind::kGuardStance}}, kWedge);
    Combatant rival(
        {.name = "北辰学院", .physical = 580, .offense = 400, .defense = 25, .speed = 300, .energy = 200}, {},
        {{5, 1, "剣士"}, {5, 2, "剣士"}, {5, 3, "剣士"}, {4, 4, "槍兵"}, {3, 5, "弓兵"}},
        unit_control::kComputer);
    rules.VisibleEnergy(true);
    services->scriptDraws(std::vector<float>(5000, 0.3f));
    const host::gdi::Bitmap shot = fightUntilFrame(academy.unit, rival.unit, "saku00", 2);
    ASSERT_EQ(shot.width(), 800);
    toolkit_test::writeLook(shot, "battleview_battle_formations.png");
}

} // namespace
