#pragma once

#include "state/game_host.h"

#include <memory>
#include <string>

// A main form for benchmarks that fight no battles and show no price report.
class NoBattles : public GameHost {
  public:
    void SetBattleGame(const clsBattleRegulation&, host::runtime::Collection<std::shared_ptr<clsUnit>>&,
                       std::int16_t) override {}
    void QuestBattle(clsBattleRegulation&, clsUnit&, clsUnit&, const std::string&) override {}
    bool GetStockPriceReport() const override { return false; }
};
