#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "grids/list_grid/grid_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using gridtest::columns;
using gridtest::kCheck;
using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

// Fills every cell with "r,c" through the cursors, as a host does.
void fill(ctrGraphicalGridVer2& grid) {
    for (std::int16_t r = 0; r <= grid.Rows(); ++r) {
        grid.Row(r);
        for (std::int16_t c = 0; c <= grid.DataCols(); ++c) {
            grid.Col(c);
            grid.Value(std::to_string(r) + "," + std::to_string(c));
        }
    }
}

TEST(GridLayout, ShownSlotsAndScrollBarFollowTheRowsThatFit) {
    struct Case {
        bool header;
        std::int16_t visible, dataRows;
        std::int16_t shown;
        bool scroll;
    };
    const Case cases[] = {
        {.header = true, .visible = 10, .dataRows = 7, .shown = 9, .scroll = false},
        {.header = true, .visible = 10, .dataRows = 8, .shown = 10, .scroll = false},
        {.header = true, .visible = 10, .dataRows = 9, .shown = 10, .scroll = true},
        {.header = false, .visible = 10, .dataRows = 9, .shown = 10, .scroll = false},
        {.header = false, .visible = 10, .dataRows = 10, .shown = 10, .scroll = true},
        {.header = true, .visible = 10, .dataRows = -1, .shown = 1, .scroll = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dataRows) + (c.header ? " with header" : " without header"));
        ctrGraphicalGridVer2 grid;
        grid.headerVisible(c.header);
        grid.SetGrid(columns({{kColumnTextLeft, 50}}), c.visible, c.dataRows, 0, 20);
        EXPECT_EQ(grid.ShownSlots(), c.shown);
        EXPECT_EQ(grid.ScrollBarShown(), c.scroll);
    }
}

TEST(GridLayout, ColumnsAreLaidOutUpToTheFirstEndColumn) {
    ctrGraphicalGridVer2 grid;
    grid.SetGrid(columns({kCheck, {kColumnTextRight, 80}, {kColumnEnd, 0}, {kColumnTextLeft, 60}}), 5, 2, 3,
                 22);
    EXPECT_EQ(grid.LastShownColumn(), 1);
    EXPECT_EQ(grid.TotalWidth(), 105);
    EXPECT_EQ((std::vector<int>{grid.ColumnWidth(0), grid.ColumnWidth(1), grid.ColumnWidth(2),
                                grid.ColumnWidth(3)}),
              (std::vector<int>{25, 80, 0, 0}));
    // Column 1 of data slot 2: right of the 25-pixel check column, third band.
    EXPECT_EQ(grid.SlotRect(2, 1), (host::gdi::Rect{26, 45, 105, 66}));
    EXPECT_EQ(grid.SlotRect(0, 0), (host::gdi::Rect{1, 1, 25, 22}));
    // The cells behind the end column are kept with their rows.
    fill(grid);
    EXPECT_EQ(grid.GetData(2, 3), "2,3");
    EXPECT_EQ(grid.GetData(1, 2), "1,2");
}

TEST(GridLayout, CheckMarkSitsInTheMiddleOfItsCell) {
    struct Case {
        std::int16_t rowHeight;
        CheckMarkGeometry mark;
    };
    const Case cases[] = {
        {.rowHeight = 20, .mark = {.width = 10, .halfHeight = 10, .xOffset = 8, .yOffset = 5}},
        {.rowHeight = 22, .mark = {.width = 10, .halfHeight = 10, .xOffset = 8, .yOffset = 6}},
        // (25 - 10) / 2 = 7.5 and (23 - 10) / 2 = 6.5 round to even.
        {.rowHeight = 23, .mark = {.width = 10, .halfHeight = 10, .xOffset = 8, .yOffset = 6}},
        {.rowHeight = 25, .mark = {.width = 10, .halfHeight = 10, .xOffset = 8, .yOffset = 8}},
    };
    for (const Case& c : cases) {
        ctrGraphicalGridVer2 grid;
        grid.SetGrid(columns({kCheck, {kColumnTextCentred, 100}}), 5, 3, 1, c.rowHeight);
        ASSERT_TRUE(grid.HasCheckColumn());
        const CheckMarkGeometry& mark = grid.CheckMark();
        EXPECT_EQ((std::vector<int>{mark.width, mark.halfHeight, mark.xOffset, mark.yOffset}),
                  (std::vector<int>{c.mark.width, c.mark.halfHeight, c.mark.xOffset, c.mark.yOffset}))
            << "row height " << c.rowHeight;
    }
}

