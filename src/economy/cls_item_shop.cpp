#include "economy/cls_item_shop.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

void clsItemShop::SetData(std::string_view row) {
    const auto f = host::runtime::SplitFields(row, ",", 3, "shop row \"" + std::string(row) + "\"");
    ID_ = host::runtime::CInt(f[0]);
    ItemName_ = host::text::toWide(f[1]);
    Price_ = host::runtime::CLng(f[2]);
}
