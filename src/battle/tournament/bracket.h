#pragma once

#include <cstdint>
#include <vector>

// The pairing of a knockout bracket of N entrants: the rounds, which entrants
// skip the first round (a bye), and the matches in the order they are fought.
namespace bracket {

// What a side of a match refers to.
enum SideKind : std::int32_t { kEntrant = 1, kWinnerOf = 2 };

struct Side {
    std::int16_t number = 0; // an entrant or a match, as the kind says
    SideKind kind = kEntrant;
};

struct Match {
    Side first;
    Side second;
    // r for the first round, counting down to 1 for the final.
    std::int16_t round = 0;
};

// Where a first-round slot stands: its side, its place on that side (from 1)
// and whether it holds one entrant with a bye or a pair.
struct Slot {
    bool left = true;
    std::int16_t place = 0;
    bool bye = false;
};

// The least r >= 1 with 2^r >= entrants.
std::int16_t roundsFor(std::int16_t entrants);

// The 2^(r-1) first-round slots in order, byes dealt by their rules.
std::vector<Slot> firstRoundSlots(std::int16_t entrants);

// Whether each entrant (index 0 = entrant 1) skips the first round, entrants
// dealt down each side in slot order.
std::vector<bool> byesOf(std::int16_t entrants);

// The N - 1 matches in order: round by round from the first to the final,
// the left side's matches before the right side's, top to bottom. An entrant
// with a bye meets its first opponent in the second round.
std::vector<Match> buildBracket(std::int16_t entrants, const std::vector<bool>& byes);

} // namespace bracket
