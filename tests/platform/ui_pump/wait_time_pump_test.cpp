#include "host/sys/clock.h"
#include "host/ui/error_reporter.h"
#include "host/ui/form.h"
#include "host/ui/message_pump.h"
#include "host/ui/null_driver.h"
#include "host/ui/picture_box.h"
#include "host/ui/quit.h"
#include "platform/services/wait_time.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using host::ui::InputEvent;

class WaitTimePumpTest : public testing::Test {
  protected:
    // Starts near the top of the 32-bit range, so it wraps during the test.
    host::runtime::ScopedInstall<host::sys::TickClock, host::sys::ManualTickClock> clock{
        host::sys::installedTickClock, std::make_unique<host::sys::ManualTickClock>(0xFFFFFF00u)};

    WaitTimePumpTest() {
        for (auto* box : {&outer, &inner})
            box->setParent(&form);
        outer.Move(0, 0, 50, 50);
        inner.Move(100, 0, 50, 50);
    }

    void waitTime(double ms) {
        WaitTime(ms, *clock, [this] { pump.DoEvents(); });
    }
    std::string now() const { return std::to_string(clock->milliseconds() - 0xFFFFFF00u); }

    struct Quiet : host::ui::HandlerErrorReporter {
        void report(const std::string&) override {}
    } errors;
    host::ui::Form form;
    host::ui::NullVideoDriver driver;
    host::ui::MessagePump pump{form, driver, errors};
    host::ui::PictureBox outer, inner;
    std::vector<std::string> log;
};

TEST_F(WaitTimePumpTest, AWaitInsideAHandlerInsideAWaitRunsToItsEndAndTheOuterWaitGoesOn) {
    inner.Click.subscribe([&] {
        log.push_back("inner begins " + now());
        waitTime(300);
        log.push_back("inner ends " + now());
    });
    outer.Click.subscribe([&] {
        log.push_back("outer begins " + now());
        driver.click(110, 10);
        waitTime(500);
        log.push_back("outer ends " + now());
    });
    driver.click(10, 10);
    pump.DoEvents();
    // The inner click arrives at the outer wait's first pump (10 ms in); its
    // 300 ms wait nests inside; the outer 500 ms still end at 500.
    EXPECT_EQ(log, (std::vector<std::string>{"outer begins 0", "inner begins 10", "inner ends 310",
                                             "outer ends 500"}));
}

TEST_F(WaitTimePumpTest, ClosingTheWindowDuringNestedWaitsEndsThemAll) {
    int unloads = 0;
    form.Unload.subscribe([&] { ++unloads; });
    inner.Click.subscribe([&] {
        driver.push(InputEvent::closeRequest());
        waitTime(1e9);
        log.push_back("inner not ended");
    });
    outer.Click.subscribe([&] {
        driver.click(110, 10);
        waitTime(1e9);
        log.push_back("outer not ended");
    });
    pump.Run([&] { driver.click(10, 10); });
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(unloads, 1);
    EXPECT_LT(clock->milliseconds() - 0xFFFFFF00u, 100u);
}

} // namespace
