#include "ui_fixture.h"

#include "host/runtime/runtime_error.h"
#include "host/ui/picture_box.h"
#include "host/ui/quit.h"
#include "host/ui/timer.h"

using host::ui::InputEvent;
using host::ui::PictureBox;
using host::ui::QuitRequested;
using host::ui::Timer;
using ui_test::UiTest;
using Entries = std::vector<std::string>;

namespace {

class PumpTest : public UiTest {
  protected:
    // The game's wait: sleep 10 ms, pump, until ms have passed.
    void wait(std::uint32_t ms) {
        std::uint32_t start = clock->milliseconds();
        while (clock->milliseconds() - start < ms) {
            clock->sleep(10);
            pump.DoEvents();
        }
    }
    PictureBox& screen = place<PictureBox>(form, 0, 0, 800, 600, "screen");
    PictureBox& button = place<PictureBox>(screen, 10, 10, 50, 20, "button");
    PictureBox& other = place<PictureBox>(screen, 100, 10, 50, 20, "other");
    std::vector<std::string> log;
};

TEST_F(PumpTest, TimerFiresEachIntervalOnTheVirtualClockAndNeverInsideItsOwnHandler) {
    Timer timer;
    timer.setInterval(300);
    int ticks = 0;
    timer.Tick.subscribe([&] {
        ++ticks;
        wait(700); // pumps while the timer would be due again
    });
    wait(290);
    EXPECT_EQ(ticks, 0);
    wait(20);
    EXPECT_EQ(ticks, 1); // at 300; the nested 700 ms wait fired nothing more
    timer.setEnabled(false);
    wait(1000);
    EXPECT_EQ(ticks, 1);
}

TEST_F(PumpTest, TimersKeepTheirOwnIntervals) {
    Timer fast;
    Timer slow;
    fast.setInterval(100);
    slow.setInterval(250);
    std::vector<std::string> fired;
    fast.Tick.subscribe([&] { fired.push_back("f" + std::to_string(clock->milliseconds() - 1000)); });
    slow.Tick.subscribe([&] { fired.push_back("s" + std::to_string(clock->milliseconds() - 1000)); });
    wait(500);
    EXPECT_EQ(fired, (Entries{"f100", "f200", "s250", "f300", "f400", "f500", "s500"}));
}

TEST_F(PumpTest, ClicksDuringAWaitInsideAHandlerAreDispatchedAtOnce) {
    button.Click.subscribe([&] {
        log.push_back("button begins");
        driver.click(110, 15);
        wait(100);
        log.push_back("button ends");
    });
    other.Click.subscribe([&] { log.push_back("other"); });
    click(20, 15);
    EXPECT_EQ(log, (Entries{"button begins", "other", "button ends"}));
}

TEST_F(PumpTest, AnExceptionInAHandlerIsReportedAndTheNextEventStillRuns) {
    button.Click.subscribe([] {
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall, "no such picture");
    });
    other.Click.subscribe([&] { log.push_back("other"); });
    driver.click(20, 15);
    driver.click(110, 15);
    pump.DoEvents();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_NE(errors.reports[0].find("no such picture"), std::string::npos);
    EXPECT_EQ(log, (Entries{"other"}));
}

TEST_F(PumpTest, ClosingTheWindowInsideNestedWaitsUnwindsToTheTopAndShutsDownOnce) {
    int unloads = 0;
    int queries = 0;
    form.QueryUnload.subscribe([&] { ++queries; });
    form.Unload.subscribe([&] {
        ++unloads;
        pump.DoEvents(); // pumping while shutting down is allowed and throws nothing
    });
    other.Click.subscribe([&] {
        log.push_back("inner wait");
        driver.push(InputEvent::closeRequest());
        try {
            wait(1000000);
        } catch (const std::exception&) {
            log.push_back("caught by a handler"); // QuitRequested is no std::exception
        }
        log.push_back("not reached");
    });
    button.Click.subscribe([&] {
        log.push_back("outer wait");
        driver.click(110, 15);
        wait(1000000);
        log.push_back("not reached");
    });
    pump.Run([&] { driver.click(20, 15); });
    EXPECT_EQ(log, (Entries{"outer wait", "inner wait"}));
    EXPECT_EQ(queries, 1);
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(errors.reports.empty());
    pump.ShutDown();
    EXPECT_EQ(unloads, 1);
}

TEST_F(PumpTest, AHandlerThatSwallowsEverythingStillCannotStopTheQuit) {
    button.Click.subscribe([&] {
        try {
            pump.RequestQuit();
        } catch (...) {
        }
        wait(10); // the next pump throws again
        log.push_back("not reached");
    });
    int unloads = 0;
    form.Unload.subscribe([&] { ++unloads; });
    pump.Run([&] { click(20, 15); });
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(unloads, 1);
}

TEST_F(PumpTest, GuardLetsQuitThroughAndReportsTheRest) {
    EXPECT_THROW(pump.guarded([] { throw QuitRequested{}; }), QuitRequested);
    pump.guarded([] { throw 42; });
    EXPECT_EQ(errors.reports.size(), 1u);
}

TEST_F(PumpTest, ShowsTheFormOnlyWhenSomethingChangedAndRefreshIsThrottled) {
    pump.DoEvents();
    int shown = driver.presented();
    pump.DoEvents();
    EXPECT_EQ(driver.presented(), shown);
    button.Refresh(); // 16 ms have not passed since the last showing
    EXPECT_EQ(driver.presented(), shown);
    clock->advance(16);
    button.Refresh();
    EXPECT_EQ(driver.presented(), shown + 1);
    button.setVisible(false);
    pump.DoEvents();
    EXPECT_EQ(driver.presented(), shown + 2);
}

TEST_F(PumpTest, CaptionAndTwipPositionReachTheWindowAndThePositionIsReadBackAtShutDown) {
    form.setCaption("Quorvel 1.3.50");
    form.setPositionTwips(1500, 3000);
    EXPECT_EQ(driver.caption(), "Quorvel 1.3.50");
    EXPECT_EQ(driver.position(), (host::gdi::Point{100, 200}));
    driver.setPosition({40, 60}); // the player moved the window
    pump.ShutDown();
    EXPECT_EQ(form.LeftTwips(), 600);
    EXPECT_EQ(form.TopTwips(), 900);
}

} // namespace
