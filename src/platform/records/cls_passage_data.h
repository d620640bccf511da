#pragma once

#include <cstdint>
#include <string>

// Name, age, contract period (years) and dissatisfaction of a teacher or scout.
class clsPassageData {
  public:
    const std::string& Name() const { return name_; }
    void Name(std::string pData) { name_ = std::move(pData); }
    std::int16_t Age() const { return age_; }
    void Age(std::int16_t pData) { age_ = pData; }
    std::int16_t Period() const { return period_; }
    void Period(std::int16_t pData) { period_ = pData; }
    std::int16_t Dissatisfaction() const { return dissatisfaction_; }
    void Dissatisfaction(std::int16_t pData) { dissatisfaction_ = pData; }

  private:
    std::string name_;
    std::int16_t age_ = 0;
    std::int16_t period_ = 0;
    std::int16_t dissatisfaction_ = 0;
};
