#include "toolkit/ctr_graphical_msg.h"

#include "toolkit_fixture.h"

#include "platform/drawing/copy_back_image.h"
#include "platform/drawing/graphical_controls_props.h"
#include "platform/formcontrols/form_controls.h"

#include "host/gdi/draw_test_util.h"
#include "host/ui/window_procedure.h"

#include <functional>

#include <string>
#include <vector>

using host::ui::InputEvent;
using toolkit_test::COLORREF;
using toolkit_test::kGold;
using toolkit_test::kScreen;
using toolkit_test::RGB;

namespace {

// The screen colour washed with black at 50 percent.
constexpr auto kBlackWash = RGB(50, 75, 100);
// The box sits at (100, 100) of the screen, 300 x 100, frame 1: the text
// area is 288 wide (TW) and, with the 12-point font, a row is 16 high and 6
// rows show.
constexpr int kLeft = 100;
constexpr int kTop = 100;
constexpr int kTW = 288;

// "1" .. "n", one short line each.
std::string numbered(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i)
        text += (i > 1 ? "\r\n" : "") + std::to_string(i) + "行目の報告";
    return text;
}

// n full-width characters, 19 to a row.
std::string reports(int n) {
    std::string line;
    for (int i = 0; i < n; ++i)
        line += "報";
    return line;
}

class MessageBoxTest : public toolkit_test::ToolkitTest {
  protected:
    MessageBoxTest() {
        paintScreen(kScreen);
        box.FontSize(12);
        box.BackImageCopy(screen.hDC(), kLeft, kTop);
    }
    // Whether a pixel of the box shows text.
    bool ink(int x, int y) { return at(box, x, y) == kGold; }
    // The first row of the text area with ink, or -1.
    int firstInkRow() {
        for (int y = 1; y < 99; ++y)
            for (int x = 1; x < kTW; ++x)
                if (ink(x, y)) return y;
        return -1;
    }
    // Whether the text area shows the wrapped text from row `first` on: its
    // ink equals the text picture's from that row, row by row.
    bool showsFrom(int first) {
        const auto& picture = box.GetHDC()->bitmap();
        for (int row = 0; row < box.visibleLines() * 16; ++row)
            for (int x = 1; x < kTW; ++x)
                if (ink(x, 1 + row) != (picture.pixel(x, first * 16 + row) == kGold)) return false;
        return true;
    }
    host::gdi::Rect thumb() { return box.Scroll().bounds(); }
    void wheel(int notches, int x = kLeft + 50, int y = kTop + 50) { send(InputEvent::wheel(notches, x, y)); }

    ctrGraphicalMSG& box = place<ctrGraphicalMSG>(screen, kLeft, kTop, 300, 100, "MSGTest");
};

TEST_F(MessageBoxTest, TextIsLaidOutInRowsTopOrBottomAligned) {
    const struct {
        const char* name;
        std::string text;
        std::int32_t alignment;
        int lines;
        int firstRowAt;
    } cases[] = {
        {.name = "two lines on top", .text = "A\r\nB", .alignment = 0, .lines = 2, .firstRowAt = 1},
        {.name = "two lines at the bottom", .text = "A\r\nB", .alignment = 1, .lines = 2, .firstRowAt = 65},
        {.name = "an empty line stays a row",
         .text = "A\r\n\r\nB",
         .alignment = 1,
         .lines = 3,
         .firstRowAt = 49},
        {.name = "six lines fill the box", .text = numbered(6), .alignment = 1, .lines = 6, .firstRowAt = 1},
    };
    for (const auto& c : cases) {
        box.VerticalAlignment(c.alignment);
        box.Text(c.text);
        EXPECT_EQ(box.lineHeight(), 16) << c.name;
        EXPECT_EQ(box.visibleLines(), 6) << c.name;
        EXPECT_EQ(box.lineCount(), c.lines) << c.name;
        EXPECT_FALSE(box.thumbShown()) << c.name;
        EXPECT_FALSE(box.Scroll().Visible()) << c.name;
        const int first = firstInkRow();
        EXPECT_GE(first, c.firstRowAt) << c.name;
        EXPECT_LT(first, c.firstRowAt + 16) << c.name;
        EXPECT_EQ(at(box, 150, 50) == kBlackWash || ink(150, 50), true) << c.name;
        EXPECT_EQ(at(box, 0, 50), kGold) << c.name; // the frame
    }
}

