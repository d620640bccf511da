#include "unit_game.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using unittest::UnitGame;

// One click of a view: the row of kNames[target], or slot target's number
// button, panel cell or number button right-clicked.
struct Click {
    enum Kind { Row, Number, Cell, RightNumber } kind;
    int target;
};

struct PlacementCase {
    const char* name;
    std::vector<Click> clicks;
    // The five slots after the clicks, from slots {A, B, "", "", ""}.
    std::vector<std::string> slots;
    // The selection left: the slot (-1 for none) and the student.
    int selectedSlot = -1;
    std::string selectedName = "";
};

const std::string A = "一条太郎";
const std::string B = "二宮次郎";
const std::string C = "三好三郎";
const std::string D = "四谷四郎";

const std::vector<PlacementCase> kCases = {
    {.name = "student then number places",
     .clicks = {{Click::Row, 2}, {Click::Number, 2}},
     .slots = {A, B, C, "", ""}},
    {.name = "student then cell places",
     .clicks = {{Click::Row, 2}, {Click::Cell, 3}},
     .slots = {A, B, "", C, ""}},
    {.name = "number then student places",
     .clicks = {{Click::Number, 4}, {Click::Row, 2}},
     .slots = {A, B, "", "", C}},
    {.name = "cell of a member then student replaces him",
     .clicks = {{Click::Cell, 0}, {Click::Row, 2}},
     .slots = {C, B, "", "", ""}},
    {.name = "student then a member's row replaces him",
     .clicks = {{Click::Row, 2}, {Click::Row, 0}},
     .slots = {C, B, "", "", ""}},
    {.name = "student then a member's number replaces him",
     .clicks = {{Click::Row, 2}, {Click::Number, 1}},
     .slots = {A, C, "", "", ""}},
    {.name = "number then number swaps",
     .clicks = {{Click::Number, 0}, {Click::Number, 1}},
     .slots = {B, A, "", "", ""}},
    {.name = "row then cell swaps",
     .clicks = {{Click::Row, 0}, {Click::Cell, 1}},
     .slots = {B, A, "", "", ""}},
    {.name = "cell then row swaps",
     .clicks = {{Click::Cell, 1}, {Click::Row, 0}},
     .slots = {B, A, "", "", ""}},
    {.name = "swap with an empty slot moves the member",
     .clicks = {{Click::Number, 0}, {Click::Cell, 3}},
     .slots = {"", B, "", A, ""}},
    {.name = "empty slot then a member's row moves him",
     .clicks = {{Click::Number, 4}, {Click::Row, 1}},
     .slots = {A, "", "", "", B}},
    {.name = "the same number twice removes",
     .clicks = {{Click::Number, 1}, {Click::Number, 1}},
     .slots = {A, "", "", "", ""}},
    {.name = "row then own cell removes",
     .clicks = {{Click::Row, 1}, {Click::Cell, 1}},
     .slots = {A, "", "", "", ""}},
    {.name = "cell then own row removes",
     .clicks = {{Click::Cell, 0}, {Click::Row, 0}},
     .slots = {"", B, "", "", ""}},
    {.name = "number then own cell removes",
     .clicks = {{Click::Number, 0}, {Click::Cell, 0}},
     .slots = {"", B, "", "", ""}},
    {.name = "an empty slot twice only drops the selection",
     .clicks = {{Click::Number, 3}, {Click::Cell, 3}},
     .slots = {A, B, "", "", ""}},
    {.name = "a picked student clicked again is dropped",
     .clicks = {{Click::Row, 2}, {Click::Row, 2}},
     .slots = {A, B, "", "", ""}},
    {.name = "another student moves the pick",
     .clicks = {{Click::Row, 2}, {Click::Row, 3}},
     .slots = {A, B, "", "", ""},
     .selectedSlot = -1,
     .selectedName = D},
    {.name = "a cell selects its slot",
     .clicks = {{Click::Cell, 1}},
     .slots = {A, B, "", "", ""},
     .selectedSlot = 1,
     .selectedName = B},
    {.name = "a right click empties a slot that is not selected",
     .clicks = {{Click::RightNumber, 1}},
     .slots = {A, "", "", "", ""}},
    {.name = "a right click leaves the selected slot",
     .clicks = {{Click::Number, 1}, {Click::RightNumber, 1}},
     .slots = {A, B, "", "", ""},
     .selectedSlot = 1,
     .selectedName = B},
};

