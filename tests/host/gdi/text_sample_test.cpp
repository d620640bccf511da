#include "host/gdi/draw_text.h"
#include "host/gdi/fill.h"
#include "host/gdi/font.h"
#include "host/gdi/picture.h"
#include "host/runtime/rounding.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace host::gdi;

// Japanese text of several faces, sizes and weights, written to
// text_sample.png in the working folder (the build folder under ctest) so a
// person can check that it reads well.
TEST(TextSample, WritesJapaneseSampleToPng) {
    DeviceContext dc(800, 600);
    FillRect(dc, {0, 0, 800, 600}, Brush{RGB(255, 255, 255)});
    dc.setBkMode(BkMode::Transparent);
    const char* faces[] = {"ＭＳ Ｐゴシック", "ＭＳ ゴシック", "MS UI Gothic"};
    const int points[] = {9, 12, 16, 24};
    int y = 4;
    for (const char* face : faces) {
        for (int pt : points) {
            for (bool bold : {false, true}) {
                const int height = host::runtime::MulDiv(pt, kLogPixelsY, 72);
                dc.selectFont(CreateFontIndirect({height, bold ? FW_BOLD : 0, face}));
                dc.setTextColor(bold ? RGB(160, 0, 0) : RGB(0, 0, 0));
                Rect rect{4, y, 796, 600};
                const std::string text = std::string(face) + " " + std::to_string(pt) + "pt" +
                                         (bold ? " 太字" : "") +
                                         "：学園の生徒たちが冒険に出発します。アイテム購入 Quorvel 2025";
                y += DrawText(dc, text, rect, DT_LEFT | DT_SINGLELINE) + 1;
            }
        }
    }
    const std::vector<std::uint8_t> png = EncodePng(dc.bitmap());
    std::ofstream("text_sample.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    EXPECT_LT(y, 600);
}
