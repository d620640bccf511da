#include "platform/drawing/graphical_controls_props.h"

#include "host/gdi/draw_text.h"

#include <gtest/gtest.h>

using namespace host::gdi;

TEST(GetDrawTextFlags, AlignmentTable) {
    const struct {
        std::int32_t align;
        bool singleLine;
        std::int32_t vAlign;
        unsigned expected;
    } cases[] = {
        {3, true, 2, DT_RIGHT | DT_SINGLELINE | DT_VCENTER},
        {2, false, 1, DT_CENTER | DT_BOTTOM},
        {1, true, 0, DT_LEFT | DT_SINGLELINE | DT_TOP},
        {0, false, 3, DT_LEFT},
        {4, false, -1, DT_LEFT},
        {-2, true, 2, DT_SINGLELINE | DT_VCENTER},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetDrawTextFlags(c.align, c.singleLine, c.vAlign), c.expected)
            << c.align << " " << c.singleLine << " " << c.vAlign;
}

TEST(GetRectFromClsRECT, KeepsEachEdge) {
    clsRECT r;
    r.Top(3);
    r.Left(-4);
    r.Bottom(50);
    r.Right(600);
    EXPECT_EQ(GetRectFromClsRECT(r), (Rect{-4, 3, 600, 50}));
}

TEST(CreateFontHandle, PointSizeBecomesTheCellHeight) {
    const struct {
        std::int16_t size;
        bool bold;
        const char* face;
        int height;
        FontFace file;
    } cases[] = {
        {12, false, "ＭＳ Ｐゴシック", 16, FontFace::ProportionalGothic},
        {13, true, "MS UI Gothic", 17, FontFace::ProportionalGothic},
        {14, false, "ＭＳ ゴシック", 19, FontFace::FixedGothic},
        {16, true, "", 21, FontFace::ProportionalGothic},
        {100, false, "", 96, FontFace::ProportionalGothic}, // the record keeps 72 points at most
    };
    for (const auto& c : cases) {
        clsFont font;
        font.Size(c.size);
        font.Bold(c.bold);
        font.Italic(true);
        font.Name(c.face);
        const auto handle = CreateFontHandle(font);
        EXPECT_EQ(handle->height(), c.height) << c.size;
        EXPECT_EQ(handle->bold(), c.bold);
        EXPECT_EQ(handle->face(), c.file) << c.face;
    }
}
