#include "host/runtime/global.h"
#include "host/sys/paths.h"
#include "platform/files/cls_file.h"
#include "platform/files/gfile.h"
#include "state/day/first_year.h"
#include "state/state_support.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

// A new player's whole first year, April to March, with the real master data
// and every battle fought by the rules, without a screen or waits.
void BM_HeadlessFirstYear(benchmark::State& state) {
    using host::runtime::ScopedInstall;
    // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
    ScopedInstall folder(host::sys::installedProgramFolder,
                         std::make_unique<std::filesystem::path>(host::sys::programFolder().parent_path()));
    statetest::packedMasterData();
    for (auto _ : state) {
        state.PauseTiming();
        HeadlessGame game;
        FirstYearPlayer player(game);
        state.ResumeTiming();
        player.playYear();
        benchmark::DoNotOptimize(game.data().GetMoney());
    }
}
BENCHMARK(BM_HeadlessFirstYear)->Unit(benchmark::kMillisecond);

} // namespace
