#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "grids/list_grid/grid_paint_fixture.h"

#include "host/ui/window_procedure.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using gridtest::kCheck;
using gridtest::kStatus;
using host::ui::InputEvent;
using Entries = std::vector<std::string>;

namespace {

const std::vector<gridtest::ColumnShape> kCheckNameStatus = {kCheck, {kColumnTextCentred, 100}, kStatus};

// A grid of nine rows in four data slots under the header (so it scrolls),
// with every event it raises written to a journal.
class GridMouse : public gridtest::GridPaintTest {
  protected:
    GridMouse() {
        grid.RowSelect.subscribe([this](std::int16_t& r, std::int16_t& c) { note("rowselect", r, c); });
        grid.MouseSelect.subscribe([this](std::int16_t& r, std::int16_t& c) { note("select", r, c); });
        grid.Sound.subscribe([this](std::int32_t& kind) { log.push_back("sound " + std::to_string(kind)); });
        grid.MouseLeave.subscribe([this] { log.push_back("leave"); });
        grid.CheckRowChange.subscribe(
            [this](std::int16_t& row) { log.push_back("checkchange " + std::to_string(row)); });
        grid.SortStart.subscribe([this] { log.push_back("sortstart"); });
        grid.SortEnd.subscribe([this] { log.push_back("sortend"); });
    }
    void note(const std::string& name, std::int16_t r, std::int16_t c) {
        log.push_back(name + " " + std::to_string(r) + " " + std::to_string(c));
    }
    // What the action raised.
    Entries during(const std::function<void()>& action) {
        log.clear();
        action();
        return log;
    }
    std::string names() {
        std::string joined;
        for (std::int16_t r = 0; r <= grid.Rows(); ++r)
            joined += grid.GetData(r, 1);
        return joined;
    }

