#pragma once

#include "host/gdi/color.h"
#include "host/gdi/device_context.h"

#include <array>
#include <cstdint>

// The colour as pixel bytes: blue, green, red, 0.
std::array<std::uint8_t, 4> ColorToBytes(host::gdi::COLORREF color);

// Washes the bitmap of hDC toward color, keeping AP percent of each pixel:
// every red, green and blue value c becomes Int((1 - AP/100) * k + AP/100 * c)
// with k the colour's value; the fourth byte is kept. AP outside 0..100
// changes nothing.
void Translucent2(host::gdi::DeviceContext& hDC, host::gdi::COLORREF color, std::int16_t AP);
