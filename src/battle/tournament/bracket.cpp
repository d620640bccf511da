#include "battle/tournament/bracket.h"

#include <cstddef>
#include <utility>

namespace bracket {

std::int16_t roundsFor(std::int16_t entrants) {
    std::int16_t rounds = 1;
    while ((1 << rounds) < entrants)
        ++rounds;
    return rounds;
}

std::vector<Slot> firstRoundSlots(std::int16_t entrants) {
    const std::int16_t rounds = roundsFor(entrants);
    const int count = 1 << (rounds - 1);
    int byes = (1 << rounds) - entrants;
    std::vector<Slot> slots;
    if (count == 1) {
        slots.push_back({.left = true, .place = 1, .bye = false});
        return slots;
    }
    for (int g = 1; g <= count; ++g) {
        bool bye = false;
        if (byes > 0 && (g <= 2 || g > count - 2))
            bye = true;
        else if (g < count - 2 && byes > 2)
            bye = true;
        if (bye) --byes;
        slots.push_back({.left = g % 2 == 1, .place = static_cast<std::int16_t>((g + 1) / 2), .bye = bye});
    }
    return slots;
}

std::vector<bool> byesOf(std::int16_t entrants) {
    std::vector<bool> byes(static_cast<std::size_t>(entrants), false);
    if (entrants < 3) return byes;
    int nextLeft = 1;
    int nextRight = entrants / 2 + 1;
    for (const Slot& slot : firstRoundSlots(entrants)) {
        int& next = slot.left ? nextLeft : nextRight;
        if (slot.bye) {
            byes[static_cast<std::size_t>(next - 1)] = true;
            next += 1;
        } else {
            next += 2;
        }
    }
    return byes;
}

namespace {

// One contender of a round still to be played: an entrant with a bye, or
// the winner of a match.
struct Contender {
    Side side;
};

std::vector<Match> firstRound(std::int16_t entrants, const std::vector<bool>& byes,
                              std::vector<Contender>& units, std::int16_t rounds) {
    std::vector<Match> matches;
    for (std::int16_t e = 1; e <= entrants; ++e) {
        if (byes[static_cast<std::size_t>(e - 1)]) {
            units.push_back({{e, kEntrant}});
            continue;
        }
        matches.push_back({.first = {e, kEntrant},
                           .second = {static_cast<std::int16_t>(e + 1), kEntrant},
                           .round = rounds});
        units.push_back({{static_cast<std::int16_t>(matches.size()), kWinnerOf}});
        ++e;
    }
    return matches;
}

} // namespace

std::vector<Match> buildBracket(std::int16_t entrants, const std::vector<bool>& byes) {
    const std::int16_t rounds = roundsFor(entrants);
    std::vector<Contender> units;
    std::vector<Match> matches = firstRound(entrants, byes, units, rounds);
    // Every later round plays its contenders two by two, in order.
    for (std::int16_t round = static_cast<std::int16_t>(rounds - 1); round >= 1; --round) {
        std::vector<Contender> next;
        for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
            matches.push_back({.first = units[i].side, .second = units[i + 1].side, .round = round});
            next.push_back({{static_cast<std::int16_t>(matches.size()), kWinnerOf}});
        }
        units = std::move(next);
    }
    return matches;
}

} // namespace bracket
