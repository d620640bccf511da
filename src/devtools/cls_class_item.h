#pragma once

#include <cstdint>
#include <string>

// One unit of a lesson item, decoded from an item row: the injury risk, the
// effect (method 1 a percentage, 2 points added) and the unit's ID and wear.
class clsClassItem {
  public:
    // The unit's price after its wear.
    std::int32_t CalcPrice() const;
    // Effect1 beyond 16 bits raises the overflow error and changes nothing.
    void SetData(const std::string& ItemName, std::int32_t Category, std::int32_t Effect1,
                 std::int32_t Effect2, std::int16_t Broken, std::int32_t Price, const std::string& Tips);
    void SetItemDetail(std::int32_t ID, std::int16_t Damage);
    // The value with the item applied; a result beyond 16 bits raises the overflow error.
    std::int16_t CalcEffect(std::int16_t value) const;

    const std::string& ItemName() const { return ItemName_; }
    std::int32_t ItemType() const { return ItemType_; }
    std::int16_t Injury() const { return Injury_; }
    std::int32_t ItemMethod() const { return ItemMethod_; }
    std::int32_t ItemData() const { return ItemData_; }
    std::int32_t Price() const { return Price_; }
    std::int16_t Broken() const { return Broken_; }
    std::int32_t ID() const { return ID_; }
    std::int16_t Damage() const { return Damage_; }
    const std::string& Tips() const { return Tips_; }

  private:
    std::string ItemName_;
    std::int32_t ItemType_ = 0;
    std::int16_t Injury_ = 0;
    std::int32_t ItemMethod_ = 0;
    std::int32_t ItemData_ = 0;
    std::int32_t Price_ = 0;
    std::int16_t Broken_ = 0;
    std::int16_t Damage_ = 0;
    std::int32_t ID_ = 0;
    std::string Tips_;
};
