#include "shell_game.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

using apptest::linesOf;
using apptest::ShellOfItsOwn;
using apptest::WatchedGame;

constexpr const char* kClickLine = "ここをクリックしてください";

class OpeningTest : public ShellOfItsOwn {
  protected:
    // The question dialog answers at its first poll, as its closing path would.
    void answerOpening(bool watch) {
        waits().onWait = [this, watch](double) {
            if (CTMP.GetMSGType() != 28 || !context.ClickWaitFlag || ownReport.GMSGReport.Visible()) return;
            CTMP.SetDataSingle(clsTMPData::kWatchOpening, watch);
            context.ClickWaitFlag = false;
        };
    }
};

TEST_F(OpeningTest, DeclinedItReturnsAtOnceWithNothingShownOrLogged) {
    answerOpening(false);
    stories.Opening();

    ASSERT_EQ(screens.dialogs.size(), 1u);
    const auto& dialog = screens.dialogs.front();
    EXPECT_EQ(dialog.kind, 3);
    EXPECT_EQ(dialog.pictureName, "picStart");
    EXPECT_EQ(dialog.body, "オープニングを見ますか?");
    EXPECT_EQ(dialog.okCaption, "OK");
    EXPECT_EQ((std::vector{dialog.region.Left, dialog.region.Top, dialog.region.Width, dialog.region.Height}),
              (std::vector{200, 150, 400, 300}));
    EXPECT_EQ(CTMP.GetMSGType(), 28);
    EXPECT_FALSE(pictures.picStart.Enabled());
    EXPECT_FALSE(ownReport.GMSGReport.Visible());
    EXPECT_EQ(CTMP.GetDataSingle(clsTMPData::kTurnEndLog).toString(), "");
    EXPECT_EQ(waits().waits(), (std::vector<double>{100}));
}

TEST_F(OpeningTest, WatchedItTellsElevenLinesWithTheirWaitsAndWaitsForAClickOnTheBox) {
    answerOpening(true);
    struct Step {
        double wait;
        std::string lastLine;
        bool processing;
    };
    std::vector<Step> steps;
    int clicksDuringLines = 0;
    const auto answer = waits().onWait;
    waits().onWait = [&](double ms) {
        answer(ms);
        auto& box = ownReport.GMSGReport;
        if (!box.Visible()) return;
        steps.push_back({ms, linesOf(box.Text()).back(), context.ProcessingFlag});
        if (context.ProcessingFlag) {
            // A click while the lines play is dropped.
            ++clicksDuringLines;
            box.Click.raise();
            return;
        }
        if (ms == 100) box.Click.raise();
    };
    stories.Opening();

    const std::vector<double> lineWaits = {1000, 1500, 1600, 2000, 1500, 1500, 1500, 2500, 2500, 3500, 1500};
    ASSERT_EQ(steps.size(), 2 * lineWaits.size() + 2);
    for (std::size_t i = 0; i < lineWaits.size(); ++i) {
        EXPECT_EQ(steps[2 * i].wait, 200) << "line " << i + 1;
        EXPECT_EQ(steps[2 * i + 1].wait, lineWaits[i]) << "line " << i + 1;
        EXPECT_TRUE(steps[2 * i].processing) << "line " << i + 1;
    }
    EXPECT_EQ(std::accumulate(lineWaits.begin(), lineWaits.end(), 0.0), 20600);
    EXPECT_EQ(steps[0].lastLine, "　世界は二つの驚きを同時に知った。");
    EXPECT_EQ(steps[21].lastLine, "　あなたは設立された「ミルトナ騎士団」の校長として、責任ある運営をすること"
                                  "を王国より依頼されました。");
    EXPECT_EQ(steps[22].wait, 200);
    EXPECT_EQ(steps[22].lastLine, kClickLine);
    EXPECT_FALSE(steps[22].processing);
    EXPECT_EQ(steps[23].wait, 100) << "the click wait";
    EXPECT_EQ(clicksDuringLines, 22);
    EXPECT_EQ(screens.calls, (std::vector<std::string>{"ShowDialog", "CloseDialog"}));

    EXPECT_FALSE(context.ClickWaitFlag);
    EXPECT_FALSE(context.ProcessingFlag);
    EXPECT_FALSE(ownReport.GMSGReport.Visible()) << "the story over, the box goes";
    const auto box = linesOf(ownReport.GMSGReport.Text());
    ASSERT_EQ(box.size(), 12u) << "one page";
    EXPECT_EQ(box[1], "　一つは、内乱によって行方知れずとなった、王国の王子が生きていたこと。");
    const auto log = linesOf(CTMP.GetDataSingle(clsTMPData::kTurnEndLog).toString());
    ASSERT_EQ(log.size(), 11u) << "the click line is not logged";
    EXPECT_EQ(log.front(), box.front());
    EXPECT_EQ(log.back(), box[10]);
}

