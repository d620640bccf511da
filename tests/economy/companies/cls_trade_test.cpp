#include "economy/companies/cls_trade.h"

#include "platform/services/silent_services.h"
#include "support/draws.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::Draw;
using testsupport::drawFor;
using testsupport::drawsFor;
using testsupport::errorOf;

namespace {

class BusinessCycle : public ::testing::Test {
  protected:
    // Scripts the draws and checks afterwards that each was used.
    void script(const std::vector<float>& draws) {
        services->scriptDraws(draws);
        scripted_ = services->drawCount() + static_cast<int>(draws.size());
    }
    void TearDown() override {
        if (scripted_ >= 0) {
            EXPECT_EQ(services->drawCount(), scripted_) << "scripted draws left over";
        }
    }

    ScopedSilentServices services;
    clsTrade trade;

  private:
    int scripted_ = -1;
};

TEST_F(BusinessCycle, NextBoomLevelTakesTheFirstCaseThatFitsWithOneDraw) {
    struct Case {
        int P, Q, R, c, next;
    };
    const Case cases[] = {
        {.P = 9, .Q = 10, .R = 10, .c = 17, .next = 10}, {.P = 9, .Q = 10, .R = 10, .c = 18, .next = 9},
        {.P = 1, .Q = 0, .R = 0, .c = 16, .next = 0},    {.P = 1, .Q = 0, .R = 0, .c = 17, .next = 1},
        {.P = 7, .Q = 8, .R = 9, .c = 12, .next = 9},    {.P = 7, .Q = 8, .R = 9, .c = 24, .next = 8},
        {.P = 7, .Q = 8, .R = 9, .c = 25, .next = 10},   {.P = 3, .Q = 2, .R = 1, .c = 12, .next = 1},
        {.P = 3, .Q = 2, .R = 1, .c = 13, .next = 2},    {.P = 3, .Q = 2, .R = 1, .c = 25, .next = 0},
        {.P = 5, .Q = 5, .R = 5, .c = 19, .next = 5},    {.P = 5, .Q = 5, .R = 5, .c = 21, .next = 4},
        {.P = 5, .Q = 5, .R = 5, .c = 22, .next = 6},    {.P = 5, .Q = 5, .R = 6, .c = 17, .next = 7},
        {.P = 5, .Q = 5, .R = 6, .c = 23, .next = 6},    {.P = 5, .Q = 5, .R = 6, .c = 24, .next = 5},
        {.P = 0, .Q = 0, .R = 1, .c = 25, .next = 2},    {.P = 5, .Q = 5, .R = 4, .c = 16, .next = 3},
        {.P = 5, .Q = 5, .R = 4, .c = 23, .next = 4},    {.P = 5, .Q = 5, .R = 4, .c = 24, .next = 5},
        {.P = 10, .Q = 10, .R = 9, .c = 0, .next = 8},   {.P = 3, .Q = 4, .R = 5, .c = 15, .next = 6},
        {.P = 3, .Q = 4, .R = 5, .c = 16, .next = 5},    {.P = 3, .Q = 4, .R = 5, .c = 24, .next = 4},
        {.P = 7, .Q = 6, .R = 5, .c = 14, .next = 4},    {.P = 7, .Q = 6, .R = 5, .c = 15, .next = 5},
        {.P = 7, .Q = 6, .R = 5, .c = 24, .next = 6},    {.P = 9, .Q = 10, .R = 9, .c = 15, .next = 8},
        {.P = 9, .Q = 10, .R = 9, .c = 16, .next = 10},  {.P = 9, .Q = 10, .R = 9, .c = 19, .next = 9},
        {.P = 5, .Q = 4, .R = 5, .c = 15, .next = 6},    {.P = 5, .Q = 4, .R = 5, .c = 18, .next = 4},
        {.P = 5, .Q = 4, .R = 5, .c = 19, .next = 5},    {.P = 4, .Q = 5, .R = 5, .c = 15, .next = 6},
        {.P = 4, .Q = 5, .R = 5, .c = 22, .next = 5},    {.P = 4, .Q = 5, .R = 5, .c = 23, .next = 4},
        {.P = 6, .Q = 5, .R = 5, .c = 15, .next = 4},    {.P = 6, .Q = 5, .R = 5, .c = 22, .next = 5},
        {.P = 6, .Q = 5, .R = 5, .c = 23, .next = 6},    {.P = 0, .Q = 1, .R = 1, .c = 25, .next = 0},
    };
    for (const Case& c : cases) {
        services->scriptDraws({drawFor(0, 25, c.c)});
        EXPECT_EQ(clsTrade::NextBoomLevel(c.P, c.Q, c.R), c.next)
            << c.P << "," << c.Q << "," << c.R << " c=" << c.c;
    }
}

TEST_F(BusinessCycle, ACycleIsDrawnWholeFromItsSeed) {
    std::vector<float> draws{drawFor(36, 72, 36)};
    draws.insert(draws.end(), 37, drawFor(0, 25, 10));
    script(draws);
    trade.CreateBoom("5:5:6");
    EXPECT_EQ(trade.BoomLevels().size(), 37u);
    EXPECT_EQ(trade.BoomIndex(), 0);
    EXPECT_EQ(trade.PrevBoomLevel(), 6);
    // 5,5,6 rises to 7, then two rises to 9, where a low draw stays.
    EXPECT_EQ(std::vector<std::int16_t>(trade.BoomLevels().begin(), trade.BoomLevels().begin() + 5),
              (std::vector<std::int16_t>{7, 8, 9, 9, 9}));
    EXPECT_EQ(trade.GetBoomName(), "好景気");
}

TEST_F(BusinessCycle, ThePercentFollowsTheLevelAndTheDirection) {
    struct Case {
        int prev, level;
        std::vector<Draw> draws;
        int percent;
    };
    const Case cases[] = {
        {.prev = 1, .level = 0, .draws = {{8, 12, 10}}, .percent = -10},
        {.prev = 0, .level = 2, .draws = {}, .percent = 30},
        {.prev = 1, .level = 2, .draws = {{4, 8, 6}}, .percent = 6},
        {.prev = 2, .level = 2, .draws = {{1, 3, 2}}, .percent = -2},
        {.prev = 3, .level = 2, .draws = {{2, 4, 3}}, .percent = -3},
        {.prev = 4, .level = 5, .draws = {{0, 3, 2}}, .percent = 2},
        {.prev = 5, .level = 5, .draws = {{0, 1, 0}, {0, 3, 3}}, .percent = 3},
        {.prev = 5, .level = 5, .draws = {{0, 1, 1}, {0, 2, 2}}, .percent = -2},
        {.prev = 6, .level = 5, .draws = {{0, 2, 1}}, .percent = -1},
        {.prev = 7, .level = 8, .draws = {{3, 6, 5}}, .percent = 5},
        {.prev = 8, .level = 8, .draws = {{2, 5, 4}}, .percent = 4},
        {.prev = 10, .level = 8, .draws = {}, .percent = -35},
        {.prev = 9, .level = 8, .draws = {{5, 8, 7}}, .percent = -7},
        {.prev = 9, .level = 10, .draws = {{8, 12, 12}}, .percent = 12},
    };
    for (const Case& c : cases) {
        trade.SetSaveData("0:" + std::to_string(c.prev) + ":" + std::to_string(c.level) + ":5:5");
        const int before = services->drawCount();
        services->scriptDraws(drawsFor(c.draws));
        EXPECT_EQ(trade.GetStockPrice(), c.percent) << c.prev << " -> " << c.level;
        EXPECT_EQ(services->drawCount() - before, static_cast<int>(c.draws.size()))
            << c.prev << " -> " << c.level;
    }
}

TEST_F(BusinessCycle, EachLevelIsNamedByItsBand) {
    const char* const words[] = {"恐慌", "不況",   "不況",   "不況",   "普通",  "普通",
                                 "普通", "好景気", "好景気", "好景気", "バブル"};
    for (int level = 0; level <= 10; ++level) {
        trade.SetSaveData("0:5:" + std::to_string(level) + ":5:5");
        EXPECT_EQ(trade.GetBoomName(), words[level]) << level;
    }
}

TEST_F(BusinessCycle, MovingPastTheLastLevelStartsTheNextCycleFromTheLastThree) {
    trade.SetSaveData("1:3:3:4:5");
    trade.BoomNext();
    EXPECT_EQ(trade.BoomIndex(), 2);
    EXPECT_EQ(trade.PrevBoomLevel(), 4);

    std::vector<float> draws{drawFor(36, 72, 40)};
    draws.insert(draws.end(), 41, drawFor(0, 25, 0));
    script(draws);
    trade.BoomNext();
    EXPECT_EQ(trade.BoomLevels().size(), 41u);
    EXPECT_EQ(trade.BoomIndex(), 0);
    EXPECT_EQ(trade.PrevBoomLevel(), 5);
    EXPECT_EQ(trade.BoomLevels()[0], 6); // 3, 4, 5 rising twice
}

TEST_F(BusinessCycle, ASaveRestoresThePositionTheDirectionAndTheLevelsToCome) {
    trade.CreateBoom("5:5:6");
    for (int i = 0; i < 50; ++i)
        trade.BoomNext();
    const std::string saved = trade.GetSaveData();
    clsTrade loaded;
    loaded.SetSaveData(saved);
    EXPECT_EQ(loaded.GetSaveData(), saved);
    EXPECT_EQ(loaded.BoomLevels(), trade.BoomLevels());
    EXPECT_EQ(loaded.BoomIndex(), trade.BoomIndex());
    EXPECT_EQ(loaded.PrevBoomLevel(), trade.PrevBoomLevel());
}

TEST_F(BusinessCycle, ABadSaveOrSeedIsRefusedWholeAndChangesNothing) {
    trade.SetSaveData("1:4:4:5:6:7");
    const std::string before = trade.GetSaveData();
    for (const char* text :
         {"", "1:5", "0:5:5:5", "x:5:5:5:5", "0:5:5:11:5", "0:-1:5:5:5", "3:5:5:5:5", "-1:5:5:5:5"}) {
        EXPECT_TRUE(errorOf([&] { trade.SetSaveData(text); })) << text;
        EXPECT_EQ(trade.GetSaveData(), before) << text;
    }
    for (const char* seed : {"5:5", "5:x:6", "5:5:12"}) {
        EXPECT_TRUE(errorOf([&] { trade.CreateBoom(seed); })) << seed;
        EXPECT_EQ(trade.GetSaveData(), before) << seed;
    }
    clsTrade fresh;
    EXPECT_TRUE(errorOf([&] { fresh.BoomNext(); }));
    EXPECT_TRUE(errorOf([&] { (void)fresh.GetBoomName(); }));
}

} // namespace
