#include "grids/table_view/ctr_graphical_view_ver2.h"

#include "grids/table_view/view_support.h"

#include "host/ui/compose.h"

#include <string>
#include <vector>

using viewtest::COLORREF;
using viewtest::RGB;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

class TableViewPaint : public viewtest::ViewTest {
  protected:
    // Adds rows of the given heights, each with cells of the given widths.
    void addRows(const std::vector<std::int16_t>& heights,
                 const std::vector<std::vector<std::int16_t>>& widths) {
        for (std::size_t r = 0; r < heights.size(); ++r)
            view().HeaderHeight(static_cast<std::int16_t>(r + 1), heights[r]);
        for (std::size_t r = 0; r < widths.size(); ++r)
            for (std::size_t c = 0; c < widths[r].size(); ++c)
                view().AddHeader(static_cast<std::int16_t>(r + 1), static_cast<std::int16_t>(c + 1), 1,
                                 widths[r][c], std::to_string(r + 1) + "," + std::to_string(c + 1), "");
    }
    // The view as text: '#' for a pixel of the colour, '.' for any other.
    std::vector<std::string> map(COLORREF colour) {
        std::vector<std::string> rows;
        for (int y = 0; y < view().Height(); ++y) {
            std::string row;
            for (int x = 0; x < view().Width(); ++x)
                row += at(x, y) == colour ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }
    // The bounds of the pixels of a colour between two columns of the view,
    // right and bottom excluded; empty (right 0) when there are none.
    host::gdi::Rect boundsOf(COLORREF colour, int left = 0, int right = 10000) {
        right = std::min(right, view().Width());
        host::gdi::Rect r{right, view().Height(), 0, 0};
        for (int y = 0; y < view().Height(); ++y)
            for (int x = left; x < right; ++x)
                if (at(x, y) == colour)
                    r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                         std::max(r.bottom, y + 1)};
        return r;
    }
};

// Odd rows carry their top and bottom lines, odd columns their left and
// right lines, each row's last column its right line and the last row its
// bottom line; a boundary between two cells is one line, and every line
// runs the whole side of its cell.
TEST_F(TableViewPaint, FrameLinesFollowRowAndColumnParity) {
    const struct {
        const char* name;
        bool frame;
        std::vector<std::int16_t> heights;
        std::vector<std::vector<std::int16_t>> widths;
        std::vector<std::string> lines;
    } cases[] = {
        {.name = "odd, even and odd rows",
         .frame = true,
         .heights = {4, 3, 4},
         .widths = {{4, 5, 6}, {7, 8}, {5, 5, 5}},
         .lines = {"###############", //
                   "#..#.....#....#", //
                   "#..#.....#....#", //
                   "###############", //
                   "#.....#.......#", //
                   "#.....#.......#", //
                   "#.....#.......#", //
                   "###############", //
                   "#...#.....#...#", //
                   "#...#.....#...#", //
                   "###############"}},
        {.name = "an even last row",
         .frame = true,
         .heights = {3, 3},
         .widths = {{5, 5}, {3, 4, 3}},
         .lines = {"##########", //
                   "#...#....#", //
                   "##########", //
                   "#.#....#.#", //
                   "#.#....#.#", //
                   "##########"}},
        {.name = "frame off",
         .frame = false,
         .heights = {3, 2},
         .widths = {{3, 3}, {6}},
         .lines = {"......", "......", "......", "......", "......"}},
    };
    for (const auto& c : cases) {
        paintScreen(host::gdi::kWhite);
        freshView();
        view().Translucent(false);
        view().Frame(c.frame);
        view().FrameColor(2);
        addRows(c.heights, c.widths);
        paint();
        EXPECT_EQ(map(kRed), c.lines) << c.name;
    }
}

// A text change restores the cell's inner rectangle and draws the cell
// again; nothing outside it changes, and what it draws is what a whole
// repaint draws.
TEST_F(TableViewPaint, ATextChangeRedrawsOnlyItsCell) {
    const struct {
        const char* name;
        bool translucent;
        std::int16_t backLeft, backTop;
    } cases[] = {
        {.name = "washed", .translucent = true, .backLeft = 5, .backTop = 5},
        {.name = "unwashed, elsewhere on the picture", .translucent = false, .backLeft = 100, .backTop = 200},
    };
    for (const auto& c : cases) {
        toolkit_test::paintScene(screen.hDC().bitmap());
        freshView();
        view().ReadProperties(GraphicalViewSettings::readDefaults());
        view().TextColor(3);
        view().Translucent(c.translucent);
        addStrip();
        view().SetBackImage(screen.hDC(), c.backLeft, c.backTop);
        view().RePaint();
        const std::vector<COLORREF> before = pixels();

        view().Text("money", "1,234,567G");
        clsRECT inner;
        view().Headers().GetCellRect(1, 2, inner);
        int changedInside = 0;
        for (int y = 0; y < view().Height(); ++y)
            for (int x = 0; x < view().Width(); ++x) {
                const bool inside =
                    x >= inner.Left() && x < inner.Right() && y >= inner.Top() && y < inner.Bottom();
                const COLORREF was = before[static_cast<std::size_t>(y * view().Width() + x)];
                if (inside)
                    changedInside += at(x, y) != was;
                else
                    ASSERT_EQ(at(x, y), was) << c.name << " at " << x << "," << y;
            }
        EXPECT_GT(changedInside, 0) << c.name;

        view().Text("money", "12,000G");
        EXPECT_EQ(pixels(), before) << c.name << ": the old text gives the old picture";

        view().Text("money", "");
        if (!c.translucent) {
            EXPECT_EQ(at(inner.Left() + 3, inner.Top() + 3),
                      screen.hDC().bitmap().pixel(inner.Left() + 3 + c.backLeft, inner.Top() + 3 + c.backTop))
                << c.name << ": the cell shows the picture at the view's place on it";
        }
        const std::vector<COLORREF> cleared = pixels();
        view().RePaint();
        EXPECT_EQ(cleared, pixels()) << c.name << ": a cleared cell looks as a repaint draws it";
    }
}

