#include "grids/table_view/cls_gv_headers.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

struct Rect {
    int top, left, bottom, right;
    friend bool operator==(const Rect&, const Rect&) = default;
};

Rect fieldsOf(const clsRECT& r) {
    return {r.Top(), r.Left(), r.Bottom(), r.Right()};
}

// A table from its row heights and each row's column widths; cell (r, c)
// is named "r,c" and says so.
struct TableShape {
    std::vector<std::int16_t> heights;
    std::vector<std::vector<std::int16_t>> widths;
};

void build(clsGVHeaders& table, const TableShape& shape) {
    for (std::size_t r = 0; r < shape.heights.size(); ++r)
        table.RowHeight(static_cast<std::int16_t>(r + 1), shape.heights[r]);
    for (std::size_t r = 0; r < shape.widths.size(); ++r)
        for (std::size_t c = 0; c < shape.widths[r].size(); ++c) {
            const std::string id = std::to_string(r + 1) + "," + std::to_string(c + 1);
            table.Add(static_cast<std::int16_t>(r + 1), static_cast<std::int16_t>(c + 1), shape.widths[r][c],
                      1, id, id);
        }
}

TEST(TableViewCells, TheTableIsAsWideAsItsWidestRowAndAsTallAsAllRows) {
    const struct {
        const char* name;
        TableShape shape;
        int width, height;
    } cases[] = {
        {.name = "two rows", .shape = {{30, 20}, {{240, 150}, {100}}}, .width = 390, .height = 50},
        {.name = "status strip", .shape = {{30}, {{240, 150, 110, 70, 220}}}, .width = 790, .height = 30},
        {.name = "widest row last",
         .shape = {{10, 12, 14}, {{5}, {6, 6}, {100, 1}}},
         .width = 101,
         .height = 36},
        {.name = "a row height without cells", .shape = {{10, 25}, {{40}}}, .width = 40, .height = 35},
        {.name = "no rows", .shape = {{}, {}}, .width = 0, .height = 0},
    };
    for (const auto& c : cases) {
        clsGVHeaders table;
        build(table, c.shape);
        std::int16_t w = 0, h = 0;
        table.GetControlSize(w, h);
        EXPECT_EQ(w, c.width) << c.name;
        EXPECT_EQ(h, c.height) << c.name;
    }
}

// Rows of heights 30, 20, 25 and 10 with their own columns: the inner
// rectangle keeps clear of the lines of odd rows and columns, the right
// line of each last column and the bottom line of the last row.
TEST(TableViewCells, InnerRectanglesFollowRowAndColumnParity) {
    clsGVHeaders table;
    build(table, {{30, 20, 25, 10}, {{240, 150}, {100, 60, 80}, {50}, {30, 40, 20, 10}}});
    const struct {
        std::int16_t row, col;
        Rect inner;
    } cases[] = {
        {.row = 1, .col = 1, .inner = {.top = 1, .left = 1, .bottom = 28, .right = 238}},
        {.row = 1, .col = 2, .inner = {.top = 1, .left = 240, .bottom = 28, .right = 388}},
        {.row = 2, .col = 1, .inner = {.top = 30, .left = 1, .bottom = 48, .right = 98}},
        {.row = 2, .col = 2, .inner = {.top = 30, .left = 100, .bottom = 48, .right = 159}},
        {.row = 2, .col = 3, .inner = {.top = 30, .left = 161, .bottom = 48, .right = 238}},
        {.row = 3, .col = 1, .inner = {.top = 51, .left = 1, .bottom = 73, .right = 48}},
        {.row = 4, .col = 2, .inner = {.top = 75, .left = 30, .bottom = 83, .right = 69}},
        {.row = 4, .col = 4, .inner = {.top = 75, .left = 90, .bottom = 83, .right = 98}},
    };
    for (const auto& c : cases) {
        clsRECT rect;
        ASSERT_TRUE(table.GetCellRect(c.row, c.col, rect)) << c.row << "," << c.col;
        EXPECT_EQ(fieldsOf(rect), c.inner) << c.row << "," << c.col;
        clsRECT text;
        ASSERT_TRUE(table.GetTextRect(c.row, c.col, text));
        EXPECT_EQ(fieldsOf(text), c.inner) << "no picture: the text has the whole inner rectangle";
    }
}

TEST(TableViewCells, PositionsOutsideTheTableHaveNoRectangle) {
    clsGVHeaders table;
    build(table, {{30, 20}, {{10, 10, 10, 10, 10}, {10}}});
    const struct {
        std::int16_t row, col;
    } cases[] = {{.row = 3, .col = 1},
                 {.row = 1, .col = 6},
                 {.row = 2, .col = 2},
                 {.row = 0, .col = 1},
                 {.row = 1, .col = 0}};
    for (const auto& c : cases) {
        clsRECT rect;
        rect.Top(7);
        EXPECT_FALSE(table.GetCellRect(c.row, c.col, rect)) << c.row << "," << c.col;
        EXPECT_FALSE(table.GetTextRect(c.row, c.col, rect)) << c.row << "," << c.col;
        EXPECT_EQ(rect.Top(), 7) << "the record stays untouched";
    }
}

