#include "host/runtime/random.h"
#include "host/sys/clock.h"
#include "host/sys/message_box.h"
#include "platform/services/standard_services.h"

#include <gtest/gtest.h>

TEST(StandardServices, WaitsOnTheProgramClockAndDrawsFromTheRuntimeGenerator) {
    host::runtime::ScopedInstall clock(host::sys::installedTickClock,
                                       std::make_unique<host::sys::ManualTickClock>());
    host::runtime::ScopedInstall random(
        host::runtime::installedRandom,
        std::make_unique<host::runtime::ScriptedRandom>(std::vector<float>{0.125f}));
    host::sys::ScriptedMessageBoxes boxes;
    boxes.answer(true);
    int pumps = 0;
    StandardServices services(boxes, [&] { ++pumps; });

    services.WaitTime(30);
    EXPECT_EQ(pumps, 3);
    EXPECT_EQ(host::sys::tickClock().milliseconds(), 30u);
    EXPECT_EQ(services.Rnd(), 0.125f);
    services.MsgBox("Error:Translucent2");
    EXPECT_TRUE(services.YesNo("ゲームを終了します", "終了確認"));
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "Error:Translucent2");
    EXPECT_EQ(boxes.shown()[1].title, "終了確認");
}
