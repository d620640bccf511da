#pragma once

#include <cstdint>

// The price of a unit of a lesson or building item record after its wear:
// 1 % off per 100 points of wear, never below 0.
std::int32_t wornUnitPrice(std::int32_t price, std::int16_t damage);
