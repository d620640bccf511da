#include "app/shell/cls_tmp_data.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

using host::runtime::ErrorNumber;
using host::runtime::Variant;
using testsupport::errorOf;

namespace {

TEST(clsTMPData, EveryKeyStartsAtItsTypesDefaultAndKeysOutsideTheTableAreEmpty) {
    const clsTMPData CTMP;
    struct Case {
        std::int32_t key;
        Variant expected;
    };
    const Case cases[] = {
        {1, Variant(std::string())},
        {2, Variant(std::int16_t(0))},
        {4, Variant(std::int32_t(0))},
        {16, Variant(std::int16_t(0))},
        {30, Variant(std::int32_t(0))},
        {34, Variant(std::string())},
        {36, Variant(std::int32_t(0))},
        {37, Variant(false)},
        {39, Variant(std::int16_t(0))},
        {99, Variant(std::string())},
        {35, Variant()},
        {0, Variant()},
        {40, Variant()},
        {98, Variant()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CTMP.GetDataSingle(c.key), c.expected) << "key " << c.key;
    EXPECT_EQ(CTMP.GetMSGType(), 0);
    EXPECT_EQ(CTMP.BattleRecover(), 0);
}

TEST(clsTMPData, AValueIsConvertedToItsKeysType) {
    struct Case {
        std::int32_t key;
        Variant given;
        Variant stored;
    };
    const Case cases[] = {
        {32, Variant("4000"), Variant(std::int16_t(4000))},    // a grid cell's text on an Integer key
        {4, Variant("123456"), Variant(std::int32_t(123456))}, // Long
        {2, Variant(2.5), Variant(std::int16_t(2))},           // half to even
        {2, Variant(3.5), Variant(std::int16_t(4))},
        {1, Variant(std::int32_t(5)), Variant(std::string("5"))}, // String key
        {37, Variant("True"), Variant(true)},                     // Boolean key
        {37, Variant(std::int16_t(0)), Variant(false)},
        {23, Variant(std::int16_t(-1)), Variant(std::int16_t(-1))},
    };
    for (const Case& c : cases) {
        clsTMPData CTMP;
        CTMP.SetDataSingle(c.key, c.given);
        EXPECT_EQ(CTMP.GetDataSingle(c.key), c.stored) << "key " << c.key;
    }
}

TEST(clsTMPData, AValueTheTypeCannotHoldRaisesAndKeepsTheOldOne) {
    struct Case {
        std::int32_t key;
        Variant given;
        ErrorNumber error;
    };
    const Case cases[] = {
        {2, Variant("abc"), ErrorNumber::TypeMismatch},
        {2, Variant(std::int32_t(40000)), ErrorNumber::Overflow},
        {8, Variant("12x"), ErrorNumber::TypeMismatch},
        {37, Variant("maybe"), ErrorNumber::TypeMismatch},
    };
    for (const Case& c : cases) {
        clsTMPData CTMP;
        CTMP.SetDataSingle(c.key, Variant(std::int16_t(7)));
        const Variant before = CTMP.GetDataSingle(c.key);
        EXPECT_EQ(errorOf([&] { CTMP.SetDataSingle(c.key, c.given); }), c.error) << "key " << c.key;
        EXPECT_EQ(CTMP.GetDataSingle(c.key), before) << "key " << c.key;
    }
}

TEST(clsTMPData, WritingAKeyOutsideTheTableChangesNothing) {
    clsTMPData CTMP;
    CTMP.SetDataSingle(35, Variant("x"));
    CTMP.SetDataSingle(40, Variant(std::int16_t(3)));
    EXPECT_EQ(CTMP.GetDataSingle(35), Variant());
    EXPECT_EQ(CTMP.GetDataSingle(40), Variant());
}

TEST(clsTMPData, TheTurnLogAppendsLinesAndClears) {
    clsTMPData CTMP;
    CTMP.SetDataSingle(clsTMPData::kTurnEndLog, Variant("first"));
    CTMP.SetDataSingle(clsTMPData::kTurnEndLog, Variant("second"));
    EXPECT_EQ(CTMP.GetDataSingle(clsTMPData::kTurnEndLog), Variant("first\r\nsecond"));
    CTMP.TurnEndMSGClear();
    CTMP.SetDataSingle(clsTMPData::kTurnEndLog, Variant("third"));
    EXPECT_EQ(CTMP.GetDataSingle(clsTMPData::kTurnEndLog), Variant("third"));
}

TEST(clsTMPData, KeepsTheMessageTypeAndRecoveryPercentage) {
    clsTMPData CTMP;
    CTMP.SetMSGType(29);
    CTMP.BattleRecover(30);
    EXPECT_EQ(CTMP.GetMSGType(), 29);
    EXPECT_EQ(CTMP.BattleRecover(), 30);
}

TEST(clsTMPData, FormationCellsMapBackToTheLowestMemberRecordedThere) {
    clsTMPData CTMP;
    CTMP.SetUnitPos(1, 1, 0);
    CTMP.SetUnitPos(2, 3, 1);
    CTMP.SetUnitPos(2, 3, 4);
    CTMP.SetUnitPos(5, 5, 2);
    CTMP.SetUnitPos(4, 1, 3);
    struct Case {
        std::int16_t x;
        std::int16_t y;
        std::int16_t member;
    };
    const Case cases[] = {{1, 1, 0}, {2, 3, 1}, {5, 5, 2}, {4, 1, 3}, {3, 3, -1}, {1, 2, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(CTMP.GetUnitNumber(c.x, c.y), c.member) << c.x << "," << c.y;
    EXPECT_EQ(CTMP.GetUnitXPos(1), 2);
    EXPECT_EQ(CTMP.GetUnitYPos(1), 3);
    for (std::int16_t outside : {std::int16_t(-1), std::int16_t(5)}) {
        EXPECT_EQ(errorOf([&] { CTMP.SetUnitPos(1, 1, outside); }), ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(errorOf([&] { CTMP.GetUnitXPos(outside); }), ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(errorOf([&] { CTMP.GetUnitYPos(outside); }), ErrorNumber::SubscriptOutOfRange);
    }
}

TEST(clsTMPData, TheTournamentsEntrantsAndRulesAreKeptUntilReplaced) {
    clsTMPData CTMP;
    EXPECT_EQ(errorOf([&] { CTMP.GetUnit("学園"); }), ErrorNumber::ObjectNotSet);
    EXPECT_EQ(errorOf([&] { CTMP.GetRegulation(); }), ErrorNumber::ObjectNotSet);

    host::runtime::Collection<std::shared_ptr<clsUnit>> units;
    auto academy = std::make_shared<clsUnit>();
    auto rival = std::make_shared<clsUnit>();
    units.add(academy, "学園");
    units.add(rival, "ライバル");
    clsBattleRegulation regulation;
    regulation.GameName("春季王国大会");
    CTMP.SetUnit(units);
    CTMP.SetRegulation(regulation);
    units.remove("学園");

    EXPECT_EQ(&CTMP.GetUnit("学園"), academy.get());
    EXPECT_EQ(&CTMP.GetUnit("ライバル"), rival.get());
    EXPECT_EQ(errorOf([&] { CTMP.GetUnit("他校"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(CTMP.GetRegulation().GameName(), "春季王国大会");
}

} // namespace
