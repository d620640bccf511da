#include "battleview/cls_tournament.h"

#include "toolkit/toolkit_fixture.h"

#include "host/gdi/fill.h"
#include "host/runtime/runtime_error.h"
#include "host/ui/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using host::gdi::COLORREF;
using host::gdi::RGB;

constexpr COLORREF kLine = RGB(0, 255, 255); // colour 9
constexpr COLORREF kWinner = RGB(255, 0, 0); // colour 2
constexpr COLORREF kGround = RGB(20, 40, 60);

struct Point {
    int x;
    int y;
};

// A bracket on a dark 800 x 480 picture, with every match it raised.
class Bracket {
  public:
    explicit Bracket(std::int16_t entrants, const std::string& title = "") {
        picture.setParent(&form);
        picture.Move(0, 0, 800, 480);
        host::gdi::FillRect(picture.hDC(), {0, 0, 800, 480}, host::gdi::Brush{kGround});
        tournament.SetColor(9, 2);
        tournament.SetPicture(picture);
        tournament.SetTournament(title, entrants, 800, 480);
        for (std::int16_t i = 1; i <= entrants; ++i)
            tournament.SetIntervenor(i, "学園" + std::to_string(i));
        tournament.InitDraw();
    }

    COLORREF at(Point p) { return picture.hDC().bitmap().pixel(p.x, p.y); }

    host::ui::Form form;
    host::ui::PictureBox picture;
    clsTournament tournament;
};

// Plays every match, the first side winning, and answers "index:num1-num2" per match.
std::vector<std::string> playFirstSideWins(clsTournament& tournament) {
    std::vector<std::string> played;
    tournament.Battle.subscribe([&](std::int16_t& index, std::int16_t& num1, std::string& name1,
                                    std::int16_t& num2, std::string& name2) {
        EXPECT_EQ(name1, "学園" + std::to_string(num1));
        EXPECT_EQ(name2, "学園" + std::to_string(num2));
        played.push_back(std::to_string(index) + ":" + std::to_string(num1) + "-" + std::to_string(num2));
        tournament.Win(index, num1, num2, name1, name2);
    });
    tournament.Start();
    return played;
}

