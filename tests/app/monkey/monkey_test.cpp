#include "monkey_game.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using monkeytest::MonkeyGame;
using monkeytest::report;
using monkeytest::Start;

// The short runs every build plays, and the runs that once found a fault.
TEST_F(MonkeyGame, RandomPlayLeavesNoErrorAndKeepsTheGameSound) {
    struct Case {
        unsigned seed;
        Start start;
        int steps;
    };
    const Case cases[] = {
        {1, Start::NewGame, 600},
        {2, Start::NewGame, 600},
        {3, Start::WithAClass, 600},
        {4, Start::WithAClass, 600},
        // A move queued behind the click on チーム出力 reached the unit screen before its line was set.
        {102, Start::WithAClass, 500},
    };
    for (const Case& c : cases) {
        const monkeytest::MonkeyRun run = play(c.seed, c.steps, c.start);
        EXPECT_TRUE(run.faults.empty()) << report(c.seed, run);
        EXPECT_EQ(run.exitStatus, 0) << report(c.seed, run);
        EXPECT_EQ(run.steps, c.steps) << report(c.seed, run);
    }
}

// A longer run of the seed and steps given in QUORVEL_MONKEY_SEED and
// QUORVEL_MONKEY_STEPS, with a class admitted when QUORVEL_MONKEY_CLASS is
// set (scripts/monkey.sh); skipped without them.
TEST_F(MonkeyGame, PlaysTheSeedAndStepsAsked) {
    const char* seed = std::getenv("QUORVEL_MONKEY_SEED");
    const char* steps = std::getenv("QUORVEL_MONKEY_STEPS");
    if (!seed || !steps) GTEST_SKIP() << "QUORVEL_MONKEY_SEED and QUORVEL_MONKEY_STEPS not set";
    const unsigned asked = static_cast<unsigned>(std::stoul(seed));
    const Start start = std::getenv("QUORVEL_MONKEY_CLASS") ? Start::WithAClass : Start::NewGame;
    const monkeytest::MonkeyRun run = play(asked, std::stoi(steps), start);
    EXPECT_TRUE(run.faults.empty()) << report(asked, run);
    EXPECT_EQ(run.exitStatus, 0) << report(asked, run);
    std::printf("%s", report(asked, run).c_str());
}

} // namespace
