#include "battleview/cls_tournament.h"

#include "host/runtime/runtime_error.h"

#include <utility>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

void clsTournament::SetTournament(const std::string& pTournamentName, std::int16_t intNum, std::int32_t Width,
                                  std::int32_t Height) {
    if (intNum < 2)
        throw RuntimeError(ErrorNumber::InvalidCall,
                           "a tournament needs 2 entrants or more, not " + std::to_string(intNum));
    title_ = pTournamentName;
    count_ = intNum;
    width_ = Width;
    height_ = Height;
    centreX_ = Width / 2;
    centreY_ = Height / 2;
    entrants_.assign(static_cast<std::size_t>(intNum), Entrant{});
    matches_.clear();
    results_.assign(static_cast<std::size_t>(intNum - 1), MatchResult{});
}

void clsTournament::SetIntervenor(std::int16_t intNum, const std::string& Intervenor) {
    if (intNum < 1 || intNum > count_) return;
    entrants_[static_cast<std::size_t>(intNum - 1)].name = Intervenor;
}

void clsTournament::SetColor(std::int32_t Normal, std::int32_t Winner) {
    normalColour_ = Normal;
    winnerColour_ = Winner;
}

std::string clsTournament::GetWinner(std::int16_t BattleCount) const {
    if (BattleCount < 1 || BattleCount > count_ - 1) return "";
    return results_[static_cast<std::size_t>(BattleCount - 1)].winnerName;
}

std::string clsTournament::GetLoser(std::int16_t BattleCount) const {
    if (BattleCount < 1 || BattleCount > count_ - 1) return "";
    return results_[static_cast<std::size_t>(BattleCount - 1)].loserName;
}

std::int16_t clsTournament::sideEntrant(const bracket::Side& side) const {
    if (side.kind == bracket::kEntrant) return side.number;
    const std::int16_t winner = results_[static_cast<std::size_t>(side.number - 1)].winner;
    if (winner < 1 || winner > count_)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange,
                           "match " + std::to_string(side.number) + " has no recorded winner");
    return winner;
}

void clsTournament::Start() {
    continue_ = true;
    for (std::size_t i = 0; i < matches_.size(); ++i) {
        std::int16_t BattleIndex = static_cast<std::int16_t>(i + 1);
        std::int16_t Num1 = sideEntrant(matches_[i].first);
        std::int16_t Num2 = sideEntrant(matches_[i].second);
        std::string Num1Name = entrants_[static_cast<std::size_t>(Num1 - 1)].name;
        std::string Num2Name = entrants_[static_cast<std::size_t>(Num2 - 1)].name;
        Battle.raise(BattleIndex, Num1, Num1Name, Num2, Num2Name);
        if (!continue_) return;
    }
}

void clsTournament::Win(std::int16_t BattleCount, std::int16_t Winner, std::int16_t Loser,
                        const std::string& WinnerName, const std::string& LoserName) {
    if (BattleCount < 1 || BattleCount > static_cast<std::int16_t>(matches_.size()))
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "no match " + std::to_string(BattleCount));
    if (Winner < 1 || Winner > count_)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "no entrant " + std::to_string(Winner));
    results_[static_cast<std::size_t>(BattleCount - 1)] = {Winner, Loser, WinnerName, LoserName};
    host::gdi::DeviceContext& dc = picture().hDC();
    const host::gdi::Pen previous = dc.selectPen({2, colourOf(winnerColour_)});
    drawWinnerPath(dc, BattleCount, Winner, Loser);
    picture().Refresh();
    dc.selectPen(previous);
}

host::ui::PictureBox& clsTournament::picture() const {
    if (!picture_) throw RuntimeError(ErrorNumber::ObjectNotSet, "the bracket has no picture");
    return *picture_;
}

host::gdi::COLORREF clsTournament::colourOf(std::int32_t number) const {
    return static_cast<host::gdi::COLORREF>(colours_.ColorasLong(number));
}
