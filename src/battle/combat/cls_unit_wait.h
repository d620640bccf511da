#pragma once

#include "battle/battle_codes.h"

#include <cstdint>
#include <string>

// The stance or delayed action a combatant's last skill left pending.
class clsUnitWait {
  public:
    const std::string& SkillName() const { return skillName_; }
    void SkillName(std::string value) { skillName_ = std::move(value); }
    // The skill's status bits; stored, read by no rule.
    std::int32_t Effect() const { return effect_; }
    void Effect(std::int32_t value) { effect_ = value; }
    // For a delayed action: the charge at which it fires.
    std::int16_t Count() const { return count_; }
    void Count(std::int16_t value) { count_ = value; }
    // wait_status.
    std::int32_t WaitStatus() const { return waitStatus_; }
    void WaitStatus(std::int32_t value) { waitStatus_ = value; }

  private:
    std::string skillName_;
    std::int32_t effect_ = 0;
    std::int16_t count_ = 0;
    std::int32_t waitStatus_ = wait_status::kIdle;
};