TEST_F(MessageBoxTest, ALongLineTakesAsManyRowsAsItsWrapNeedsAndNoCharacterIsCut) {
    // Full-width characters are 15 pixels wide: 19 fit the 285 pixels from
    // the frame and the 2-pixel space after it to TW. The width estimate (width \ TW) + 1 gives 6 rows for
    // 115 of them (1725 pixels), where the wrap needs 7.
    ASSERT_EQ(CreateFontHandle(12, false, "")->glyph(U'報').advance, 15);
    const struct {
        int characters;
        int rows;
    } cases[] = {{.characters = 19, .rows = 1},
                 {.characters = 20, .rows = 2},
                 {.characters = 38, .rows = 2},
                 {.characters = 39, .rows = 3},
                 {.characters = 115, .rows = 7}};
    for (const auto& c : cases) {
        std::string line;
        for (int i = 0; i < c.characters; ++i)
            line += "報";
        box.Text(line);
        EXPECT_EQ(box.lineCount(), c.rows) << c.characters;
        const auto& picture = box.GetHDC()->bitmap();
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) == kGold) {
                    inked = std::max(inked, y / 16 + 1);
                    break;
                }
        EXPECT_EQ(inked, c.rows) << c.characters << ": every row holds text";
    }
}

TEST_F(MessageBoxTest, ALayoutOfTheSameSizeKeepsNothingOfTheLastOne) {
    // Each second text lays out into the surfaces of the first, which are
    // kept while the size stays; it must show exactly as in a new box.
    const struct {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {.name = "other words", .before = numbered(9), .after = numbered(9).substr(1) + "終"},
        {.name = "a wrapped line after short ones",
         .before = "報告\r\n報告\r\n報告",
         .after = reports(25) + "\r\n|"},
        {.name = "an empty text area", .before = numbered(3), .after = "\r\n\r\n"},
    };
    for (const auto& c : cases) {
        box.Text(c.before);
        const int rowsBefore = box.lineCount();
        box.Text(c.after);
        ASSERT_EQ(box.lineCount(), rowsBefore) << c.name << ": the same size";
        auto& fresh = place<ctrGraphicalMSG>(screen, kLeft, kTop + 150, 300, 100, c.name);
        fresh.FontSize(12);
        fresh.BackImageCopy(screen.hDC(), kLeft, kTop + 150);
        fresh.Text(c.after);
        ASSERT_EQ(box.lineCount(), fresh.lineCount()) << c.name;
        const auto& kept = box.GetHDC()->bitmap();
        const auto& made = fresh.GetHDC()->bitmap();
        int differing = 0;
        for (int y = 0; y < kept.height(); ++y)
            for (int x = 0; x < kept.width(); ++x)
                differing += kept.pixel(x, y) != made.pixel(x, y);
        EXPECT_EQ(differing, 0) << c.name;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 300; ++x)
                differing += at(box, x, y) != at(fresh, x, y);
        EXPECT_EQ(differing, 0) << c.name << ": what the boxes show";
    }
}

TEST_F(MessageBoxTest, TextStandsTwoPixelsInFromTheFrame) {
    // Lines that start with characters whose ink reaches their left edge.
    box.Text("|報告\r\n[1] 入学\r\nlong long long long long long long long long long long long line");
    int leftmost = kTW;
    for (int y = 1; y < 99; ++y)
        for (int x = 1; x < kTW; ++x)
            if (ink(x, y)) leftmost = std::min(leftmost, x);
    EXPECT_GE(leftmost, 3); // the frame is column 0
    EXPECT_LT(leftmost, 6);
}