class UnitPlacementTest : public UnitGame {
  protected:
    void play(const Click& c) {
        switch (c.kind) {
        case Click::Row:
            clickRow(kNames[static_cast<std::size_t>(c.target)]);
            break;
        case Click::Number:
            click("GLUnitNumber", c.target);
            break;
        case Click::Cell:
            clickCellOf(c.target);
            break;
        case Click::RightNumber:
            rightClick("GLUnitNumber", c.target);
            break;
        }
    }
    // The selection shows in every view at once, and nowhere else.
    void expectViewsAgree(int selected, const std::string& name) {
        EXPECT_EQ(CTMP().GetDataSingle(unit_slots::kSelectedSlot).toInteger(), selected);
        EXPECT_EQ(CTMP().GetDataSingle(unit_slots::kSelectedName).toString(), name);
        for (int k = 0; k < 5; ++k) {
            const auto [row, col] = cellOf(k);
            EXPECT_EQ(button("GLUnitNumber", k).Selected(), k == selected) << "number " << k;
            EXPECT_EQ(panel().PanelSelect(static_cast<std::int16_t>(row), static_cast<std::int16_t>(col)),
                      k == selected)
                << "cell of " << k;
        }
        EXPECT_EQ(grid().CheckedRow(), name.empty() ? -1 : rowOf(name)) << "grid mark";
    }
};

TEST_F(UnitPlacementTest, ClickSequencesOfTheThreeViews) {
    for (const PlacementCase& c : kCases) {
        SCOPED_TRACE(c.name);
        openExport();
        clickRow(A);
        click("GLUnitNumber", 0);
        clickRow(B);
        click("GLUnitNumber", 1);
        ASSERT_EQ(slots(), (std::vector<std::string>{A, B, "", "", ""}));
        for (const Click& step : c.clicks)
            play(step);

        EXPECT_EQ(slots(), c.slots);
        expectViewsAgree(c.selectedSlot, c.selectedName);
        // Nobody holds two slots, and everyone stays listed.
        std::set<std::string> placed;
        for (const std::string& member : slots()) {
            if (!member.empty()) {
                EXPECT_TRUE(placed.insert(member).second) << member << " twice";
            }
        }
        EXPECT_EQ(grid().Rows(), static_cast<std::int16_t>(kNames.size() - 1));
        click("GLUnitCommand", 0);
    }
}

TEST_F(UnitPlacementTest, ACellOffTheLineDoesNothingAndTheLastMemberEnablesTheCommand) {
    openExport();
    std::set<std::pair<int, int>> positions;
    for (int k = 0; k < 5; ++k)
        positions.insert(cellOf(k));
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 5; ++col) {
            if (positions.contains({row, col})) continue;
            clickCell(row, col);
            EXPECT_FALSE(panel().PanelSelect(static_cast<std::int16_t>(row), static_cast<std::int16_t>(col)));
        }
    expectViewsAgree(-1, "");

    for (int k = 0; k < 4; ++k) {
        clickRow(kNames[static_cast<std::size_t>(k)]);
        click("GLUnitNumber", k);
        EXPECT_FALSE(button("GLUnitCommand", 1).Enable()) << k + 1 << " members";
    }
    clickRow(kNames[4]);
    clickCellOf(4);
    EXPECT_TRUE(button("GLUnitCommand", 1).Enable());
    rightClick("GLUnitNumber", 2);
    EXPECT_FALSE(button("GLUnitCommand", 1).Enable());
}

} // namespace
