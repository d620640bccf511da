#pragma once

#include "state/cls_data.h"
#include "state/game_host.h"

#include <string>
#include <vector>

// The main form's battles fought by the battle rules without a screen or
// waits. A quest fight is one battle. A tournament runs the knockout's
// matches in order (the academy entrant 1), each after the recovery, a drawn
// match fought again, until the knockout gives the academy's placing.
class HeadlessHost : public GameHost {
  public:
    void attach(clsData& data) { data_ = &data; }

    void SetBattleGame(const clsBattleRegulation& cReg,
                       host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                       std::int16_t BattleRecover) override;
    void QuestBattle(clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                     const std::string& ImageName) override;
    bool GetStockPriceReport() const override { return false; }

    // The academy's place in each tournament, and the winner of each quest fight.
    const std::vector<std::string>& places() const { return places_; }
    const std::vector<std::string>& questWinners() const { return questWinners_; }

  private:
    // The winner's name; a draw is fought again.
    static std::string fight(const clsBattleRegulation& rules, clsUnit& left, clsUnit& right,
                             std::int16_t recover);

    clsData* data_ = nullptr;
    std::vector<std::string> places_;
    std::vector<std::string> questWinners_;
};
