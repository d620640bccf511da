#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "grids/list_grid/grid_paint_fixture.h"

#include "platform/drawing/copy_back_image.h"
#include "platform/formcontrols/form_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using gridtest::COLORREF;
using gridtest::kAqua;
using gridtest::kBlack;
using gridtest::kBoxInk;
using gridtest::kBoxInside;
using gridtest::kCheck;
using gridtest::kStatus;
using gridtest::kTick;
using gridtest::kWashed;
using gridtest::kWhite;
using gridtest::RGB;

namespace {

constexpr COLORREF kGold = RGB(255, 215, 0);
// The washed background washed again toward sea green, keeping half.
constexpr COLORREF kBar = RGB(43, 99, 83);
// The thumb's own colour while it has no picture.
constexpr COLORREF kThumb = RGB(240, 240, 240);

const std::vector<gridtest::ColumnShape> kCheckNameStatus = {kCheck, {kColumnTextCentred, 100}, kStatus};

class GridPaint : public gridtest::GridPaintTest {};

TEST_F(GridPaint, LinesFrameEveryCellOverTheWashedBackground) {
    struct Case {
        const char* name;
        int x, y;
        COLORREF lines, noLines;
    };
    const Case cases[] = {
        {.name = "header's top edge", .x = 50, .y = 0, .lines = kWhite, .noLines = kWashed},
        {.name = "line under the header", .x = 50, .y = 20, .lines = kWhite, .noLines = kWashed},
        {.name = "header's inner bottom", .x = 50, .y = 19, .lines = kBlack, .noLines = kWashed},
        {.name = "left edge of the name column", .x = 25, .y = 30, .lines = kWhite, .noLines = kWashed},
        {.name = "check cell's inner right edge", .x = 24, .y = 30, .lines = kBlack, .noLines = kWashed},
        {.name = "a cell's inner bottom", .x = 30, .y = 39, .lines = kBlack, .noLines = kWashed},
        {.name = "last column's inner right edge", .x = 159, .y = 50, .lines = kBlack, .noLines = kWashed},
        {.name = "inside a cell", .x = 30, .y = 30, .lines = kWashed, .noLines = kWashed},
    };
    show(kCheckNameStatus, 10, rowsOf(3));
    EXPECT_EQ(grid.Width(), 160);
    EXPECT_EQ(grid.Height(), 80);
    for (const Case& c : cases)
        EXPECT_EQ(at(c.x, c.y), c.lines) << c.name;
    grid.FrameWidth(0);
    show(kCheckNameStatus, 10, rowsOf(3));
    for (const Case& c : cases)
        EXPECT_EQ(at(c.x, c.y), c.noLines) << c.name << " without lines";
}

TEST_F(GridPaint, TheThumbTakesTheShareOfTheRowsShown) {
    struct Case {
        const char* name;
        std::int16_t visible, rowHeight;
        int rows;
        host::gdi::Rect thumb; // in the grid
        double scale;
    };
    const Case cases[] = {
        {.name = "nine rows in four slots",
         .visible = 5,
         .rowHeight = 20,
         .rows = 9,
         .thumb = {161, 21, 179, 56},
         .scale = 43.0f / 6.0f},
        {.name = "a thumb shorter than 10 pixels is made 10",
         .visible = 5,
         .rowHeight = 20,
         .rows = 100,
         .thumb = {161, 21, 179, 31},
         .scale = 68.0f / 97.0f},
        {.name = "three rows and a short thumb cannot travel",
         .visible = 2,
         .rowHeight = 10,
         .rows = 3,
         .thumb = {161, 11, 179, 21},
         .scale = 0},
    };
    for (const Case& c : cases) {
        grid.RowHeight(c.rowHeight);
        show(kCheckNameStatus, c.visible, rowsOf(c.rows));
        ASSERT_TRUE(grid.ScrollBarShown()) << c.name;
        EXPECT_TRUE(grid.Scroll().Visible()) << c.name;
        EXPECT_EQ(grid.Scroll().bounds(), c.thumb) << c.name;
        EXPECT_DOUBLE_EQ(grid.ScrollBarGeometry().scale, c.scale) << c.name;
        EXPECT_EQ(grid.Width(), 180) << c.name;
        EXPECT_EQ(grid.Height(), c.visible * c.rowHeight) << c.name;
        // The track's frame left and right of the thumb.
        EXPECT_EQ(at(160, c.thumb.top + 2), kGold) << c.name;
        EXPECT_EQ(at(179, c.thumb.top + 2), kGold) << c.name;
        EXPECT_EQ(grid.HDC()->bitmap().pixel(170, c.thumb.top + 2), kThumb) << c.name;
        grid.HDCDelete();
    }
    show(kCheckNameStatus, 5, rowsOf(4));
    EXPECT_FALSE(grid.Scroll().Visible());
    EXPECT_EQ(grid.Width(), 160);
}

TEST_F(GridPaint, TheThumbShowsItsPictureFromTheCornerOrStretched) {
    constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
    host::gdi::DeviceContext picture(18, 4);
    host::gdi::FillRect(picture, {0, 0, 18, 2}, host::gdi::Brush{kRed});
    host::gdi::FillRect(picture, {0, 2, 18, 4}, host::gdi::Brush{kBlue});
    struct Case {
        bool stretch;
        COLORREF row1, row3, row30;
    };
    const Case cases[] = {
        {.stretch = false, .row1 = kRed, .row3 = kBlue, .row30 = kThumb},
        {.stretch = true, .row1 = kRed, .row3 = kRed, .row30 = kBlue},
    };
    for (const Case& c : cases) {
        grid.SetScrollBarImage(picture, c.stretch);
        show(kCheckNameStatus, 5, rowsOf(9));
        const host::gdi::Bitmap& thumb = grid.Scroll().hDC().bitmap();
        EXPECT_EQ(thumb.pixel(5, 1), c.row1) << c.stretch;
        EXPECT_EQ(thumb.pixel(5, 3), c.row3) << c.stretch;
        EXPECT_EQ(thumb.pixel(5, 30), c.row30) << c.stretch;
    }
}

TEST_F(GridPaint, ABarCoversItsShareOfTheCellLessTheLine) {
    struct Case {
        const char* value;
        std::int16_t minor, major;
        int width;
    };
    const Case cases[] = {
        {.value = "75", .minor = 0, .major = 100, .width = 73},
        {.value = "100", .minor = 0, .major = 100, .width = 98},
        {.value = "150", .minor = 0, .major = 100, .width = 98},
        {.value = "0", .minor = 0, .major = 100, .width = 0},
        {.value = "-5", .minor = 0, .major = 100, .width = 0},
        {.value = "abc", .minor = 0, .major = 100, .width = 0},
        // The value is not moved by the range's lower end.
        {.value = "25", .minor = 50, .major = 100, .width = 49},
        {.value = "25", .minor = 100, .major = 100, .width = 0},
    };
    for (const Case& c : cases) {
        show({{kColumnBar, 100, c.minor, c.major}}, 5, {{c.value}});
        int width = 0;
        while (at(1 + width, 21) == kBar)
            ++width;
        EXPECT_EQ(width, c.width) << c.value << " in " << c.minor << ".." << c.major;
        // The cell's inner right edge stops the longest bar; no bar covers the bottom line.
        EXPECT_EQ(at(1 + width, 21), width == 98 ? kBlack : kWashed) << c.value;
        EXPECT_EQ(at(1, 38), width > 0 ? kBar : kWashed) << c.value;
        EXPECT_EQ(at(1, 39), kBlack) << c.value;
    }
}

TEST_F(GridPaint, CheckAndPictureCellsShowTheFrameTheirNumberChooses) {
    struct Case {
        const char* check;
        COLORREF middle, corner;
        const char* frame;
        COLORREF square;
    };
    const Case cases[] = {
        {.check = "0",
         .middle = kBoxInside,
         .corner = kBoxInk,
         .frame = "0",
         .square = gridtest::frameColour(0)},
        {.check = "1", .middle = kTick, .corner = kBoxInk, .frame = "2", .square = gridtest::frameColour(2)},
        {.check = "-1", .middle = kTick, .corner = kBoxInk, .frame = "4", .square = gridtest::frameColour(4)},
        {.check = "", .middle = kBoxInside, .corner = kBoxInk, .frame = "", .square = kWashed},
        {.check = "2", .middle = kWashed, .corner = kWashed, .frame = "5", .square = kWashed},
    };
    std::vector<std::vector<std::string>> rows;
    for (const Case& c : cases)
        rows.push_back({c.check, "", c.frame});
    show(kCheckNameStatus, 10, rows);
    for (int r = 0; r < static_cast<int>(std::size(cases)); ++r) {
        const Case& c = cases[r];
        const int top = (r + 1) * 20;
        // The check mark sits 8 right of the cell's left edge and 5 below the slot's top.
        EXPECT_EQ(at(9, top + 5), c.corner) << c.check;
        EXPECT_EQ(at(9 + 5, top + 5 + 5), c.middle) << c.check;
        // The picture's 20 x 20 frame is centred in the 35-pixel column from x 125.
        EXPECT_EQ(at(126 + 7 + 10, top + 10), c.square) << c.frame;
    }
}

TEST_F(GridPaint, TheHoverFrameIsTwoPixelsOfAquaInsideTheLines) {
    struct Case {
        std::int16_t frameWidth;
        int left, top, right, bottom; // outer edges of the frame in slot 2
    };
    const Case cases[] = {
        {.frameWidth = 1, .left = 1, .top = 41, .right = 158, .bottom = 58},
        {.frameWidth = 0, .left = 0, .top = 40, .right = 159, .bottom = 59},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frameWidth);
        grid.FrameWidth(c.frameWidth);
        show(kCheckNameStatus, 10, rowsOf(4));
        move(60, 45);
        EXPECT_EQ(grid.HoveredRow(), 1);
        for (int inset : {0, 1}) {
            EXPECT_EQ(at(30, c.top + inset), kAqua);
            EXPECT_EQ(at(30, c.bottom - inset), kAqua);
            EXPECT_EQ(at(c.left + inset, 50), kAqua);
            EXPECT_EQ(at(c.right - inset, 50), kAqua);
        }
        EXPECT_EQ(at(30, c.top + 2), kWashed);
        // Leaving the data area gives the row back its background.
        move(60, 10);
        EXPECT_EQ(grid.HoveredRow(), -1);
        EXPECT_EQ(at(30, c.top + 1), kWashed);
    }
}

