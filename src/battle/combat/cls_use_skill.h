#pragma once

#include <cstdint>
#include <string>

// A side's reservation: the skill its combatant uses at its next action.
class clsUseSkill {
  public:
    // The skill button that shows the skill, 0 to 5.
    std::int16_t Index() const { return index_; }
    void Index(std::int16_t value) { index_ = value; }
    // The reserved skill; empty for the basic attack.
    const std::string& UseSkill() const { return useSkill_; }
    void UseSkill(std::string value) { useSkill_ = std::move(value); }
    // The combatant the reservation belongs to.
    const std::string& UnitName() const { return unitName_; }
    void UnitName(std::string value) { unitName_ = std::move(value); }

  private:
    std::int16_t index_ = 0;
    std::string useSkill_;
    std::string unitName_;
};
