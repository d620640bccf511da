#include "balance/balance_game.h"
#include "balance/sensible_player.h"
#include "host/runtime/global.h"
#include "host/sys/paths.h"
#include "state/state_support.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

// The balance harness's sensible player over one school year, a new seed
// each time: years per second.
void BM_BalanceSensibleYear(benchmark::State& state) {
    using host::runtime::ScopedInstall;
    // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
    ScopedInstall folder(host::sys::installedProgramFolder,
                         std::make_unique<std::filesystem::path>(host::sys::programFolder().parent_path()));
    statetest::packedMasterData();
    std::uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        BalanceGame game(seed++);
        SensiblePlayer player(game);
        state.ResumeTiming();
        benchmark::DoNotOptimize(player.play(1).daysPlayed);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BalanceSensibleYear)->Unit(benchmark::kMillisecond);

} // namespace
