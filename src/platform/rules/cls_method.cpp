#include "platform/rules/cls_method.h"

namespace {

constexpr std::int64_t kLow31 = 0x7FFFFFFF;

bool validBit(std::int16_t bit) {
    return bit >= 1 && bit <= 31;
}

std::int64_t power(int exponent) {
    return std::int64_t{1} << exponent;
}

bool validField(std::int16_t Low, std::int16_t High) {
    return Low >= 1 && High <= 31 && High >= Low;
}

} // namespace

bool clsMethod::BitCheck(std::int32_t lngData, std::int16_t CheckBit) const {
    return validBit(CheckBit) && (lngData & power(CheckBit - 1)) != 0;
}

std::int32_t clsMethod::BitOn(std::int32_t lngData, std::int16_t CheckBit) const {
    if (!validBit(CheckBit)) return 0;
    return static_cast<std::int32_t>(lngData | power(CheckBit - 1));
}

std::int32_t clsMethod::BitOff(std::int32_t lngData, std::int16_t CheckBit) const {
    if (!validBit(CheckBit)) return 0;
    return static_cast<std::int32_t>(lngData & (power(CheckBit - 1) ^ kLow31));
}

std::int32_t clsMethod::HIBITWORD(std::int32_t lngVal, std::int16_t HIBIT) const {
    if (!validBit(HIBIT)) return 0;
    return static_cast<std::int32_t>(lngVal / power(32 - HIBIT));
}

std::int32_t clsMethod::LOBITWORD(std::int32_t lngVal, std::int16_t LOBIT) const {
    if (!validBit(LOBIT)) return 0;
    return static_cast<std::int32_t>(lngVal % power(LOBIT));
}

std::int32_t clsMethod::RangeBITWORD(std::int32_t lngVal, std::int16_t Low, std::int16_t High) const {
    if (!validField(Low, High)) return 0;
    return static_cast<std::int32_t>((lngVal % power(High)) / power(Low - 1));
}

std::int32_t clsMethod::SetRangeBITWORD(std::int32_t lngVal, std::int16_t Low, std::int16_t High,
                                        std::int32_t Value) const {
    if (!validField(Low, High)) return 0;
    if (Value < 0 || Value > power(High - Low + 1) - 1) return 0;
    std::int32_t word = lngVal;
    for (std::int16_t bit = Low; bit <= High; ++bit)
        word = BitOff(word, bit);
    return static_cast<std::int32_t>(word | (Value * power(Low - 1)));
}

std::int32_t clsMethod::HIWORD(std::int32_t lngVal) const {
    return lngVal / 65536;
}

std::int32_t clsMethod::LOWORD(std::int32_t lngVal) const {
    return lngVal % 65536;
}
