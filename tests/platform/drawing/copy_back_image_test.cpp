#include "platform/drawing/copy_back_image.h"

#include "host/gdi/fill.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace host::gdi;

namespace {

// A control whose look is one colour, with its own coordinates written into
// each pixel's red and green so a test sees which part was copied.
class FakeControl : public DrawableControl {
  public:
    FakeControl(std::string type, int left, int top, int width, int height,
                std::string container = "picSchool")
        : type_(std::move(type)), container_(std::move(container)), left_(left), top_(top), width_(width),
          height_(height) {}

    std::string ContainerName() const override { return container_; }
    std::string TypeName() const override { return type_; }
    bool Visible() const override { return visible; }
    std::int32_t Left() const override { return left_; }
    std::int32_t Top() const override { return top_; }
    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }

    DeviceContext* HDC() override {
        ++reads;
        look = std::make_unique<DeviceContext>(width_, height_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                look->bitmap().setPixel(x, y, RGB(x, y, tag));
        return look.get();
    }
    void HDCDelete() override {
        ++deletes;
        look.reset();
    }

    bool visible = true;
    std::uint8_t tag = 7;
    int reads = 0;
    int deletes = 0;
    std::unique_ptr<DeviceContext> look;

  private:
    std::string type_, container_;
    int left_, top_, width_, height_;
};

constexpr COLORREF kUntouched = RGB(255, 255, 255);

} // namespace

TEST(CopyBackImage, CopiesOnlyTheOverlapAtItsPlaceInTheRectangle) {
    // Rectangle (10, 20) 30 x 20 of the container.
    const struct {
        int left, top, width, height;
        Rect landed;  // in the target
        Point source; // control pixel that lands at landed's top-left
    } cases[] = {
        {30, 30, 50, 50, {20, 10, 30, 20}, {0, 0}}, // past the right and bottom edges
        {0, 5, 20, 20, {0, 0, 10, 5}, {10, 15}},    // above and left of it
        {15, 25, 5, 5, {5, 5, 10, 10}, {0, 0}},     // inside
        {0, 0, 100, 100, {0, 0, 30, 20}, {10, 20}}, // covering it
    };
    for (const auto& c : cases) {
        FakeControl control("ctrGraphicalPanel", c.left, c.top, c.width, c.height);
        DeviceContext target(30, 20);
        DrawableControl* controls[] = {&control};
        CopyBackImage("picSchool", target, 10, 20, 30, 20, controls);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                const bool inside =
                    x >= c.landed.left && x < c.landed.right && y >= c.landed.top && y < c.landed.bottom;
                const COLORREF expected =
                    inside ? RGB(c.source.x + x - c.landed.left, c.source.y + y - c.landed.top, 7)
                           : kUntouched;
                ASSERT_EQ(target.bitmap().pixel(x, y), expected) << x << "," << y << " case " << c.left;
            }
    }
}

TEST(CopyBackImage, ControlsTouchingTheEdgeHiddenOrElsewhereAddNothing) {
    FakeControl controls[] = {
        {"ctrGraphicalSlider", 40, 25, 10, 10}, // touches the right edge (x = 10 + 30)
        {"ctrGraphicalSlider", 0, 25, 10, 10},  // touches the left edge (right side at x = 10)
        {"ctrGraphicalSlider", 15, 10, 10, 10}, // touches the top edge (bottom at y = 20)
        {"ctrGraphicalSlider", 15, 40, 10, 10}, // touches the bottom edge
        {"ctrGraphicalPanel", 15, 25, 5, 5},    // hidden, below
        {"ctrGraphicalPanel", 15, 25, 5, 5, "picClass"},
        {"Label", 15, 25, 5, 5},
    };
    controls[4].visible = false;
    std::vector<DrawableControl*> list;
    for (auto& c : controls)
        list.push_back(&c);

    DeviceContext target(30, 20);
    CopyBackImage("picSchool", target, 10, 20, 30, 20, list);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(target.bitmap().pixel(x, y), kUntouched);
    for (auto& c : controls)
        EXPECT_EQ(c.reads, 0) << c.TypeName();
}

TEST(CopyBackImage, LaterControlsCoverEarlierOnesAndFreshLooksAreReleased) {
    FakeControl grid("ctrGraphicalGridVer2", 0, 0, 20, 20);
    grid.tag = 1;
    FakeControl message("ctrGraphicalMSG", 5, 5, 20, 20);
    message.tag = 2;
    FakeControl figure("ucGraphicalFigure", 0, 0, 3, 3);
    figure.tag = 3;
    DrawableControl* list[] = {&grid, &message, &figure};

    DeviceContext target(20, 20);
    CopyBackImage("picSchool", target, 0, 0, 20, 20, list);
    EXPECT_EQ(GetBValue(target.bitmap().pixel(1, 1)), 3);
    EXPECT_EQ(GetBValue(target.bitmap().pixel(4, 4)), 1);
    EXPECT_EQ(GetBValue(target.bitmap().pixel(6, 6)), 2);
    EXPECT_EQ(grid.deletes, 1);
    EXPECT_EQ(message.deletes, 1);
    EXPECT_EQ(figure.deletes, 0);
    EXPECT_NE(figure.look, nullptr);
}
