#include "host/runtime/runtime_error.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/silent_services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace mdlZRDFunc;

namespace {

// Just below 1: the largest draw the generator can give.
constexpr float kTop = 1.0f - 1.0f / 16777216.0f;

class Rules : public ::testing::Test {
  protected:
    ScopedSilentServices silent;
};

} // namespace

TEST_F(Rules, RandomIntRoundsHalfToEvenAtTheEnds) {
    struct {
        std::int16_t lo, hi;
        float r;
        std::int16_t expected;
    } cases[] = {
        {0, 2, 0.0f, 0},
        {0, 2, 0.24f, 0},
        {0, 2, 0.25f, 0}, // 0.5 ties to 0
        {0, 2, 0.26f, 1},
        {0, 2, 0.75f, 2},
        {0, 2, kTop, 2}, // 1.5 ties to 2
        {1, 6, 0.1f, 2},
        {1, 6, 0.09f, 1},
        {3, 3, 0.9f, 3}, // 1.5 -> 2, 1.45 -> 1
        {10, 0, 0.0f, 10},
        {10, 0, kTop, 0},
        {5, 13, 0.5f, 9}, // reversed ends
        {-32768, 32767, 0.0f, -32768},
        {-32768, 32767, kTop, 32767}, // no overflow on the span
    };
    for (const auto& c : cases) {
        silent->scriptDraws({c.r});
        EXPECT_EQ(RandomInt(c.lo, c.hi), c.expected) << c.lo << ".." << c.hi << " r=" << c.r;
    }
}

TEST_F(Rules, RandomIntEndsAreHalfAsLikely) {
    std::map<int, int> counts;
    for (int i = 0; i < 30000; ++i)
        counts[RandomInt(0, 2)]++;
    ASSERT_EQ(counts.size(), 3u);
    EXPECT_NEAR(counts[1] / 30000.0, 0.5, 0.02);
    EXPECT_NEAR(counts[0] / 30000.0, 0.25, 0.02);
    EXPECT_NEAR(counts[2] / 30000.0, 0.25, 0.02);
}

TEST_F(Rules, RandomRateAndCheckPercent) {
    silent->scriptDraws({0.5f, 0.0f, 0.004f, 0.006f, kTop, 0.0f, 0.994f});
    EXPECT_DOUBLE_EQ(RandomRate(80, 120), 1.0);
    EXPECT_TRUE(CheckPercent(0));   // k = 0
    EXPECT_TRUE(CheckPercent(0));   // 0.4 rounds to 0
    EXPECT_FALSE(CheckPercent(0));  // 0.6 rounds to 1
    EXPECT_TRUE(CheckPercent(100)); // k = 100 at most
    EXPECT_FALSE(CheckPercent(-1));
    EXPECT_FALSE(CheckPercent(98)); // 99.4 rounds to 99
}

TEST(PercentRules, DivisionComesFirst) {
    struct {
        std::int16_t value, percent, add, sub;
    } cases[] = {
        {29, 100, 57, 1}, // 0.29 * 100 = 28.999...
        {200, 10, 220, 180},       {0, 50, 0, 0}, {-50, 10, -55, -45}, {7, 0, 7, 7},
        {30000, 50, 32767, 15000}, // held at the top of the field
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddPercent(c.value, c.percent), c.add) << c.value << " " << c.percent;
        EXPECT_EQ(SubPercent(c.value, c.percent), c.sub) << c.value << " " << c.percent;
    }
    EXPECT_EQ(SubPercentLong(1000000, 15), 850000);
    EXPECT_EQ(SubPercentLong(29, -100), 57);
}

TEST(PercentRules, DiscountUsesHundredthsOfPercent) {
    struct {
        std::int32_t value;
        std::int16_t p;
        std::int32_t expected;
    } cases[] = {
        {1000, 50, 1000},  {1000, 99, 1000}, {1000, 100, 990}, {1000, 1000, 900},
        {1000, 5000, 500}, {1000, 10000, 0}, {250, 5000, 125}, {5, 5000, 2}, // 2.5 ties to 2
        {7, 5000, 4},                                                        // 3.5 ties to 4
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcDiscount(c.value, c.p), c.expected) << c.value << " " << c.p;
}

TEST_F(Rules, ConditionValueDrawsByCondition) {
    struct {
        std::int32_t condition;
        float r;
        std::int16_t value, expected;
    } cases[] = {
        {1, 0.0f, 100, 95},  // r = 5
        {1, kTop, 100, 87},  // r = 13
        {2, 0.5f, 200, 190}, // r = 5
        {3, kTop, 100, 103}, // r = 3
        {4, 0.0f, 100, 103}, // r = 3
        {5, kTop, 100, 115}, // r = 15
        {5, kTop, 29, 33},   // Fix(0.29 * 15) = 4
    };
    for (const auto& c : cases) {
        silent->scriptDraws({c.r});
        EXPECT_EQ(CalcConditionValue(c.condition, c.value), c.expected) << c.condition;
    }
    int before = silent->drawCount();
    EXPECT_EQ(CalcConditionValue(9, 77), 77);
    EXPECT_EQ(CalcConditionValue(0, 77), 77);
    EXPECT_EQ(silent->drawCount(), before);
}

