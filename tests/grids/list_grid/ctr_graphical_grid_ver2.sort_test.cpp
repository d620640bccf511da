#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "grids/list_grid/grid_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using gridtest::columns;
using gridtest::kCheck;
using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

TEST(GridSortKeys, ClicksBuildTheHistoryAndTheDirection) {
    struct Case {
        const char* name;
        std::int32_t startType;
        std::vector<std::int16_t> clicks;
        std::vector<std::int16_t> keys;
        std::int32_t sortType;
    };
    const Case cases[] = {
        {.name = "first click", .startType = 0, .clicks = {2}, .keys = {2}, .sortType = 0},
        {.name = "same column twice", .startType = 0, .clicks = {2, 2}, .keys = {2}, .sortType = 1},
        {.name = "same column three times", .startType = 0, .clicks = {2, 2, 2}, .keys = {2}, .sortType = 0},
        {.name = "second column", .startType = 1, .clicks = {2, 3}, .keys = {3, 2}, .sortType = 1},
        {.name = "back to the secondary", .startType = 0, .clicks = {2, 3, 2}, .keys = {2, 3}, .sortType = 0},
        {.name = "third column drops the oldest",
         .startType = 0,
         .clicks = {1, 2, 3},
         .keys = {3, 2},
         .sortType = 0},
        {.name = "primary of two flips", .startType = 0, .clicks = {1, 2, 2}, .keys = {2, 1}, .sortType = 1},
        {.name = "any other direction flips to 0",
         .startType = 7,
         .clicks = {4, 4},
         .keys = {4},
         .sortType = 0},
    };
    for (const Case& c : cases) {
        GridSortKeys keys;
        keys.clear(c.startType);
        for (std::int16_t column : c.clicks)
            keys.AddSortKey(column);
        EXPECT_EQ(keys.keys(), c.keys) << c.name;
        EXPECT_EQ(keys.SortType(), c.sortType) << c.name;
    }
}

TEST(GridSortKeys, NumbersAreWholeNumbersRoundedHalfToEven) {
    const std::string huge(400, '9');
    const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
        {"10", 10},
        {"-3", -3},
        {"2.5", 2},
        {"3.5", 4},
        {" 7 ", 7},
        {"2147483648", 2147483647},
        {"-99999999999", -2147483647 - 1},
        {huge, 2147483647},
        {"-" + huge, -2147483647 - 1},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1e5", std::nullopt},
        {"１０", std::nullopt},
        {"二", std::nullopt},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(ParseNumber(text), number) << '"' << text << '"';
}

// A grid of rows with the given cells (column 0 a check column when check).
std::unique_ptr<ctrGraphicalGridVer2> gridOf(const std::vector<std::vector<std::string>>& rows,
                                             bool check = false) {
    std::vector<gridtest::ColumnShape> shapes;
    for (std::size_t c = 0; c < rows.front().size(); ++c)
        shapes.push_back(check && c == 0 ? kCheck : gridtest::ColumnShape{kColumnTextLeft, 40});
    auto made = std::make_unique<ctrGraphicalGridVer2>();
    ctrGraphicalGridVer2& grid = *made;
    grid.SetGrid(columns(shapes), 10, static_cast<std::int16_t>(rows.size() - 1),
                 static_cast<std::int16_t>(shapes.size() - 1), 20);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        grid.Row(static_cast<std::int16_t>(r));
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            grid.Col(static_cast<std::int16_t>(c));
            grid.Value(rows[r][c]);
        }
    }
    return made;
}

// Column `col` of every row, joined with spaces.
std::string column(const ctrGraphicalGridVer2& grid, std::int16_t col) {
    std::string result;
    for (std::int16_t r = 0; r <= grid.Rows(); ++r)
        result += (r ? " " : "") + grid.GetData(r, col);
    return result;
}

