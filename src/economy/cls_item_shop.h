#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One row of the item shop: the bit of the shop word that opens it, the item
// and its purchase price.
class clsItemShop {
  public:
    std::int16_t ID() const { return ID_; }
    const std::string& ItemName() const { return ItemName_; }
    std::int32_t Price() const { return Price_; }
    // ID, ItemName (widened), Price; a short row or a bad number raises the runtime's error.
    void SetData(std::string_view row);

  private:
    std::int16_t ID_ = 0;
    std::string ItemName_;
    std::int32_t Price_ = 0;
};
