#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One lesson of the catalogue as the master data defines it. Rows never change
// after loading.
class clsClass {
  public:
    const std::string& Name() const { return name_; }
    std::int16_t Physical() const { return physical_; }
    std::int16_t BasePoint() const { return basePoint_; }
    std::int16_t NeedPoint() const { return needPoint_; }
    // The base injury risk.
    std::int16_t Strength() const { return strength_; }
    // Bit n (1..17) trains ability n.
    std::int32_t BigEffect() const { return bigEffect_; }
    std::int32_t SmallEffect() const { return smallEffect_; }
    // The class-item category the lesson can use.
    std::int32_t UseItem() const { return useItem_; }
    bool Individual() const { return individual_; }
    const std::string& Place() const { return place_; }
    const std::string& Tips() const { return tips_; }

    // "Name,Physical,BasePoint,NeedPoint,Strength,BigEffect,SmallEffect,
    // UseItem,Individual,Place,Tips"; the texts are widened. Fewer than 11
    // fields or a field that does not convert fail with the runtime's error
    // and change nothing.
    void SetData(std::string_view row);

  private:
    std::string name_;
    std::int16_t physical_ = 0;
    std::int16_t basePoint_ = 0;
    std::int16_t needPoint_ = 0;
    std::int16_t strength_ = 0;
    std::int32_t bigEffect_ = 0;
    std::int32_t smallEffect_ = 0;
    std::int32_t useItem_ = 0;
    bool individual_ = false;
    std::string place_;
    std::string tips_;
};
