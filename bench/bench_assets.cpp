// The whole asset load of start-up: both archives read, every record
// restored and decoded, backgrounds stretched, masks made.
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

namespace {

void BM_LoadImageAndSoundArchives(benchmark::State& state) {
    // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
    host::sys::setProgramFolder(host::sys::programFolder().parent_path());
    ScopedSilentServices services;
    InstallFile(std::make_unique<clsFile>());
    host::sound::installBackend(std::make_unique<host::sound::NullBackend>());
    host::gdi::DeviceContext frame(1, 1);
    for (auto _ : state) {
        InstallImages(std::make_unique<clsImages>());
        InstallMngSound(std::make_unique<clsMngSound>());
        host::ui::PictureBox box;
        clsLoadData load;
        load.SetData(box, frame);
        load.LoadImage();
        load.LoadSound();
    }
    ResetMngSound();
    ResetImages();
    ResetFile();
    host::sound::STEnd();
    host::sys::resetProgramFolder();
}
BENCHMARK(BM_LoadImageAndSoundArchives)->Unit(benchmark::kMillisecond);

} // namespace
