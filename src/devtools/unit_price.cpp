#include "devtools/unit_price.h"

#include "platform/rules/mdl_zrd_func.h"

#include <algorithm>

std::int32_t wornUnitPrice(std::int32_t price, std::int16_t damage) {
    // Past 10000 points of wear the whole price is gone.
    constexpr std::int16_t kWornOut = 10000;
    return mdlZRDFunc::CalcDiscount(price, std::min(damage, kWornOut));
}