TEST_F(TableViewPaint, TheWashedCellKeepsTheBackgroundOfTheLastRepaint) {
    paintScreen(toolkit_test::kScreen);
    addStrip();
    paint();
    const std::vector<COLORREF> before = pixels();
    paintScreen(kGreen);
    view().Text("money", "1G");
    view().Text("money", "12,000G");
    EXPECT_EQ(pixels(), before);
}

// A 10 x 6 picture in a cell of 100 x 30 (inner rectangle 1, 1, 28, 98):
// left, centred or right in the inner rectangle, centred vertically, one
// pixel further right with the frame on.
TEST_F(TableViewPaint, PicturesSitByTheirAlignmentAndShowTheBackgroundThroughTheirMask) {
    const struct {
        const char* name;
        std::int32_t align;
        bool frame;
        bool masked;
        int x;
    } cases[] = {
        {.name = "left", .align = 1, .frame = false, .masked = true, .x = 1},
        {.name = "left framed", .align = 1, .frame = true, .masked = true, .x = 2},
        {.name = "centred", .align = 2, .frame = false, .masked = true, .x = 44},
        {.name = "centred framed", .align = 2, .frame = true, .masked = false, .x = 45},
        {.name = "right", .align = 3, .frame = false, .masked = false, .x = 88},
        {.name = "right framed", .align = 3, .frame = true, .masked = true, .x = 89},
        {.name = "unknown alignment keeps to the left", .align = 7, .frame = true, .masked = true, .x = 2},
    };
    constexpr COLORREF kLeaf = RGB(20, 160, 60);
    const viewtest::Picture leaf(10, 6, kLeaf);
    for (const auto& c : cases) {
        paintScreen(toolkit_test::kScreen);
        freshView();
        view().Translucent(false);
        view().Frame(c.frame);
        view().HeaderHeight(1, 30);
        view().AddHeader(1, 1, 1, 100, "leaf", "");
        view().SetImage("leaf", &leaf.picture, c.masked ? leaf.mask.get() : nullptr, false, c.align, 0);
        paint();
        EXPECT_EQ(boundsOf(kLeaf), (host::gdi::Rect{c.x, 11, c.x + 10, 17})) << c.name;
        EXPECT_EQ(at(c.x, 11), c.masked ? toolkit_test::kScreen : leaf.picture.bitmap().pixel(0, 0))
            << c.name << ": the corner shows the screen only through the mask";
    }
}

TEST_F(TableViewPaint, TextsTakeTheirCellsColourAndFontAndKeepToTheTextRectangle) {
    paintScreen(host::gdi::kWhite);
    view().Translucent(false);
    view().TextColor(6);
    const viewtest::Picture block(30, 20, RGB(90, 90, 90));
    view().HeaderHeight(1, 40);
    view().AddHeader(1, 1, 1, 120, "own", "HHHH");
    view().AddHeader(1, 2, 1, 120, "plain", "HHHH");
    view().AddHeader(1, 3, 3, 120, "big", "HHHH");
    view().AddHeader(1, 4, 1, 120, "beside", "HHHHHHHHHHHHHHHHHHHH");
    view().SetFontColor("own", 2);
    view().SetFont("big", 24, true);
    view().SetFontColor("big", 2);
    view().SetImage("beside", &block.picture, nullptr, false, 1, 0);
    paint();

    const host::gdi::Rect own = boundsOf(kRed, 0, 120);
    const host::gdi::Rect plain = boundsOf(kGreen, 120, 240);
    const host::gdi::Rect big = boundsOf(kRed, 240, 360);
    EXPECT_LT(own.left, own.right) << "the cell's own colour";
    EXPECT_EQ(boundsOf(kGreen, 0, 120).right, 0) << "no default colour in a cell with its own";
    EXPECT_LT(plain.left, plain.right) << "the view's text colour";
    EXPECT_EQ(plain.bottom - plain.top, own.bottom - own.top) << "both in the default font";
    EXPECT_GT(big.bottom - big.top, own.bottom - own.top) << "the cell's own, larger font";
    EXPECT_GT(big.right, 350) << "right-aligned";
    EXPECT_LT(std::abs((own.top + own.bottom) - 40), 3) << "centred vertically";

    clsRECT text;
    view().Headers().GetTextRect(1, 4, text);
    const host::gdi::Rect beside = boundsOf(kGreen, 360, 480);
    EXPECT_GE(beside.left, text.Left()) << "the text starts right of the picture";
    EXPECT_LE(beside.right, text.Right()) << "an over-long text is cut at its rectangle";
}

