#include "devtools/cls_graphical_view_headers.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using host::runtime::ErrorNumber;
using testsupport::errorOf;

struct Cell {
    std::int16_t row, col, width;
};

clsGraphicalViewHeaders modelOf(const std::vector<Cell>& cells) {
    clsGraphicalViewHeaders model;
    for (const Cell& c : cells)
        model.Add(std::string("r").append(std::to_string(c.row)).append("c").append(std::to_string(c.col)),
                  c.width, c.row, c.col, 3);
    return model;
}

TEST(GraphicalViewHeaders, TheWidthIsTheWidestRunOfCells) {
    struct Case {
        const char* what;
        std::vector<Cell> cells;
        std::int16_t width;
        std::int16_t rows;
    } cases[] = {
        {.what = "one row", .cells = {{1, 1, 100}, {1, 2, 50}}, .width = 150, .rows = 1},
        {.what = "the first row wider",
         .cells = {{1, 1, 100}, {1, 2, 50}, {2, 1, 80}},
         .width = 150,
         .rows = 2},
        {.what = "the last row wider",
         .cells = {{1, 1, 40}, {2, 1, 70}, {2, 2, 90}},
         .width = 160,
         .rows = 2},
        {.what = "a row met again joins the current run",
         .cells = {{1, 1, 40}, {2, 1, 70}, {1, 2, 90}},
         .width = 160,
         .rows = 2},
        {.what = "no cells", .cells = {}, .width = 0, .rows = 0},
    };
    for (const Case& c : cases) {
        const clsGraphicalViewHeaders model = modelOf(c.cells);
        EXPECT_EQ(model.GetWidth(), c.width) << c.what;
        EXPECT_EQ(model.GetRowCount(), c.rows) << c.what;
    }
}

TEST(GraphicalViewHeaders, CellQueriesFindTheFirstCellAddedAndAnswerEmptyForAMissingOne) {
    clsGraphicalViewHeaders model;
    model.Add("名前", 120, 1, 1, 3);
    model.Add("体力", 40, 1, 3, 4);
    model.Add("重複", 99, 1, 1, 4);

    EXPECT_EQ(model.GetText(1, 1), "名前");
    EXPECT_EQ(model.GetColWidth(1, 1), 120);
    EXPECT_EQ(model.GetTextType(1, 3), 4);
    EXPECT_EQ(model.GetColCount(1), 3);
    EXPECT_EQ(model.GetColCount(2), 0);
    EXPECT_EQ(model.GetText(2, 1), "");
    EXPECT_EQ(model.GetColWidth(2, 1), 0);
    EXPECT_EQ(model.GetTextType(2, 1), 0);
    EXPECT_FALSE(model.MouseOver(2, 1));
    EXPECT_EQ(model.RectArea(2, 1, 1), 0);

    model.SetText(1, 1, "氏名");
    EXPECT_EQ(model.GetText(1, 1), "氏名");
    model.MouseOver(1, 1, true); // aligned 3: no mouse-over
    model.MouseOver(1, 3, true);
    EXPECT_FALSE(model.MouseOver(1, 1));
    EXPECT_TRUE(model.MouseOver(1, 3));
    model.RectArea(1, 3, 2, 17);
    model.RectArea(1, 3, 5, 99);
    EXPECT_EQ(model.RectArea(1, 3, 2), 17);
    EXPECT_EQ(model.RectArea(1, 3, 5), 0);
    model.MouseOver(4, 4, true); // a missing cell: nothing happens
    model.SetText(4, 4, "x");
    EXPECT_EQ(model.GetText(4, 4), "");
}

TEST(GraphicalViewHeaders, RowHeightsAddUpAndASecondHeightReplacesTheFirst) {
    clsGraphicalViewHeaders model;
    EXPECT_EQ(model.GetHeight(), 0);
    EXPECT_EQ(errorOf([&] { model.RowHeight(1); }), ErrorNumber::InvalidCall);
    model.RowHeight(1, 20);
    model.RowHeight(2, 18);
    model.RowHeight(1, 24);
    EXPECT_EQ(model.RowHeight(1), 24);
    EXPECT_EQ(model.GetHeight(), 42);
    model.RowHeight(3, 32767);
    EXPECT_EQ(errorOf([&] { model.GetHeight(); }), ErrorNumber::Overflow);
}

TEST(GraphicalViewHeaders, WidthsBeyondSixteenBitsOverflow) {
    const clsGraphicalViewHeaders model = modelOf({{1, 1, 30000}, {1, 2, 3000}});
    EXPECT_EQ(errorOf([&] { model.GetWidth(); }), ErrorNumber::Overflow);
}

} // namespace
