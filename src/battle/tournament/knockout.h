#pragma once

#include "battle/tournament/bracket.h"

#include <cstdint>
#include <string>
#include <vector>

// The draw and the results of one knockout tournament, without a screen:
// entrants numbered 1..N in bracket order, matches 1..N-1 fought in order
// (byes when N is not a power of two), the final last. Whoever fights the
// matches asks for a match's pairing, records its result with win, and asks
// for the school's placing after each match.
class Knockout {
  public:
    // The two sides of a match: entrant numbers and names.
    struct Pairing {
        std::int16_t first = 0;
        std::string firstName;
        std::int16_t second = 0;
        std::string secondName;
    };

    // The entrants' names in bracket order; fewer than two is the
    // invalid-call error (5).
    explicit Knockout(std::vector<std::string> names);

    std::int16_t entrants() const { return static_cast<std::int16_t>(names_.size()); }
    // The number of the last match, the final: N - 1.
    std::int16_t finalMatch() const { return static_cast<std::int16_t>(matches_.size()); }
    bool hasBye(std::int16_t entrant) const;
    // Match k at index k - 1.
    const std::vector<bracket::Match>& matches() const { return matches_; }

    // The subscript error (9) outside 1..N-1 or while an earlier match it
    // takes a side from has no result.
    Pairing pairing(std::int16_t number) const;
    // Records match number's result; the subscript error (9) for a match or
    // a winner outside the bracket.
    void win(std::int16_t number, std::int16_t winner, std::int16_t loser, const std::string& winnerName,
             const std::string& loserName);
    // The recorded names; empty outside 1..N-1 or before win.
    std::string winnerName(std::int16_t number) const;
    std::string loserName(std::int16_t number) const;

    // The placing of the school named school once match number is recorded,
    // as the facade takes it: "1" the final won, "2" the final lost, "3" the
    // first semifinal (match N-3) lost at a school rank of 3 or more, "0" any
    // other loss; empty while the school is still in and the final is to come.
    std::string placingAfter(std::int16_t number, const std::string& school, std::int16_t rank) const;

  private:
    struct Result {
        std::int16_t winner = 0;
        std::int16_t loser = 0;
        std::string winnerName;
        std::string loserName;
    };

    bool inRange(std::int16_t number) const { return number >= 1 && number <= finalMatch(); }
    std::int16_t sideEntrant(const bracket::Side& side) const;

    std::vector<std::string> names_;
    std::vector<bool> byes_;
    std::vector<bracket::Match> matches_;
    std::vector<Result> results_;
};