    Entries log;
};

TEST_F(GridMouse, HoverRaisesOnceForEachSlotAndLeavesOnTheHeader) {
    show(kCheckNameStatus, 5, rowsOf(9));
    struct Step {
        const char* name;
        std::function<void()> action;
        Entries raised;
        std::int16_t hovered;
    };
    const Step steps[] = {
        {"into row 0", [&] { move(60, 30); }, {"select 0 1", "sound 1"}, 0},
        {"within the slot", [&] { move(70, 35); }, {}, 0},
        {"one slot down", [&] { move(60, 45); }, {"select 1 1", "sound 1"}, 1},
        {"to the picture column in the slot", [&] { move(150, 45); }, {}, 1},
        {"onto the header", [&] { move(60, 10); }, {"leave"}, -1},
        {"along the header", [&] { move(80, 10); }, {"leave"}, -1},
        {"back onto row 2", [&] { move(60, 70); }, {"select 2 1", "sound 1"}, 2},
        {"out of the window", [&] { send(InputEvent::pointerLeft()); }, {"leave"}, -1},
        {"without sound effects",
         [&] {
             grid.Effect(false);
             move(150, 90);
         },
         {"select 3 2"},
         3},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(during(step.action), step.raised) << step.name;
        EXPECT_EQ(grid.HoveredRow(), step.hovered) << step.name;
    }
    EXPECT_EQ(during([&] { move(60, 10); }), Entries{"leave"});
    EXPECT_EQ(grid.MouseSlot(), 0);
}

// A Paint without SetGrid shows the rows from the top again: the row hovered
// on the last slot before it (row 4 at top row 1) is no longer under any slot.
TEST_F(GridMouse, APaintWithoutSetGridEndsTheHover) {
    const struct {
        const char* name;
        int y;
        Entries raised;
        std::int16_t hovered;
    } cases[] = {
        {.name = "onto another slot", .y = 70, .raised = {"select 2 1", "sound 1"}, .hovered = 2},
        {.name = "within the same slot", .y = 92, .raised = {"select 3 1", "sound 1"}, .hovered = 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        show(kCheckNameStatus, 5, rowsOf(9));
        move(60, 30);
        wheel(-1);
        move(60, 90);
        ASSERT_EQ(grid.TopRow(), 1);
        ASSERT_EQ(grid.HoveredRow(), 4);
        grid.Paint(-1, 0);
        EXPECT_EQ(grid.HoveredRow(), -1);
        EXPECT_EQ(grid.MouseSlot(), -1);
        EXPECT_EQ(during([&] { move(60, c.y); }), c.raised);
        EXPECT_EQ(grid.HoveredRow(), c.hovered);
    }
}

TEST_F(GridMouse, AHeaderClickSortsByItsColumnAndFlipsOnTheSecond) {
    show(kCheckNameStatus, 5, {{"0", "d"}, {"0", "e"}, {"0", "f"}, {"0", "a"}, {"0", "b"}, {"0", "c"}});
    grid.Checked(5, true);
    EXPECT_EQ(during([&] { clickAt(60, 10); }),
              (Entries{"leave", "sortstart", "sound 4", "checkchange 2", "sortend"}));
    EXPECT_EQ(names(), "abcdef");
    EXPECT_TRUE(grid.Checked(2));
    EXPECT_EQ(during([&] { clickAt(60, 10); }),
              (Entries{"leave", "sortstart", "sound 4", "checkchange 3", "sortend"}));
    EXPECT_EQ(names(), "fedcba");
    // The checked row unchecked: no change to report.
    grid.Checked(3, false);
    EXPECT_EQ(during([&] { clickAt(60, 10); }), (Entries{"leave", "sortstart", "sound 4", "sortend"}));
    EXPECT_EQ(names(), "abcdef");
    grid.EnableSort(false);
    EXPECT_EQ(during([&] { clickAt(60, 10); }), Entries{"leave"});
    EXPECT_EQ(names(), "abcdef");
}

TEST_F(GridMouse, DataClicksCheckRowsAndRaiseRowSelect) {
    struct Case {
        const char* name;
        bool multi;
        std::vector<int> slots; // clicked in turn
        std::vector<std::int16_t> checked;
    };
    const Case cases[] = {
        {.name = "one click checks", .multi = false, .slots = {1}, .checked = {0}},
        {.name = "the checked row again unchecks", .multi = false, .slots = {1, 1}, .checked = {}},
        {.name = "another row takes the check", .multi = false, .slots = {1, 3}, .checked = {2}},
        {.name = "several rows", .multi = true, .slots = {1, 3}, .checked = {0, 2}},
        {.name = "each click turns a row over", .multi = true, .slots = {1, 3, 1}, .checked = {2}},
    };
    for (const Case& c : cases) {
        grid.MultiSelect(c.multi);
        show(kCheckNameStatus, 5, rowsOf(9));
        for (int slot : c.slots)
            clickAt(60, slot * 20 + 10);
        std::vector<std::int16_t> checked;
        for (std::int16_t r = 0; r <= grid.Rows(); ++r) {
            if (grid.Checked(r)) checked.push_back(r);
            // Each check mark on screen shows its state.
            if (r < 4) {
                EXPECT_EQ(at(14, (r + 1) * 20 + 10), grid.Checked(r) ? gridtest::kTick : gridtest::kBoxInside)
                    << c.name << " row " << r;
            }
        }
        EXPECT_EQ(checked, c.checked) << c.name;
        EXPECT_EQ(grid.CheckedRow(), c.multi || c.checked.empty() ? -1 : c.checked.front()) << c.name;
    }
    grid.MultiSelect(false);
    show(kCheckNameStatus, 5, rowsOf(9));
    EXPECT_EQ(during([&] { clickAt(60, 30); }),
              (Entries{"select 0 1", "sound 1", "rowselect 0 1", "sound 0"}));
    EXPECT_EQ(during([&] { clickAt(150, 30); }), (Entries{"rowselect 0 2", "sound 0"}));
    EXPECT_FALSE(grid.Checked(0));
    // Right of the columns, on the track or the thumb, nothing happens.
    EXPECT_EQ(during([&] { clickAt(170, 90); }), Entries{"leave"});
    EXPECT_EQ(during([&] { clickAt(170, 30); }), Entries{});
    // A grid without a check column ignores data clicks.
    show({{kColumnTextCentred, 100}}, 5, {{"a"}, {"b"}});
    EXPECT_EQ(during([&] { clickAt(60, 30); }), (Entries{"select 0 0", "sound 1"}));
}

TEST_F(GridMouse, TheWheelScrollsOneRowAStepWhileThePointerIsOverTheRows) {
    show(kCheckNameStatus, 5, rowsOf(9));
    EXPECT_TRUE(grid.subscribed());
    move(60, 30);
    struct Step {
        int notches;
        std::int16_t top;
        int thumb;
        Entries raised;
    };
    // The thumb moves by (top + 1) x 43/6 pixels, to the end of its track at
    // the last top row.
    const Step steps[] = {
        {-1, 1, 35, {"sound 2", "select 1 1"}}, {-1, 2, 42, {"sound 2", "select 2 1"}},
        {-1, 3, 49, {"sound 2", "select 3 1"}}, {-1, 4, 56, {"sound 2", "select 4 1"}},
        {-1, 5, 64, {"sound 2", "select 5 1"}}, {-1, 5, 64, {}},
        {1, 4, 56, {"sound 2", "select 4 1"}},  {1, 3, 49, {"sound 2", "select 3 1"}},
        {1, 2, 42, {"sound 2", "select 2 1"}},  {1, 1, 35, {"sound 2", "select 1 1"}},
        {1, 0, 21, {"sound 2", "select 0 1"}},  {1, 0, 21, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::to_string(step.notches) + " to " + std::to_string(step.top));
        EXPECT_EQ(during([&] { wheel(step.notches); }), step.raised);
        EXPECT_EQ(grid.TopRow(), step.top);
        EXPECT_EQ(grid.Scroll().Top(), step.thumb);
        EXPECT_EQ(grid.HoveredRow(), step.top);
        EXPECT_EQ(at(143, 30), gridtest::frameColour(step.top % 5)); // the top row's picture
    }
    // Over the header the grid does not hold the pointer: no scrolling.
    move(60, 10);
    EXPECT_EQ(during([&] { wheel(-1); }), Entries{});
    EXPECT_EQ(grid.TopRow(), 0);
    // A click after a wheel step checks the row now under the pointer.
    move(60, 30);
    wheel(-1);
    clickAt(60, 30);
    EXPECT_TRUE(grid.Checked(1));
}

TEST_F(GridMouse, AWheelStepMovesByScrollChengeRowsOrThatShareOfTheRows) {
    struct Case {
        std::int32_t scrolling;
        std::int16_t change;
        std::int16_t visible;
        int rows;
        std::int16_t top;
    };
    const Case cases[] = {
        {.scrolling = 0, .change = 1, .visible = 5, .rows = 10, .top = 1},
        {.scrolling = 0, .change = 3, .visible = 5, .rows = 10, .top = 3},
        {.scrolling = 1, .change = 3, .visible = 5, .rows = 10, .top = 3},
        {.scrolling = 1, .change = 3, .visible = 2, .rows = 2, .top = 1},
        // Past the last top row the step stops there.
        {.scrolling = 0, .change = 9, .visible = 5, .rows = 10, .top = 6},
    };
    for (const Case& c : cases) {
        grid.Scrolling(c.scrolling);
        grid.ScrollChenge(c.change);
        show(kCheckNameStatus, c.visible, rowsOf(c.rows));
        move(60, 30);
        wheel(-1);
        EXPECT_EQ(grid.TopRow(), c.top) << c.scrolling << " " << c.change << " " << c.rows;
    }
}

TEST_F(GridMouse, RowsThatFitIgnoreTheWheelAndPassItOn) {
    show(kCheckNameStatus, 5, rowsOf(4));
    EXPECT_FALSE(grid.subscribed());
    move(60, 30);
    const std::int32_t wheelDown = host::ui::wheelWParam(-host::ui::WHEEL_DELTA);
    EXPECT_EQ(grid.WindowProc(grid.hWnd(), host::ui::WM_MOUSEWHEEL, wheelDown, 0), -1);
    EXPECT_EQ(during([&] { wheel(-1); }), Entries{});
    EXPECT_EQ(grid.TopRow(), 0);
    EXPECT_EQ(ctrGraphicalGridVer2::HIWORD(wheelDown), -120);
    EXPECT_EQ(ctrGraphicalGridVer2::LOWORD(-65537), -1);
    // The next fill that does not fit listens again.
    show(kCheckNameStatus, 5, rowsOf(5));
    EXPECT_TRUE(grid.subscribed());
    EXPECT_EQ(grid.WindowProc(grid.hWnd(), host::ui::WM_MOUSEWHEEL, wheelDown, 0), -1);
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(GridMouse, DraggingTheThumbShowsTheRowsItStandsFor) {
    show(kCheckNameStatus, 5, rowsOf(9));
    const auto press = [&](int y) {
        send(InputEvent::move(grid.Left() + 170, grid.Top() + y));
        send(InputEvent::down(host::ui::vbLeftButton, grid.Left() + 170, grid.Top() + y));
    };
    const auto drag = [&](int y) { send(InputEvent::move(grid.Left() + 170, grid.Top() + y)); };
    const auto release = [&](int y) {
        send(InputEvent::up(host::ui::vbLeftButton, grid.Left() + 170, grid.Top() + y));
    };
    struct Step {
        const char* name;
        std::function<void()> action;
        std::int16_t top;
        int thumb;
    };
    // The thumb is 35 high from 21 to 64, grabbed 5 below its top; a row is 43/6
    // pixels of travel; a drag past either end lands on that end.
    const Step steps[] = {
        {"press", [&] { press(26); }, 0, 21},
        {"down 20 pixels", [&] { drag(46); }, 2, 41},
        {"past the end", [&] { drag(90); }, 5, 64},
        {"back to 50", [&] { drag(50); }, 3, 45},
        {"to the end", [&] { drag(69); }, 5, 64},
        {"release at the end", [&] { release(69); }, 5, 64},
        {"press again", [&] { press(69); }, 5, 64},
        {"one pixel below the track's top", [&] { drag(27); }, 0, 22},
        {"far above the grid", [&] { drag(-40); }, 0, 21},
        {"back down", [&] { drag(46); }, 2, 41},
        {"onto the track's top", [&] { drag(26); }, 0, 21},
        {"release at the top", [&] { release(26); }, 0, 21},
        {"moves after the release", [&] { drag(50); }, 0, 21},
    };
    for (const Step& step : steps) {
        step.action();
        EXPECT_EQ(grid.TopRow(), step.top) << step.name;
        EXPECT_EQ(grid.Scroll().Top(), step.thumb) << step.name;
        EXPECT_EQ(at(143, 30), gridtest::frameColour(step.top % 5)) << step.name;
    }
}

} // namespace
