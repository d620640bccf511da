#include "school/system/cls_sponsor_condition.h"

#include "host/runtime/saturate.h"

using host::runtime::saturate16;

std::int16_t clsSponsorCondition::GetOccupationNumber(std::int16_t number) const {
    switch (number) {
    case 1:
        return lineLeader_;
    case 2:
        return knight_;
    case 4:
        return soldier_;
    case 6:
        return gambler_;
    case 7:
        return ninja_;
    case 8:
        return merchant_;
    case 9:
        return traverer_;
    case 10:
        return adventurer_;
    case 11:
        return engineer_;
    case 13:
        return scholar_;
    case 14:
        return hunter_;
    default:
        return 0;
    }
}

void clsSponsorCondition::Ninja(std::int32_t value) {
    ninja_ = saturate16(std::int64_t{value});
}
void clsSponsorCondition::Knight(std::int32_t value) {
    knight_ = saturate16(std::int64_t{value});
}
void clsSponsorCondition::LineLeader(std::int32_t value) {
    lineLeader_ = saturate16(std::int64_t{value});
}
void clsSponsorCondition::Merchant(std::int32_t value) {
    merchant_ = saturate16(std::int64_t{value});
}
void clsSponsorCondition::Adventurer(std::int32_t value) {
    adventurer_ = saturate16(std::int64_t{value});
}
void clsSponsorCondition::Traverer(std::int32_t value) {
    traverer_ = saturate16(std::int64_t{value});
}
void clsSponsorCondition::Engineer(std::int32_t value) {
    engineer_ = saturate16(std::int64_t{value});
}
void clsSponsorCondition::Soldier(std::int32_t value) {
    soldier_ = saturate16(std::int64_t{value});
}
void clsSponsorCondition::Gambler(std::int32_t value) {
    gambler_ = saturate16(std::int64_t{value});
}
