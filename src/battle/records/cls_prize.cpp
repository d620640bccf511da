#include "battle/records/cls_prize.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"

#include <string>

void clsPrize::SetData(std::string_view row) {
    const auto f = host::runtime::SplitFields(row, ",", 3, "prize row \"" + std::string(row) + "\"");
    const std::int32_t rank = host::runtime::CLng(f[0]);
    const std::int16_t kingdomPoint = host::runtime::CInt(f[1]);
    const std::int32_t money = host::runtime::CLng(f[2]);
    rank_ = rank;
    kingdomPoint_ = kingdomPoint;
    money_ = money;
}
