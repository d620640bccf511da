#include "toolkit/graphical_graph.h"

#include "toolkit_fixture.h"

using toolkit_test::COLORREF;
using toolkit_test::kGold;
using toolkit_test::kScreen;
using toolkit_test::RGB;
using Entries = std::vector<std::string>;

namespace {

constexpr auto kBlueWash = RGB(50, 75, 227);
constexpr auto kBlackWash = RGB(50, 75, 100);
constexpr auto kOrangeWash = RGB(177, 157, 100);
constexpr auto kAqua = RGB(0, 255, 255);

class GaugeTest : public toolkit_test::ToolkitTest {
  protected:
    GaugeTest() {
        paintScreen(kScreen);
        gauge.GaugeEnter.subscribe([this] { log.push_back("enter"); });
        gauge.GaugeLeave.subscribe([this] { log.push_back("leave"); });
        gauge.GaugeClick.subscribe(
            [this](bool& selected) { log.push_back("click " + std::to_string(selected)); });
        gauge.Sound.subscribe([this](std::int32_t& kind) { log.push_back("sound " + std::to_string(kind)); });
    }
    void handOver() { gauge.SetImage(screen.hDC(), 100, 100); }
    // The first column of the inner area that is not filled, on the middle row.
    int filledTo() {
        int x = 1;
        while (x < 101 && at(gauge, x, 10) != kScreen)
            ++x;
        return x - 1;
    }

    GraphicalGraph& gauge = place<GraphicalGraph>(screen, 100, 100, 102, 20, "GParam");
    Entries log;
};

TEST_F(GaugeTest, TheValueIsKeptInsideTheRangeMaxFirst) {
    const struct {
        std::int16_t max, min, set, stored;
    } cases[] = {{100, 0, 130, 100}, {100, 0, -5, 0}, {100, 0, 42, 42}, {10, 20, 15, 20}};
    for (const auto& c : cases) {
        gauge.Max(c.max);
        gauge.Min(c.min);
        gauge.Value(c.set);
        EXPECT_EQ(gauge.Value(), c.stored) << c.set;
    }
}

TEST_F(GaugeTest, TheCaptionShowsTextValueOrTruncatedPercentage) {
    const struct {
        bool percent, value;
        const char* text;
        std::int16_t shown, max;
        const char* expected;
    } cases[] = {
        {true, true, "体力", 2, 3, "体力 66％"}, {true, false, "体力", 50, 100, ""},
        {true, true, "", 50, 100, " 50％"},      {false, true, "腕力", 12, 100, "腕力 12"},
        {false, false, "知力", 12, 100, "知力"}, {true, true, "", 0, 0, " 0％"},
    };
    for (const auto& c : cases) {
        gauge.DrawPercent(c.percent);
        gauge.DrawValue(c.value);
        gauge.Text(c.text);
        gauge.Max(c.max);
        gauge.Value(c.shown);
        EXPECT_EQ(gauge.caption(), c.expected) << c.text << " " << c.shown;
    }
}

TEST_F(GaugeTest, TheFilledShareIsTruncatedAndTheRestShowsThePictureOrItsWash) {
    const struct {
        const char* name;
        std::int16_t value, max;
        bool translucent;
        int filled;
        COLORREF rest;
    } cases[] = {
        {"two of three", 2, 3, true, 66, kScreen},
        {"full", 100, 100, true, 100, kScreen},
        {"washed rest", 30, 100, false, 30, kBlackWash},
        {"a zero range is empty", 5, 0, true, 0, kScreen},
    };
    handOver();
    for (const auto& c : cases) {
        gauge.Translucent(c.translucent);
        gauge.Max(c.max);
        gauge.Value(c.value);
        if (c.filled > 0) {
            EXPECT_EQ(at(gauge, 1, 10), kBlueWash) << c.name;
            EXPECT_EQ(at(gauge, c.filled, 10), kBlueWash) << c.name;
        }
        if (c.filled < 100) {
            EXPECT_EQ(at(gauge, c.filled + 1, 10), c.rest) << c.name;
        }
        EXPECT_EQ(at(gauge, 0, 10), kGold) << c.name;
    }
}

TEST_F(GaugeTest, RightAfterSetImageOnlyThePictureAndTheFrameShow) {
    gauge.Value(50);
    handOver();
    EXPECT_EQ(at(gauge, 10, 10), kScreen);
    EXPECT_EQ(at(gauge, 0, 0), kGold);
    gauge.Refresh();
    EXPECT_EQ(at(gauge, 10, 10), kBlueWash);
    EXPECT_EQ(filledTo(), 50);
}

TEST_F(GaugeTest, HoverRaisesOnceAndHighlightsOnlyWithEnableMouseOver) {
    handOver();
    gauge.Value(50);
    move(110, 110);
    move(120, 112);
    EXPECT_EQ(at(gauge, 10, 10), kBlueWash);
    move(300, 300);
    move(310, 300);
    gauge.EnableMouseOver(true);
    move(110, 110);
    EXPECT_EQ(at(gauge, 10, 10), kOrangeWash);
    move(202, 110); // x = width is outside
    EXPECT_EQ(at(gauge, 10, 10), kBlueWash);
    EXPECT_EQ(log, (Entries{"sound 1", "enter", "leave", "sound 1", "enter", "leave"}));
}

TEST_F(GaugeTest, AClickTogglesSelectedAndTheRingShowsOnlyWithEnableSelect) {
    handOver();
    click(150, 110);
    EXPECT_TRUE(gauge.Selected());
    EXPECT_EQ(at(gauge, 1, 10), kScreen);
    gauge.EnableSelect(true);
    gauge.Selected(true);
    EXPECT_EQ(at(gauge, 1, 10), kAqua);
    EXPECT_EQ(at(gauge, 2, 10), kScreen);
    // A new ring colour waits for the next SetImage.
    gauge.SelectedColor(2);
    gauge.Selected(true);
    EXPECT_EQ(at(gauge, 1, 10), kAqua);
    handOver();
    gauge.Selected(true);
    EXPECT_EQ(at(gauge, 1, 10), RGB(255, 0, 0));

    // A handler that keeps the gauge chosen.
    gauge.GaugeClick.subscribe([](bool& selected) { selected = true; });
    click(150, 110);
    EXPECT_TRUE(gauge.Selected());
    EXPECT_EQ(log, (Entries{"sound 1", "enter", "sound 0", "click 1", "sound 0", "click 0"}));
}

TEST_F(GaugeTest, AStoredGaugeTakesTheReadDefaultsAndItsCaptionFont) {
    gauge.ReadProperties(GraphSettings::readDefaults());
    EXPECT_EQ(gauge.ProgressColor(), 6);
    EXPECT_TRUE(gauge.DrawPercent());
    EXPECT_EQ(gauge.FontSize(), 12);
    const struct { std::int16_t set, stored; } sizes[] = {{4, 8}, {80, 72}, {14, 14}};
    for (const auto& c : sizes) {
        gauge.FontSize(c.set);
        EXPECT_EQ(gauge.FontSize(), c.stored);
    }
    gauge.SelectedSize(11);
    gauge.MouseOverTR(-3);
    EXPECT_EQ(gauge.SelectedSize(), 10);
    EXPECT_EQ(gauge.MouseOverTR(), 0);
}

} // namespace

