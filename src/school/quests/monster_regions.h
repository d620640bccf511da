#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The monsters a quest fight may draw: a quest whose Monster is one of the
// nine region words meets one of the monsters of that region's run of
// MonsterNames.
namespace MonsterRegions {

inline constexpr std::array<std::string_view, 29> MonsterNames = {
    "ピクシー",   "スライム",   "バックベアード", "ドリアード",   "マンドレイク",   "海賊",
    "ナーガ",     "セイレーン", "シルフ",         "ハーピー",     "アスプ",         "ゾンビ",
    "グール",     "スケルトン", "山賊",           "天狗",         "ソードモンキー", "ガーゴイル",
    "ワーウルフ", "デュラハン", "ミノタウロス",   "ケンタウロス", "サイクロプス",   "ゴーレム",
    "黒龍",       "白龍",       "緑龍",           "赤龍",         "青龍",
};

struct Region {
    std::string_view word;
    // The first and last index of the region's monsters in MonsterNames.
    std::int16_t first;
    std::int16_t last;
};

inline constexpr std::array<Region, 9> Regions = {{
    {"平原", 0, 1},
    {"森", 2, 4},
    {"海", 5, 7},
    {"雨", 8, 10},
    {"死者", 11, 13},
    {"山", 14, 16},
    {"巡礼", 17, 19},
    {"迷宮", 20, 23},
    {"ドラゴン", 24, 28},
}};

// The region of that word; nullptr when the word names no region.
constexpr const Region* findRegion(std::string_view word) {
    for (const Region& region : Regions)
        if (region.word == word) return &region;
    return nullptr;
}

} // namespace MonsterRegions
