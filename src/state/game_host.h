#pragma once

#include "battle/combat/cls_battle_regulation.h"
#include "battle/combat/cls_unit.h"
#include "economy/companies/stock_price_report_setting.h"
#include "host/runtime/collection.h"

#include <cstdint>
#include <memory>
#include <string>

// What the game-state facade asks of the main form: the battles a day calls
// for, and whether the player wants the prices of held shares reported
// (GetStockPriceReport). The shell implements it; tests fake it.
class GameHost : public StockPriceReportSetting {
  public:
    virtual ~GameHost() = default;

    // Runs a whole tournament: the academy's unit first, then the rival
    // schools; every unit recovers BattleRecover percent of its physical
    // strength before each match. Returns when the last match is fought,
    // after the academy's place has been handed to clsData::SetWinnerUnit.
    virtual void SetBattleGame(const clsBattleRegulation& cReg,
                               host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                               std::int16_t BattleRecover) = 0;

    // Fights a quest battle: the academy's team on the left, the monster on the
    // right, ImageName the background. Before it returns, the winning unit's
    // name (or "draw") has been handed to clsData::SetWinnerUnit.
    virtual void QuestBattle(clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                             const std::string& ImageName) = 0;
};
