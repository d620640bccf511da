#include "devtools/cls_class_item.h"

#include "devtools/unit_price.h"
#include "economy/item_codes.h"
#include "host/runtime/rounding.h"
#include "platform/rules/cls_method.h"

std::int32_t clsClassItem::CalcPrice() const {
    return wornUnitPrice(Price_, Damage_);
}

void clsClassItem::SetData(const std::string& ItemName, std::int32_t Category, std::int32_t Effect1,
                           std::int32_t Effect2, std::int16_t Broken, std::int32_t Price,
                           const std::string& Tips) {
    const std::int16_t injury = host::runtime::CInt(static_cast<double>(Effect1));
    ItemName_ = ItemName;
    ItemType_ = Category;
    Injury_ = injury;
    ItemMethod_ = Method().RangeBITWORD(Effect2, lesson_item::kMethodLow, lesson_item::kMethodHigh);
    ItemData_ = Method().RangeBITWORD(Effect2, lesson_item::kValueLow, lesson_item::kValueHigh);
    Broken_ = Broken;
    Price_ = Price;
    Tips_ = Tips;
}

void clsClassItem::SetItemDetail(std::int32_t ID, std::int16_t Damage) {
    ID_ = ID;
    Damage_ = Damage;
}

std::int16_t clsClassItem::CalcEffect(std::int16_t value) const {
    switch (ItemMethod_) {
    case lesson_item::kFlat:
        return host::runtime::CInt(static_cast<double>(value) + ItemData_);
    case lesson_item::kPercent:
        return host::runtime::CInt(ItemData_ / 100.0 * value);
    default:
        return value;
    }
}