// One cell of 200 x 40 (inner rectangle 1, 1, 38, 198) with a picture 34
// wide: beside the text it takes its width from the text's side, over the
// text it keeps the text ImageTextLeft from the edge.
TEST(TableViewCells, TheTextMakesRoomForItsPicture) {
    const struct {
        const char* name;
        std::int32_t align;
        bool overlapped;
        std::int16_t textLeft;
        Rect text;
    } cases[] = {
        {.name = "left beside",
         .align = 1,
         .overlapped = false,
         .textLeft = 10,
         .text = {.top = 1, .left = 35, .bottom = 38, .right = 198}},
        {.name = "right beside",
         .align = 3,
         .overlapped = false,
         .textLeft = 10,
         .text = {.top = 1, .left = 1, .bottom = 38, .right = 164}},
        // 197 / 2 - 34 / 2 + 1 = 82.5, to the even neighbour.
        {.name = "centred beside",
         .align = 2,
         .overlapped = false,
         .textLeft = 10,
         .text = {.top = 1, .left = 1, .bottom = 38, .right = 82}},
        {.name = "unknown beside",
         .align = 7,
         .overlapped = false,
         .textLeft = 10,
         .text = {.top = 1, .left = 1, .bottom = 38, .right = 198}},
        {.name = "left under",
         .align = 1,
         .overlapped = true,
         .textLeft = 10,
         .text = {.top = 1, .left = 11, .bottom = 38, .right = 198}},
        {.name = "centred under",
         .align = 2,
         .overlapped = true,
         .textLeft = 4,
         .text = {.top = 1, .left = 5, .bottom = 38, .right = 198}},
        {.name = "right under",
         .align = 3,
         .overlapped = true,
         .textLeft = 10,
         .text = {.top = 1, .left = 1, .bottom = 38, .right = 188}},
    };
    // The picture's height plays no part.
    host::gdi::DeviceContext picture(34, 90);
    for (const auto& c : cases) {
        clsGVHeaders table;
        table.RowHeight(1, 40);
        table.Add(1, 1, 200, 1, "text", "cell");
        table.SetImage("cell", &picture, nullptr, c.overlapped, c.align, c.textLeft);
        clsRECT rect;
        ASSERT_TRUE(table.GetTextRect(1, 1, rect)) << c.name;
        EXPECT_EQ(fieldsOf(rect), c.text) << c.name;
        clsRECT inner;
        table.GetCellRect(1, 1, inner);
        EXPECT_EQ(fieldsOf(inner), (Rect{1, 1, 38, 198}))
            << c.name << ": the picture leaves the inner rectangle";
    }
}

TEST(TableViewCells, IdentifiersAndRowHeightsAreTakenOnceAndMustExist) {
    const struct {
        const char* name;
        void (*call)(clsGVHeaders&);
        std::optional<ErrorNumber> error;
    } cases[] = {
        {.name = "second cell date",
         .call = [](clsGVHeaders& t) { t.Add(2, 1, 10, 1, "", "date"); },
         .error = ErrorNumber::DuplicateKey},
        {.name = "identifiers ignore case",
         .call = [](clsGVHeaders& t) { t.Add(2, 1, 10, 1, "", "DATE"); },
         .error = ErrorNumber::DuplicateKey},
        {.name = "second height of row 1",
         .call = [](clsGVHeaders& t) { t.RowHeight(1, 40); },
         .error = ErrorNumber::DuplicateKey},
        {.name = "text of an unknown cell",
         .call = [](clsGVHeaders& t) { (void)t.TextAsID("none"); },
         .error = ErrorNumber::InvalidCall},
        {.name = "writing an unknown cell",
         .call = [](clsGVHeaders& t) { t.TextAsID("none", "x"); },
         .error = ErrorNumber::InvalidCall},
        {.name = "picture of an unknown cell",
         .call = [](clsGVHeaders& t) { t.SetImage("none", nullptr, nullptr, false, 1, 0); },
         .error = ErrorNumber::InvalidCall},
        {.name = "font of an unknown cell",
         .call = [](clsGVHeaders& t) { t.SetFont("none", "", 12, false); },
         .error = ErrorNumber::InvalidCall},
        {.name = "colour of an unknown cell",
         .call = [](clsGVHeaders& t) { t.SetFontColor("none", 2); },
         .error = ErrorNumber::InvalidCall},
        {.name = "place of an unknown cell",
         .call =
             [](clsGVHeaders& t) {
                 std::int16_t r = 0, c = 0;
                 t.GetIDtoHeader("none", r, c);
             },
         .error = ErrorNumber::InvalidCall},
        {.name = "height of a row without one",
         .call = [](clsGVHeaders& t) { (void)t.RowHeight(2); },
         .error = ErrorNumber::InvalidCall},
        {.name = "a new row height",
         .call = [](clsGVHeaders& t) { t.RowHeight(2, 20); },
         .error = std::nullopt},
    };
    for (const auto& c : cases) {
        clsGVHeaders table;
        table.RowHeight(1, 30);
        table.Add(1, 1, 240, 1, "4月1日", "date");
        EXPECT_EQ(errorOf([&] { c.call(table); }), c.error) << c.name;
        EXPECT_EQ(table.TextAsID("date"), "4月1日") << c.name;
        EXPECT_EQ(table.RowHeight(1), 30) << c.name;
    }
}