TEST_F(GridPaint, SetValueAndChecksDrawAtOnceOnlyWhatIsOnScreen) {
    show(kCheckNameStatus, 3, rowsOf(5));
    const auto picture = [&](int slot) { return at(126 + 7 + 10, slot * 20 + 10); };
    grid.SetValue(1, 2, "3");
    EXPECT_EQ(picture(2), gridtest::frameColour(3));
    grid.Checked(0, true);
    EXPECT_EQ(at(14, 20 + 10), kTick);
    grid.Checked(1, true);
    EXPECT_EQ(at(14, 20 + 10), kBoxInside);
    EXPECT_EQ(at(14, 40 + 10), kTick);

    // Row 4 is below the two data slots: stored, not drawn.
    const auto& bitmap = grid.Disp().hDC().bitmap();
    const std::vector<COLORREF> before(bitmap.row(0), bitmap.row(0) + bitmap.width() * bitmap.height());
    grid.SetValue(4, 2, "0");
    EXPECT_EQ(grid.GetData(4, 2), "0");
    EXPECT_TRUE(std::equal(before.begin(), before.end(), bitmap.row(0)));
    // Checking it clears the check shown on row 1.
    grid.Checked(4, true);
    EXPECT_TRUE(grid.Checked(4));
    EXPECT_EQ(at(14, 40 + 10), kBoxInside);
    // Scrolled into view it shows.
    move(60, 30);
    for (int step = 0; step < 3; ++step)
        wheel(-1);
    EXPECT_EQ(grid.TopRow(), 3);
    EXPECT_EQ(picture(2), gridtest::frameColour(0));
    EXPECT_EQ(at(14, 40 + 10), kTick);
}

