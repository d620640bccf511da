#pragma once

#include <array>
#include <string_view>

// The ability names, index = ability number - 1: the captions of the
// ability gauges of every screen.
inline constexpr std::array<std::string_view, 17> gAbilityNames = {
    "体力", "筋力", "敏捷", "技術", "意思", "頑丈",     "魅力",     "運",       "礼儀",
    "歴史", "剣術", "槍術", "弓術", "馬術", "攻撃陣形", "防御陣形", "奇襲陣形",
};
