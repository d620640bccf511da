#include "state/day/headless_host.h"

#include "battle/combat/headless_battle.h"
#include "battle/tournament/knockout.h"
#include "host/runtime/runtime_error.h"

#include <utility>

namespace {

// A match drawn this often in a row ends the run with an error.
constexpr int kMostReplays = 50;

} // namespace

std::string HeadlessHost::fight(const clsBattleRegulation& rules, clsUnit& left, clsUnit& right,
                                std::int16_t recover) {
    for (int replay = 0; replay < kMostReplays; ++replay) {
        left.UnitInit(recover);
        right.UnitInit(recover);
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

void HeadlessHost::SetBattleGame(const clsBattleRegulation& cReg,
                                 host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                                 std::int16_t BattleRecover) {
    std::vector<std::string> names;
    for (long k = 1; k <= clUnit.count(); ++k)
        names.push_back(clUnit.keyAt(k));
    Knockout knockout(std::move(names));
    for (std::int16_t match = 1; match <= knockout.finalMatch(); ++match) {
        const Knockout::Pairing sides = knockout.pairing(match);
        const std::string winner =
            fight(cReg, *clUnit.item(sides.firstName), *clUnit.item(sides.secondName), BattleRecover);
        if (winner == sides.firstName)
            knockout.win(match, sides.first, sides.second, sides.firstName, sides.secondName);
        else
            knockout.win(match, sides.second, sides.first, sides.secondName, sides.firstName);
        const std::string placing =
            knockout.placingAfter(match, clsData::AcademyUnitName, data_->GetRankAsNumber());
        if (!placing.empty()) {
            places_.push_back(placing);
            data_->SetWinnerUnit(placing);
            return;
        }
    }
}