TEST(BattleRules, LevelValueLineFactorAndDesperation) {
    const std::int16_t levels[] = {10, 22, 38, 58, 82, 110, 142, 178};
    for (std::int16_t n = 0; n < 8; ++n)
        EXPECT_EQ(CalcLevelValue(n), levels[n]);
    EXPECT_EQ(CalcLevelValue(200), 32767); // held at the field's top

    struct {
        const char* a;
        const char* d;
        double factor;
    } lines[] = {
        {"攻撃", "奇襲", 1.2}, {"防御", "攻撃", 1.2}, {"奇襲", "防御", 1.2},
        {"攻撃", "防御", 0.8}, {"防御", "奇襲", 0.8}, {"奇襲", "攻撃", 0.8},
        {"攻撃", "攻撃", 1.0}, {"攻撃", "", 1.0},     {"ATTACK", "奇襲", 1.0},
    };
    for (const auto& l : lines)
        EXPECT_DOUBLE_EQ(GetLineTypeFactor(l.a, l.d), l.factor) << l.a << l.d;

    EXPECT_DOUBLE_EQ(GetDesperationRate(100, 100), 0.5);
    EXPECT_NEAR(GetDesperationRate(100, 0), 4.01, 0.005);
    EXPECT_NEAR(GetDesperationRate(100, 25), 1.48, 0.005);
    EXPECT_NEAR(GetDesperationRate(100, 38), 0.72, 0.005);
    EXPECT_DOUBLE_EQ(GetDesperationRate(100, 43), 0.5);
    EXPECT_THROW(GetDesperationRate(0, 10), host::runtime::RuntimeError);
}

TEST(RuleNames, TablesAndTheirEnds) {
    EXPECT_EQ(GetRankName(0), "G");
    EXPECT_EQ(GetRankName(7), "S");
    EXPECT_EQ(GetRankName(8), "");
    EXPECT_EQ(GetRankName(-1), "");
    EXPECT_EQ(GetNextClassType("休講"), "全体授業");
    EXPECT_EQ(GetNextClassType("全体授業"), "個別授業");
    EXPECT_EQ(GetNextClassType("個別授業"), "休講");
    EXPECT_EQ(GetNextClassType("x"), "");
    EXPECT_EQ(GetGrowthTips("早熟1"), "早い段階で成長のピークがきそうです");
    EXPECT_EQ(GetGrowthTips("超晩成2"), "成長のピークは遅そうです");
    EXPECT_EQ(GetGrowthTips("持続2"), "比較的成長のピークは長そうです");
    EXPECT_EQ(GetGrowthTips("早熟１"), ""); // the table holds narrow digits
    EXPECT_EQ(GetTeacherSkillName(1), "剣術マスター");
    EXPECT_EQ(GetTeacherSkillName(12), "鉄の意志");
    EXPECT_EQ(GetTeacherSkillName(13), "");
    EXPECT_EQ(GetCharacterName(15), "不器用");
    EXPECT_EQ(GetCharacterName(0), "");
    EXPECT_EQ(GetBasicAttackName("攻撃", true), "モンスター基本攻撃");
    EXPECT_EQ(GetBasicAttackName("奇襲", false), "弓");
    EXPECT_EQ(GetBasicAttackName("x", false), "");
}

TEST(CareerRules, NamesAndMasks) {
    EXPECT_EQ(GetCourseName(1), "軍師");
    EXPECT_EQ(GetCourseName(5), "見習い兵士");
    EXPECT_EQ(GetCourseName(15), "退学");
    EXPECT_EQ(GetCourseName(27), "豪農");
    EXPECT_EQ(GetCourseName(28), "不明");
    EXPECT_EQ(GetCourseName(0), "不明");

    SetCourseMasks();
    auto before = gCourseMasks;
    SetCourseMasks();
    EXPECT_EQ(gCourseMasks, before); // running twice changes nothing

    auto mask = [](std::initializer_list<int> abilities) {
        std::int32_t m = 0;
        for (int a : abilities)
            m |= 1 << (a - 1);
        return m;
    };
    EXPECT_EQ(GetCourseMask(12), mask({1, 2, 6}));
    EXPECT_EQ(GetCourseMask(27), mask({1, 2, 6}));
    EXPECT_EQ(GetCourseMask(14), mask({4, 13}));
    EXPECT_EQ(GetCourseMask(7), mask({3, 4, 5, 11, 12, 13}));
    EXPECT_EQ(GetCourseMask(1), mask({5, 7, 9, 10, 15, 16, 17}));
    EXPECT_EQ(GetCourseMask(28), GetCourseMask(2));
    EXPECT_EQ(GetCourseMask(2), mask({1, 2, 5, 6, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(GetCourseMask(15), 0);
    EXPECT_EQ(GetCourseMask(29), 0);
    EXPECT_EQ(GetCourseMask(0), 0);
    // Every career but withdrawal has a mask.
    for (int course = 1; course <= 28; ++course) {
        if (course != 15) {
            EXPECT_NE(GetCourseMask(course), 0) << course;
        }
    }
}

TEST(TextBuilders, SeparatorsOnlyBetweenItems) {
    std::string text;
    EXPECT_EQ(AddLineBreak(text), "");
    text = "a";
    EXPECT_EQ(AddLineBreak(text), "a\r\n");
    EXPECT_EQ(text, "a\r\n");
    std::string list = "x";
    AddSeparator(list, ":");
    EXPECT_EQ(list, "x:");

    const std::int16_t values[] = {3, -1, 0};
    EXPECT_EQ(JoinIntArray(values, ","), "3,-1,0");
    EXPECT_EQ(JoinIntArray({}, ","), "");

    host::runtime::Collection<clsPassageData> passages;
    EXPECT_EQ(GetPassageText(passages, ":"), "");
    clsPassageData a;
    a.Name("先生");
    a.Age(40);
    a.Period(2);
    a.Dissatisfaction(15);
    clsPassageData b;
    b.Name("スカウト");
    b.Age(25);
    passages.add(a);
    passages.add(b);
    EXPECT_EQ(GetPassageText(passages, ":"), "先生:40:2:15\r\nスカウト:25:0:0");
}
