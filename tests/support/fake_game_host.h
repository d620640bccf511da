#pragma once

#include "state/cls_data.h"
#include "state/game_host.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A main form that fights nothing. Each battle the facade asks for is logged
// ("SetBattleGame", "QuestBattle"); once attached to a facade it answers a
// quest fight with questWinner's name and a tournament with tournamentPlace.
class FakeGameHost : public GameHost {
  public:
    FakeGameHost() : log_(&ownLog_) {}
    // Logs into the given log instead of its own.
    explicit FakeGameHost(std::vector<std::string>& log) : log_(&log) {}
    void attach(clsData& data) { data_ = &data; }

    void SetBattleGame(const clsBattleRegulation&,
                       host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit, std::int16_t) override {
        log_->push_back("SetBattleGame");
        entrants.clear();
        for (long k = 1; k <= clUnit.count(); ++k)
            entrants.push_back(clUnit.keyAt(k));
        if (data_) data_->SetWinnerUnit(tournamentPlace);
    }
    void QuestBattle(clsBattleRegulation&, clsUnit& cULeft, clsUnit& cURight, const std::string&) override {
        log_->push_back("QuestBattle");
        if (!data_) return;
        data_->SetWinnerUnit(questWinner(cULeft, cURight));
        afterQuestBattle();
    }
    bool GetStockPriceReport() const override { return stockPriceReport; }

    const std::vector<std::string>& log() const { return *log_; }

    // The quest fight's winner from the two units; the academy's by default.
    std::function<std::string(const clsUnit& academy, const clsUnit& monster)> questWinner =
        [](const clsUnit& academy, const clsUnit&) { return academy.GetUnitName(); };
    // Called as the quest fight ends, before the day goes on.
    std::function<void()> afterQuestBattle = [] {};
    std::string tournamentPlace = "0";
    bool stockPriceReport = false;
    // The entrants of the last tournament, the academy first.
    std::vector<std::string> entrants;

  private:
    std::vector<std::string> ownLog_;
    std::vector<std::string>* log_;
    clsData* data_ = nullptr;
};

} // namespace testsupport
