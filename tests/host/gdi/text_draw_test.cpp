#include "host/gdi/draw_text.h"
#include "host/gdi/fill.h"
#include "host/gdi/font.h"

#include "host/gdi/draw_test_util.h"

#include <gtest/gtest.h>

#include <climits>

using namespace host::gdi;

namespace {

constexpr COLORREF kInk = RGB(0, 0, 128);
constexpr COLORREF kPink = RGB(255, 192, 203);

// The smallest rectangle holding every pixel of the colour.
Rect inkBounds(const Bitmap& b, COLORREF colour) {
    Rect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) == colour) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r;
}

struct Canvas {
    DeviceContext dc{200, 120};
    std::shared_ptr<const Font> font = CreateFontIndirect({16, 0, "ＭＳ Ｐゴシック"});

    Canvas() {
        dc.selectFont(font);
        dc.setTextColor(kInk);
        dc.setBkMode(BkMode::Transparent);
    }

    Rect draw(const char* text, Rect rect, unsigned format) {
        FillRect(dc, {0, 0, 200, 120}, Brush{kWhite});
        DrawText(dc, text, rect, format);
        return inkBounds(dc.bitmap(), kInk);
    }
};

} // namespace

TEST(TextDraw, CalcRectMeasuresLinesWithoutDrawing) {
    Canvas c;
    const int lh = c.font->height();
    const struct {
        const char* text;
        unsigned format;
        int lines;
    } cases[] = {
        {"", 0, 1},          {"", DT_SINGLELINE, 1},       {"学園", 0, 1},
        {"a\r\nb", 0, 2},    {"a\r\nb", DT_SINGLELINE, 1}, {"a\r\n", 0, 1},
        {"a\r\n\r\n", 0, 2}, {"\r\n\r\n\r\n", 0, 3},
    };
    for (const auto& k : cases) {
        Rect r{10, 20, 10, 20};
        EXPECT_EQ(DrawText(c.dc, k.text, r, k.format | DT_CALCRECT), k.lines * lh) << k.text;
        EXPECT_EQ(r.top, 20);
        EXPECT_EQ(r.bottom, 20 + k.lines * lh) << k.text;
    }
    EXPECT_EQ(gdi_test::count(c.dc.bitmap(), kInk), 0);

    Rect wide{0, 0, 0, 0};
    DrawText(c.dc, "ab\r\nabcd", wide, DT_CALCRECT);
    Rect one{0, 0, 0, 0};
    DrawText(c.dc, "abcd", one, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(wide.right, one.right); // the widest line
    EXPECT_GT(one.right, 0);
    Rect empty{5, 5, 50, 50};
    DrawText(c.dc, "", empty, DT_CALCRECT);
    EXPECT_EQ(empty.right, 5);
}

TEST(TextDraw, CalcRectWithWordBreakWrapsAtTheRectangleWidth) {
    Canvas c;
    Rect r{0, 0, 0, 0};
    DrawText(c.dc, "学園学園学園学園", r, DT_CALCRECT | DT_SINGLELINE);
    const int full = r.right;
    Rect wrapped{0, 0, full / 2, 0};
    DrawText(c.dc, "学園学園学園学園", wrapped, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(wrapped.bottom, 2 * c.font->height());
    EXPECT_EQ(wrapped.right, full / 2);
}

TEST(TextDraw, HorizontalAlignmentPlacesTheLineInTheRectangle) {
    Canvas c;
    Rect m{0, 0, 0, 0};
    DrawText(c.dc, "学園", m, DT_CALCRECT | DT_SINGLELINE);
    const int w = m.right;
    const Rect area{20, 10, 180, 60};
    const Rect left = c.draw("学園", area, DT_LEFT);
    const Rect centre = c.draw("学園", area, DT_CENTER);
    const Rect right = c.draw("学園", area, DT_RIGHT);
    EXPECT_EQ(centre.left - left.left, (160 - w) / 2);
    EXPECT_EQ(right.left - left.left, 160 - w);
    EXPECT_GE(left.left, 20);
    EXPECT_LE(right.right, 180);
    EXPECT_EQ(left.top, centre.top);
}

TEST(TextDraw, VerticalAlignmentAppliesToSingleLinesOnly) {
    Canvas c;
    const int lh = c.font->height();
    const Rect area{0, 10, 200, 110};
    const Rect top = c.draw("学園", area, DT_SINGLELINE);
    EXPECT_EQ(c.draw("学園", area, DT_SINGLELINE | DT_VCENTER).top - top.top, (100 - lh) / 2);
    EXPECT_EQ(c.draw("学園", area, DT_SINGLELINE | DT_BOTTOM).top - top.top, 100 - lh);
    EXPECT_EQ(c.draw("学園", area, DT_VCENTER).top, top.top);
    EXPECT_EQ(c.draw("学園", area, DT_BOTTOM).top, top.top);
}

TEST(TextDraw, WrappedLinesStackOneLineHeightApart) {
    Canvas c;
    const int lh = c.font->height();
    const Rect one = c.draw("国", {0, 0, 200, 120}, 0);
    const Rect three = c.draw("国国国", {0, 0, one.right + 1, 120}, DT_WORDBREAK);
    EXPECT_EQ(three.top, one.top);
    EXPECT_EQ(three.bottom, one.bottom + 2 * lh);
    EXPECT_EQ(three.right, one.right);
}

TEST(TextDraw, NothingIsDrawnOutsideTheRectangle) {
    Canvas c;
    c.dc.setBkMode(BkMode::Opaque);
    c.dc.setBkColor(kPink);
    const Rect area{30, 20, 70, 30}; // narrower and lower than the text
    FillRect(c.dc, {0, 0, 200, 120}, Brush{kWhite});
    Rect r = area;
    DrawText(c.dc, "学園生活 Quorvel", r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    for (COLORREF colour : {kInk, kPink}) {
        const Rect b = inkBounds(c.dc.bitmap(), colour);
        EXPECT_GE(b.left, area.left);
        EXPECT_GE(b.top, area.top);
        EXPECT_LE(b.right, area.right);
        EXPECT_LE(b.bottom, area.bottom);
    }
    // Text reaching past the bitmap on every side is cut there (the sanitizer
    // catches a stray write).
    Rect outside{-50, -8, 300, 200};
    DrawText(c.dc, "学園生活学園生活学園生活学園生活学園生活学園生活学園生活", outside, DT_WORDBREAK);
    EXPECT_GT(gdi_test::count(c.dc.bitmap(), kInk), 0);
}

TEST(TextDraw, OpaqueFillsBehindEachLineTransparentLeavesTheBackground) {
    Canvas c;
    c.dc.setBkColor(kPink);
    Rect m{0, 0, 0, 0};
    DrawText(c.dc, "ab", m, DT_CALCRECT);
    c.dc.setBkMode(BkMode::Opaque);
    c.draw("ab\r\nabab", {10, 10, 200, 120}, DT_LEFT);
    // The cells behind the text, line by line, and nothing else.
    const int cells = m.right * m.bottom + 2 * m.right * m.bottom;
    EXPECT_EQ(gdi_test::count(c.dc.bitmap(), kPink) + gdi_test::count(c.dc.bitmap(), kInk), cells);
    EXPECT_EQ(inkBounds(c.dc.bitmap(), kPink).left, 10);
    c.dc.setBkMode(BkMode::Transparent);
    c.draw("ab\r\nabab", {10, 10, 200, 120}, DT_LEFT);
    EXPECT_EQ(gdi_test::count(c.dc.bitmap(), kPink), 0);
}

TEST(TextDraw, EditControlLeavesOutAPartialLastLine) {
    Canvas c;
    const int lh = c.font->height();
    const Rect area{0, 0, 200, 2 * lh + lh / 2};
    EXPECT_GT(c.draw("国\r\n国\r\n国", area, DT_WORDBREAK).bottom, 2 * lh);
    EXPECT_LE(c.draw("国\r\n国\r\n国", area, DT_WORDBREAK | DT_EDITCONTROL).bottom, 2 * lh);
    // The first line shows even when it does not fit.
    EXPECT_NE(c.draw("国", {0, 0, 200, lh / 2 + 2}, DT_EDITCONTROL).right, INT_MIN);
}

TEST(TextDraw, PrefixUnderlinesOneCharacter) {
    Canvas c;
    const Rect plain = c.draw("File", {10, 10, 200, 120}, 0);
    const Rect marked = c.draw("&File", {10, 10, 200, 120}, 0);
    EXPECT_GT(marked.bottom, plain.bottom); // the underline below the letters
    EXPECT_LE(marked.bottom, 10 + c.font->height());
    // "&&" shows an ampersand, no underline.
    const Rect amp = c.draw("&&", {10, 10, 200, 120}, 0);
    const Rect single = c.draw("&", {10, 10, 200, 120}, 0);
    EXPECT_EQ(single.right, INT_MIN); // a lone "&" shows nothing
    EXPECT_LT(amp.bottom, marked.bottom);
}

TEST(TextDraw, TextOnAKeyColourLeavesOnlyKeyAndTextColours) {
    // Pictures are colour-keyed after drawing: a blended edge would survive as a halo.
    DeviceContext dc(400, 300);
    dc.setBkMode(BkMode::Transparent);
    dc.setTextColor(kInk);
    for (COLORREF key : {kPink, kWhite, RGB(1, 1, 1)}) {
        FillRect(dc, {0, 0, 400, 300}, Brush{key});
        int y = 0;
        for (int height : {12, 16, 19, 21, -24}) {
            for (int weight : {0, FW_BOLD}) {
                for (const char* face : {"ＭＳ Ｐゴシック", "ＭＳ ゴシック"}) {
                    dc.selectFont(CreateFontIndirect({height, weight, face}));
                    Rect r{0, y, 400, 300};
                    y += DrawText(dc, "学園の冒険、ＡＢＣ＆ｘｙｚ abc!", r, DT_SINGLELINE) / 2;
                }
            }
        }
        EXPECT_EQ(gdi_test::count(dc.bitmap(), key) + gdi_test::count(dc.bitmap(), kInk), 400 * 300);
        EXPECT_GT(gdi_test::count(dc.bitmap(), kInk), 1000);
    }
}

TEST(TextDraw, MonochromeTargetGetsTheNearestOfBlackAndWhite) {
    DeviceContext dc(100, 30, Bitmap::Format::Monochrome);
    dc.setTextColor(RGB(10, 10, 10));
    dc.setBkMode(BkMode::Transparent);
    Rect r{0, 0, 100, 30};
    DrawText(dc, "学園", r, 0);
    EXPECT_EQ(gdi_test::count(dc.bitmap(), kBlack) + gdi_test::count(dc.bitmap(), kWhite), 100 * 30);
    EXPECT_GT(gdi_test::count(dc.bitmap(), kBlack), 20);
}

TEST(TextDraw, WithoutASelectedFontTheDefaultFontDraws) {
    DeviceContext dc(10, 10);
    Rect r{0, 0, 0, 0};
    EXPECT_EQ(DrawText(dc, "a", r, DT_CALCRECT), defaultFont()->height());
}
