#include "platform/drawing/frames.h"

#include "host/gdi/draw_test_util.h"

#include <gtest/gtest.h>

using namespace host::gdi;

namespace {

constexpr COLORREF kGold = RGB(255, 215, 0);

class Box : public Drawable {
  public:
    Box(int w, int h) : dc_(w, h) {}
    DeviceContext& hDC() override { return dc_; }
    void Refresh() override {}

  private:
    DeviceContext dc_;
};

} // namespace

TEST(DrawPictureFrame, OutlinesTheBoxAndPutsThePenBack) {
    const struct {
        std::int16_t width;
        const char* expected;
    } cases[] = {
        {1, "######\n"
            "#....#\n"
            "#....#\n"
            "######\n"},
        {0, "......\n"
            "......\n"
            "......\n"
            "......\n"},
    };
    for (const auto& c : cases) {
        Box box(6, 4);
        box.hDC().selectPen(Pen{3, RGB(1, 2, 3)});
        DrawPictureFrame(box, kGold, c.width);
        EXPECT_EQ(gdi_test::picture(box.hDC().bitmap(), kGold), c.expected) << c.width;
        EXPECT_EQ(box.hDC().pen().width, 3);
        EXPECT_EQ(box.hDC().pen().colour, RGB(1, 2, 3));
    }
}

TEST(DrawSegment, DrawsWithTheCurrentPen) {
    DeviceContext dc(5, 3);
    dc.selectPen(Pen{1, kGold});
    DrawSegment(dc, 0, 1, 4, 1);
    EXPECT_EQ(gdi_test::picture(dc.bitmap(), kGold), ".....\n####.\n.....\n");
}
