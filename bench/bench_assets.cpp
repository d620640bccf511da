// The whole asset load of start-up: both archives read, every record
// restored and decoded, backgrounds stretched, masks made. Pictures decoded
// on 1 thread (the serial load), 2, and as many as the machine has cores
// (the default); wall-clock time, since the calling thread mostly waits.
#include "platform/assets/cls_load_data.h"
#include "platform/files/gfile.h"
#include "platform/graphics/images.h"
#include "platform/services/silent_services.h"
#include "platform/sound/mng_sound.h"

#include "host/sound/null_backend.h"
#include "host/sound/sound_library.h"
#include "host/sys/paths.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <thread>

namespace {

void BM_LoadImageAndSoundArchives(benchmark::State& state) {
    using host::runtime::ScopedInstall;
    // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
    ScopedInstall folder(host::sys::installedProgramFolder,
                         std::make_unique<std::filesystem::path>(host::sys::programFolder().parent_path()));
    ScopedSilentServices services;
    ScopedInstall file(gFile, std::make_unique<clsFile>());
    ScopedInstall sound(host::sound::installedBackend, std::make_unique<host::sound::NullBackend>());
    host::gdi::DeviceContext frame(1, 1);
    for (auto _ : state) {
        ScopedInstall images(gImages, std::make_unique<clsImages>());
        ScopedInstall mngSound(gMngSound, std::make_unique<clsMngSound>());
        host::ui::PictureBox box;
        clsLoadData load(static_cast<unsigned>(state.range(0)));
        load.SetData(box, frame);
        load.LoadImage();
        load.LoadSound();
    }
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_LoadImageAndSoundArchives)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Arg(clsLoadData::DefaultDecodeThreads())
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
