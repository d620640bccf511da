#include "battle/records/cls_monster.h"
#include "battle/records/cls_prize.h"
#include "battle/records/cls_regulation.h"
#include "battle/records/cls_school.h"
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

TEST(SchoolRecord, ReadsNameRankFormationUnderstandingAndBasePointByRank) {
    clsSchool school;
    school.SetData("ﾊｰｾﾞﾙ村塾,3,ｶﾀｶﾅ陣,7");
    EXPECT_EQ(school.SchoolName(), "ハーゼル村塾");
    EXPECT_EQ(school.Rank(), 3);
    EXPECT_EQ(school.LineName(), "カタカナ陣");
    EXPECT_EQ(school.Understanding(), 7);

    const struct {
        const char* rank;
        std::int16_t base;
    } cases[] = {{"-1", 0}, {"0", 10}, {"1", 20}, {"3", 45}, {"6", 75}, {"7", 90}, {"8", 0}};
    for (const auto& c : cases) {
        school.SetData(std::string("a,") + c.rank + ",b,0");
        EXPECT_EQ(school.BasePoint(), c.base) << "rank " << c.rank;
    }
}

TEST(RuleAndPrizeRecords, ReadTheirColumnsInOrder) {
    clsRegulation rule;
    rule.SetData("3,1,2,True,False,True,20");
    EXPECT_EQ(rule.Rank(), 3);
    EXPECT_EQ(rule.Priod(), 1);
    EXPECT_EQ(rule.BattleTime(), 2);
    EXPECT_TRUE(rule.UseItem());
    EXPECT_FALSE(rule.VisibleStatus());
    EXPECT_TRUE(rule.VisibleSkill());
    EXPECT_EQ(rule.Recover(), 20);
    EXPECT_EQ(errorOf([&] { rule.SetData("3,1,2,True,False,True"); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { rule.SetData("3,1,2,maybe,False,True,20"); }), ErrorNumber::TypeMismatch);

    clsPrize prize;
    prize.SetData("7,700,1200000");
    EXPECT_EQ(prize.Rank(), 7);
    EXPECT_EQ(prize.KingdomPoint(), 700);
    EXPECT_EQ(prize.Money(), 1200000);
    EXPECT_EQ(errorOf([&] { prize.SetData("1,40000,5"); }), ErrorNumber::Overflow);
    EXPECT_EQ(prize.KingdomPoint(), 700);
}