TEST(GridLayout, ARowHeightOfZeroKeepsTheGridsOwn) {
    ctrGraphicalGridVer2 grid;
    grid.SetGrid(columns({{kColumnTextLeft, 50}}), 5, 3, 0, 22);
    grid.SetGrid(columns({{kColumnTextLeft, 50}}), 5, 3, 0, 0);
    EXPECT_EQ(grid.RowHeight(), 22);
    EXPECT_EQ(grid.SlotRect(1, 0), (host::gdi::Rect{1, 23, 50, 44}));
}

TEST(GridLayout, ANewFillForgetsTheOldOne) {
    ctrGraphicalGridVer2 grid;
    grid.SetGrid(columns({kCheck, {kColumnTextLeft, 50}}), 5, 3, 1, 20);
    fill(grid);
    grid.Checked(2, true);
    grid.Row(3);
    grid.SetGrid(columns({kCheck, {kColumnTextLeft, 50}}), 5, 4, 1, 20);
    EXPECT_EQ(grid.GetData(2, 1), "");
    EXPECT_EQ(grid.CheckedRow(), -1);
    EXPECT_EQ(grid.Row(), 0);

    grid.SetGrid(columns({kCheck, {kColumnTextLeft, 50}}), 5, -1, 1, 20);
    EXPECT_EQ(grid.Rows(), -1);
    grid.Row(0);
    grid.Col(1);
    grid.Value("ignored");
    EXPECT_EQ(grid.GetData(0, 1), "");
}

TEST(GridLayout, AColumnSetWithAGapIsRefusedAndTheGridStaysAsItWas) {
    clsGGVer2Headers registry;
    registry.Add("gap", "a", 1, 1, 50, "", 0, 100, nullptr, nullptr);
    registry.Add("gap", "b", 1, 1, 50, "", 0, 100, nullptr, nullptr);
    registry.Add("gap", "c", 1, 3, 50, "", 0, 100, nullptr, nullptr);
    ctrGraphicalGridVer2 grid;
    grid.SetGrid(columns({{kColumnTextLeft, 70}}), 5, 2, 0, 20);
    fill(grid);
    EXPECT_EQ(errorOf([&] { grid.SetGrid(registry.GetHeaders("gap"), 5, 8, 2, 30); }),
              ErrorNumber::InvalidCall);
    EXPECT_FALSE(grid.Busy());
    EXPECT_EQ(grid.RowHeight(), 20);
    EXPECT_EQ(grid.TotalWidth(), 70);
    EXPECT_EQ(grid.GetData(1, 0), "1,0");
}

TEST(GridCells, TheCursorWritesOnlyInsideTheGrid) {
    ctrGraphicalGridVer2 grid;
    grid.SetGrid(columns({{kColumnTextLeft, 50}, {kColumnTextLeft, 50}}), 5, 0, 1, 20);
    grid.Row(0);
    grid.Col(1);
    grid.Value("one row");
    EXPECT_EQ(grid.Value(), "one row");
    for (auto [row, col] : {std::pair{1, 0}, {-1, 0}, {0, 2}, {0, -1}}) {
        grid.Row(static_cast<std::int16_t>(row));
        grid.Col(static_cast<std::int16_t>(col));
        grid.Value("outside");
        EXPECT_EQ(grid.Value(), "");
        EXPECT_EQ(grid.GetData(static_cast<std::int16_t>(row), static_cast<std::int16_t>(col)), "");
    }
    EXPECT_EQ(grid.GetData(0, 0), "");
    EXPECT_EQ(grid.GetData(0, 1), "one row");
}