TEST_F(GridPaint, PaintSortsByItsColumnAndStartsAtTheTop) {
    show(kCheckNameStatus, 3, {{"0", "b", "1"}, {"0", "c", "2"}, {"0", "a", "3"}}, 1);
    EXPECT_EQ(grid.GetData(0, 1) + grid.GetData(1, 1) + grid.GetData(2, 1), "abc");
    EXPECT_EQ(at(143, 30), gridtest::frameColour(3));
    grid.headerVisible(false);
    show(kCheckNameStatus, 3, {{"1", "b", "1"}, {"0", "c", "2"}, {"0", "a", "3"}});
    EXPECT_EQ(at(14, 10), kTick); // slot 0 holds row 0
    EXPECT_EQ(grid.Height(), 60);
}

TEST_F(GridPaint, TheCompositeShowsTheGridWithItsThumb) {
    show(kCheckNameStatus, 5, rowsOf(9));
    host::gdi::DeviceContext* composite = grid.HDC();
    ASSERT_NE(composite, nullptr);
    EXPECT_EQ(composite->bitmap().width(), 180);
    EXPECT_EQ(composite->bitmap().pixel(30, 30), kWashed);
    EXPECT_EQ(composite->bitmap().pixel(170, 30), kThumb);
    EXPECT_EQ(at(170, 30), kWashed); // the surface itself has only the track
    grid.HDCDelete();

    // Another control's see-through copy of the screen takes it so.
    FormControls controls(form);
    host::gdi::DeviceContext copy(200, 100);
    CopyBackImage("picScreen", copy, grid.Left(), grid.Top(), 200, 100, controls.list());
    EXPECT_EQ(copy.bitmap().pixel(30, 30), kWashed);
    EXPECT_EQ(copy.bitmap().pixel(170, 30), kThumb);
    EXPECT_EQ(copy.bitmap().pixel(190, 30), kWhite);
}

} // namespace

namespace {

TEST_F(GridPaint, SetValueDrawsTheCellInTheGridsFontAsPaintDoes) {
    grid.GridFontSize(20); // larger than the surface's own font
    show(kCheckNameStatus, 3, {{"0", "木の盾", "1"}, {"0", "x", "2"}});
    const auto& bitmap = grid.Disp().hDC().bitmap();
    const std::vector<COLORREF> painted(bitmap.row(0), bitmap.row(0) + bitmap.width() * bitmap.height());
    grid.SetValue(0, 1, "木の盾");
    EXPECT_TRUE(std::equal(painted.begin(), painted.end(), bitmap.row(0)));
}

} // namespace
