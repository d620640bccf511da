#include "battle/records/cls_prize.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

TEST(PrizeRecord, ReadsItsColumnsInOrder) {
    clsPrize prize;
    prize.SetData("7,700,1200000");
    EXPECT_EQ(prize.Rank(), 7);
    EXPECT_EQ(prize.KingdomPoint(), 700);
    EXPECT_EQ(prize.Money(), 1200000);
    EXPECT_EQ(errorOf([&] { prize.SetData("1,40000,5"); }), ErrorNumber::Overflow);
    EXPECT_EQ(prize.KingdomPoint(), 700);
}
