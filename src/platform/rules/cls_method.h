#pragma once

#include "host/runtime/global.h"

#include <cstdint>
#include <memory>

// Bit sets and bit fields on a 32-bit word. Bits are numbered 1 to 31 (bit k
// has the value 2^(k-1)); bit 32, the sign bit, is never set. Out-of-range
// bit numbers give 0 (or False), never an error.
class clsMethod {
  public:
    bool BitCheck(std::int32_t lngData, std::int16_t CheckBit) const;
    std::int32_t BitOn(std::int32_t lngData, std::int16_t CheckBit) const;
    // Also clears bit 32.
    std::int32_t BitOff(std::int32_t lngData, std::int16_t CheckBit) const;
    // lngVal \ 2^(32 - HIBIT)
    std::int32_t HIBITWORD(std::int32_t lngVal, std::int16_t HIBIT) const;
    // lngVal Mod 2^LOBIT
    std::int32_t LOBITWORD(std::int32_t lngVal, std::int16_t LOBIT) const;
    // Bits Low..High of lngVal as a number.
    std::int32_t RangeBITWORD(std::int32_t lngVal, std::int16_t Low, std::int16_t High) const;
    // lngVal with bits Low..High replaced by Value; 0 when Value does not fit the field.
    std::int32_t SetRangeBITWORD(std::int32_t lngVal, std::int16_t Low, std::int16_t High,
                                 std::int32_t Value) const;
    std::int32_t HIWORD(std::int32_t lngVal) const;
    std::int32_t LOWORD(std::int32_t lngVal) const;
};

// The shared instance. It holds no state, so it is always there.
inline constinit host::runtime::Global<clsMethod> gMethod{
    "gMethod", []() -> std::unique_ptr<clsMethod> { return std::make_unique<clsMethod>(); }};
inline clsMethod& Method() {
    return gMethod.get();
}
