#pragma once

#include <cstdint>
#include <string>

// One unit of a building item, from an item row: the building it serves,
// its effect word and the unit's ID and wear.
class clsConstructItem {
  public:
    // The unit's price after its wear.
    std::int32_t CalcPrice() const;
    void SetData(const std::string& ItemName, std::int32_t Category, std::int32_t Effect1,
                 std::int32_t Effect2, std::int16_t Broken, std::int32_t Price, const std::string& Tips);
    void SetItemDetail(std::int32_t ID, std::int16_t Damage);

    const std::string& ItemName() const { return ItemName_; }
    std::int32_t ItemType() const { return ItemType_; }
    std::int32_t TargetEffect() const { return TargetEffect_; }
    std::int32_t EffectData() const { return EffectData_; }
    std::int16_t Broken() const { return Broken_; }
    std::int32_t Price() const { return Price_; }
    std::int32_t ID() const { return ID_; }
    std::int16_t Damage() const { return Damage_; }
    const std::string& Tips() const { return Tips_; }

  private:
    std::string ItemName_;
    std::int32_t ItemType_ = 0;
    std::int32_t TargetEffect_ = 0;
    std::int32_t EffectData_ = 0;
    std::int16_t Broken_ = 0;
    std::int32_t Price_ = 0;
    std::int32_t ID_ = 0;
    std::int16_t Damage_ = 0;
    std::string Tips_;
};
