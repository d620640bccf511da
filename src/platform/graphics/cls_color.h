#pragma once

#include <cstdint>
#include <string>

// The numbered colours (1 to 147) that controls keep in their settings, with
// their names and RGB values (red + green * 256 + blue * 65536).
class clsColor {
  public:
    // "" for a number outside 1..147.
    std::string GetColorName(std::int16_t pCN) const;
    // Black (0) for a number outside 1..147.
    std::int32_t ColorasLong(std::int32_t pCN) const;
};
