#pragma once

#include "battle/combat/cls_unit.h"

#include <string>

// The winner of a battle in which both gave up.
inline constexpr const char* kDrawResult = "draw";

// The end of a battle: both gave up, one gave up, or the time ran out and the
// one with more physical strength left wins (the left side on a tie).
struct BattleJudgement {
    // "相打ち", "<name>の勝ち" or "判定で<name>の勝ち".
    std::string result;
    // The winner's name, or kDrawResult when both gave up.
    std::string winner;
};

BattleJudgement judgeBattle(const clsUnit& left, const clsUnit& right);
