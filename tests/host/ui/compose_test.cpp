#include "ui_fixture.h"

#include "host/gdi/blit.h"
#include "host/ui/compose.h"
#include "host/ui/label.h"
#include "host/ui/owner_drawn.h"
#include "host/ui/picture_box.h"

using host::gdi::COLORREF;
using host::gdi::RGB;
using host::ui::Label;
using host::ui::PictureBox;
using ui_test::UiTest;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kText = RGB(255, 215, 0);

void paint(host::gdi::Drawable& drawable, COLORREF colour) {
    auto& bitmap = drawable.hDC().bitmap();
    bitmap.fill({0, 0, bitmap.width(), bitmap.height()}, colour);
}

// Whether any pixel of the rectangle has the colour.
bool anyPixel(const host::gdi::Bitmap& bitmap, host::gdi::Rect r, COLORREF colour) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (bitmap.pixel(x, y) == colour) return true;
    return false;
}

class ComposeTest : public UiTest {
  protected:
    host::gdi::Bitmap& compose() {
        host::ui::Compose(form, frame);
        return frame.bitmap();
    }
    host::gdi::DeviceContext frame{800, 600};
};

TEST_F(ComposeTest, ControlsAreDrawnBackToFrontClippedToTheirContainers) {
    auto& back = place<PictureBox>(form, 0, 0, 800, 600);
    auto& front = place<PictureBox>(form, 100, 100, 100, 100);
    auto& child = place<PictureBox>(back, 150, 150, 100, 100); // under front: its container is behind
    auto& overhang = place<PictureBox>(front, 80, 80, 50, 50); // reaches past front's corner
    paint(back, kRed);
    paint(front, kGreen);
    paint(child, kBlue);
    paint(overhang, kYellow);
    auto& f = compose();
    EXPECT_EQ(f.pixel(50, 50), kRed);
    EXPECT_EQ(f.pixel(150, 150), kGreen);
    EXPECT_EQ(f.pixel(220, 220), kBlue);
    EXPECT_EQ(f.pixel(190, 190), kYellow);
    EXPECT_EQ(f.pixel(205, 190), kBlue); // the overhang is clipped at front's edge
    back.ZOrder(0);
    EXPECT_EQ(compose().pixel(120, 120), kRed);
    EXPECT_EQ(compose().pixel(160, 160), kBlue);
    child.setVisible(false);
    EXPECT_EQ(compose().pixel(220, 220), kRed);
}

TEST_F(ComposeTest, LabelsAreDrawnOverTheirContainerUnderItsChildrenAndNotIntoItsSurface) {
    auto& screen = place<PictureBox>(form, 0, 0, 800, 600);
    auto& label = place<Label>(screen, 10, 10, 300, 60);
    auto& cover = place<PictureBox>(screen, 10, 40, 300, 30);
    paint(screen, kBlue);
    paint(cover, kGreen);
    label.setForeColor(kText);
    label.setFont({"ＭＳ Ｐゴシック", 12, false});
    label.setCaption("学園の授業を選んでください。学園の授業を選んでください。学園の授業を選んでください。");
    auto& f = compose();
    EXPECT_TRUE(anyPixel(f, {10, 10, 310, 40}, kText));
    EXPECT_FALSE(anyPixel(f, {10, 40, 310, 70}, kText)); // the windowed child covers the second line
    EXPECT_TRUE(anyPixel(f, {10, 10, 310, 40}, kBlue));  // transparent around the letters
    EXPECT_FALSE(anyPixel(screen.hDC().bitmap(), {0, 0, 800, 600}, kText));
    label.setVisible(false);
    EXPECT_FALSE(anyPixel(compose(), {10, 10, 310, 40}, kText));
}

TEST_F(ComposeTest, PictureBoxKeepsItsDrawingClsRestoresThePictureAndAutoSizeFitsIt) {
    auto& box = place<PictureBox>(form, 0, 0, 100, 100);
    auto picture = std::make_unique<host::gdi::Bitmap>(40, 30);
    picture->fill({0, 0, 40, 30}, kRed);
    box.setPicture(std::move(picture));
    box.hDC().bitmap().setPixel(5, 5, kBlue);
    EXPECT_EQ(box.hDC().bitmap().pixel(5, 5), kBlue);
    EXPECT_EQ(box.hDC().bitmap().pixel(50, 50), box.BackColor());
    box.Cls();
    EXPECT_EQ(box.hDC().bitmap().pixel(5, 5), kRed);
    box.setAutoSize(true);
    EXPECT_EQ(box.ScaleWidth(), 40);
    EXPECT_EQ(box.ScaleHeight(), 30);
    box.Move(0, 0, 60, 60); // a larger surface keeps what was drawn
    EXPECT_EQ(box.hDC().bitmap().pixel(39, 29), kRed);
    EXPECT_EQ(box.hDC().bitmap().pixel(50, 50), box.BackColor());
}

struct NoSettings {};
class Gauge : public host::ui::OwnerDrawn<NoSettings> {
  public:
    Gauge() : OwnerDrawn("GraphicalGraph") {}
};

TEST_F(ComposeTest, AnOwnerDrawnControlShowsItsDrawingSurface) {
    auto& control = place<Gauge>(form, 20, 20, 30, 30);
    paint(control.Disp(), kYellow);
    EXPECT_EQ(&control.HDC(), control.look());
    EXPECT_EQ(compose().pixel(49, 49), kYellow);
    EXPECT_EQ(compose().pixel(50, 50), form.BackColor());
}

// A picture box that counts how often its look is asked for.
class CountedBox : public PictureBox {
  public:
    const host::gdi::DeviceContext* look() const override {
        ++asked;
        return PictureBox::look();
    }
    mutable int asked = 0;
};

// The screens lie stacked, each the size of the window: only what shows is drawn.
TEST_F(ComposeTest, AControlHiddenWholeBehindASiblingIsPassedOverAndThePictureStaysTheSame) {
    struct Case {
        const char* name;
        host::gdi::Rect front; // left, top, right, bottom
        bool frontVisible;
        bool backDrawn;
    };
    const Case cases[] = {
        {"front exactly over the back", {50, 50, 750, 550}, true, false},
        {"front over more than the back", {0, 0, 800, 600}, true, false},
        {"front hidden", {0, 0, 800, 600}, false, true},
        {"front leaves a strip of the back", {0, 0, 800, 540}, true, true},
    };
    for (const Case& c : cases) {
        auto& back = place<CountedBox>(form, 50, 50, 700, 500);
        auto& inner = place<PictureBox>(back, 10, 10, 50, 50);
        auto& front = place<PictureBox>(form, c.front.left, c.front.top, c.front.right - c.front.left,
                                        c.front.bottom - c.front.top);
        front.setVisible(c.frontVisible);
        paint(back, kRed);
        paint(inner, kBlue);
        paint(front, kGreen);
        back.asked = 0;
        auto& f = compose();
        EXPECT_EQ(back.asked > 0, c.backDrawn) << c.name;
        EXPECT_EQ(f.pixel(70, 70), c.frontVisible ? kGreen : kBlue) << c.name;
        EXPECT_EQ(f.pixel(400, 545), c.backDrawn ? kRed : kGreen) << c.name;
        front.setParent(nullptr);
        inner.setParent(nullptr);
        back.setParent(nullptr);
    }
}

} // namespace
