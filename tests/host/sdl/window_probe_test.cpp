#include "host/sdl/sdl_video_driver.h"
#include "host/sys/clock.h"
#include "host/ui/error_reporter.h"
#include "host/ui/form.h"
#include "host/ui/message_pump.h"
#include "host/ui/picture_box.h"
#include "host/ui/text_box.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Recorded : host::ui::HandlerErrorReporter {
    void report(const std::string& description) override { reports.push_back(description); }
    std::vector<std::string> reports;
};

// A real window on an X display (the test runs under xvfb-run with
// SDL_VIDEODRIVER=x11); xdotool clicks a picture box, then a text box, and
// types into it.
TEST(WindowProbe, ClicksAndTypingFromTheDisplayReachTheirControls) {
    const char* video = std::getenv("SDL_VIDEODRIVER");
    if (!video || std::string(video) != "x11") GTEST_SKIP() << "needs an X display (run through xvfb-run)";

    host::sdl::SdlVideoDriver driver("quorvel_window_probe");
    host::ui::Form form;
    Recorded errors;
    host::ui::MessagePump pump(form, driver, errors);
    host::ui::PictureBox button;
    host::ui::TextBox box;
    button.setParent(&form);
    button.Move(10, 10, 100, 40);
    box.setParent(&form);
    box.Move(10, 100, 300, 25);
    int clicks = 0;
    std::vector<int> at;
    button.MouseDown.subscribe([&](int&, int&, int& x, int& y) { at = {x, y}; });
    button.Click.subscribe([&] { ++clicks; });
    pump.DoEvents();

    ASSERT_EQ(std::system("(xdotool search --sync --name quorvel_window_probe windowfocus %1 sleep 0.3 "
                          "mousemove --window %1 50 30 click 1 sleep 0.3 "
                          "mousemove --window %1 60 110 click 1 sleep 0.3 type --delay 50 'ab c') &"),
              0);
    auto& clock = host::sys::tickClock();
    std::uint32_t start = clock.milliseconds();
    while (clock.milliseconds() - start < 20000 && !(clicks == 1 && box.Text() == "ab c")) {
        pump.DoEvents();
        clock.sleep(10);
    }
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(at, (std::vector<int>{40, 20}));
    EXPECT_EQ(form.ActiveControl(), &box);
    EXPECT_EQ(box.Text(), "ab c");
    EXPECT_TRUE(errors.reports.empty());
}

} // namespace
