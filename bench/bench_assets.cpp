// The whole asset load of start-up: both archives read, every record
// restored and decoded, backgrounds stretched, masks made. Pictures decoded
// on 1 thread (the serial load), 2, and as many as the machine has cores
// (the default); wall-clock time, since the calling thread mostly waits.
// Beside it, the decoders' own share: every picture record decoded on one
// thread and dropped, nothing read, copied, masked or stored.
#include "platform/assets/asset_table.h"
#include "platform/assets/cls_load_data.h"
#include "platform/drawing/byte_range.h"
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
#include <vector>

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

void BM_DecodeImageRecords(benchmark::State& state) {
    using host::runtime::ScopedInstall;
    ScopedInstall folder(host::sys::installedProgramFolder,
                         std::make_unique<std::filesystem::path>(host::sys::programFolder().parent_path()));
    ScopedSilentServices services;
    ScopedInstall file(gFile, std::make_unique<clsFile>());
    auto archive = File().APIReadFileBinary(AssetTable::kImageArchivePath, 1 << 20, 0, false);
    if (!archive) {
        state.SkipWithError("the image archive cannot be read");
        return;
    }
    const auto records = AssetTable::ImageRecords();
    std::vector<std::vector<std::uint8_t>> restored;
    for (std::size_t i = 0; i < records.size(); ++i)
        restored.push_back(GetByteRange(*archive, records[i].first,
                                        AssetTable::LastByte(records, i, AssetTable::kImageArchiveSize),
                                        true));
    for (auto _ : state) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            auto picture = host::gdi::DecodePicture(restored[i], {records[i].width, records[i].height});
            if (!picture) state.SkipWithError("a picture record does not decode");
            benchmark::DoNotOptimize(picture);
        }
    }
}
BENCHMARK(BM_DecodeImageRecords)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
