#pragma once

#include <cstdint>
#include <string>

// One formation (a section-6 row); filled by the catalogue's loader.
class clsLine {
  public:
    // Kept as the master data gives it (half-width); the catalogue folds it.
    const std::string& Name() const { return name_; }
    void Name(std::string value) { name_ = std::move(value); }
    // "攻撃", "防御" or "奇襲".
    const std::string& LineType() const { return lineType_; }
    void LineType(std::string value) { lineType_ = std::move(value); }
    // The formation's unit type: "剣士", "槍兵", "弓兵" or "騎兵".
    const std::string& SubType() const { return subType_; }
    void SubType(std::string value) { subType_ = std::move(value); }
    // Bonus coefficients scaled by a team's understanding; 0 gives no bonus.
    std::int16_t Physical() const { return physical_; }
    void Physical(std::int16_t value) { physical_ = value; }
    std::int16_t Offense() const { return offense_; }
    void Offense(std::int16_t value) { offense_ = value; }
    std::int16_t Defense() const { return defense_; }
    void Defense(std::int16_t value) { defense_ = value; }
    std::int16_t Speed() const { return speed_; }
    void Speed(std::int16_t value) { speed_ = value; }
    float Enegry() const { return enegry_; }
    void Enegry(float value) { enegry_ = value; }

  private:
    std::string name_;
    std::string lineType_;
    std::string subType_;
    std::int16_t physical_ = 0;
    std::int16_t offense_ = 0;
    std::int16_t defense_ = 0;
    std::int16_t speed_ = 0;
    float enegry_ = 0;
};
