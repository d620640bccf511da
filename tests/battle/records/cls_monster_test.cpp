#include "battle/records/cls_monster.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

TEST(MonsterRecord, ReadsThirteenColumnsWideningItsNamesAndIgnoresMore) {
    clsMonster monster;
    EXPECT_EQ(errorOf([&] { monster.SetData("ｽﾗｲﾑ,防御,魔法生物,234,42,38,32,14.5,ｾﾞﾘｰ,ｺｱ,2,28"); }),
              ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(monster.MonsterName(), "");

    monster.SetData("ｽﾗｲﾑ,防御,魔法生物,234,42,38,32,14.5,ｾﾞﾘｰ,ｺｱ,2,28,1,extra");
    EXPECT_EQ(monster.MonsterName(), "スライム");
    EXPECT_EQ(monster.LineType(), "防御");
    EXPECT_EQ(monster.SubType(), "魔法生物");
    EXPECT_EQ(monster.Physical(), 234);
    EXPECT_EQ(monster.Offense(), 42);
    EXPECT_EQ(monster.Defense(), 38);
    EXPECT_EQ(monster.Speed(), 32);
    EXPECT_FLOAT_EQ(monster.Energy(), 14.5f);
    EXPECT_EQ(monster.Item(), "ゼリー");
    EXPECT_EQ(monster.RheaItem(), "コア");
    EXPECT_EQ(monster.Understanding(), 2);
    EXPECT_EQ(monster.ImageSize(), 28);
    EXPECT_EQ(monster.Numbering(), 1);
    EXPECT_EQ(monster.Count(), 0);

    EXPECT_EQ(errorOf([&] { monster.SetData("ｺﾞﾌﾞﾘﾝ,攻撃,亜人,lots,50,30,40,14,a,b,1,15,3"); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(monster.MonsterName(), "スライム");
}

TEST(MonsterRecord, DefeatsStopAt999ButARestoredCountStaysUntilTheNextWin) {
    clsMonster monster;
    monster.Count(998);
    monster.Win();
    EXPECT_EQ(monster.Count(), 999);
    monster.Win();
    EXPECT_EQ(monster.Count(), 999);
    monster.Count(1200);
    EXPECT_EQ(monster.Count(), 1200);
    monster.Win();
    EXPECT_EQ(monster.Count(), 999);
}
