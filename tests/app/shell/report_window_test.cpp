#include "shell_game.h"

#include "host/gdi/color.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using apptest::linesOf;
using apptest::WatchedGame;

class ReportWindowTest : public WatchedGame {
  protected:
    void show(const std::string& text, bool newPage, bool refresh = false, bool log = true) {
        report().ShowReport(text, picSchool(), "picSchool", newPage, refresh, log);
    }
    // Paints the school screen's area behind the box.
    void paintBehindBox(host::gdi::COLORREF colour) {
        picSchool().hDC().bitmap().fill({200, 150, 600, 450}, colour);
    }
    // The box as shown, at a point over the bare picture above its lines.
    host::gdi::COLORREF boxBackground() {
        host::gdi::COLORREF colour = box().HDC()->bitmap().pixel(250, 180);
        box().HDCDelete();
        return colour;
    }
    std::string log() { return inside().context().CTMP.GetDataSingle(clsTMPData::kTurnEndLog).toString(); }
};

TEST_F(ReportWindowTest, ReportsAppendUnderEachOtherUntilANewPageAndEachWaitsAndIsLogged) {
    ASSERT_FALSE(box().Visible());
    const std::string before = log();
    show("一行目", false);
    EXPECT_TRUE(box().Visible()) << "a report while hidden opens the box";
    show("二行目", false);
    EXPECT_EQ(box().Text(), "一行目\r\n二行目");
    EXPECT_EQ(box().VerticalAlignment(), 1);
    EXPECT_TRUE(box().ForceNotVisible());
    show("新しい頁", true);
    EXPECT_EQ(box().Text(), "新しい頁");
    show("記録しない", false, false, false);
    EXPECT_EQ(box().Text(), "新しい頁\r\n記録しない");
    EXPECT_EQ(log(), before + "一行目\r\n二行目\r\n新しい頁");
    EXPECT_EQ(waits().waits(), (std::vector<double>{200, 200, 200, 200}));

    box().setVisible(false);
    show("隠れた後", false);
    EXPECT_EQ(box().Text(), "隠れた後") << "a hidden box starts a new page whatever new page says";
}

TEST_F(ReportWindowTest, TheBackgroundIsTakenAgainOnANewPageOrWhenAskedAndKeptWhenAppending) {
    struct BackgroundCase {
        std::string name;
        bool newPage;
        bool refresh;
        bool takenAgain;
    };
    const std::vector<BackgroundCase> cases = {
        {"append", false, false, false},
        {"append, background again", false, true, true},
        {"new page", true, false, true},
    };
    for (const BackgroundCase& c : cases) {
        paintBehindBox(host::gdi::RGB(200, 0, 0));
        show("赤の上", true);
        const host::gdi::COLORREF onRed = boxBackground();
        paintBehindBox(host::gdi::RGB(0, 0, 200));
        show("次の行", c.newPage, c.refresh);
        EXPECT_EQ(boxBackground() != onRed, c.takenAgain) << c.name;
    }
}

TEST_F(ReportWindowTest, AClickClosesTheBoxByTheMessageTypeUnlessACommandRuns) {
    struct ClickCase {
        std::string name;
        bool processing;
        std::int32_t messageType;
        bool boxShown;
        bool clickWait;
        bool schoolEnabled;
        bool classEnabled;
    };
    const std::vector<ClickCase> cases = {
        {"log while a day runs", true, 20, true, true, false, false},
        {"the message log", false, 20, false, true, true, false},
        {"the week's timetable faults", false, 16, false, true, false, true},
        {"the opening's last line", false, 28, true, false, false, false},
        {"a tournament notice", false, 22, true, false, false, false},
        {"no dialog yet", false, 0, true, true, false, false},
    };
    FormContext& context = inside().context();
    for (const ClickCase& c : cases) {
        show("報告", true);
        picSchool().setEnabled(false);
        control("picClass").setEnabled(false);
        context.ClickWaitFlag = true;
        context.ProcessingFlag = c.processing;
        context.CTMP.SetMSGType(c.messageType);
        click("GMSGReport");
        EXPECT_EQ(box().Visible(), c.boxShown) << c.name;
        EXPECT_EQ(context.ClickWaitFlag, c.clickWait) << c.name;
        EXPECT_EQ(picSchool().Enabled(), c.schoolEnabled) << c.name;
        EXPECT_EQ(control("picClass").Enabled(), c.classEnabled) << c.name;
        EXPECT_FALSE(control("picMSG").Visible()) << c.name;
    }
}

TEST_F(ReportWindowTest, ALongReportShowsItsLastLinesOverTheSchoolScreen) {
    show("　一日目の報告", false);
    for (int i = 2; i <= 30; ++i)
        show("　" + std::to_string(i) + "行目：生徒たちは訓練に励み、教師は授業の準備をしました。", false);
    EXPECT_GT(box().lineCount(), box().visibleLines());
    EXPECT_FALSE(box().thumbShown()) << "the report box shows no scroll bar";
    writeLook("report_box_long.png");
}

} // namespace
