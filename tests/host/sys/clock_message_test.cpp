#include "host/sys/clock.h"
#include "host/sys/message_box.h"

#include <gtest/gtest.h>

using namespace host::sys;

TEST(Clocks, InstalledClocksAreReachedAndTheRealOnesComeBack) {
    {
        host::runtime::ScopedInstall tick(installedTickClock, std::make_unique<ManualTickClock>(0xFFFFFFF0u));
        tickClock().sleep(0x20);
        EXPECT_EQ(tickClock().milliseconds(), 0x10u); // wraps modulo 2^32
    }

    using namespace std::chrono;
    auto start = sys_days{year{2024} / 3 / 31} + hours{12};
    {
        host::runtime::ScopedInstall wall(installedWallClock, std::make_unique<ManualWallClock>(start));
        EXPECT_EQ(wallClock().now(), start);
    }
    EXPECT_NE(wallClock().now(), start);
}

TEST(Clocks, SteadyClockAdvancesBySleeping) {
    SteadyTickClock clock;
    std::uint32_t before = clock.milliseconds();
    clock.sleep(15);
    EXPECT_GE(static_cast<std::uint32_t>(clock.milliseconds() - before), 15u);
}

TEST(MessageBoxes, ScriptRecordsAndAnswers) {
    ScriptedMessageBoxes boxes;
    boxes.answer(false);
    boxes.ok("Error:ファイルを作れません", "");
    EXPECT_FALSE(boxes.yesNo("ゲームを終了します", "終了確認"));
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_FALSE(boxes.shown()[0].question);
    EXPECT_EQ(boxes.shown()[1].title, "終了確認");
    EXPECT_THROW(boxes.yesNo("again", ""), std::logic_error);
}