TEST(TableViewCells, ByPositionTheFirstCellAddedAnswersAndAMissingOneNothing) {
    clsGVHeaders table;
    host::gdi::DeviceContext picture(12, 8), mask(12, 8);
    table.RowHeight(1, 30);
    table.Add(1, 1, 70, 3, "first", "a");
    table.Add(1, 2, 50, 2, "", "b");
    table.Add(1, 1, 90, 1, "second", "c");
    table.SetImage("a", &picture, &mask, true, 3, 6);
    table.SetFont("a", "MS UI Gothic", 4, true);
    table.SetFontColor("a", 9);

    EXPECT_EQ(table.Text(1, 1), "first");
    EXPECT_EQ(table.Width(1, 1), 70);
    EXPECT_EQ(table.ColWidth(1, 1), 70);
    EXPECT_EQ(table.TextAlign(1, 1), 3);
    EXPECT_EQ(table.TextType(1, 1), 3);
    EXPECT_EQ(table.Image(1, 1), &picture);
    EXPECT_EQ(table.MaskImage(1, 1), &mask);
    EXPECT_TRUE(table.OVERLAPPED(1, 1));
    EXPECT_EQ(table.ImageAlign(1, 1), 3);
    EXPECT_EQ(table.ImageTextLeft(1, 1), 6);
    std::int16_t w = 0, h = 0;
    table.GetImageSize(1, 1, w, h);
    EXPECT_EQ(w, 12);
    EXPECT_EQ(h, 8);
    ASSERT_TRUE(table.IsFont(1, 1));
    EXPECT_EQ(table.Font(1, 1)->Size(), 8) << "a cell's font keeps its size within 8..72";
    EXPECT_TRUE(table.Font(1, 1)->Bold());
    EXPECT_EQ(table.Font(1, 1)->Name(), "MS UI Gothic");
    EXPECT_TRUE(table.IsTextColor(1, 1));
    EXPECT_EQ(table.TextColor(1, 1), 9);
    EXPECT_EQ(table.ColCount(1), 3) << "every cell of the row counts";
    std::int16_t row = 0, col = 0;
    table.GetIDtoHeader("c", row, col);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 1);

    EXPECT_FALSE(table.IsImage(1, 2));
    EXPECT_FALSE(table.IsFont(1, 2));
    EXPECT_FALSE(table.IsTextColor(1, 2));
    EXPECT_EQ(table.Image(1, 2), nullptr);

    EXPECT_EQ(table.Text(9, 9), "");
    EXPECT_EQ(table.Width(9, 9), 0);
    EXPECT_EQ(table.TextAlign(9, 9), 0);
    EXPECT_EQ(table.Font(9, 9), nullptr);
    EXPECT_FALSE(table.IsImage(9, 9));
    EXPECT_EQ(table.ColCount(9), 0);
    w = 5;
    h = 6;
    table.GetImageSize(9, 9, w, h);
    EXPECT_EQ(w, 5) << "a missing cell leaves the size alone";
    EXPECT_EQ(h, 6);
    table.Text(9, 9, "lost");
    EXPECT_EQ(table.Text(9, 9), "");

    table.Text(1, 1, "changed");
    EXPECT_EQ(table.TextAsID("a"), "changed");
    EXPECT_EQ(table.TextAsID("c"), "second");
}

TEST(TableViewCells, TheRowCountIsTheNumberOfHeightsNotOfRowsWithCells) {
    clsGVHeaders table;
    table.Add(1, 1, 10, 1, "", "a");
    table.Add(4, 1, 10, 1, "", "b");
    EXPECT_EQ(table.RowCount(), 0);
    clsRECT rect;
    EXPECT_FALSE(table.GetCellRect(1, 1, rect));
    table.RowHeight(1, 20);
    table.RowHeight(2, 20);
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_FALSE(table.GetCellRect(4, 1, rect));
}

} // namespace
