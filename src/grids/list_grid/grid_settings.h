#pragma once

#include "host/ui/font_choice.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The stored settings of a list grid under their keys, in the order they are
// written, with the defaults of a new grid; readDefaults() gives the defaults
// of keys a stored grid lacks.
struct GridSettings {
    // Face and bold flag of both fonts; the sizes are FontSize and HeaderFontSize.
    host::ui::FontChoice Font;
    std::int16_t FontSize = 9;
    std::int16_t HeaderFontSize = 9;
    std::int16_t RowHeight = 20;
    std::int16_t SemiTransAP = 75;
    bool MultiSelect = false;
    std::int16_t FrameWidth = 1;
    bool HeaderVisible = true;
    std::int32_t SemiTransColor = 4;
    std::int32_t FrameForeColor = 3;
    std::int32_t FrameBackColor = 4;
    std::int32_t FontColor = 1;
    std::int32_t HeaderFontColor = 3;
    std::int32_t ScrollBarColor = 3;
    std::int32_t ScrollFrameColor = 1;
    std::int32_t GraphicColor = 128;
    std::int32_t MaskColor = 118;
    std::int16_t ScrollChenge = 3;
    std::int16_t ScrollWidth = 20;
    std::int32_t ScrollingType = 0;
    std::int16_t ScrollFrameWidth = 1;
    std::int16_t GraphicalAP = 50;
    bool Effect = true;
    bool SortFLG = true;

    static GridSettings readDefaults();
};

// What the main form's grids (GGSetting, GGUnit, GGClass, GGSchool, GGMSG,
// GGShop) have stored; nullopt for any other name.
std::optional<GridSettings> storedGridSettings(std::string_view gridName);
