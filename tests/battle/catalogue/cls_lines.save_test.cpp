#include "battle/catalogue/cls_lines.h"
#include "battle/catalogue/battle_fixture.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

struct DefeatCounts : ::testing::Test {
    DefeatCounts() { battletest::loadFixture(lines); }
    void win(const std::string& monster, int times) {
        for (int i = 0; i < times; ++i)
            lines.MonsterWin(monster);
    }
    clsLines lines;
};

} // namespace

TEST_F(DefeatCounts, SaveTextRoundTripsIntoAFreshCatalogue) {
    EXPECT_EQ(lines.GetSaveData(), "スライム:0/ピクシー:0/ゴブリン:0");
    win("スライム", 2);
    win("ｺﾞﾌﾞﾘﾝ", 15);
    const std::string saved = lines.GetSaveData();
    EXPECT_EQ(saved, "スライム:2/ピクシー:0/ゴブリン:15");

    clsLines fresh;
    battletest::loadFixture(fresh);
    fresh.SetSaveData(saved);
    EXPECT_EQ(fresh.GetSaveData(), saved);
    EXPECT_EQ(clsLines().GetSaveData(), "");
}

TEST_F(DefeatCounts, RestoreNamesInEitherWidthKeepsUnnamedCountsAndCapsOnlyAtTheNextWin) {
    win("ピクシー", 4);
    lines.SetSaveData("ｽﾗｲﾑ:1200");
    EXPECT_EQ(lines.GetSaveData(), "スライム:1200/ピクシー:4/ゴブリン:0");
    lines.MonsterWin("スライム");
    EXPECT_EQ(lines.GetSaveData(), "スライム:999/ピクシー:4/ゴブリン:0");
    lines.SetSaveData("");
    EXPECT_EQ(lines.GetSaveData(), "スライム:999/ピクシー:4/ゴブリン:0");
    lines.SetDataInit();
    EXPECT_EQ(lines.GetSaveData(), "スライム:0/ピクシー:0/ゴブリン:0");
}

TEST_F(DefeatCounts, ABadSaveTextChangesNoCount) {
    win("スライム", 3);
    const struct {
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"ピクシー:5/ドラゴン:2", ErrorNumber::InvalidCall},
        {"ピクシー:5/ゴブリン", ErrorNumber::SubscriptOutOfRange},
        {"ピクシー:5/ゴブリン:many", ErrorNumber::TypeMismatch},
        {"ピクシー:5/ゴブリン:40000", ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { lines.SetSaveData(c.text); }), c.error) << c.text;
        EXPECT_EQ(lines.GetSaveData(), "スライム:3/ピクシー:0/ゴブリン:0") << c.text;
    }
}
