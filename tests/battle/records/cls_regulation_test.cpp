#include "battle/records/cls_regulation.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

TEST(RuleRecord, ReadsItsColumnsInOrder) {
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
}
