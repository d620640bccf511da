#include "students/lessons/cls_mng_class.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> cellsOf(const clsGetGridData& row) {
    std::vector<std::string> cells;
    for (std::int16_t i = 0; i <= row.Cols(); ++i)
        cells.push_back(row.Data(i));
    return cells;
}

// Abilities 1 and 3 a main effect (BigEffect 5), 2 and 3 a side effect
// (SmallEffect 6): 1 and 3 show "○", 2 "△", the rest "×".
TEST(LessonBrowser, MarksMainOverSideEffectsAndLeavesUnknownCodesEmpty) {
    clsMngClass lessons;
    lessons.SetData("試験の型,5,8,3,-2,5,6,0,False,,tip\r\n槍の型,4,8,1200,1,0,0,2,True,運動場,tip\r\n"
                    "謎の型,4,8,1,1,0,0,17,True,運動場,tip");
    const auto rows = lessons.GetGameData();
    ASSERT_EQ(rows.count(), 3);
    std::vector<std::string> first = {"試験の型", "3", "5", "-2", "", "×", "", "○", "△", "○"};
    first.resize(24, "×");
    EXPECT_EQ(cellsOf(rows.item(1)), first);
    const std::vector<std::string> second = cellsOf(rows.item(2));
    EXPECT_EQ(std::vector<std::string>(second.begin(), second.begin() + 7),
              (std::vector<std::string>{"槍の型", "1200", "4", "1", "槍", "○", "運動場"}));
    EXPECT_EQ(rows.item(3).Data(4), "");
}

TEST(LessonBrowser, AnEmptyCatalogueHasItsColumnsAndNoRows) {
    clsMngClass lessons;
    const auto header = lessons.GetGameDataHeader();
    ASSERT_EQ(header.count(), 24);
    EXPECT_EQ(cellsOf(header.item(5)), (std::vector<std::string>{"使用アイテム", "800"}));
    EXPECT_EQ(cellsOf(header.item(8)), (std::vector<std::string>{"体力", "300"}));
    EXPECT_EQ(cellsOf(header.item(24)), (std::vector<std::string>{"奇襲", "300"}));
    EXPECT_TRUE(lessons.GetGameData().empty());
}

} // namespace
