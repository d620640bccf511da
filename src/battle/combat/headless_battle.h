#pragma once

#include "battle/combat/cls_battle_regulation.h"
#include "battle/combat/cls_unit.h"
#include "battle/combat/cls_use_skill.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One battle between two combatants without a screen or waits: the tick loop
// up to the rule set's time limit, each side's attack sequence with the
// computer's reservations, counters and delayed strikes, and the judgement.
// The combatants are prepared by the caller (set up, UnitInit) and given
// different names; the draws come from the installed services.
class HeadlessBattle {
  public:
    explicit HeadlessBattle(const clsBattleRegulation& rules) : rules_(rules) {}

    // Fights left against right until one gives up or the time runs out.
    void run(clsUnit& left, clsUnit& right);

    // The winner's name, or "draw" when both gave up in the same tick.
    const std::string& resultUnit() const { return resultUnit_; }
    // "相打ち", "<name>の勝ち", or "判定で<name>の勝ち" after a time out.
    const std::string& result() const { return result_; }
    // Every message of the battle, in order.
    const std::vector<std::string>& log() const { return log_; }
    // Ticks the battle lasted.
    std::int32_t ticks() const { return ticks_; }

  private:
    struct Side {
        clsUnit* unit = nullptr;
        clsUseSkill reservation;
    };

    void runAttack(int attacker);
    void judge();

    const clsBattleRegulation& rules_;
    std::array<Side, 2> sides_;
    std::string resultUnit_;
    std::string result_;
    std::vector<std::string> log_;
    std::int32_t ticks_ = 0;
};