TEST_F(MessageBoxTest, AnOverflowingTextShowsTheThumbAndBottomAlignmentScrollsToTheEnd) {
    const struct {
        const char* name;
        std::int32_t alignment;
        bool forceNotVisible;
        bool thumb;
        int position;
    } cases[] = {
        {.name = "top", .alignment = 0, .forceNotVisible = false, .thumb = true, .position = 0},
        {.name = "bottom", .alignment = 1, .forceNotVisible = false, .thumb = true, .position = 4},
        {.name = "top, no thumb", .alignment = 0, .forceNotVisible = true, .thumb = false, .position = 0},
        {.name = "bottom, no thumb", .alignment = 1, .forceNotVisible = true, .thumb = false, .position = 4},
    };
    for (const auto& c : cases) {
        box.VerticalAlignment(c.alignment);
        box.ForceNotVisible(c.forceNotVisible);
        box.Text(numbered(10));
        EXPECT_EQ(box.lineCount(), 10) << c.name;
        EXPECT_EQ(box.thumbShown(), c.thumb) << c.name;
        EXPECT_EQ(box.Scroll().Visible(), c.thumb) << c.name;
        EXPECT_EQ(box.scrollPosition(), c.position) << c.name;
        EXPECT_TRUE(showsFrom(c.position)) << c.name;
        if (!c.thumb) continue;
        // 98 x 6 / 10 = 58.8 rows of thumb; the step is (100 - 59) / 5.
        const host::gdi::Rect expected{kTW, c.position ? 41 : 1, kTW + 10, c.position ? 100 : 60};
        EXPECT_EQ(thumb(), expected) << c.name;
        EXPECT_FLOAT_EQ(box.thumbStep(), 8.2f) << c.name;
    }
}

TEST_F(MessageBoxTest, AppendingToABottomAlignedBoxKeepsTheLastLineOnTheLastRow) {
    box.VerticalAlignment(1);
    for (int n = 1; n <= 12; ++n) {
        box.Clear();
        box.Text(numbered(n));
        const int position = std::max(n - 6, 0);
        EXPECT_EQ(box.scrollPosition(), position) << n;
        EXPECT_EQ(box.thumbShown(), n > 6) << n;
        // The last line's ink ends on the last row.
        int lastInk = -1;
        for (int y = 1; y < 99; ++y)
            for (int x = 1; x < kTW; ++x)
                if (ink(x, y)) lastInk = y;
        EXPECT_GE(lastInk, 81) << n;
        EXPECT_LT(lastInk, 97) << n;
    }
    EXPECT_EQ(thumb().bottom, 100);
}

TEST_F(MessageBoxTest, EachWheelNotchScrollsOneLineAndStopsAtBothEnds) {
    box.Text(numbered(10));
    const struct {
        int notch;
        int position;
        int thumbTop;
    } steps[] = {
        {.notch = 1, .position = 0, .thumbTop = 1},   // up at the top: nothing
        {.notch = -1, .position = 1, .thumbTop = 9},  // 1 + Fix(8.2)
        {.notch = -3, .position = 2, .thumbTop = 17}, // one line whatever the distance
        {.notch = -1, .position = 3, .thumbTop = 25},
        {.notch = -1, .position = 4, .thumbTop = 41}, // the last lines: thumb at the bottom
        {.notch = -1, .position = 4, .thumbTop = 41},
        {.notch = 1, .position = 3, .thumbTop = 25},
        {.notch = 2, .position = 2, .thumbTop = 17},
        {.notch = 1, .position = 1, .thumbTop = 9},
        {.notch = 1, .position = 0, .thumbTop = 1},
    };
    for (const auto& s : steps) {
        wheel(s.notch);
        EXPECT_EQ(box.scrollPosition(), s.position) << s.notch;
        EXPECT_EQ(thumb().top, s.thumbTop) << s.position;
        EXPECT_TRUE(showsFrom(s.position)) << s.position;
    }
    // Over the thumb the wheel reaches the box too.
    wheel(-1, kLeft + kTW + 5, kTop + 5);
    EXPECT_EQ(box.scrollPosition(), 1);
}

