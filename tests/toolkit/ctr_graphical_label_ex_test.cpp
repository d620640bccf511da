#include "toolkit/ctr_graphical_label_ex.h"

#include "toolkit_fixture.h"

#include <array>
#include <map>

using toolkit_test::COLORREF;
using toolkit_test::kGold;
using toolkit_test::kScreen;
using toolkit_test::RGB;

namespace {

constexpr auto kBlue = RGB(0, 0, 255);
constexpr auto kYellow = RGB(255, 255, 0);
constexpr auto kOrange = RGB(255, 165, 0);
constexpr auto kRedSegment = RGB(255, 0, 0);

class BarTest : public toolkit_test::ToolkitTest {
  protected:
    BarTest() { paintScreen(kScreen); }

    // The runs of one row as "from-to:segment", '.' for the picture under the bar.
    std::string runs(int y = 5) {
        const std::map<COLORREF, char> names{
            {kBlue, '1'}, {kYellow, '2'}, {kOrange, '3'}, {kRedSegment, '4'}, {kScreen, '.'}};
        std::string out;
        const auto& bitmap = bar.HDC().bitmap();
        for (int x = 0; x < bitmap.width();) {
            int end = x;
            while (end + 1 < bitmap.width() && bitmap.pixel(end + 1, y) == bitmap.pixel(x, y))
                ++end;
            const auto found = names.find(bitmap.pixel(x, y));
            if (!out.empty()) out += ' ';
            out += std::to_string(x) + "-" + std::to_string(end) + ":" +
                   (found == names.end() ? '?' : found->second);
            x = end + 1;
        }
        return out;
    }
    // Plain segment colours and no frame, so every pixel tells its segment.
    void plain() {
        bar.FrameWidth(0);
        bar.FirstAP(0);
        bar.SecondAP(0);
        bar.ThirdAP(0);
        bar.FourthAP(0);
        bar.BackImageCopy(screen, 50, 400);
    }

    ctrGraphicalLabelEX& bar = place<ctrGraphicalLabelEX>(screen, 50, 400, 187, 10, "GLBar");
};

TEST_F(BarTest, SegmentsShareTheBarAndTheWidestTakesTheRest) {
    const struct {
        const char* name;
        std::int16_t count;
        std::array<std::int16_t, 4> values;
        std::int32_t horizon;
        std::int16_t max, min;
        const char* expected;
    } cases[] = {
        {"half from the right", 1, {50}, 1, 100, 0, "0-93:. 94-186:1"},
        {"half from the left", 1, {50}, 2, 100, 0, "0-92:1 93-186:."},
        {"full", 1, {100}, 1, 100, 0, "0-186:1"},
        {"over full", 1, {150}, 2, 100, 0, "0-186:1"},
        {"three from the left", 3, {30, 30, 40}, 2, 100, 0, "0-55:1 56-111:2 112-186:3"},
        {"three from the right", 3, {30, 30, 40}, 1, 100, 0, "0-74:3 75-130:2 131-186:1"},
        {"two halves", 2, {50, 50}, 2, 100, 0, "0-93:1 94-186:2"},
        {"one value of four fills", 4, {40}, 2, 100, 0, "0-186:1"},
        {"nothing of four", 4, {}, 1, 100, 0, "0-186:."},
        {"the value itself is divided", 1, {60}, 2, 100, 20, "0-139:1 140-186:."},
        {"a negative value has no width", 2, {-20, 50}, 2, 100, 0, "0-186:2"},
        {"a zero range is empty", 1, {0}, 1, 0, 0, "0-186:."},
        {"a zero range is empty also above it", 1, {80}, 2, 50, 50, "0-186:."},
    };
    plain();
    for (const auto& c : cases) {
        toolkit_test::showValues(bar, c.count, c.values, c.horizon);
        bar.Max(c.max);
        bar.Min(c.min);
        bar.RePaint();
        EXPECT_EQ(runs(), c.expected) << c.name;
    }
}

TEST_F(BarTest, SegmentsAreWashedAndTheFrameIsDrawnOverThem) {
    bar.FirstValue(100);
    bar.ImageNum(1);
    bar.BackImageCopy(screen, 50, 400);
    bar.RePaint();
    EXPECT_EQ(at(bar, 90, 5), RGB(50, 75, 227));
    EXPECT_EQ(at(bar, 0, 0), kGold);
    EXPECT_EQ(at(bar, 186, 5), kGold);
}

TEST_F(BarTest, WashPercentagesAreKeptWithinZeroToAHundred) {
    bar.FirstValue(100);
    bar.ImageNum(1);
    bar.FrameWidth(0);
    bar.BackImageCopy(screen, 50, 400);
    const struct {
        std::int16_t set, stored;
        COLORREF shown;
    } cases[] = {{-5, 0, kBlue}, {130, 100, kScreen}, {0, 0, kBlue}};
    for (const auto& c : cases) {
        bar.FirstAP(c.set);
        bar.RePaint();
        EXPECT_EQ(bar.FirstAP(), c.stored);
        EXPECT_EQ(at(bar, 90, 5), c.shown) << c.set;
    }
}

TEST_F(BarTest, OnlyAChangedColourOrPercentageWashesItsSegmentAgain) {
    plain();
    bar.ImageNum(2);
    bar.FirstValue(50);
    bar.SecondValue(50);
    bar.Horizon(2);
    bar.setWidth(186); // sizing leaves white segment pictures until the next hand-over
    bar.setWidth(187);
    bar.FirstSemiTrans(5);
    bar.SecondSemiTrans(146);
    bar.RePaint();
    EXPECT_EQ(at(bar, 10, 5), host::gdi::kWhite);
    EXPECT_EQ(at(bar, 150, 5), host::gdi::kWhite);
    bar.FirstSemiTrans(146);
    bar.SecondAP(100);
    bar.RePaint();
    EXPECT_EQ(at(bar, 10, 5), kYellow);
    EXPECT_EQ(at(bar, 150, 5), kScreen);
}

TEST_F(BarTest, StoredSettingsGoThroughTheLimitsOfTheWashesOnly) {
    LabelEXSettings stored;
    stored.AP = {130, -5, 50, 50};
    stored.ImageNum = 7;
    stored.Value = {30, 30, 40, 0};
    bar.ReadProperties(stored);
    EXPECT_EQ(bar.FirstAP(), 100);
    EXPECT_EQ(bar.SecondAP(), 0);
    EXPECT_EQ(bar.ImageNum(), 7);
    bar.BackImageCopy(screen, 50, 400);
    bar.FrameWidth(0);
    bar.Horizon(2);
    bar.RePaint(); // drawn as four segments
    EXPECT_EQ(runs(), "0-55:. 56-111:2 112-186:?");
    bar.ImageNum(7);
    EXPECT_EQ(bar.ImageNum(), 4);
    bar.ImageNum(0);
    EXPECT_EQ(bar.ImageNum(), 1);
}

} // namespace
