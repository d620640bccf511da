#include "battle/tournament/knockout.h"

#include "battle/battle_codes.h"

#include "host/runtime/runtime_error.h"

#include <utility>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

Knockout::Knockout(std::vector<std::string> names) : names_(std::move(names)) {
    if (names_.size() < 2)
        throw RuntimeError(ErrorNumber::InvalidCall,
                           "a tournament needs 2 entrants or more, not " + std::to_string(names_.size()));
    byes_ = bracket::byesOf(entrants());
    matches_ = bracket::buildBracket(entrants(), byes_);
    results_.assign(matches_.size(), Result{});
}

bool Knockout::hasBye(std::int16_t entrant) const {
    return entrant >= 1 && entrant <= entrants() && byes_[static_cast<std::size_t>(entrant - 1)];
}

std::int16_t Knockout::sideEntrant(const bracket::Side& side) const {
    if (side.kind == bracket::kEntrant) return side.number;
    const std::int16_t winner = results_[static_cast<std::size_t>(side.number - 1)].winner;
    if (winner < 1)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange,
                           "match " + std::to_string(side.number) + " has no recorded winner");
    return winner;
}

Knockout::Pairing Knockout::pairing(std::int16_t number) const {
    if (!inRange(number))
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "no match " + std::to_string(number));
    const bracket::Match& played = matches_[static_cast<std::size_t>(number - 1)];
    Pairing sides;
    sides.first = sideEntrant(played.first);
    sides.second = sideEntrant(played.second);
    sides.firstName = names_[static_cast<std::size_t>(sides.first - 1)];
    sides.secondName = names_[static_cast<std::size_t>(sides.second - 1)];
    return sides;
}

void Knockout::win(std::int16_t number, std::int16_t winner, std::int16_t loser,
                   const std::string& winnerName, const std::string& loserName) {
    if (!inRange(number))
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "no match " + std::to_string(number));
    if (winner < 1 || winner > entrants())
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "no entrant " + std::to_string(winner));
    results_[static_cast<std::size_t>(number - 1)] = {winner, loser, winnerName, loserName};
}

std::string Knockout::winnerName(std::int16_t number) const {
    return inRange(number) ? results_[static_cast<std::size_t>(number - 1)].winnerName : "";
}

std::string Knockout::loserName(std::int16_t number) const {
    return inRange(number) ? results_[static_cast<std::size_t>(number - 1)].loserName : "";
}

std::string Knockout::placingAfter(std::int16_t number, const std::string& school, std::int16_t rank) const {
    const bool lost = loserName(number) == school;
    if (number == finalMatch()) {
        if (winnerName(number) == school) return std::string(tournament::kPlaceWon);
        if (lost) return std::string(tournament::kPlaceRunnerUp);
    }
    if (!lost) return "";
    const bool thirdPlace = number == finalMatch() - 2 && rank >= tournament::kThirdPlaceRank;
    return std::string(thirdPlace ? tournament::kPlaceThird : tournament::kPlaceOut);
}