TEST_F(MessageBoxTest, TheWheelDoesNothingWithoutAThumb) {
    const struct {
        const char* name;
        std::function<void()> setUp;
    } cases[] = {
        {.name = "text that fits", .setUp = [this] { box.Text(numbered(6)); }},
        {.name = "after Clear", .setUp = [this] { box.Text(numbered(10)), box.Clear(); }},
        {.name = "after an empty text", .setUp = [this] { box.Text(numbered(10)), box.Text(""); }},
        {.name = "thumb forced away",
         .setUp = [this] { box.ForceNotVisible(true), box.Text(numbered(10)), box.ForceNotVisible(false); }},
    };
    for (const auto& c : cases) {
        c.setUp();
        const std::string before = gdi_test::picture(box.HDC()->bitmap(), kGold);
        wheel(-1);
        EXPECT_EQ(box.scrollPosition(), 0) << c.name;
        EXPECT_FALSE(box.Scroll().Visible()) << c.name;
        EXPECT_EQ(gdi_test::picture(box.HDC()->bitmap(), kGold), before) << c.name;
    }
    // Cleared: only the washed background and the frame are left.
    box.Text(numbered(10));
    box.Clear();
    EXPECT_EQ(box.Text(), "");
    EXPECT_EQ(firstInkRow(), -1);
    EXPECT_EQ(at(box, 150, 50), kBlackWash);
}

TEST_F(MessageBoxTest, DraggingTheThumbScrollsToTheLineUnderItAndReleaseSnapsTheEnds) {
    box.Text(numbered(10));
    const int x = kLeft + kTW + 5;
    // The thumb is 59 high and moves between the frame (1) and 41; a drag
    // past either end lands on that end.
    const struct {
        const char* name;
        int pressAt, moveTo;
        int thumbTop, position, releasedTop;
    } drags[] = {
        {.name = "down by 20", .pressAt = 10, .moveTo = 30, .thumbTop = 21, .position = 2, .releasedTop = 21},
        {.name = "up to 2 shows the first line",
         .pressAt = 30,
         .moveTo = 11,
         .thumbTop = 2,
         .position = 0,
         .releasedTop = 1},
        {.name = "past the bottom lands at the bottom",
         .pressAt = 10,
         .moveTo = 60,
         .thumbTop = 41,
         .position = 4,
         .releasedTop = 40},
        {.name = "past the top of the box lands at the top",
         .pressAt = 50,
         .moveTo = -20,
         .thumbTop = 1,
         .position = 0,
         .releasedTop = 1},
        {.name = "to the bottom",
         .pressAt = 10,
         .moveTo = 50,
         .thumbTop = 41,
         .position = 4,
         .releasedTop = 40},
        {.name = "back up onto the frame",
         .pressAt = 50,
         .moveTo = 11,
         .thumbTop = 1,
         .position = 0,
         .releasedTop = 1},
    };
    for (const auto& d : drags) {
        send(InputEvent::down(host::ui::vbLeftButton, x, kTop + d.pressAt));
        send(InputEvent::move(x, kTop + d.moveTo));
        EXPECT_EQ(thumb().top, d.thumbTop) << d.name;
        EXPECT_EQ(box.scrollPosition(), d.position) << d.name;
        EXPECT_TRUE(showsFrom(d.position)) << d.name;
        send(InputEvent::up(host::ui::vbLeftButton, x, kTop + d.moveTo));
        EXPECT_EQ(thumb().top, d.releasedTop) << d.name;
    }
    // Without a press, moves over the thumb do nothing.
    move(x, kTop + 20);
    EXPECT_EQ(thumb().top, 1);
}

TEST_F(MessageBoxTest, AnEmptyLastLineOrALowBoxStillLaysOut) {
    const struct {
        const char* name;
        int height;
        std::string text;
        int lines, visible;
        bool thumb;
        int afterWheel;
    } cases[] = {
        {.name = "empty last line",
         .height = 100,
         .text = "A\r\n",
         .lines = 2,
         .visible = 6,
         .thumb = false,
         .afterWheel = 0},
        {.name = "only empty lines",
         .height = 100,
         .text = "\r\n\r\n",
         .lines = 3,
         .visible = 6,
         .thumb = false,
         .afterWheel = 0},
        {.name = "lower than a row",
         .height = 10,
         .text = "A\r\nB",
         .lines = 2,
         .visible = 1,
         .thumb = true,
         .afterWheel = 1},
    };
    for (const auto& c : cases) {
        box.Move(kLeft, kTop, 300, c.height);
        box.BackImageCopy(screen.hDC(), kLeft, kTop);
        box.Text(c.text);
        EXPECT_EQ(box.lineHeight(), 16) << c.name;
        EXPECT_EQ(box.lineCount(), c.lines) << c.name;
        EXPECT_EQ(box.visibleLines(), c.visible) << c.name;
        EXPECT_EQ(box.thumbShown(), c.thumb) << c.name;
        wheel(-1, kLeft + 5, kTop + 5);
        EXPECT_EQ(box.scrollPosition(), c.afterWheel) << c.name;
    }
}

