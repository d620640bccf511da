#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A monster that quests fight (a section-23 row), with the academy's count of
// its defeats.
class clsMonster {
  public:
    // One more defeat; the count stays at 999 once it gets there.
    void Win();
    // Full-width; also the name of its picture and of the combatant.
    const std::string& MonsterName() const { return monsterName_; }
    // "攻撃", "防御" or "奇襲".
    const std::string& LineType() const { return lineType_; }
    // Stored; no rule reads it.
    const std::string& SubType() const { return subType_; }
    std::int16_t Physical() const { return physical_; }
    std::int16_t Offense() const { return offense_; }
    std::int16_t Defense() const { return defense_; }
    std::int16_t Speed() const { return speed_; }
    float Energy() const { return energy_; }
    // The ordinary and the rare item it may drop.
    const std::string& Item() const { return item_; }
    const std::string& RheaItem() const { return rheaItem_; }
    std::int16_t Understanding() const { return understanding_; }
    // Drawing scale of its picture in tenths (10 = natural size).
    std::int16_t ImageSize() const { return imageSize_; }
    // Its number in the bestiary.
    std::int16_t Numbering() const { return numbering_; }
    std::int16_t Count() const { return count_; }
    // Stores any count, also one above 999 (a restored save).
    void Count(std::int16_t value) { count_ = value; }
    // The 13 columns of a section-23 row; the texts are widened. A short row
    // or a column that does not convert raises the runtime's error and
    // changes nothing.
    void SetData(std::string_view row);

  private:
    std::string monsterName_;
    std::string lineType_;
    std::string subType_;
    std::int16_t physical_ = 0;
    std::int16_t offense_ = 0;
    std::int16_t defense_ = 0;
    std::int16_t speed_ = 0;
    float energy_ = 0;
    std::string item_;
    std::string rheaItem_;
    std::int16_t understanding_ = 0;
    std::int16_t imageSize_ = 0;
    std::int16_t numbering_ = 0;
    std::int16_t count_ = 0;
};