TEST(Tournament, MatchesRunRoundByRoundWithByesForTwoToEightEntrants) {
    const struct {
        std::int16_t entrants;
        std::vector<std::string> matches;
    } cases[] = {
        {.entrants = 2, .matches = {"1:1-2"}},
        {.entrants = 3, .matches = {"1:2-3", "2:1-2"}},
        {.entrants = 4, .matches = {"1:1-2", "2:3-4", "3:1-3"}},
        {.entrants = 5, .matches = {"1:4-5", "2:1-2", "3:3-4", "4:1-3"}},
        {.entrants = 6, .matches = {"1:2-3", "2:5-6", "3:1-2", "4:4-5", "5:1-4"}},
        {.entrants = 7, .matches = {"1:2-3", "2:4-5", "3:6-7", "4:1-2", "5:4-6", "6:1-4"}},
        {.entrants = 8, .matches = {"1:1-2", "2:3-4", "3:5-6", "4:7-8", "5:1-3", "6:5-7", "7:1-5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entrants);
        Bracket bracket(c.entrants);
        EXPECT_EQ(bracket.tournament.GetIntervenor(), c.entrants);
        EXPECT_EQ(playFirstSideWins(bracket.tournament), c.matches);
        EXPECT_EQ(bracket.tournament.GetWinner(static_cast<std::int16_t>(c.entrants - 1)), "学園1");
        EXPECT_EQ(bracket.tournament.GetLoser(1),
                  "学園" + c.matches.front().substr(c.matches.front().size() - 1));
    }
}

TEST(Tournament, SetLoserStopsAfterTheRunningMatch) {
    Bracket bracket(7);
    std::vector<std::int16_t> raised;
    bracket.tournament.Battle.subscribe([&](std::int16_t& index, std::int16_t& num1, std::string& name1,
                                            std::int16_t& num2, std::string& name2) {
        raised.push_back(index);
        bracket.tournament.Win(index, num2, num1, name2, name1);
        if (index == 3) bracket.tournament.SetLoser();
    });
    bracket.tournament.Start();
    EXPECT_EQ(raised, (std::vector<std::int16_t>{1, 2, 3}));
    EXPECT_EQ(bracket.tournament.GetWinner(3), "学園7");
    EXPECT_EQ(bracket.tournament.GetLoser(3), "学園6");
    for (std::int16_t match : {4, 5, 6, 0, 7}) {
        EXPECT_EQ(bracket.tournament.GetWinner(match), "");
        EXPECT_EQ(bracket.tournament.GetLoser(match), "");
    }
    // A new start plays again from the first match.
    raised.clear();
    bracket.tournament.Start();
    EXPECT_EQ(raised, (std::vector<std::int16_t>{1, 2, 3}));
}

TEST(Tournament, BadNumbersAreRefusedOrIgnored) {
    Bracket bracket(4);
    bracket.tournament.SetIntervenor(0, "外");
    bracket.tournament.SetIntervenor(5, "外");
    // A match whose earlier match has no winner cannot be raised.
    bracket.tournament.Battle.subscribe([&](std::int16_t& index, std::int16_t& num1, std::string& name1,
                                            std::int16_t& num2, std::string& name2) {
        if (index == 1) bracket.tournament.Win(index, num1, num2, name1, name2);
    });
    try {
        bracket.tournament.Start();
        ADD_FAILURE() << "the final was raised without a winner of match 2";
    } catch (const host::runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), host::runtime::ErrorNumber::SubscriptOutOfRange);
    }
    const COLORREF before = bracket.at({600, 60});
    for (std::int16_t match : {0, 4}) {
        try {
            bracket.tournament.Win(match, 3, 4, "学園3", "学園4");
            ADD_FAILURE() << "match " << match;
        } catch (const host::runtime::RuntimeError& e) {
            EXPECT_EQ(e.number(), host::runtime::ErrorNumber::SubscriptOutOfRange);
        }
    }
    EXPECT_EQ(bracket.at({600, 60}), before);
    clsTournament lone;
    EXPECT_THROW(lone.SetTournament("", 1, 800, 480), host::runtime::RuntimeError);
}

