#pragma once

#include <cstdint>
#include <string_view>

// The rules of one tournament at one school rank (a section-29 row).
class clsRegulation {
  public:
    // "rank,period,battle time,use item,visible status,visible skill,recover".
    // A short row or a column that does not convert raises the runtime's
    // error and changes nothing.
    void SetData(std::string_view row);
    std::int16_t Rank() const { return rank_; }
    // 1 June, 2 October, 3 March.
    std::int16_t Priod() const { return priod_; }
    // 1 short, 2 normal, 3 long, 4 endless.
    std::int32_t BattleTime() const { return battleTime_; }
    // A team may carry a battle item.
    bool UseItem() const { return useItem_; }
    // The opponent's physical and energy are shown.
    bool VisibleStatus() const { return visibleStatus_; }
    // The opponent's charge and skills are shown.
    bool VisibleSkill() const { return visibleSkill_; }
    // Percent of physical a team recovers between matches.
    std::int16_t Recover() const { return recover_; }

  private:
    std::int16_t rank_ = 0;
    std::int16_t priod_ = 0;
    std::int32_t battleTime_ = 0;
    bool useItem_ = false;
    bool visibleStatus_ = false;
    bool visibleSkill_ = false;
    std::int16_t recover_ = 0;
};
