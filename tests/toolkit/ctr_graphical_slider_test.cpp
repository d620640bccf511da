#include "toolkit/ctr_graphical_slider.h"

#include "toolkit_fixture.h"

#include "host/gdi/draw_test_util.h"
#include "host/gdi/fill.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using host::ui::InputEvent;
using toolkit_test::COLORREF;
using toolkit_test::kGold;
using toolkit_test::kScreen;
using toolkit_test::RGB;
using Values = std::vector<std::int32_t>;

namespace {

constexpr auto kWhite = RGB(255, 255, 255);
constexpr auto kBlue = RGB(0, 0, 255);
constexpr auto kGreen = RGB(0, 255, 0);
constexpr auto kAqua = RGB(0, 255, 255);
constexpr auto kBlackWash = RGB(50, 75, 100);

// A settings slider at (100, 300), 300 x 20, with 20-pixel step buttons and
// a 15-pixel thumb: the track runs from 20 (TS) to 265 (TE), 245 long, over
// the range 0..100.
class SliderTest : public toolkit_test::ToolkitTest {
  protected:
    SliderTest() {
        paintScreen(kScreen);
        host::gdi::FillRect(buttons, {0, 0, 20, 20}, host::gdi::Brush{kBlue});
        host::gdi::FillRect(buttons, {20, 0, 40, 20}, host::gdi::Brush{kGreen});
        host::gdi::FillRect(buttonMask, {0, 0, 40, 20}, host::gdi::Brush{RGB(0, 0, 0)});
        slider.ValueChange.subscribe([this](std::int32_t& value, bool& accept) {
            offered.push_back(value);
            if (answer) answer(value, accept);
        });
        slider.SliderLeave.subscribe([this] { ++leaves; });
        slider.Sound.subscribe([this](std::int32_t&) { ++sounds; });
        slider.UpDown(true);
        slider.SliderWidth(15);
        slider.SetUpDownImage(&buttons, &buttonMask, 40);
        handOver();
    }
    void handOver() { slider.BackImageCopy(screen.hDC(), 100, 300); }
    // Pointer input at x, y in the slider's own pixels.
    void moveTo(int x, int y = 10) { move(100 + x, 300 + y); }
    void press(int x) {
        moveTo(x);
        send(InputEvent::down(host::ui::vbLeftButton, 100 + x, 310));
    }
    void release(int x) { send(InputEvent::up(host::ui::vbLeftButton, 100 + x, 310)); }
    // Lets the repeat timer run for that many intervals.
    void hold(int intervals) {
        for (int i = 0; i < intervals; ++i) {
            clock->advance(ctrGraphicalSlider::kRepeatInterval);
            pump.DoEvents();
        }
    }
    // The slider's look, the thumb marked.
    std::string lookNow() { return gdi_test::picture(slider.HDC().bitmap(), kWhite); }
    // The left edge of the white thumb on the middle row, or -1.
    int thumbShownAt() {
        for (int x = 0; x < slider.Width(); ++x)
            if (at(slider, x, 10) == kWhite) return x;
        return -1;
    }

