#include "battle_stage.h"

#include "school/permits/permit_codes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using battletest::Fall;
using testsupport::drawFor;

class BattleScreenTest : public battletest::BattleStage {
  protected:
    // Columns of a gauge's look that differ from the picture under it, on its middle row.
    static int washedColumns(ctrGraphicalLabelEX& gauge, host::ui::PictureBox& under) {
        const auto& look = gauge.HDC().bitmap();
        const auto& picture = under.hDC().bitmap();
        const int y = gauge.Height() / 2;
        int washed = 0;
        // The frame's columns are left out.
        for (int x = 1; x + 1 < gauge.Width(); ++x)
            washed += look.pixel(x, y) != picture.pixel(gauge.Left() + x, gauge.Top() + y);
        return washed;
    }
    static bool samePixels(const host::gdi::Bitmap& a, const host::gdi::Bitmap& b) {
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) return false;
        return true;
    }
    // The first washed column of a gauge, from the left.
    static int firstWashed(ctrGraphicalLabelEX& gauge, host::ui::PictureBox& under) {
        const auto& look = gauge.HDC().bitmap();
        const auto& picture = under.hDC().bitmap();
        const int y = gauge.Height() / 2;
        for (int x = 1; x + 1 < gauge.Width(); ++x)
            if (look.pixel(x, y) != picture.pixel(gauge.Left() + x, gauge.Top() + y)) return x;
        return -1;
    }
};

TEST_F(BattleScreenTest, AGaugeFillsItsShareOfTheValueFromTheCentresSide) {
    struct Case {
        std::int16_t value;
        int washed; // of the 218 columns inside the frame
    };
    const Case cases[] = {
        {.value = 90, .washed = 197}, {.value = 45, .washed = 98}, {.value = 100, .washed = 218}};
    auto& BattleDisp = pictures.BattleDisp;
    Images().SetImage(BattleDisp, "大会低");
    screen.PlaceBattleLabels();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        for (ctrGraphicalLabelEX* gauge : {&screen.GL1Status(0), &screen.GL2Status(0)}) {
            gauge->Max(100);
            gauge->FirstValue(c.value);
            gauge->RePaint();
            EXPECT_EQ(washedColumns(*gauge, BattleDisp), c.washed) << gauge->Name();
        }
        // The left side fills from its right end, the right side from its left end.
        EXPECT_EQ(firstWashed(screen.GL1Status(0), BattleDisp), 219 - c.washed);
        EXPECT_EQ(firstWashed(screen.GL2Status(0), BattleDisp), 1);
    }
}

TEST_F(BattleScreenTest, TheControlsShowANewBackgroundOnlyOncePlaced) {
    auto& BattleDisp = pictures.BattleDisp;
    Images().SetImage(BattleDisp, "大会高");
    screen.PlaceBattleLabels();
    screen.GLCounter.Max(100);
    screen.GLCounter.FirstValue(0);
    screen.GLCounter.RePaint();
    const host::gdi::Bitmap placed = screen.GLCounter.HDC().bitmap();
    Images().SetImage(BattleDisp, "大会低");
    screen.GLCounter.RePaint();
    EXPECT_TRUE(samePixels(screen.GLCounter.HDC().bitmap(), placed)) << "the old picture until placed";
    screen.PlaceBattleLabels();
    EXPECT_FALSE(samePixels(screen.GLCounter.HDC().bitmap(), placed));
    EXPECT_EQ(washedColumns(screen.GLCounter, BattleDisp), 0) << "an empty time gauge shows the picture";
}

TEST_F(BattleScreenTest, TheMainFormBuildsItsBattleScreenAtStartUp) {
    // The main form's own screen, under its names.
    auto& battleDisp = control<host::ui::PictureBox>("BattleDisp");
    EXPECT_FALSE(battleDisp.Visible());
    for (const char* name : {"GL1", "GL2"}) {
        for (int i = 0; i < 6; ++i) {
            auto& button = control<ctrGraphicalLabelLite>(name, i);
            EXPECT_EQ(button.Parent(), &battleDisp);
            EXPECT_TRUE(button.Visible());
        }
    }
    EXPECT_EQ(control<ctrGraphicalLabelLite>("GL1", 5).Left(), 220);
    EXPECT_EQ(control<ctrGraphicalLabelLite>("GL2", 4).Top(), 160);
    EXPECT_EQ(control<ctrGraphicalLabelEX>("GL2Status", 2).Top(), 70);
    EXPECT_EQ(control<ctrGraphicalMSG>("GMSG").Parent(), &battleDisp);
}

TEST_F(BattleScreenTest, PicturesOfABattleAndOfTheBracketBeforeDuringAndAfter) {
    // A quest fight mid-way, its first attack drawn.
    data().SetDate("25:5:7");
    sendTeam("スライム退治");
    flowing->queue({drawFor(0, 100, 50)});
    falls = {Fall::None};
    bool shot = false;
    int frames = 0;
    onEveryWait = [&](double ms) {
        // The second frame of the first attack's animation.
        if (shot || ms != 150 || ++frames < 2) return;
        shot = true;
        writeLook("battle_quest_mid_fight.png");
        battletest::knockOut(fighting(1));
    };
    data().DateForword(1);
    EXPECT_TRUE(shot);

    // A tournament of 8: the empty bracket, the bracket during the semifinals and at the end.
    onEveryWait = nullptr;
    setRank(school_rank::kC);
    data().SetDate("25:6:28");
    sendTeam("青葉の王国大会");
    onNotice = [&](const Notice&) {
        if (notices.size() == 1) writeLook("battle_bracket_before.png");
        if (notices.size() == 10) writeLook("battle_bracket_during.png");
    };
    onFirstTick = [&] {
        if (fought.size() == 5) writeLook("battle_tournament_match.png");
    };
    data().DateForword(1);
    EXPECT_EQ(notices.size(), 14u);
    // The bracket is hidden by then; its own picture holds the final's path.
    const auto png = host::gdi::EncodePng(pictures.picTournament.hDC().bitmap());
    std::ofstream("looks/screens/battle_bracket_after.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

} // namespace
