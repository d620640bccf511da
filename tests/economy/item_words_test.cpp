#include "economy/item_words.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemWords, ListingWordsChangeAtTheirStepsAndAreEmptyOutsideTheirTables) {
    struct Case {
        const char* what;
        std::string word;
        const char* expected;
    };
    const Case cases[] = {
        {.what = "consumable load 0", .word = riskWord(consumeRiskStep(0)), .expected = "なし"},
        {.what = "consumable load -1", .word = riskWord(consumeRiskStep(-1)), .expected = "小"},
        {.what = "consumable load 6", .word = riskWord(consumeRiskStep(6)), .expected = "中"},
        {.what = "consumable load 7", .word = riskWord(consumeRiskStep(7)), .expected = "大"},
        {.what = "lesson risk 10", .word = riskWord(lessonRiskStep(10)), .expected = "中"},
        {.what = "lesson risk 11", .word = riskWord(lessonRiskStep(11)), .expected = "大"},
        {.what = "wear 5", .word = breakWord(5), .expected = "小"},
        {.what = "wear 6", .word = breakWord(6), .expected = "中"},
        {.what = "wear 12", .word = breakWord(12), .expected = "中"},
        {.what = "wear 13", .word = breakWord(13), .expected = "大"},
        {.what = "influence 25", .word = influenceWord(25), .expected = "極小"},
        {.what = "influence 500", .word = influenceWord(500), .expected = "極大"},
        {.what = "influence 26", .word = influenceWord(26), .expected = ""},
        {.what = "building 3", .word = buildingName(3), .expected = "礼拝堂"},
        {.what = "building 4", .word = buildingName(4), .expected = ""},
        {.what = "lesson-item kind 1", .word = lessonItemKindName(1), .expected = "剣"},
        {.what = "lesson-item kind 16", .word = lessonItemKindName(16), .expected = "ギブス"},
        {.what = "lesson-item kind 0", .word = lessonItemKindName(0), .expected = ""},
        {.what = "lesson-item kind 17", .word = lessonItemKindName(17), .expected = ""},
        {.what = "item kind 1", .word = itemTypeName(1), .expected = "素材アイテム"},
        {.what = "item kind 6", .word = itemTypeName(6), .expected = "チケット"},
        {.what = "item kind 7", .word = itemTypeName(7), .expected = ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.word, c.expected) << c.what;
}

} // namespace