namespace {

int lightness(COLORREF c) {
    return host::gdi::GetRValue(c) + host::gdi::GetGValue(c) + host::gdi::GetBValue(c);
}

TEST_F(GaugeTest, TheCaptionIsOutlinedInTheOppositeLightnessOfItsColour) {
    const struct {
        const char* name;
        std::int32_t captionColour; // colour number
        COLORREF screen;            // the picture under the gauge
        bool outlineDark;
    } cases[] = {
        {.name = "white caption over a white picture",
         .captionColour = 3,
         .screen = RGB(255, 255, 255),
         .outlineDark = true},
        {.name = "black caption over a black picture",
         .captionColour = 4,
         .screen = RGB(0, 0, 0),
         .outlineDark = false},
    };
    for (const auto& c : cases) {
        paintScreen(c.screen);
        gauge.FontColor(c.captionColour);
        gauge.DrawPercent(false);
        gauge.DrawValue(false);
        gauge.Text("体力");
        handOver();
        gauge.Value(0);
        // Around the caption in the unfilled middle: pixels of the opposite extreme.
        int outline = 0;
        for (int y = 2; y < 18; ++y)
            for (int x = 30; x < 72; ++x) {
                const int l = lightness(at(gauge, x, y));
                if (c.outlineDark ? l < 100 : l > 665) ++outline;
            }
        EXPECT_GT(outline, 20) << c.name;
    }
}

} // namespace
