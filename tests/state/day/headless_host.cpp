#include "state/day/headless_host.h"

#include "battle/combat/headless_battle.h"
#include "host/runtime/runtime_error.h"

namespace {

// A match drawn this often in a row ends the run with an error.
constexpr int kMostReplays = 50;
// From this school rank the first semifinal's loser places third.
constexpr std::int16_t kThirdPlaceRank = 3;

} // namespace

std::string HeadlessHost::fight(const clsBattleRegulation& rules, clsUnit& left, clsUnit& right,
                                std::int16_t recover, bool prepare) {
    for (int replay = 0; replay < kMostReplays; ++replay) {
        if (prepare || replay > 0) {
            left.UnitInit(recover);
            right.UnitInit(recover);
        }
        HeadlessBattle battle(rules);
        battle.run(left, right);
        if (battle.resultUnit() != "draw") return battle.resultUnit();
    }
    throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                      "a match drawn again and again");
}

void HeadlessHost::QuestBattle(clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                               const std::string&) {
    HeadlessBattle battle(cReg);
    battle.run(cULeft, cURight);
    questWinners_.push_back(battle.resultUnit());
    data_->SetWinnerUnit(battle.resultUnit());
}

void HeadlessHost::place(std::string text) {
    places_.push_back(text);
    data_->SetWinnerUnit(text);
}

void HeadlessHost::SetBattleGame(const clsBattleRegulation& cReg,
                                 host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                                 std::int16_t BattleRecover) {
    const std::string academy = clsData::AcademyUnitName;
    const long entrants = clUnit.count();
    std::vector<std::string> round;
    for (long k = 1; k <= entrants; ++k)
        round.push_back(clUnit.keyAt(k));
    long match = 0;
    while (round.size() > 1) {
        std::vector<std::string> next;
        for (std::size_t k = 0; k + 1 < round.size(); k += 2) {
            ++match;
            const std::string winner =
                fight(cReg, *clUnit.item(round[k]), *clUnit.item(round[k + 1]), BattleRecover, true);
            const std::string& loser = winner == round[k] ? round[k + 1] : round[k];
            next.push_back(winner);
            if (match + 1 == entrants) return place(winner == academy ? "1" : loser == academy ? "2" : "0");
            if (loser == academy)
                return place(entrants == match + 3 && data_->GetRankAsNumber() >= kThirdPlaceRank ? "3"
                                                                                                  : "0");
        }
        round = std::move(next);
    }
    place("0");
}
