#pragma once

#include <cstdint>
#include <string>

// One scout of the master list: which families the scout reaches and the age
// class, growth class, ability grade and number of the students brought.
class clsScoutData {
  public:
    // The yearly fee.
    std::int32_t Salary() const;

    const std::string& Name() const { return name_; }
    void Name(std::string value) { name_ = std::move(value); }
    // Family class: 1 田舎, 2 中流, 3 高貴.
    std::int32_t Occupation() const { return occupation_; }
    void Occupation(std::int32_t value) { occupation_ = value; }
    // Age class: 1 低, 2 中, 3 高.
    std::int32_t Age() const { return age_; }
    void Age(std::int32_t value) { age_ = value; }
    // Growth class: 1 早熟, 2 普通, 3 晩成, 4 特殊.
    std::int32_t Growth() const { return growth_; }
    void Growth(std::int32_t value) { growth_ = value; }
    std::int16_t Ability() const { return ability_; }
    void Ability(std::int16_t value) { ability_ = value; }
    // Contract length in years.
    std::int16_t Period() const { return period_; }
    void Period(std::int16_t value) { period_ = value; }
    std::int16_t Number() const { return number_; }
    void Number(std::int16_t value) { number_ = value; }

  private:
    std::string name_;
    std::int32_t occupation_ = 0;
    std::int32_t age_ = 0;
    std::int32_t growth_ = 0;
    std::int16_t ability_ = 0;
    std::int16_t period_ = 0;
    std::int16_t number_ = 0;
};
