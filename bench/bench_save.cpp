// Saving the running game to a slot and loading it back: the load builds its
// staged facade from Data/Data.kpz, as the game does.
#include "support/fake_game_host.h"

#include "host/sys/paths.h"
#include "platform/files/cls_file.h"
#include "platform/files/gfile.h"
#include "platform/masterdata/load_game_data.h"
#include "platform/services/silent_services.h"
#include "state/cls_data.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

using host::runtime::ScopedInstall;
namespace fs = std::filesystem;

// A program folder of its own, with the built Data/ beside it, and a new game.
struct Game {
    Game() {
        fs::remove_all(folder);
        fs::create_directories(folder);
        // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
        fs::create_directory_symlink(host::sys::programFolder().parent_path() / "Data", folder / "Data");
        programFolder.emplace(host::sys::installedProgramFolder, std::make_unique<fs::path>(folder));
        mdlQuorvel::LoadGameData(data);
        data.TestPlay();
    }
    ~Game() {
        programFolder.reset();
        fs::remove_all(folder);
    }

    fs::path folder = fs::temp_directory_path() / ("quorvel-bench-save-" + std::to_string(::getpid()));
    std::optional<ScopedInstall<fs::path>> programFolder;
    ScopedSilentServices services;
    ScopedInstall<clsFile> file{gFile, std::make_unique<clsFile>()};
    testsupport::FakeGameHost host;
    clsData data{host};
};

void BM_SaveSlot(benchmark::State& state) {
    Game game;
    for (auto _ : state)
        benchmark::DoNotOptimize(game.data.SaveSaveData(1));
}
BENCHMARK(BM_SaveSlot)->Unit(benchmark::kMillisecond);

void BM_LoadSlot(benchmark::State& state) {
    Game game;
    game.data.SaveSaveData(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(game.data.LoadSaveData(1));
}
BENCHMARK(BM_LoadSlot)->Unit(benchmark::kMillisecond);

} // namespace