// The endings, raised by the facade inside a day on the real main form.
class EndingTest : public WatchedGame {
  protected:
    struct Shown {
        std::vector<std::string> box;
        double wait;
    };
};

TEST_F(EndingTest, TheFirstEndingTellsTwentyTwoLinesWithItsTitleAndClosingLinesOnFreshPages) {
    std::vector<Shown> shown;
    waits().onWait = [&](double ms) { shown.push_back({linesOf(box().Text()), ms}); };
    data().Ending.raise();

    ASSERT_EQ(shown.size(), 44u);
    for (std::size_t i = 0; i < shown.size(); i += 2) {
        EXPECT_EQ(shown[i].wait, 200);
        EXPECT_EQ(shown[i + 1].wait, 1000);
    }
    const auto lineShown = [&](int line) { return shown[2 * (line - 1)].box; };
    EXPECT_EQ(lineShown(2), (std::vector<std::string>{"　あなたはミルトナ騎士団を優秀な成績へ導きました。",
                                                      "　国王もあなたの仕事に満足しています。"}));
    EXPECT_EQ(lineShown(3), (std::vector<std::string>{"　≪Quorvel≫"}));
    const auto roll = lineShown(20);
    ASSERT_EQ(roll.size(), 18u);
    int headings = 0;
    for (std::size_t i = 1; i < roll.size(); ++i) {
        EXPECT_EQ(roll[i].rfind("　", 0), 0u) << roll[i];
        headings += roll[i].find("§") != std::string::npos || roll[i].find("＜") != std::string::npos;
    }
    EXPECT_EQ(headings, 8);
    EXPECT_EQ(lineShown(22), (std::vector<std::string>{"　これより先はおまけです。多少、敵が強くなります。",
                                                       "　また学園のランクアップに条件が追加されます。"}));
    EXPECT_EQ(linesOf(inside().context().CTMP.GetDataSingle(clsTMPData::kTurnEndLog).toString()).size(), 22u);
    writeLook("report_ending_staff_roll.png");
}

TEST_F(EndingTest, TheSecondEndingTellsThreeLinesEachOnItsOwnPage) {
    std::vector<Shown> shown;
    waits().onWait = [&](double ms) { shown.push_back({linesOf(box().Text()), ms}); };
    data().Ending2.raise();

    const std::vector<std::string> lines = {
        "　ミルトナ騎士団は、世界でもっとも強い学園となりました。",
        "　また、何人もの偉大な人物を輩出した学園として、入学希望者が殺到しています。",
        "　指導者である、あなたの名前も後世に語り継がれることでしょう。"};
    ASSERT_EQ(shown.size(), 6u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(shown[2 * i].box, std::vector<std::string>{lines[i]});
        EXPECT_EQ(shown[2 * i].wait, 200);
        EXPECT_EQ(shown[2 * i + 1].wait, 1500);
    }
    EXPECT_EQ(linesOf(inside().context().CTMP.GetDataSingle(clsTMPData::kTurnEndLog).toString()), lines);
}

} // namespace