    host::gdi::DeviceContext buttons{40, 20};
    host::gdi::DeviceContext buttonMask{40, 20};
    ctrGraphicalSlider& slider = place<ctrGraphicalSlider>(screen, 100, 300, 300, 20, "GSSetting");
    Values offered;
    std::function<void(std::int32_t&, bool&)> answer;
    int leaves = 0;
    int sounds = 0;
};

TEST_F(SliderTest, TheTrackLeavesRoomForTheButtonsTheFrameAndTheThumb) {
    const struct {
        const char* name;
        bool upDown;
        std::int16_t frame, thumb;
        std::int32_t buttonsWidth;
        int start, end, length;
    } cases[] = {
        {.name = "plain",
         .upDown = false,
         .frame = 0,
         .thumb = 10,
         .buttonsWidth = 40,
         .start = 0,
         .end = 290,
         .length = 290},
        {.name = "buttons",
         .upDown = true,
         .frame = 0,
         .thumb = 15,
         .buttonsWidth = 40,
         .start = 20,
         .end = 265,
         .length = 245},
        {.name = "buttons and frame",
         .upDown = true,
         .frame = 1,
         .thumb = 15,
         .buttonsWidth = 40,
         .start = 21,
         .end = 264,
         .length = 243},
        {.name = "odd button width",
         .upDown = true,
         .frame = 2,
         .thumb = 10,
         .buttonsWidth = 41,
         .start = 22,
         .end = 268,
         .length = 246},
    };
    for (const auto& c : cases) {
        slider.UpDown(c.upDown);
        slider.FrameWidth(c.frame);
        slider.FrameColor(1);
        slider.SliderWidth(c.thumb);
        slider.SetUpDownImage(&buttons, &buttonMask, c.buttonsWidth);
        slider.Value(37);
        handOver();
        EXPECT_EQ(slider.trackStart(), c.start) << c.name;
        EXPECT_EQ(slider.trackEnd(), c.end) << c.name;
        EXPECT_EQ(slider.trackLength(), c.length) << c.name;
        // Right after the hand-over the thumb stands at the track start.
        EXPECT_EQ(thumbShownAt(), c.start) << c.name;
        EXPECT_EQ(at(slider, c.start + c.thumb, 10), kBlackWash) << c.name;
        if (c.upDown) {
            EXPECT_EQ(at(slider, 5, 10), kBlue) << c.name;
            EXPECT_EQ(at(slider, 300 - c.buttonsWidth / 2, 10), kGreen)
                << c.name; // the right button ends at W
            EXPECT_EQ(at(slider, 299, 10), kGreen) << c.name;
        }
        if (c.frame) {
            EXPECT_EQ(at(slider, c.start - c.frame, 10), kGold) << c.name;
            EXPECT_EQ(at(slider, 300 - c.start, 10), kGold) << c.name;
            EXPECT_EQ(at(slider, 150, 0), kGold) << c.name;
            EXPECT_EQ(at(slider, 150, 20 - c.frame), kGold) << c.name;
        }
    }
}

TEST_F(SliderTest, AValueIsKeptInRangeOfferedOnceAndPlacesTheThumbWithoutSubtractingMix) {
    const struct {
        const char* name;
        std::int32_t mix, max, set;
        std::int32_t stored;
        bool offered;
        int thumb;
    } cases[] = {
        {.name = "0 on a new slider",
         .mix = 0,
         .max = 100,
         .set = 0,
         .stored = 0,
         .offered = false,
         .thumb = 20},
        {.name = "above Max", .mix = 0, .max = 100, .set = 150, .stored = 100, .offered = true, .thumb = 265},
        {.name = "below Mix", .mix = 0, .max = 100, .set = -5, .stored = 0, .offered = true, .thumb = 20},
        {.name = "middle", .mix = 0, .max = 100, .set = 50, .stored = 50, .offered = true, .thumb = 141},
        {.name = "the same again",
         .mix = 0,
         .max = 100,
         .set = 50,
         .stored = 50,
         .offered = false,
         .thumb = 141},
        // 245 / 20 x 10 + 20 = 142.5, rounded to even.
        {.name = "1..20", .mix = 1, .max = 20, .set = 10, .stored = 10, .offered = true, .thumb = 142},
        {.name = "1..20 at Mix", .mix = 1, .max = 20, .set = 0, .stored = 1, .offered = true, .thumb = 20},
    };
    for (const auto& c : cases) {
        slider.Max(c.max);
        slider.Mix(c.mix);
        offered.clear();
        slider.Value(c.set);
        EXPECT_EQ(slider.Value(), c.stored) << c.name;
        EXPECT_EQ(offered, c.offered ? Values{c.stored} : Values{}) << c.name;
        EXPECT_EQ(slider.thumbPosition(), c.thumb) << c.name;
        EXPECT_EQ(thumbShownAt(), c.thumb) << c.name;
    }
}

TEST_F(SliderTest, OnATrackOf200TheValue10Of1To20StandsAtTrackStartPlus100) {
    slider.UpDown(false);
    slider.SliderWidth(10);
    slider.Move(100, 300, 210, 20);
    handOver();
    slider.Max(20);
    slider.Mix(1);
    slider.Value(10);
    EXPECT_EQ(slider.trackLength(), 200);
    EXPECT_EQ(slider.thumbPosition(), 100);
}

TEST_F(SliderTest, TheHandlerCanRefuseOrReplaceAChange) {
    const struct {
        const char* name;
        std::function<void(std::int32_t&, bool&)> answer;
        std::int32_t value;
        int thumb;
    } cases[] = {
        {.name = "accepted", .answer = nullptr, .value = 30, .thumb = 93},
        {.name = "refused",
         .answer = [](std::int32_t&, bool& accept) { accept = false; },
         .value = 10,
         .thumb = 44},
        {.name = "replaced, without a further limit",
         .answer = [](std::int32_t& value, bool&) { value = 150; },
         .value = 150,
         .thumb = 384},
    };
    for (const auto& c : cases) {
        answer = nullptr;
        slider.Value(10);
        const std::string before = lookNow();
        answer = c.answer;
        slider.Value(30);
        EXPECT_EQ(slider.Value(), c.value) << c.name;
        EXPECT_EQ(slider.thumbPosition(), c.thumb) << c.name;
        EXPECT_EQ(lookNow() == before, c.value == 10) << c.name;
    }
}

TEST_F(SliderTest, MixAndMaxKeepEachOtherApartButNeitherMovesTheValue) {
    const struct {
        const char* name;
        bool setMix;
        std::int32_t set;
        std::int32_t mix, max;
    } cases[] = {
        {.name = "Mix above Max", .setMix = true, .set = 120, .mix = 99, .max = 100},
        {.name = "Mix equal to Max", .setMix = true, .set = 100, .mix = 100, .max = 100},
        {.name = "Max below Mix", .setMix = false, .set = -10, .mix = 0, .max = 1},
        {.name = "Max equal to Mix", .setMix = false, .set = 0, .mix = 0, .max = 0},
        {.name = "Max raised", .setMix = false, .set = 500, .mix = 0, .max = 500},
    };
    for (const auto& c : cases) {
        slider.ReadProperties(SliderSettings{});
        slider.Value(50);
        offered.clear();
        if (c.setMix)
            slider.Mix(c.set);
        else
            slider.Max(c.set);
        EXPECT_EQ(slider.Mix(), c.mix) << c.name;
        EXPECT_EQ(slider.Max(), c.max) << c.name;
        EXPECT_EQ(slider.Value(), 50) << c.name;
        EXPECT_TRUE(offered.empty()) << c.name;
    }
}

TEST_F(SliderTest, AStepButtonStepsOnTheClickAndEvery300MillisecondsWhileHeld) {
    const struct {
        const char* name;
        int x;
        int intervals;
        std::int32_t value;
    } cases[] = {
        {.name = "right, at once", .x = 290, .intervals = 0, .value = 51},
        {.name = "right, held a second", .x = 290, .intervals = 3, .value = 54},
        {.name = "left, at once", .x = 5, .intervals = 0, .value = 49},
        {.name = "left, held", .x = 5, .intervals = 2, .value = 47},
    };
    for (const auto& c : cases) {
        slider.Value(50);
        press(c.x);
        EXPECT_EQ(slider.Value(), 50) << c.name << ": the press itself does not step";
        EXPECT_TRUE(slider.repeating()) << c.name;
        hold(c.intervals);
        release(c.x);
        EXPECT_FALSE(slider.repeating()) << c.name;
        EXPECT_EQ(slider.Value(), c.value) << c.name;
        hold(2);
        EXPECT_EQ(slider.Value(), c.value) << c.name << ": released, nothing repeats";
    }
    EXPECT_EQ(sounds, 0);
}

TEST_F(SliderTest, TheButtonUnderThePointerIsOutlinedUntilThePointerMovesOn) {
    moveTo(290);
    EXPECT_EQ(slider.zone(), ctrGraphicalSlider::RightButton);
    EXPECT_EQ(at(slider, 281, 10), kAqua);
    EXPECT_EQ(at(slider, 285, 10), kGreen);
    moveTo(150);
    EXPECT_EQ(slider.zone(), ctrGraphicalSlider::Track);
    EXPECT_EQ(at(slider, 281, 10), kGreen);
    moveTo(3);
    EXPECT_EQ(slider.zone(), ctrGraphicalSlider::LeftButton);
    EXPECT_EQ(at(slider, 0, 10), kAqua);
    // A step redraws the slider with the outline still on.
    click(103, 310);
    EXPECT_EQ(at(slider, 0, 10), kAqua);
    moveTo(3, 30);
    EXPECT_EQ(slider.zone(), ctrGraphicalSlider::Outside);
    EXPECT_EQ(at(slider, 0, 10), kBlue);
    EXPECT_EQ(leaves, 1);
}

TEST_F(SliderTest, APressOnTheTrackPagesTowardThePointerUntilItIsReached) {
    const struct {
        const char* name;
        std::int32_t from;
        int x; // the pointer's value is CLng((x - 20) / (245 / 101))
        Values steps;
    } cases[] = {
        {.name = "up to 80", .from = 0, .x = 214, .steps = {10, 20, 30, 40, 50, 60, 70, 80}},
        {.name = "down to 33", .from = 60, .x = 100, .steps = {50, 40, 33}},
        {.name = "within one page", .from = 72, .x = 214, .steps = {80}},
    };
    for (const auto& c : cases) {
        slider.Value(c.from);
        offered.clear();
        press(c.x);
        hold(static_cast<int>(c.steps.size()) + 2);
        EXPECT_EQ(offered, c.steps) << c.name;
        EXPECT_FALSE(slider.repeating()) << c.name;
        release(c.x);
        EXPECT_EQ(slider.Value(), c.steps.back()) << c.name;
    }
    // Released early, the paging stops.
    slider.Value(0);
    press(214);
    hold(1);
    release(214);
    hold(3);
    EXPECT_EQ(slider.Value(), 20);
}

TEST_F(SliderTest, DraggingTheThumbKeepsItUnderThePointerWithinTheRange) {
    slider.Value(0);
    press(25); // 5 pixels into the thumb
    EXPECT_TRUE(slider.dragging());
    const struct {
        int x;
        std::int32_t value;
        int thumb;
    } moves[] = {
        {.x = 145, .value = 49, .thumb = 140}, // CLng(120 / 2.4257...)
        {.x = 146, .value = 50, .thumb = 141}, {.x = 290, .value = 100, .thumb = 265},
        {.x = 10, .value = 0, .thumb = 20},    {.x = 100, .value = 31, .thumb = 95},
    };
    for (const auto& m : moves) {
        moveTo(m.x);
        EXPECT_EQ(slider.Value(), m.value) << m.x;
        EXPECT_EQ(slider.thumbPosition(), m.thumb) << m.x;
        EXPECT_EQ(thumbShownAt(), m.thumb) << m.x;
    }
    // The click that ends the drag steps nothing.
    release(100);
    EXPECT_FALSE(slider.dragging());
    EXPECT_EQ(slider.Value(), 31);

    // A refused change leaves value and thumb during a drag too.
    answer = [](std::int32_t&, bool& accept) { accept = false; };
    press(100);
    moveTo(200);
    EXPECT_EQ(slider.Value(), 31);
    EXPECT_EQ(thumbShownAt(), 95);

    // Leaving the slider ends the drag.
    moveTo(200, -5);
    EXPECT_FALSE(slider.dragging());
    EXPECT_EQ(leaves, 1);
}

// From 50 (thumb at 141), grabbed 5 pixels into the thumb, one quick move
// ends the drag; the thumb then rests where its value puts it.
TEST_F(SliderTest, AQuickDragPastAnEndLandsOnThatEnd) {
    const struct {
        const char* name;
        int x;
        int y;
        std::int32_t value;
        int thumb;
    } cases[] = {
        {.name = "past the right end", .x = 320, .y = 10, .value = 100, .thumb = 265},
        {.name = "past the left end", .x = -15, .y = 10, .value = 0, .thumb = 20},
        {.name = "below the slider", .x = 250, .y = 26, .value = 93, .thumb = 246},
        {.name = "above the slider at the left end", .x = 0, .y = -3, .value = 0, .thumb = 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        slider.Value(50);
        press(146);
        ASSERT_TRUE(slider.dragging());
        leaves = 0;
        moveTo(c.x, c.y);
        EXPECT_FALSE(slider.dragging());
        EXPECT_EQ(leaves, 1);
        EXPECT_EQ(slider.Value(), c.value);
        EXPECT_EQ(slider.thumbPosition(), c.thumb);
        EXPECT_EQ(thumbShownAt(), c.thumb);
        release(c.x);
    }
}

TEST_F(SliderTest, AfterADragTheThumbRestsAtItsValue) {
    slider.Value(50);
    press(146);
    moveTo(150);
    EXPECT_EQ(slider.Value(), 52);
    EXPECT_EQ(thumbShownAt(), 145); // under the pointer while dragging
    release(150);
    EXPECT_FALSE(slider.dragging());
    EXPECT_EQ(slider.Value(), 52);
    EXPECT_EQ(slider.thumbPosition(), 146); // CLng(52 x 245 / 101 + 20)
    EXPECT_EQ(thumbShownAt(), 146);
}

TEST_F(SliderTest, WhenNotEnabledThePointerChangesNothingButValueIsStillDrawn) {
    slider.Enabled(false);
    slider.Value(50);
    press(290);
    hold(3);
    release(290);
    press(250);
    release(250);
    moveTo(150, 40);
    EXPECT_EQ(slider.Value(), 50);
    EXPECT_EQ(slider.zone(), ctrGraphicalSlider::NoZone);
    EXPECT_EQ(leaves, 0);
    slider.Value(70);
    EXPECT_EQ(thumbShownAt(), slider.thumbPosition());
}

TEST_F(SliderTest, ARangeWithoutValuesOrATrackWithoutLengthShowsNoThumbAndPagesNothing) {
    const struct {
        const char* name;
        int width;
        std::int32_t mix, max;
    } cases[] = {
        {.name = "Max below Mix, as stored", .width = 300, .mix = 0, .max = -1},
        {.name = "no track", .width = 55, .mix = 0, .max = 100},
    };
    for (const auto& c : cases) {
        SliderSettings stored = SliderSettings::readDefaults();
        stored.UpDown = true;
        stored.SliderWidth = 15;
        stored.Mix = c.mix;
        stored.Max = c.max;
        slider.ReadProperties(stored);
        slider.Move(100, 300, c.width, 20);
        handOver();
        slider.Value(40);
        EXPECT_EQ(thumbShownAt(), -1) << c.name;
        press(c.width / 2);
        hold(2);
        release(c.width / 2);
        moveTo(c.width / 2 + 10);
        EXPECT_EQ(thumbShownAt(), -1) << c.name;
    }
}

TEST_F(SliderTest, AStoredSliderTakesTheReadDefaults) {
    const SliderSettings fresh;
    const SliderSettings stored = SliderSettings::readDefaults();
    EXPECT_FALSE(fresh.UpDown);
    EXPECT_EQ(fresh.FrameWidth, 0);
    EXPECT_EQ(fresh.FrameColor, 0);
    EXPECT_TRUE(stored.UpDown);
    EXPECT_EQ(stored.FrameWidth, 1);
    EXPECT_EQ(stored.FrameColor, 1);
    EXPECT_EQ(stored.LargeChange, 10);
    EXPECT_EQ(stored.Max, 100);
}

} // namespace

namespace {

int lightness(COLORREF c) {
    return host::gdi::GetRValue(c) + host::gdi::GetGValue(c) + host::gdi::GetBValue(c);
}

TEST_F(SliderTest, WithoutAThumbPictureTheThumbStandsOutOnLightAndDarkWashes) {
    const struct {
        const char* name;
        std::int32_t washColour;
        COLORREF screen;
        std::int32_t value; // a new one each time, so that the thumb is drawn again
    } cases[] = {
        {.name = "gold wash over white", .washColour = 1, .screen = kWhite, .value = 40},
        {.name = "gold wash over black", .washColour = 1, .screen = RGB(0, 0, 0), .value = 50},
        {.name = "black wash over white", .washColour = 4, .screen = kWhite, .value = 60},
        {.name = "black wash over black", .washColour = 4, .screen = RGB(0, 0, 0), .value = 70},
    };
    for (const auto& c : cases) {
        paintScreen(c.screen);
        SliderSettings stored = SliderSettings::readDefaults();
        stored.TransColor = c.washColour;
        stored.SliderWidth = 15;
        slider.ReadProperties(stored);
        slider.SetUpDownImage(nullptr, nullptr, 0);
        handOver();
        slider.Value(c.value);
        const int left = thumbShownAt();
        ASSERT_GT(left, 10) << c.name;
        const int track = lightness(at(slider, left - 5, 10));
        const int rim = lightness(at(slider, left, 10));
        const int body = lightness(at(slider, left + 7, 10));
        // Rim or body differs from the track by well over a third of the range.
        EXPECT_GE(std::max(std::abs(rim - track), std::abs(body - track)), 300) << c.name;
    }
}

} // namespace
