#include "battle/combat/battle_judgement.h"

BattleJudgement judgeBattle(const clsUnit& left, const clsUnit& right) {
    const bool leftGaveUp = left.GetGiveUp();
    const bool rightGaveUp = right.GetGiveUp();
    if (leftGaveUp && rightGaveUp) return {"相打ち", kDrawResult};
    if (leftGaveUp || rightGaveUp) {
        const std::string winner = (leftGaveUp ? right : left).GetUnitName();
        return {winner + "の勝ち", winner};
    }
    const std::string winner = (left.GetPhysical() < right.GetPhysical() ? right : left).GetUnitName();
    return {"判定で" + winner + "の勝ち", winner};
}