TEST_F(MessageBoxTest, RefreshTakesThePictureAgainAndKeepsTheSettingsForTheNextLayout) {
    box.Text("報告");
    paintScreen(RGB(0, 0, 0));
    EXPECT_EQ(at(box, 150, 50), kBlackWash);
    box.FontColor(3);
    box.SemiTransColor(3);
    box.Refresh();
    EXPECT_EQ(at(box, 150, 50), RGB(127, 127, 127));
    EXPECT_EQ(box.Text(), "報告");
    bool white = false;
    for (int x = 1; x < 40; ++x)
        for (int y = 1; y < 17; ++y)
            white = white || at(box, x, y) == RGB(255, 255, 255);
    EXPECT_TRUE(white);
}

TEST_F(MessageBoxTest, TheWashPercentageIsKeptWithinRangeExceptWhenRead) {
    const struct { std::int16_t set, stored; } cases[] = {{120, 100}, {-3, 0}, {30, 30}, {100, 100}, {0, 0}};
    for (const auto& c : cases) {
        box.SemiTransColorAP(c.set);
        EXPECT_EQ(box.SemiTransColorAP(), c.stored) << c.set;
    }
    MSGSettings stored;
    stored.SemiTransColorAP = 120;
    stored.Text = "読み込み";
    box.ReadProperties(stored);
    EXPECT_EQ(box.SemiTransColorAP(), 120);
    EXPECT_EQ(box.GetHDC(), nullptr); // nothing laid out
}

TEST_F(MessageBoxTest, TheSnapshotHoldsTheThumbAndCopyBackImageReleasesIt) {
    box.Text(numbered(10));
    host::gdi::DeviceContext* snapshot = box.HDC();
    EXPECT_EQ(snapshot->bitmap().pixel(kTW + 5, 30), kGold);
    EXPECT_EQ(snapshot->bitmap().pixel(150, 50), at(box, 150, 50));

    // A control over the box takes the box's look, thumb included.
    host::gdi::DeviceContext under(20, 20);
    FormControls controls(form);
    CopyBackImage("picScreen", under, kLeft + kTW - 5, kTop + 20, 20, 20, controls.list());
    EXPECT_EQ(under.bitmap().pixel(10, 5), kGold);
    EXPECT_EQ(under.bitmap().pixel(2, 5), at(box, kTW - 3, 25));
}

TEST_F(MessageBoxTest, AClickAnywhereOnTheBoxIsReported) {
    int clicks = 0;
    box.Click.subscribe([&clicks] { ++clicks; });
    click(kLeft + 20, kTop + 20);
    box.Clear();
    click(kLeft + 20, kTop + 20);
    EXPECT_EQ(clicks, 2);
}

TEST_F(MessageBoxTest, TheWheelSubscriptionEndsWhenTheTextFitsAgain) {
    int seen = 0;
    box.MouseWheel.subscribe([&seen](int&) { ++seen; });
    box.Text(numbered(10));
    EXPECT_NE(box.PreWndProcAddress(), nullptr);
    wheel(-1);
    box.Text(numbered(3));
    wheel(-1);
    EXPECT_EQ(seen, 2); // the box's own procedure gets every message
    EXPECT_EQ(host::ui::SetWindowProc(box.hWnd(), &host::ui::DefaultWindowProc),
              &host::ui::DefaultWindowProc);
    EXPECT_EQ(ctrGraphicalMSG::HIWORD(-120 * 65536), -120);
    EXPECT_EQ(ctrGraphicalMSG::LOWORD(-65537), -1);
}

} // namespace
