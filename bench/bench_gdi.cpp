#include "host/gdi/blit.h"
#include "host/gdi/picture.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

using namespace host::gdi;

namespace {

// A picture with some structure, so that JPEG has real work to do.
void paintGradient(Bitmap& bitmap) {
    for (int y = 0; y < bitmap.height(); ++y) {
        COLORREF* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x)
            row[x] = RGB(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                         static_cast<std::uint8_t>(x ^ y));
    }
}

} // namespace

static void BM_BitBltCopy800x600(benchmark::State& state) {
    DeviceContext src(800, 600), dst(800, 600);
    paintGradient(src.bitmap());
    for (auto _ : state) {
        BitBlt(dst, 0, 0, 800, 600, src, 0, 0, SRCCOPY);
        benchmark::DoNotOptimize(dst.bitmap().row(0));
    }
}
BENCHMARK(BM_BitBltCopy800x600);

static void BM_BitBltMaskPair800x600(benchmark::State& state) {
    DeviceContext mask(800, 600), image(800, 600), dst(800, 600);
    paintGradient(image.bitmap());
    for (auto _ : state) {
        BitBlt(dst, 0, 0, 800, 600, mask, 0, 0, SRCAND);
        BitBlt(dst, 0, 0, 800, 600, image, 0, 0, SRCPAINT);
        benchmark::DoNotOptimize(dst.bitmap().row(0));
    }
}
BENCHMARK(BM_BitBltMaskPair800x600);

static void BM_StretchBlt640x480To800x600(benchmark::State& state) {
    DeviceContext src(640, 480), dst(800, 600);
    paintGradient(src.bitmap());
    for (auto _ : state) {
        StretchBlt(dst, 0, 0, 800, 600, src, 0, 0, 640, 480, SRCCOPY);
        benchmark::DoNotOptimize(dst.bitmap().row(0));
    }
}
BENCHMARK(BM_StretchBlt640x480To800x600);

static void BM_DecodeJpeg800x600(benchmark::State& state) {
    Bitmap picture(800, 600);
    paintGradient(picture);
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(picture, 85);
    for (auto _ : state) {
        auto decoded = DecodePicture(jpeg, {800, 600});
        benchmark::DoNotOptimize(decoded.get());
    }
    state.counters["bytes"] = static_cast<double>(jpeg.size());
}
BENCHMARK(BM_DecodeJpeg800x600);