TEST(GridCells, SetValueSkipsBarHiddenAndCheckColumns) {
    ctrGraphicalGridVer2 grid;
    grid.SetGrid(
        columns(
            {kCheck, {kColumnTextLeft, 50}, {kColumnBar, 50}, {kColumnPicture, 35, 20, 20}, {kColumnEnd, 0}}),
        5, 1, 4, 20);
    fill(grid);
    for (std::int16_t c = 0; c <= 4; ++c)
        grid.SetValue(1, c, "new");
    grid.SetValue(2, 1, "outside");
    EXPECT_EQ((std::vector<std::string>{grid.GetData(1, 0), grid.GetData(1, 1), grid.GetData(1, 2),
                                        grid.GetData(1, 3), grid.GetData(1, 4)}),
              (std::vector<std::string>{"1,0", "new", "1,2", "new", "1,4"}));
}

TEST(GridChecks, ReadingTheCheckCell) {
    ctrGraphicalGridVer2 grid;
    grid.SetGrid(columns({kCheck, {kColumnTextLeft, 50}}), 5, 5, 1, 20);
    const std::pair<const char*, bool> cells[] = {{"1", true},  {"1.0", true}, {"0", false},
                                                  {"2", false}, {"", false},   {"はい", false}};
    std::int16_t r = 0;
    for (const auto& [text, checked] : cells) {
        grid.Row(r);
        grid.Col(0);
        grid.Value(text);
        EXPECT_EQ(grid.Checked(r), checked) << '"' << text << '"';
        ++r;
    }
    EXPECT_FALSE(grid.Checked(-1));
    EXPECT_FALSE(grid.Checked(6));

    ctrGraphicalGridVer2 noCheckColumn;
    noCheckColumn.SetGrid(columns({{kColumnTextLeft, 50}}), 5, 0, 0, 20);
    noCheckColumn.Value("1");
    EXPECT_FALSE(noCheckColumn.Checked(0));
    noCheckColumn.Checked(0, true);
    EXPECT_EQ(noCheckColumn.GetData(0, 0), "1");
}

// Check cells of rows 0..3 as "0"/"1", and the checked row.
std::pair<std::string, int> checks(const ctrGraphicalGridVer2& grid) {
    std::string cells;
    for (std::int16_t r = 0; r <= grid.Rows(); ++r)
        cells += grid.GetData(r, 0);
    return {cells, grid.CheckedRow()};
}

TEST(GridChecks, SettingChecks) {
    struct Step {
        std::int16_t row;
        bool value;
    };
    struct Case {
        const char* name;
        bool multi;
        std::vector<Step> steps;
        std::string cells;
        int checkedRow;
    };
    const Case cases[] = {
        {.name = "single: check one row",
         .multi = false,
         .steps = {{1, true}},
         .cells = "0100",
         .checkedRow = 1},
        {.name = "single: another row moves the check",
         .multi = false,
         .steps = {{1, true}, {3, true}},
         .cells = "0001",
         .checkedRow = 3},
        {.name = "single: True on the checked row clears it",
         .multi = false,
         .steps = {{3, true}, {3, true}},
         .cells = "0000",
         .checkedRow = -1},
        {.name = "single: False on another row clears the check",
         .multi = false,
         .steps = {{3, true}, {1, false}},
         .cells = "0000",
         .checkedRow = -1},
        {.name = "single: a row outside changes nothing",
         .multi = false,
         .steps = {{2, true}, {4, true}, {-1, false}},
         .cells = "0010",
         .checkedRow = 2},
        {.name = "multi: rows are set one by one",
         .multi = true,
         .steps = {{0, true}, {2, true}, {3, true}, {2, false}},
         .cells = "1001",
         .checkedRow = -1},
    };
    for (const Case& c : cases) {
        ctrGraphicalGridVer2 grid;
        grid.MultiSelect(c.multi);
        grid.SetGrid(columns({kCheck, {kColumnTextLeft, 50}}), 5, 3, 1, 20);
        for (std::int16_t r = 0; r <= 3; ++r)
            grid.SetValue(r, 1, "row");
        for (std::int16_t r = 0; r <= 3; ++r) {
            grid.Row(r);
            grid.Col(0);
            grid.Value("0");
        }
        for (const Step& step : c.steps)
            grid.Checked(step.row, step.value);
        EXPECT_EQ(checks(grid), (std::pair{c.cells, c.checkedRow})) << c.name;
    }
}

} // namespace
