#include "toolkit/ctr_graphical_label_lite.h"

#include "toolkit_fixture.h"

#include "host/gdi/draw_test_util.h"

#include "platform/drawing/graphical_controls_props.h"

#include "host/gdi/draw_text.h"

#include <functional>

using host::gdi::Rect;
using host::ui::InputEvent;
using toolkit_test::COLORREF;
using toolkit_test::kGold;
using toolkit_test::kRed;
using toolkit_test::kScreen;
using toolkit_test::RGB;
using Entries = std::vector<std::string>;

namespace {

// Washes of the screen colour (100, 150, 200) at 50 percent.
constexpr auto kBlueWash = RGB(50, 75, 227);
constexpr auto kLimeWash = RGB(50, 202, 100);
constexpr auto kOrangeWash = RGB(177, 157, 100);
constexpr auto kBlackWash = RGB(50, 75, 100);

class LabelTest : public toolkit_test::ToolkitTest {
  protected:
    LabelTest() {
        paintScreen(kScreen);
        label.Click.subscribe([this] { log.push_back("click " + std::to_string(label.Selected())); });
        label.RightClick.subscribe(
            [this] { log.push_back("rightclick " + std::to_string(label.Selected())); });
        label.MouseMove.subscribe([this](int&, int&, int&, int&) { log.push_back("enter"); });
        label.MouseLeave.subscribe([this] { log.push_back("leave"); });
        label.Sound.subscribe([this](std::int32_t& kind) { log.push_back("sound " + std::to_string(kind)); });
    }
    void handOver() { label.BackImageCopy(screen, 100, 200); }
    // The look inside the frame, away from the caption.
    COLORREF inside() { return at(label, 5, 25); }

