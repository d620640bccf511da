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
    knockout_.reset();
    lines_.clear();
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
    return knockout_ ? knockout_->winnerName(BattleCount) : "";
}

std::string clsTournament::GetLoser(std::int16_t BattleCount) const {
    return knockout_ ? knockout_->loserName(BattleCount) : "";
}

std::string clsTournament::GetPlacing(std::int16_t BattleCount, const std::string& School,
                                      std::int16_t Rank) const {
    return knockout_ ? knockout_->placingAfter(BattleCount, School, Rank) : "";
}

void clsTournament::Start() {
    continue_ = true;
    if (!knockout_) return;
    for (std::int16_t BattleIndex = 1; BattleIndex <= knockout_->finalMatch(); ++BattleIndex) {
        Knockout::Pairing sides = knockout_->pairing(BattleIndex);
        std::int16_t index = BattleIndex;
        Battle.raise(index, sides.first, sides.firstName, sides.second, sides.secondName);
        if (!continue_) return;
    }
}

void clsTournament::Win(std::int16_t BattleCount, std::int16_t Winner, std::int16_t Loser,
                        const std::string& WinnerName, const std::string& LoserName) {
    if (!knockout_)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "no match " + std::to_string(BattleCount));
    knockout_->win(BattleCount, Winner, Loser, WinnerName, LoserName);
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
