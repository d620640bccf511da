// The master data loaded as at start-up: Data/Data.kpz read and decrypted,
// the text narrowed and split into its 32 sections, and every loader of the
// game-state facade and the battle driver run; a new facade and driver each
// time, as the game has one of each.
#include "support/fake_game_host.h"

#include "platform/files/cls_file.h"
#include "platform/files/gfile.h"
#include "platform/masterdata/load_game_data.h"
#include "platform/services/silent_services.h"
#include "state/cls_data.h"

#include "host/sys/paths.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_LoadMasterDataThroughTheFacade(benchmark::State& state) {
    using host::runtime::ScopedInstall;
    // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
    ScopedInstall folder(host::sys::installedProgramFolder,
                         std::make_unique<std::filesystem::path>(host::sys::programFolder().parent_path()));
    ScopedSilentServices services;
    ScopedInstall file(gFile, std::make_unique<clsFile>());
    testsupport::FakeGameHost host;
    for (auto _ : state) {
        clsData data(host);
        mdlQuorvel::LoadGameData(data);
        benchmark::DoNotOptimize(data.GetMoney());
    }
}
BENCHMARK(BM_LoadMasterDataThroughTheFacade)->Unit(benchmark::kMillisecond);

} // namespace
