#include "school/system/cls_system.h"

#include "host/runtime/saturate.h"
#include "school/permits/permit_codes.h"

#include <algorithm>

using host::runtime::saturate16;
using host::runtime::saturate32;

namespace {

constexpr std::int64_t kMoneyCap = 99'999'999;
constexpr std::int64_t kKingdomPointCap = 99'999;

std::int16_t battlePointsFor(std::int16_t place, bool senior) {
    switch (place) {
    case 1:
        return senior ? 20 : 10;
    case 2:
        return senior ? 10 : 3;
    case 3:
        return senior ? 5 : 0;
    default:
        return 0;
    }
}

} // namespace

bool clsSystem::AddMoney(std::int32_t lngMoney) {
    Money = saturate32(std::min(std::int64_t{Money} + lngMoney, kMoneyCap));
    return true;
}

bool clsSystem::SubMoney(std::int32_t lngMoney) {
    Money = saturate32(std::max(std::int64_t{Money} - lngMoney, std::int64_t{0}));
    return true;
}

bool clsSystem::AddKingdomPoint(std::int32_t lngPoint) {
    KingdomPoint = saturate32(std::min(std::int64_t{KingdomPoint} + lngPoint, kKingdomPointCap));
    return true;
}

bool clsSystem::SubKingdomPoint(std::int32_t lngPoint) {
    KingdomPoint = saturate32(std::max(std::int64_t{KingdomPoint} - lngPoint, std::int64_t{0}));
    return true;
}

void clsSystem::AddBattlePoint(std::int16_t Count) {
    bool senior = cSchoolPermit.GetRank() >= school_rank::kD; // the larger battle points
    BattlePoint = saturate16(std::int64_t{BattlePoint} + battlePointsFor(Count, senior));
}
