#include "platform/drawing/translucent.h"

#include "host/gdi/draw_text.h"
#include "host/gdi/font.h"

#include <benchmark/benchmark.h>

// Every see-through control washes its whole background on each capture.
static void BM_Translucent2_800x600(benchmark::State& state) {
    host::gdi::DeviceContext dc(800, 600);
    for (auto _ : state) {
        Translucent2(dc, host::gdi::RGB(0, 0, 64), 50);
        benchmark::DoNotOptimize(dc.bitmap().row(0));
    }
}
BENCHMARK(BM_Translucent2_800x600)->Unit(benchmark::kMillisecond);

// One line of a report or a grid cell, glyphs already cached.
static void BM_DrawText_JapaneseLine20(benchmark::State& state) {
    host::gdi::DeviceContext dc(400, 40);
    dc.setBkMode(host::gdi::BkMode::Transparent);
    dc.selectFont(host::gdi::CreateFontIndirect({16, 0, "ＭＳ Ｐゴシック"}));
    for (auto _ : state) {
        host::gdi::Rect rect{0, 0, 400, 40};
        benchmark::DoNotOptimize(host::gdi::DrawText(dc, "学園の生徒たちが王国大会の冒険に出発中。", rect,
                                                     host::gdi::DT_SINGLELINE | host::gdi::DT_VCENTER));
    }
}
BENCHMARK(BM_DrawText_JapaneseLine20)->Unit(benchmark::kMicrosecond);

// The message box wraps each source line into its band.
static void BM_DrawText_WrappedParagraph(benchmark::State& state) {
    host::gdi::DeviceContext dc(300, 200);
    dc.setBkMode(host::gdi::BkMode::Transparent);
    dc.selectFont(host::gdi::CreateFontIndirect({19, 0, "ＭＳ Ｐゴシック"}));
    for (auto _ : state) {
        host::gdi::Rect rect{0, 0, 300, 200};
        benchmark::DoNotOptimize(host::gdi::DrawText(
            dc,
            "スライムの攻撃！ "
            "勇者に12のダメージ。Quorvel学園の生徒は反撃の準備を整えて、次の行動を待っている。",
            rect, host::gdi::DT_WORDBREAK | host::gdi::DT_EDITCONTROL));
    }
}
BENCHMARK(BM_DrawText_WrappedParagraph)->Unit(benchmark::kMicrosecond);
