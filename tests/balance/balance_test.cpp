#include "balance/balance_table.h"
#include "balance/idle_player.h"
#include "balance/reckless_player.h"
#include "balance/sensible_player.h"

#include <gtest/gtest.h>

#include <iostream>

namespace {

// Enough seeds and years to tell the strategies apart, few enough for CI.
const std::vector<std::uint32_t> kSeeds = {11, 23, 37, 41, 59, 67, 73, 89, 97, 101};
constexpr int kYears = 3;
// The starting teachers' contracts end after two to four years: the idle school plays past that.
constexpr int kIdleYears = 5;

template <class Player> PlayerMaker maker() {
    return [](BalanceGame& game) { return std::make_unique<Player>(game); };
}

TEST(Balance, StrategiesOverSeveralYears) {
    const std::vector<StrategyRuns> strategies = {
        playSeeds("idle", maker<IdlePlayer>(), kSeeds, kIdleYears),
        playSeeds("sensible", maker<SensiblePlayer>(), kSeeds, kYears),
        playSeeds("reckless", maker<RecklessPlayer>(), kSeeds, kYears),
    };
    std::cout << balanceTable(strategies);
    const StrategyRuns& idle = strategies[0];
    const StrategyRuns& sensible = strategies[1];
    const StrategyRuns& reckless = strategies[2];

    // The starting timetable keeps the first year's students.
    EXPECT_LE(idle.mean([](const BalanceRun& r) { return r.withdrawnFirstYear; }), 1.0);
    // A school left alone never gets stuck, even after its teachers leave,
    // and it fails slowly: it wins nothing and earns nothing.
    for (const BalanceRun& run : idle.runs) {
        EXPECT_FALSE(run.stuck) << "stuck after " << run.daysPlayed << " days";
        EXPECT_EQ(run.tournamentsWon, 0);
        EXPECT_LE(run.moneyAtEnd, run.moneyAtStart);
    }
    // Good play wins a tournament within the years played in most games, and
    // often wins enough in one year to rank up.
    EXPECT_GE(sensible.count([](const BalanceRun& r) { return r.firstTournamentWinYear > 0; }), 7);
    EXPECT_GE(sensible.count([](const BalanceRun& r) { return r.firstRankUpYear > 0; }), 4);
    // Every quest rank the school reaches has requests to offer.
    for (const BalanceRun& run : sensible.runs)
        for (std::int16_t rank = run.rankAtStart; rank <= run.highestRank; ++rank)
            EXPECT_TRUE(run.questRanksOffered.count(rank)) << "no quest of rank " << rank << " offered";
    // Lessons beyond the students and the hardest quests win nothing.
    for (const BalanceRun& run : reckless.runs) {
        EXPECT_EQ(run.tournamentsWon, 0);
        EXPECT_EQ(run.questsWon, 0);
    }
}

} // namespace
