#include "grids/list_grid/grid_settings.h"

#include <array>
#include <utility>

GridSettings GridSettings::readDefaults() {
    GridSettings stored;
    stored.GraphicColor = 6;
    return stored;
}

std::optional<GridSettings> storedGridSettings(std::string_view gridName) {
    // The share of the picture behind each grid that shows through it.
    constexpr std::array<std::pair<std::string_view, std::int16_t>, 6> kSemiTransAP{{
        {"GGSetting", 40},
        {"GGUnit", 40},
        {"GGSchool", 40},
        {"GGShop", 40},
        {"GGClass", 75},
        {"GGMSG", 100},
    }};
    for (const auto& [name, ap] : kSemiTransAP) {
        if (name != gridName) continue;
        GridSettings stored;
        stored.Font = {.name = "ＭＳ Ｐゴシック", .size = 9, .bold = false};
        stored.FontSize = 12;
        stored.HeaderFontSize = 12;
        stored.RowHeight = 20;
        stored.SemiTransAP = ap;
        stored.MultiSelect = false;
        stored.FrameWidth = 1;
        stored.HeaderVisible = true;
        stored.SemiTransColor = 4;
        stored.FrameForeColor = 3;
        stored.FrameBackColor = 4;
        stored.FontColor = 1;
        stored.HeaderFontColor = 3;
        stored.ScrollBarColor = 3;
        stored.ScrollFrameColor = 1;
        stored.GraphicColor = 128;
        stored.MaskColor = 118;
        stored.ScrollChenge = 1;
        stored.ScrollWidth = 20;
        stored.ScrollingType = 0;
        stored.ScrollFrameWidth = 1;
        stored.GraphicalAP = 50;
        stored.Effect = true;
        stored.SortFLG = true;
        return stored;
    }
    return std::nullopt;
}
