#pragma once

#include <cstdint>
#include <string>

// A consumable handed to a student: Category is the medicine load it adds,
// Effect1 the bits it works on (abilities 1..17, then the three below) and
// Effect2 the amount.
class clsUseConsumeItem {
  public:
    static constexpr std::int16_t PhysicalBit = 18;
    static constexpr std::int16_t ConditionBit = 19;
    static constexpr std::int16_t DissatisfactionBit = 20;

    void SetConsumeData(std::string ItemName, std::int32_t Category, std::int32_t Effect1,
                        std::int32_t Effect2) {
        itemName_ = std::move(ItemName);
        category_ = Category;
        effect1_ = Effect1;
        effect2_ = Effect2;
    }

    const std::string& ItemName() const { return itemName_; }
    std::int32_t Category() const { return category_; }
    std::int32_t Effect1() const { return effect1_; }
    std::int32_t Effect2() const { return effect2_; }

  private:
    std::string itemName_;
    std::int32_t category_ = 0;
    std::int32_t effect1_ = 0;
    std::int32_t effect2_ = 0;
};
