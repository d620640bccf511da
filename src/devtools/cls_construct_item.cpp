#include "devtools/cls_construct_item.h"

#include "devtools/unit_price.h"

std::int32_t clsConstructItem::CalcPrice() const {
    return wornUnitPrice(Price_, Damage_);
}

void clsConstructItem::SetData(const std::string& ItemName, std::int32_t Category, std::int32_t Effect1,
                               std::int32_t Effect2, std::int16_t Broken, std::int32_t Price,
                               const std::string& Tips) {
    ItemName_ = ItemName;
    ItemType_ = Category;
    TargetEffect_ = Effect1;
    EffectData_ = Effect2;
    Broken_ = Broken;
    Price_ = Price;
    Tips_ = Tips;
}

void clsConstructItem::SetItemDetail(std::int32_t ID, std::int16_t Damage) {
    ID_ = ID;
    Damage_ = Damage;
}
