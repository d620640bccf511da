#pragma once

#include "state/cls_data.h"
#include "state/game_host.h"

#include <string>
#include <vector>

// The main form's battles fought by the battle rules without a screen or
// waits. A quest fight is one battle. A tournament is a knockout in entrant
// order (the academy first), each match after the recovery, a drawn match
// fought again; the academy's place goes back as the bracket screen gives
// it: "1" the final won, "2" the final lost, "3" the first semifinal lost
// from school rank 3 up, else "0".
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
                             std::int16_t recover, bool prepare);
    void place(std::string text);

    clsData* data_ = nullptr;
    std::vector<std::string> places_;
    std::vector<std::string> questWinners_;
};
