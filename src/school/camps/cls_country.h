#pragma once

#include <cstdint>
#include <string>

// One training-camp destination: its fee, the lowest school rank it is
// offered at, and what a camp day there trains.
class clsCountry {
  public:
    const std::string& Name() const { return name_; }
    void Name(std::string value) { name_ = std::move(value); }
    // Lowest school rank 0..7 at which the destination is listed.
    std::int16_t Rank() const { return rank_; }
    void Rank(std::int16_t value) { rank_ = value; }
    // The fee before the camp discount.
    std::int32_t Money() const { return money_; }
    void Money(std::int32_t value) { money_ = value; }
    // Base training amount of a camp day.
    std::int16_t Base() const { return base_; }
    void Base(std::int16_t value) { base_ = value; }
    // Bit n (1..17): ability n is trained as a main ability.
    std::int32_t BigEffect() const { return bigEffect_; }
    void BigEffect(std::int32_t value) { bigEffect_ = value; }
    // Bit n (1..17): ability n is trained as a side ability.
    std::int32_t SmallEffect() const { return smallEffect_; }
    void SmallEffect(std::int32_t value) { smallEffect_ = value; }
    const std::string& Tips() const { return tips_; }
    void Tips(std::string value) { tips_ = std::move(value); }

  private:
    std::string name_;
    std::int16_t rank_ = 0;
    std::int32_t money_ = 0;
    std::int16_t base_ = 0;
    std::int32_t bigEffect_ = 0;
    std::int32_t smallEffect_ = 0;
    std::string tips_;
};
