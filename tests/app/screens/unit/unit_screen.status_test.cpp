#include "unit_game.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using host::runtime::CStr;
using unittest::kFirstLine;
using unittest::kItem;
using unittest::UnitGame;

class UnitStatusTest : public UnitGame {
  protected:
    std::vector<std::string> messageLines() { return host::runtime::Split(message(), "\r\n"); }
    // The unit on screen as the facade computes it (the battle's numbers).
    std::vector<std::string> facadeLines(const std::string& item) {
        clsUnitData unit;
        unit.LineName(formation());
        for (int k = 0; k < 5; ++k)
            if (!slot(k).empty()) unit.Lines(static_cast<std::int16_t>(k + 1), slot(k));
        const auto values = data().GetUnitCalcData(unit, item);
        return {formation() + "のステータス",
                "体力:" + CStr(values->Physical()),
                "攻撃力:" + CStr(values->Offensive()),
                "防御力:" + CStr(values->Defense()),
                "速度:" + CStr(values->Speed()),
                "気力:" + CStr(values->Energy()),
                "陣形理解度:" + CStr(values->Understanding())};
    }
    std::vector<std::string> firstSeven() {
        std::vector<std::string> lines = messageLines();
        lines.resize(7);
        return lines;
    }
};

TEST_F(UnitStatusTest, TheStatusIsTheFacadesUnitForOneToFiveMembersWithAndWithoutTheItem) {
    managers(data()).items().ItemAdd(kItem, 1);
    openExport();
    EXPECT_EQ(message(), "メンバーを選択してください");

    clickRow(kNames[0]);
    click("GLUnitNumber", 0);
    EXPECT_EQ(messageLines(), facadeLines("")) << "a one-member unit";
    EXPECT_FALSE(button("GLUnitCommand", 1).Enable());

    for (int k = 1; k < 5; ++k) {
        clickRow(kNames[static_cast<std::size_t>(k)]);
        click("GLUnitNumber", k);
    }
    EXPECT_EQ(messageLines(), facadeLines(""));
    EXPECT_TRUE(button("GLUnitCommand", 1).Enable());
    const std::string withoutItem = messageLines()[1];

    click("GLUnitItem");
    pick(kItem);
    EXPECT_EQ(firstSeven(), facadeLines(kItem));
    EXPECT_NE(messageLines()[1], withoutItem) << "the item raises the physical strength";

    rightClick("GLUnitItem");
    EXPECT_EQ(button("GLUnitItemData").Text(), "");
    moveAway();
    EXPECT_EQ(messageLines(), facadeLines("")) << "the item's effects go with it";
}

TEST_F(UnitStatusTest, TipsOfASlotAndOfAnUnplacedStudentAndLeavingBringsTheStatusBack) {
    openExport();
    clickRow(kNames[0]);
    click("GLUnitNumber", 0);
    moveAway();
    const std::string status = message();

    hover("GLUnitNumber", 2);
    EXPECT_EQ(message(), std::string(kFirstLine) + "の3番\r\n誰もメンバーに選択されていません\r\n" +
                             data().GetUnitNumberTips(kFirstLine, 3));
    moveAway();
    EXPECT_EQ(message(), status);

    hover("GLUnitNumber", 0);
    EXPECT_EQ(message(), std::string(kFirstLine) + "の1番\r\n" + kNames[0] + "が選択されています\r\n" +
                             data().GetBattleSkillTips(kNames[0]) + "\r\n" +
                             data().GetUnitNumberTips(kFirstLine, 1));
    moveAway();

    hoverRow(kNames[3]);
    EXPECT_EQ(message(), std::string(kNames[3]) + "はメンバーに選択されていません\r\n" +
                             data().GetBattleSkillTips(kNames[3]));
    writeLook("unit_tip.png");
    moveAway();
    EXPECT_EQ(message(), status);

    hover("GLUnitItem");
    EXPECT_EQ(message(), "右クリックでアイテムを削除します");
    moveAway();
    EXPECT_EQ(message(), status);
}

// The player clicks チーム出力 and at once points at and clicks a number
// button: that input flows while the screen fills its list, before its line
// is set, and is not taken by the half-built screen.
TEST_F(UnitStatusTest, InputArrivingWhileTheScreenOpensIsNotTakenByIt) {
    const auto [exportX, exportY] = onForm(control("GLSystem", 4), 5, 5);
    const auto [numberX, numberY] = onForm(control("GLUnitNumber", 4), 5, 5);
    driver.click(exportX, exportY);
    driver.push(host::ui::InputEvent::move(numberX, numberY));
    driver.click(numberX, numberY);
    main->DoEvents();

    EXPECT_TRUE(boxes.shown().empty()) << boxes.shown().front().text;
    EXPECT_TRUE(control("picUnit").Enabled());
    EXPECT_FALSE(button("GLUnitNumber", 4).Selected());
    hover("GLUnitNumber", 4);
    EXPECT_EQ(message(), std::string(kFirstLine) + "の5番\r\n誰もメンバーに選択されていません\r\n" +
                             data().GetUnitNumberTips(kFirstLine, 5));
}

} // namespace