TEST_F(TableViewPaint, TextStandsTwoPixelsInFromTheSideItIsAlignedTo) {
    paintScreen(host::gdi::kWhite);
    view().Translucent(false);
    view().TextColor(6);
    view().HeaderHeight(1, 20);
    view().AddHeader(1, 1, 1, 60, "left", "|H");
    view().AddHeader(1, 2, 3, 60, "right", "H|");
    paint();
    clsRECT left;
    clsRECT right;
    view().Headers().GetTextRect(1, 1, left);
    view().Headers().GetTextRect(1, 2, right);
    EXPECT_GE(boundsOf(kGreen, 0, 60).left, left.Left() + 2);
    EXPECT_LE(boundsOf(kGreen, 60, 120).right, right.Right() - 2);
}

// A filled table over a painted scene, with the game's status strip above
// it, written to looks/grids_table_view.png for a person to look at.
TEST_F(TableViewPaint, RendersAFilledTable) {
    toolkit_test::paintScene(screen.hDC().bitmap());
    view().ReadProperties(GraphicalViewSettings::readDefaults());
    view().TextColor(3);
    view().TransColor(4);
    view().FontSize(14);
    addStrip();
    view().Text("construct", "建設中: 図書館 (あと12日)");
    paint();

    const viewtest::Picture crest(24, 24, RGB(200, 40, 40));
    const viewtest::Picture coin(18, 18, RGB(230, 190, 30), viewtest::Picture::Disc);
    const viewtest::Picture banner(90, 28, RGB(40, 90, 200));
    const viewtest::Picture portrait(36, 44, RGB(150, 110, 80), viewtest::Picture::Disc);
    auto& table = place<ctrGraphicalViewVer2>(screen, 40, 80, 10, 10, "GVTable");
    table.ReadProperties(GraphicalViewSettings::readDefaults());
    table.TextColor(3);
    table.TransColor(4);
    table.TR(40);
    table.HeaderHeight(1, 34);
    table.HeaderHeight(2, 24);
    table.HeaderHeight(3, 52);
    table.HeaderHeight(4, 30);
    table.AddHeader(1, 1, 1, 220, "school", "王立ヴェルム士官学院");
    table.AddHeader(1, 2, 3, 160, "money", "1,250,000G");
    table.AddHeader(1, 3, 2, 140, "rank", "A");
    table.AddHeader(2, 1, 1, 130, "year", "3年目");
    table.AddHeader(2, 2, 2, 130, "season", "秋学期");
    table.AddHeader(2, 3, 3, 130, "day", "10月14日(火)");
    table.AddHeader(2, 4, 1, 130, "weather", "晴れ");
    table.AddHeader(3, 1, 1, 260, "head", "校長 アルマ・ウィンター");
    table.AddHeader(3, 2, 3, 260, "big", "大会まで 5日");
    table.AddHeader(4, 1, 2, 174, "a", "剣術 B");
    table.AddHeader(4, 2, 2, 173, "b", "魔法 C");
    table.AddHeader(4, 3, 1, 173, "c", "");
    table.SetImage("school", &crest.picture, crest.mask.get(), false, 1, 0);
    table.SetImage("money", &coin.picture, coin.mask.get(), false, 3, 0);
    table.SetImage("rank", &banner.picture, banner.mask.get(), true, 2, 0);
    table.SetFont("rank", 16, true);
    table.SetFontColor("rank", 1);
    table.SetImage("head", &portrait.picture, portrait.mask.get(), false, 1, 0);
    table.SetFont("head", 14, true);
    table.SetFont("big", 22, true);
    table.SetFontColor("big", 2);
    table.SetFontColor("season", 9);
    table.SetImage("c", &coin.picture, coin.mask.get(), false, 2, 0);
    table.SetBackImage(screen.hDC(), 40, 80);
    table.RePaint();
    table.Text("weather", "雨のち晴れ");

    EXPECT_EQ(table.Width(), 520);
    EXPECT_EQ(table.Height(), 140);
    host::gdi::DeviceContext frame(800, 600);
    host::ui::Compose(form, frame);
    toolkit_test::writeLook(frame.bitmap(), "grids_table_view.png");
}

} // namespace