TEST(GridSort, RowsAreOrderedByTheirKeys) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> rows; // column 0 names the row
        std::int16_t sortCol;
        std::int32_t sortType;
        std::vector<std::int16_t> clicks = {};
        std::string order;
    };
    const Case cases[] = {
        {.name = "numbers as numbers",
         .rows = {{"a", "10"}, {"b", "9"}, {"c", "100"}},
         .sortCol = 1,
         .sortType = 0,
         .order = "b a c"},
        {.name = "descending",
         .rows = {{"a", "10"}, {"b", "9"}, {"c", "100"}},
         .sortCol = 1,
         .sortType = 1,
         .order = "c a b"},
        // 10 > 9 swap; "10" < "abc" as texts; then 9 < 10: the pairs decide.
        {.name = "numbers and a text",
         .rows = {{"a", "10"}, {"b", "9"}, {"c", "abc"}},
         .sortCol = 1,
         .sortType = 0,
         .order = "b a c"},
        // "10" < "5x" and "5x" < "9" as texts, so 10 and 9 never meet.
        {.name = "a text between numbers compares as text pair by pair",
         .rows = {{"a", "10"}, {"b", "5x"}, {"c", "9"}},
         .sortCol = 1,
         .sortType = 0,
         .order = "a b c"},
        {.name = "2.4 and 2.5 are both 2 and keep their order",
         .rows = {{"a", "2.5"}, {"b", "2.4"}, {"c", "1"}},
         .sortCol = 1,
         .sortType = 0,
         .order = "c a b"},
        {.name = "texts by code unit, case first",
         .rows = {{"a", "b"}, {"b", "B"}, {"c", "ア"}, {"d", "あ"}},
         .sortCol = 1,
         .sortType = 0,
         .order = "b a d c"},
        {.name = "a number beyond 32 bits sorts last",
         .rows = {{"a", "99999999999"}, {"b", "2147483647"}, {"c", "5"}},
         .sortCol = 1,
         .sortType = 0,
         .order = "c a b"},
        {.name = "equal rows keep their order",
         .rows = {{"a", "1"}, {"b", "0"}, {"c", "1"}, {"d", "0"}, {"e", "1"}},
         .sortCol = 1,
         .sortType = 1,
         .order = "a c e b d"},
        {.name = "no sort column leaves the host's order",
         .rows = {{"a", "3"}, {"b", "1"}, {"c", "2"}},
         .sortCol = -1,
         .sortType = 0,
         .order = "a b c"},
        {.name = "a click after no sort column sorts by it",
         .rows = {{"a", "3"}, {"b", "1"}, {"c", "2"}},
         .sortCol = -1,
         .sortType = 1,
         .clicks = {1},
         .order = "a c b"},
        {.name = "two clicks on one column: ascending, then descending",
         .rows = {{"a", "3"}, {"b", "1"}, {"c", "2"}},
         .sortCol = -1,
         .sortType = 0,
         .clicks = {1, 1},
         .order = "a c b"},
        {.name = "ties on the primary go by the secondary in the same direction",
         .rows = {{"a", "x", "2"}, {"b", "y", "1"}, {"c", "x", "1"}, {"d", "y", "2"}, {"e", "x", "2"}},
         .sortCol = 2,
         .sortType = 1,
         .clicks = {1},
         .order = "d b a e c"},
        {.name = "equal in both keys keep their order",
         .rows = {{"a", "x", "1"}, {"b", "x", "1"}, {"c", "w", "1"}, {"d", "x", "1"}},
         .sortCol = 2,
         .sortType = 0,
         .clicks = {1},
         .order = "c a b d"},
    };
    for (const Case& c : cases) {
        const auto owned = gridOf(c.rows);
        ctrGraphicalGridVer2& grid = *owned;
        grid.SortFromStart(c.sortCol, c.sortType);
        for (std::int16_t click : c.clicks) {
            grid.AddSortKey(click);
            grid.SortGridRows();
        }
        EXPECT_EQ(column(grid, 0), c.order) << c.name;
    }
}

TEST(GridSort, TheCheckedRowFollowsItsData) {
    for (bool multi : {false, true}) {
        const auto owned = gridOf({{"0", "e", "hidden e"},
                                   {"0", "d", "hidden d"},
                                   {"0", "c", "hidden c"},
                                   {"0", "b", "hidden b"},
                                   {"0", "a", "hidden a"}},
                                  true);
        ctrGraphicalGridVer2& grid = *owned;
        grid.MultiSelect(multi);
        grid.Checked(1, true);
        grid.SortFromStart(1, 0);
        EXPECT_EQ(column(grid, 1), "a b c d e");
        EXPECT_EQ(column(grid, 2), "hidden a hidden b hidden c hidden d hidden e");
        EXPECT_TRUE(grid.Checked(3));
        EXPECT_EQ(grid.CheckedRow(), multi ? -1 : 3) << (multi ? "multi" : "single");
    }
}

TEST(GridSort, AKeyOutsideTheRowsOrNoKeyIsAnError) {
    const auto owned = gridOf({{"b"}, {"a"}});
    ctrGraphicalGridVer2& grid = *owned;
    EXPECT_EQ(errorOf([&] { grid.SortGridRows(); }), ErrorNumber::InvalidCall);
    grid.AddSortKey(3);
    EXPECT_EQ(errorOf([&] { grid.SortGridRows(); }), ErrorNumber::SubscriptOutOfRange);
    grid.SortFromStart(3, 0);
    EXPECT_TRUE(grid.SortKeys().keys().empty());
    EXPECT_EQ(column(grid, 0), "b a");
}

} // namespace
