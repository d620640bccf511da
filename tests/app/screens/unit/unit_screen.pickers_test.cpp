#include "unit_game.h"

#include "app/shell/message_types.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using unittest::kFirstLine;
using unittest::kItem;
using unittest::kQuest;
using unittest::UnitGame;

constexpr const char* kOtherItem = "俊足のブーツ";

class UnitPickerTest : public UnitGame {
  protected:
    // The enabled panel cells, and the cells the line's positions stand on.
    std::set<std::pair<int, int>> enabledCells() {
        std::set<std::pair<int, int>> cells;
        for (int k = 0; k < 5; ++k)
            cells.insert(cellOf(k));
        return cells;
    }
    std::set<std::pair<int, int>> lineCells(const std::string& line) {
        std::set<std::pair<int, int>> cells;
        for (const clsLineData* position : data().GetLineData(line))
            cells.insert({position->YPosition(), position->XPosition()});
        return cells;
    }
    bool dialogShown() { return control("picMSG").Visible(); }
};

TEST_F(UnitPickerTest, ANewLineKeepsTheMembersInTheirSlotsOnItsOwnCells) {
    openExport();
    EXPECT_EQ(enabledCells(), lineCells(kFirstLine)) << "a position's column is its own column number";
    placeFive();
    hover("GLUnitNumber", 1);
    writeLook("unit_full_first_line_tip.png");
    click("GLUnitNumber", 2);
    const std::vector<std::string> before = slots();
    const std::string other = otherLine();

    click("GLUnitLine");
    ASSERT_TRUE(dialogShown());
    EXPECT_EQ(CTMP().GetMSGType(), message_type::kFormation);
    EXPECT_FALSE(control("picUnit").Enabled());
    std::vector<std::string> lines;
    for (const clsGetGridData& row : data().GetSelectLineData())
        lines.push_back(row.Data(1));
    EXPECT_EQ(offered(), lines);
    EXPECT_FALSE(button("GLMSGExcute").Enable()) << "OK waits for a marked row";
    hoverChoice(other);
    EXPECT_EQ(message(), data().GetSelectLineDataTips(other));
    writeLook("unit_line_picker.png");
    pick(other);

    EXPECT_FALSE(dialogShown());
    EXPECT_TRUE(control("picUnit").Enabled());
    EXPECT_EQ(formation(), other);
    EXPECT_EQ(slots(), before);
    EXPECT_EQ(enabledCells(), lineCells(other));
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 5; ++col)
            EXPECT_FALSE(panel().PanelSelect(static_cast<std::int16_t>(row), static_cast<std::int16_t>(col)));
    EXPECT_FALSE(button("GLUnitNumber", 2).Selected()) << "the selection is dropped";
    EXPECT_EQ(CTMP().GetDataSingle(unit_slots::kSelectedSlot).toInteger(), -1);
    moveAway();
    writeLook("unit_full_other_line.png");
}

TEST_F(UnitPickerTest, TheItemPickerOffersTheFreeItemsAndCancelChangesNothing) {
    managers(data()).items().ItemAdd(kItem, 1);
    managers(data()).items().ItemAdd(kOtherItem, 1);
    openExport();
    placeFive();

    click("GLUnitItem");
    EXPECT_EQ(CTMP().GetMSGType(), message_type::kBattleItem);
    EXPECT_EQ(offered(), (std::vector<std::string>{kOtherItem, kItem})) << "in the catalogue's order";
    hoverChoice(kItem);
    EXPECT_EQ(message(), data().GetBattleItemDataTips(kItem));
    writeLook("unit_item_picker.png");
    click("GLMSGCancel");
    EXPECT_EQ(button("GLUnitItemData").Text(), "");
    EXPECT_TRUE(control("picUnit").Enabled());

    click("GLUnitItem");
    pick(kOtherItem);
    EXPECT_EQ(button("GLUnitItemData").Text(), kOtherItem);
    click("GLUnitLine");
    click("GLMSGCancel");
    EXPECT_EQ(formation(), kFirstLine);
    EXPECT_EQ(button("GLUnitItemData").Text(), kOtherItem);
    EXPECT_EQ(slots().size(), 5u);
    EXPECT_TRUE(button("GLUnitCommand", 1).Enable());
    click("GLUnitCommand", 0);

    // The only piece of kItem goes with a quest team: it is no longer offered.
    clsUnitData carrier;
    carrier.QuestName(kQuest);
    carrier.ItemName(kItem);
    data().SetQuest(carrier);
    openExport();
    click("GLUnitItem");
    EXPECT_EQ(offered(), (std::vector<std::string>{kOtherItem}));
    click("GLMSGCancel");
}

TEST_F(UnitPickerTest, AQuestThatAllowsNoItemLeavesTheItemButtonDead) {
    openQuest(kQuest, 0);
    EXPECT_EQ(button("GLUnitMenu").Text(), "チーム編成");
    EXPECT_FALSE(button("GLUnitItem").Enable()) << "no battle item is held";
    click("GLUnitItem");
    rightClick("GLUnitItem");
    hover("GLUnitItem");
    EXPECT_FALSE(dialogShown());
    EXPECT_NE(message(), "右クリックでアイテムを削除します");
    EXPECT_EQ(button("GLUnitItemData").Text(), "");
}

} // namespace