TEST(Tournament, TheEmptyBracketStandsOnItsColumns) {
    const struct {
        const char* name;
        std::int16_t entrants;
        std::vector<Point> lines;
        std::vector<Point> empty;
    } cases[] = {
        {.name = "8: first round 160..240 and 560..640, joins at 240, 320, 480, stem up to 190",
         .entrants = 8,
         .lines = {{160, 60},
                   {239, 60},
                   {200, 420},
                   {240, 100},
                   {280, 120},
                   {320, 200},
                   {360, 240},
                   {560, 300},
                   {639, 420},
                   {480, 300},
                   {400, 191},
                   {400, 239}},
         .empty = {{150, 60}, {241, 90}, {320, 100}, {400, 185}, {650, 60}}},
        {.name = "5: byes on 120 and 360 of the left and 120 of the right, a pair at 300 and 420",
         .entrants = 5,
         .lines = {{200, 120},
                   {280, 120},
                   {200, 360},
                   {600, 120},
                   {600, 300},
                   {600, 420},
                   {560, 360},
                   {320, 200},
                   {480, 200}},
         .empty = {{200, 60}, {240, 90}, {600, 60}, {560, 90}, {600, 180}}},
        {.name = "4: columns of 120 from 160, names at 120 and 360",
         .entrants = 4,
         .lines = {{200, 120}, {200, 360}, {280, 200}, {340, 240}, {600, 360}},
         .empty = {{200, 60}, {300, 120}}},
        {.name = "2: one segment each side at the middle and the stem",
         .entrants = 2,
         .lines = {{170, 240}, {390, 240}, {410, 240}, {630, 240}, {400, 200}},
         .empty = {{150, 240}, {400, 180}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bracket bracket(c.entrants);
        for (const Point& p : c.lines)
            EXPECT_EQ(bracket.at(p), kLine) << p.x << "," << p.y;
        for (const Point& p : c.empty)
            EXPECT_EQ(bracket.at(p), kGround) << p.x << "," << p.y;
    }
}

TEST(Tournament, AWinDrawsTheWinnersPathOnItsSide) {
    const struct {
        const char* name;
        std::int16_t entrants;
        std::int16_t match;
        std::int16_t winner;
        std::int16_t loser;
        std::vector<Point> path;
        std::vector<Point> untouched;
    } cases[] = {
        {.name = "8, match 1 won from above: down from 60 to 120 at x 240",
         .entrants = 8,
         .match = 1,
         .winner = 1,
         .loser = 2,
         .path = {{200, 60}, {240, 90}, {240, 119}},
         .untouched = {{200, 180}, {240, 150}}},
        {.name = "8, match 1 won from below: up from 180 to 120",
         .entrants = 8,
         .match = 1,
         .winner = 2,
         .loser = 1,
         .path = {{200, 180}, {240, 150}},
         .untouched = {{200, 60}, {240, 90}}},
        {.name = "5, match 1 on the right from above: 300 down to 360 at x 560",
         .entrants = 5,
         .match = 1,
         .winner = 4,
         .loser = 5,
         .path = {{600, 300}, {560, 330}},
         .untouched = {{600, 420}, {560, 390}}},
        {.name = "5, match 2 won by a bye: both columns at 120, then down to 240 at x 320",
         .entrants = 5,
         .match = 2,
         .winner = 1,
         .loser = 2,
         .path = {{200, 120}, {280, 120}, {320, 180}},
         .untouched = {{200, 360}, {320, 300}}},
        {.name = "2, the final: the middle segment and the stem",
         .entrants = 2,
         .match = 1,
         .winner = 2,
         .loser = 1,
         .path = {{600, 240}, {400, 210}},
         .untouched = {{200, 240}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bracket bracket(c.entrants);
        bracket.tournament.Win(c.match, c.winner, c.loser, "勝", "負");
        for (const Point& p : c.path)
            EXPECT_EQ(bracket.at(p), kWinner) << p.x << "," << p.y;
        for (const Point& p : c.untouched)
            EXPECT_NE(bracket.at(p), kWinner) << p.x << "," << p.y;
        EXPECT_EQ(bracket.tournament.GetWinner(c.match), "勝");
    }
}

TEST(Tournament, BracketsOfFiveAndEightAreWrittenForLooking) {
    for (std::int16_t entrants : {5, 8}) {
        Bracket bracket(entrants, "春季大会");
        int played = 0;
        bracket.tournament.Battle.subscribe([&](std::int16_t& index, std::int16_t& num1, std::string& name1,
                                                std::int16_t& num2, std::string& name2) {
            // The upper side wins the first matches, the lower one the others; the final stays open.
            if (index == entrants - 1) {
                bracket.tournament.SetLoser();
                return;
            }
            if (++played % 2)
                bracket.tournament.Win(index, num1, num2, name1, name2);
            else
                bracket.tournament.Win(index, num2, num1, name2, name1);
        });
        bracket.tournament.Start();
        // Names stand right-aligned at the left edge and left-aligned at the right edge.
        const int firstName = entrants == 5 ? 120 : 60;
        bool leftInk = false, rightInk = false;
        for (int y = firstName - 8; y <= firstName + 8; ++y) {
            for (int x = 100; x < 160; ++x)
                leftInk = leftInk || bracket.at({x, y}) != kGround;
            for (int x = 640; x < 700; ++x)
                rightInk = rightInk || bracket.at({x, y}) != kGround;
        }
        EXPECT_TRUE(leftInk);
        EXPECT_TRUE(rightInk);
        toolkit_test::writeLook(bracket.picture.hDC().bitmap(),
                                "battleview_bracket_" + std::to_string(entrants) + ".png");
    }
}

} // namespace
