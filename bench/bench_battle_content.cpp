#include "balance/battle_arena.h"
#include "battle/battle_codes.h"
#include "host/runtime/global.h"
#include "host/sys/paths.h"
#include "school/permits/permit_codes.h"
#include "state/state_support.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

using host::runtime::ScopedInstall;

// The benchmarks live in bench/ of the build folder; Data/ is beside the game.
std::unique_ptr<ScopedInstall<std::filesystem::path>> besideTheGame() {
    return std::make_unique<ScopedInstall<std::filesystem::path>>(
        host::sys::installedProgramFolder,
        std::make_unique<std::filesystem::path>(host::sys::programFolder().parent_path()));
}

// A rank-7 rival against another, at the first season's strength: fights per
// second, for runs with more fights a pairing than the balance test affords.
void BM_RivalAgainstRival(benchmark::State& state) {
    const auto folder = besideTheGame();
    BattleArena arena(1);
    const auto schools = arena.rivals(school_rank::kS);
    std::int16_t recover = 0;
    const clsBattleRegulation rules =
        arena.lines().GetBattleRegulation(tournament::kJune, school_rank::kS, recover);
    for (auto _ : state) {
        const FightTally tally = arena.fight(
            rules, [&] { return arena.rival(schools.front(), 0); },
            [&] { return arena.rival(schools.back(), 0); }, 1);
        benchmark::DoNotOptimize(tally.wins);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RivalAgainstRival)->Unit(benchmark::kMillisecond);

// A team at the ability ceiling in the S-rank tournament: tournaments per second.
void BM_TopTournament(benchmark::State& state) {
    const auto folder = besideTheGame();
    BattleArena arena(1);
    const std::string line = arena.lines().GetLineName("").item(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            arena.tournament(arena.academy(line, 100, 25), school_rank::kS, tournament::kJune));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TopTournament)->Unit(benchmark::kMillisecond);

} // namespace
