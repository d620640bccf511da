#pragma once

#include "tools/assets/pictures/effect_kit.h"

#include <string_view>

// One painter per attack animation, drawing one frame. Directed attacks are
// drawn for an attacker on the left, moving right.
namespace tools::pictures {

using EffectPainter = void (*)(EffectFrame&);

// Blows, cuts, thrusts and charges; null for another name.
EffectPainter StrikePainter(std::string_view name);
// Breath, liquids, weather, spirit and voice; null for another name.
EffectPainter ElementPainter(std::string_view name);

} // namespace tools::pictures
