#include "battle/tournament/knockout.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

std::vector<std::string> schools(std::int16_t count) {
    std::vector<std::string> names;
    for (std::int16_t k = 1; k <= count; ++k)
        names.push_back("学園" + std::to_string(k));
    return names;
}

// Records match number's result, the side named winner winning.
void record(Knockout& knockout, std::int16_t number, const std::string& winner) {
    const Knockout::Pairing sides = knockout.pairing(number);
    if (sides.firstName == winner)
        knockout.win(number, sides.first, sides.second, sides.firstName, sides.secondName);
    else
        knockout.win(number, sides.second, sides.first, sides.secondName, sides.firstName);
}

} // namespace

TEST(Knockout, EveryEntrantPlaysAndOnlyTheByesSkipTheFirstRound) {
    const struct {
        std::int16_t entrants;
        std::set<std::int16_t> byes;
    } cases[] = {
        {.entrants = 2, .byes = {}},        {.entrants = 3, .byes = {1}},    {.entrants = 4, .byes = {}},
        {.entrants = 5, .byes = {1, 2, 3}}, {.entrants = 6, .byes = {1, 4}}, {.entrants = 7, .byes = {1}},
        {.entrants = 8, .byes = {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entrants);
        Knockout knockout(schools(c.entrants));
        ASSERT_EQ(knockout.finalMatch(), c.entrants - 1);
        std::set<std::int16_t> played;
        std::set<std::int16_t> out;
        std::set<std::int16_t> firstRound;
        for (std::int16_t match = 1; match <= knockout.finalMatch(); ++match) {
            const Knockout::Pairing sides = knockout.pairing(match);
            EXPECT_NE(sides.first, sides.second) << "match " << match;
            EXPECT_EQ(out.count(sides.first) + out.count(sides.second), 0u)
                << "a loser played on in match " << match;
            played.insert({sides.first, sides.second});
            if (knockout.matches()[static_cast<std::size_t>(match - 1)].round ==
                knockout.matches().front().round)
                firstRound.insert({sides.first, sides.second});
            record(knockout, match, sides.firstName);
            out.insert(sides.second);
        }
        EXPECT_EQ(played.size(), static_cast<std::size_t>(c.entrants)) << "an entrant was left out";
        std::set<std::int16_t> byes;
        for (std::int16_t entrant = 1; entrant <= c.entrants; ++entrant) {
            if (knockout.hasBye(entrant)) byes.insert(entrant);
            EXPECT_NE(knockout.hasBye(entrant), firstRound.count(entrant) == 1) << "entrant " << entrant;
        }
        EXPECT_EQ(byes, c.byes);
        EXPECT_EQ(knockout.winnerName(knockout.finalMatch()), "学園1");
    }
}

TEST(Knockout, TheSchoolIsPlacedOnlyWhenItIsOutOrTheFinalIsOver) {
    const struct {
        std::int16_t entrants;
        std::int16_t rank;
        std::int16_t schoolLosesMatch; // 0: the school wins every match
        std::int16_t placedAfter;
        std::string placing;
    } cases[] = {
        {.entrants = 8, .rank = 3, .schoolLosesMatch = 0, .placedAfter = 7, .placing = "1"},
        {.entrants = 8, .rank = 3, .schoolLosesMatch = 7, .placedAfter = 7, .placing = "2"},
        {.entrants = 8, .rank = 3, .schoolLosesMatch = 5, .placedAfter = 5, .placing = "3"},
        {.entrants = 8, .rank = 7, .schoolLosesMatch = 1, .placedAfter = 1, .placing = "0"},
        {.entrants = 8, .rank = 2, .schoolLosesMatch = 5, .placedAfter = 5, .placing = "0"},
        {.entrants = 4, .rank = 0, .schoolLosesMatch = 1, .placedAfter = 1, .placing = "0"},
        {.entrants = 4, .rank = 2, .schoolLosesMatch = 3, .placedAfter = 3, .placing = "2"},
        {.entrants = 5, .rank = 4, .schoolLosesMatch = 2, .placedAfter = 2, .placing = "3"},
        {.entrants = 3, .rank = 0, .schoolLosesMatch = 0, .placedAfter = 2, .placing = "1"},
        {.entrants = 2, .rank = 0, .schoolLosesMatch = 1, .placedAfter = 1, .placing = "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.entrants << " entrants, rank " << c.rank << ", losing match "
                                          << c.schoolLosesMatch);
        Knockout knockout(schools(c.entrants));
        std::int16_t match = 1;
        std::string placing;
        for (; match <= knockout.finalMatch(); ++match) {
            const Knockout::Pairing sides = knockout.pairing(match);
            const bool schoolLoses = match == c.schoolLosesMatch;
            record(knockout, match, schoolLoses ? sides.secondName : sides.firstName);
            placing = knockout.placingAfter(match, "学園1", c.rank);
            if (!placing.empty()) break;
        }
        EXPECT_EQ(match, c.placedAfter);
        EXPECT_EQ(placing, c.placing);
    }
}

TEST(Knockout, BadNumbersAreRefusedOrAnsweredEmpty) {
    EXPECT_EQ(errorOf([] { Knockout lone(schools(1)); }), ErrorNumber::InvalidCall);
    Knockout knockout(schools(4));
    EXPECT_EQ(errorOf([&] { knockout.pairing(3); }), ErrorNumber::SubscriptOutOfRange)
        << "the final waits for the semifinals";
    for (std::int16_t match : {0, 4}) {
        EXPECT_EQ(errorOf([&] { knockout.pairing(match); }), ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(errorOf([&] { knockout.win(match, 1, 2, "学園1", "学園2"); }),
                  ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(knockout.winnerName(match), "");
        EXPECT_EQ(knockout.loserName(match), "");
    }
    EXPECT_EQ(errorOf([&] { knockout.win(1, 5, 2, "学園5", "学園2"); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(knockout.winnerName(1), "") << "nothing recorded before win";
    EXPECT_EQ(knockout.placingAfter(1, "学園1", 3), "") << "no placing before the school played";
}
