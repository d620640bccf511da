#include "school/school_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using schooltest::SchoolFixture;

namespace {

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

} // namespace

TEST(Treasury, MoneyIsCappedAndFlooredAfterTheSum) {
    struct {
        std::int32_t start;
        bool add;
        std::int32_t amount;
        std::int32_t expected;
    } cases[] = {
        {99'999'999, true, 1, 99'999'999},
        {99'999'996, true, 5, 99'999'999},
        {99'999'990, true, 9, 99'999'999},
        {0, true, 1234, 1234},
        {300, false, 500, 0},
        {300, false, 300, 0},
        {300, false, 299, 1},
        {99'999'999, true, kMax32, 99'999'999},
        {0, false, kMax32, 0},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.Money = c.start;
        bool booked = c.add ? f.system.AddMoney(c.amount) : f.system.SubMoney(c.amount);
        EXPECT_TRUE(booked);
        EXPECT_EQ(f.system.GetMoney(), c.expected) << c.start << (c.add ? " + " : " - ") << c.amount;
    }
}

TEST(Treasury, IsEnoughIncludesTheExactAmount) {
    SchoolFixture f;
    f.system.AddMoney(300);
    EXPECT_TRUE(f.system.IsEnough(300));
    EXPECT_TRUE(f.system.IsEnough(0));
    f.system.SubMoney(1);
    EXPECT_FALSE(f.system.IsEnough(300));
}

TEST(Treasury, KingdomPointsAreCappedAndFloored) {
    struct {
        std::int32_t start;
        bool add;
        std::int32_t amount;
        std::int32_t expected;
    } cases[] = {
        {99'995, true, 10, 99'999}, {99'999, true, 1, 99'999}, {4, false, 10, 0},
        {50, false, 20, 30},        {0, true, 99'999, 99'999}, {99'999, true, kMax32, 99'999},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.KingdomPoint = c.start;
        bool booked = c.add ? f.system.AddKingdomPoint(c.amount) : f.system.SubKingdomPoint(c.amount);
        EXPECT_TRUE(booked);
        EXPECT_EQ(f.system.GetKingdomPoint(), c.expected) << c.start << (c.add ? " + " : " - ") << c.amount;
    }
}

TEST(Treasury, BattlePointsDependOnPlaceAndRank) {
    struct {
        std::int16_t rank;
        std::int16_t place;
        std::int16_t gained;
    } cases[] = {
        {0, 1, 10}, {2, 1, 10}, {2, 2, 3}, {2, 3, 0}, {2, 0, 0},  {2, 4, 0},
        {3, 1, 20}, {3, 2, 10}, {3, 3, 5}, {3, 0, 0}, {7, 1, 20}, {7, 3, 5},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.setRank(c.rank);
        f.system.BattlePoint = 7;
        f.system.AddBattlePoint(c.place);
        EXPECT_EQ(f.system.BattlePoint, 7 + c.gained) << "rank " << c.rank << " place " << c.place;
    }
}

TEST(Treasury, BattlePointsHoldAtTheTopOfTheirField) {
    SchoolFixture f;
    f.system.setRank(5);
    f.system.BattlePoint = 32'760;
    f.system.AddBattlePoint(1);
    EXPECT_EQ(f.system.BattlePoint, 32'767);
}