    ctrGraphicalLabelLite& label = place<ctrGraphicalLabelLite>(screen, 100, 200, 100, 30, "GLTest");
    Entries log;
};

TEST_F(LabelTest, EachLookWashesThePictureUnderTheLabel) {
    const struct {
        const char* name;
        bool enable, hover, selected;
        COLORREF expected;
    } cases[] = {
        {.name = "normal", .enable = true, .hover = false, .selected = false, .expected = kBlueWash},
        {.name = "selected", .enable = true, .hover = false, .selected = true, .expected = kOrangeWash},
        {.name = "mouse-over", .enable = true, .hover = true, .selected = false, .expected = kLimeWash},
        {.name = "mouse-over beats selected",
         .enable = true,
         .hover = true,
         .selected = true,
         .expected = kLimeWash},
        {.name = "disabled beats selected",
         .enable = false,
         .hover = false,
         .selected = true,
         .expected = kBlackWash},
        {.name = "disabled ignores the pointer",
         .enable = false,
         .hover = true,
         .selected = false,
         .expected = kBlackWash},
    };
    handOver();
    for (const auto& c : cases) {
        move(10, 10);
        label.Enable(c.enable);
        label.Selected(c.selected);
        if (c.hover) move(150, 215);
        EXPECT_EQ(inside(), c.expected) << c.name;
        EXPECT_EQ(at(label, 0, 0), kGold) << c.name;
        label.Enable(true);
    }
}

TEST_F(LabelTest, AWashKeepsItsPercentageOfThePictureAndAnOutOfTableColourIsBlack) {
    const struct {
        std::int32_t colour;
        std::int16_t AP;
        COLORREF expected;
    } cases[] = {
        {.colour = 5, .AP = 100, .expected = kScreen},
        {.colour = 5, .AP = 0, .expected = RGB(0, 0, 255)},
        {.colour = 5, .AP = 101, .expected = kScreen},
        {.colour = 5, .AP = -1, .expected = kScreen},
        {.colour = 999, .AP = 50, .expected = kBlackWash},
        {.colour = 3, .AP = 20, .expected = RGB(224, 234, 244)},
    };
    for (const auto& c : cases) {
        label.SemiTrans(c.colour);
        label.SemiTransAP(c.AP);
        handOver();
        EXPECT_EQ(inside(), c.expected) << c.colour << " at " << c.AP;
    }
}

TEST_F(LabelTest, TheFrameFollowsItsWidthFromTheTopLeftCorner) {
    handOver();
    label.FrameWidth(3);
    label.RePaint();
    for (auto [x, y] : {std::pair{97, 15}, {50, 27}, {0, 15}, {50, 0}})
        EXPECT_EQ(at(label, x, y), kGold) << x << "," << y;
    EXPECT_EQ(at(label, 50, 15), kBlueWash);
    label.FrameWidth(0);
    label.RePaint();
    EXPECT_EQ(at(label, 0, 0), kBlueWash);
    EXPECT_EQ(at(label, 99, 29), kBlueWash);
}

TEST_F(LabelTest, TheCaptionGoesIntoTheRectangleInsideTheFrameAsAligned) {
    using namespace host::gdi;
    const unsigned line = DT_SINGLELINE | DT_VCENTER;
    const struct {
        std::int32_t alignment;
        std::int16_t frame;
        Rect rect;
        unsigned flags;
    } cases[] = {
        {.alignment = 1, .frame = 2, .rect = {4, 2, 96, 26}, .flags = DT_LEFT | line},
        {.alignment = 2, .frame = 2, .rect = {2, 2, 96, 26}, .flags = DT_CENTER | line},
        {.alignment = 3, .frame = 2, .rect = {2, 2, 94, 26}, .flags = DT_RIGHT | line},
        {.alignment = 0, .frame = 2, .rect = {2, 2, 96, 26}, .flags = DT_LEFT | DT_TOP},
        {.alignment = 2, .frame = 0, .rect = {0, 0, 100, 30}, .flags = DT_CENTER | line},
    };
    label.FontColor(2);
    label.FontSize(12);
    for (const auto& c : cases) {
        label.FrameWidth(c.frame);
        label.TextAlignment(c.alignment);
        handOver();
        label.Text("決定 Ok");

        DeviceContext expected(100, 30);
        expected.selectFont(CreateFontHandle(12, false, "MS UI Gothic"));
        expected.setTextColor(kRed);
        expected.setBkMode(BkMode::Transparent);
        Rect rect = c.rect;
        DrawText(expected, "決定 Ok", rect, c.flags);
        EXPECT_EQ(gdi_test::picture(label.HDC().bitmap(), kRed), gdi_test::picture(expected.bitmap(), kRed))
            << "alignment " << c.alignment << ", frame " << c.frame;
    }
    label.Text("");
    EXPECT_EQ(gdi_test::count(label.HDC().bitmap(), kRed), 0);
}

TEST_F(LabelTest, ReleasesAndKeysClickWithSoundsAndSelectEnableFlipsSelectedFirst) {
    const auto left = [this] { click(150, 215); };
    const auto right = [this] { click(150, 215, host::ui::vbRightButton); };
    const auto keyOf = [this](int code) { return [this, code] { key(code); }; };
    const Entries leftClick{"sound 0", "click 1"};
    const Entries rightClick{"sound 5", "rightclick 0"};
    const struct {
        const char* name;
        std::function<void()> act;
        Entries expected;
    } cases[] = {
        {"left button", left, leftClick},
        {"Enter", keyOf(13), leftClick},
        {"a", keyOf('a'), leftClick},
        {"z", keyOf('z'), leftClick},
        {"right button", right, rightClick},
        {"Space", keyOf(' '), rightClick},
        {"S", keyOf('S'), rightClick},
        {"x", keyOf('x'), rightClick},
        {"s", keyOf('s'), {}},
        {"A", keyOf('A'), {}},
        {"Z", keyOf('Z'), {}},
        {"X", keyOf('X'), {}},
    };
    handOver();
    label.SelectEnable(true);
    for (const auto& c : cases) {
        label.Selected(false);
        move(150, 215);
        log.clear();
        c.act();
        EXPECT_EQ(log, c.expected) << c.name;
        move(10, 10);
    }
}

TEST_F(LabelTest, WithoutSelectEnableOrSoundEffectClicksStillComeWithoutFlipsOrSounds) {
    handOver();
    label.SoundEffect(false);
    click(150, 215);
    key(13);
    click(150, 215, host::ui::vbRightButton);
    move(10, 10);
    EXPECT_EQ(log, (Entries{"enter", "click 0", "click 0", "rightclick 0", "leave"}));
}

TEST_F(LabelTest, HoverRaisesOnceOnEnteringAndLeavingAndTheEdgesCountAsInside) {
    handOver();
    move(150, 215);
    move(160, 220);
    move(200, 230); // x = width, y = height: the right and bottom edges
    EXPECT_EQ(inside(), kLimeWash);
    EXPECT_TRUE(label.hasCapture());
    EXPECT_TRUE(label.hasFocus());
    move(201, 231);
    move(250, 250);
    EXPECT_EQ(log, (Entries{"sound 1", "enter", "leave"}));
    EXPECT_EQ(inside(), kBlueWash);
    EXPECT_FALSE(label.hasCapture());
}

TEST_F(LabelTest, DraggingOffTheLabelLeavesOnceAndReleasingOutsideDoesNotClick) {
    handOver();
    move(150, 215);
    send(InputEvent::down(host::ui::vbLeftButton, 150, 215));
    move(300, 300);
    move(310, 310);
    send(InputEvent::up(host::ui::vbLeftButton, 310, 310));
    EXPECT_EQ(log, (Entries{"sound 1", "enter", "leave"}));
}

TEST_F(LabelTest, ADisabledOrInactiveLabelIgnoresThePointerAndKeys) {
    handOver();
    label.Enable(false);
    move(150, 215);
    click(150, 215);
    key(13);
    EXPECT_EQ(log, Entries{});
    EXPECT_EQ(inside(), kBlackWash);

    label.Enable(true);
    move(150, 215);
    label.Active(false); // a hover in progress goes on
    click(150, 215);
    key('x');
    move(10, 10);
    EXPECT_EQ(log, (Entries{"sound 1", "enter"}));
    EXPECT_EQ(inside(), kLimeWash);
    label.MouseLeave();
    EXPECT_EQ(inside(), kBlueWash);
    EXPECT_EQ(log, (Entries{"sound 1", "enter"}));
}

TEST_F(LabelTest, DisablingWhileHoveredEndsTheHoverAndLetsTheCaptureGo) {
    handOver();
    move(150, 215);
    label.Enable(false);
    EXPECT_FALSE(label.hasCapture());
    label.Enable(true);
    EXPECT_EQ(inside(), kBlueWash);
    move(155, 215);
    EXPECT_EQ(log, (Entries{"sound 1", "enter", "sound 1", "enter"}));
}

TEST_F(LabelTest, ANewBackgroundReplacesEveryLookAndRefreshTakesItAgainFromTheSamePlace) {
    handOver();
    label.Selected(true);
    paintScreen(RGB(0, 0, 0));
    EXPECT_EQ(inside(), kOrangeWash);
    label.Refresh();
    EXPECT_EQ(inside(), RGB(127, 82, 0));
    label.Selected(false);
    EXPECT_EQ(inside(), RGB(0, 0, 127));

    // A label moved to another place is handed the picture there.
    paintScreen(kScreen);
    host::gdi::FillRect(screen.hDC(), {300, 300, 400, 330}, host::gdi::Brush{RGB(200, 200, 200)});
    label.BackImageCopy(screen, 300, 300);
    EXPECT_EQ(inside(), RGB(100, 100, 227));
    label.Enable(false);
    EXPECT_EQ(inside(), RGB(100, 100, 100));
}

TEST_F(LabelTest, DrawingBeforeAnyBackgroundShowsNoWashAndDoesNotFail) {
    label.Text("開始");
    label.Refresh();
    move(150, 215);
    EXPECT_EQ(inside(), host::gdi::kWhite);
}

} // namespace
