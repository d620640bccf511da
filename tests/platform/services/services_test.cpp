#include "host/runtime/runtime_error.h"
#include "platform/services/game_services.h"
#include "platform/services/silent_services.h"
#include "platform/services/wait_time.h"

#include <gtest/gtest.h>

using host::sys::ManualTickClock;

TEST(Services, MissingServicesRaiseObjectNotSet) {
    host::runtime::ScopedInstall none(installedServices, std::unique_ptr<GameServices>());
    try {
        Services();
        FAIL();
    } catch (const host::runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), host::runtime::ErrorNumber::ObjectNotSet);
    }
}

TEST(Services, ScopedSilentServicesRecordAndRestore) {
    {
        ScopedSilentServices silent;
        silent->scriptDraws({0.25f});
        silent->answer(true);
        Services().SoundPlay("coin05");
        Services().WaitTime(500);
        Services().MsgBox("Error:ファイルを作れません");
        EXPECT_TRUE(Services().YesNo("ゲームを終了します", "終了確認"));
        EXPECT_EQ(Services().Rnd(), 0.25f);
        EXPECT_THROW(Services().Rnd(), std::logic_error); // the script ran out

        EXPECT_EQ(silent->played(), std::vector<std::string>{"coin05"});
        EXPECT_EQ(silent->waits(), std::vector<double>{500});
        EXPECT_EQ(silent->messages().size(), 2u);
        EXPECT_EQ(silent->drawCount(), 2);
    }
    EXPECT_THROW(Services(), host::runtime::RuntimeError);
}

TEST(WaitTime, SleepsInTenMillisecondStepsAndPumpsEachTime) {
    struct {
        double ms;
        std::uint32_t start;
        int pumps;
    } cases[] = {
        {0, 0, 0},  {-5, 0, 0}, {1, 0, 1},
        {10, 0, 1}, {25, 0, 3}, {25, 0xFFFFFFFAu, 3}, // the counter wraps during the wait
    };
    for (const auto& c : cases) {
        ManualTickClock clock(c.start);
        int pumps = 0;
        WaitTime(c.ms, clock, [&] { ++pumps; });
        EXPECT_EQ(pumps, c.pumps) << c.ms << " from " << c.start;
        EXPECT_GE(static_cast<double>(clock.milliseconds() - c.start), c.ms);
    }
}

TEST(WaitTime, PumpThatAdvancesTimeEndsTheWait) {
    // Time spent in the pump (handling a click) counts toward the wait.
    ManualTickClock clock;
    int pumps = 0;
    WaitTime(100, clock, [&] {
        ++pumps;
        clock.advance(90);
    });
    EXPECT_EQ(pumps, 1);
}
