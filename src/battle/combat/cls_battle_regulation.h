#pragma once

#include <cstdint>
#include <string>

// The rule set of one battle: its time limit (battle_time) and what the
// battle screen shows of the opponent. Everything starts hidden and empty.
class clsBattleRegulation {
  public:
    // The bracket's title.
    const std::string& GameName() const { return gameName_; }
    void GameName(std::string value) { gameName_ = std::move(value); }
    // Read by no rule.
    bool UseItem() const { return useItem_; }
    void UseItem(bool value) { useItem_ = value; }
    std::int32_t BattleTime() const { return battleTime_; }
    void BattleTime(std::int32_t value) { battleTime_ = value; }
    bool VisiblePhysical() const { return visiblePhysical_; }
    void VisiblePhysical(bool value) { visiblePhysical_ = value; }
    bool VisibleEnergy() const { return visibleEnergy_; }
    void VisibleEnergy(bool value) { visibleEnergy_ = value; }
    bool VisibleCT() const { return visibleCT_; }
    void VisibleCT(bool value) { visibleCT_ = value; }
    bool VisibleSkills() const { return visibleSkills_; }
    void VisibleSkills(bool value) { visibleSkills_ = value; }
    // Read by no rule.
    bool Condition() const { return condition_; }
    void Condition(bool value) { condition_ = value; }
    bool Succession() const { return succession_; }
    void Succession(bool value) { succession_ = value; }

  private:
    std::string gameName_;
    bool useItem_ = false;
    std::int32_t battleTime_ = 0;
    bool visiblePhysical_ = false;
    bool visibleEnergy_ = false;
    bool visibleCT_ = false;
    bool visibleSkills_ = false;
    bool condition_ = false;
    bool succession_ = false;
};
