#include "platform/graphics/cls_color.h"

#include <gtest/gtest.h>

namespace {

std::int32_t rgb(int r, int g, int b) {
    return r + g * 256 + b * 65536;
}

} // namespace

TEST(clsColor, AnswersTheNumberedColoursAndBlackOrNothingOutsideTheTable) {
    const clsColor colours;
    EXPECT_EQ(colours.ColorasLong(1), 55295);
    EXPECT_EQ(colours.ColorasLong(4), 0);
    EXPECT_EQ(colours.ColorasLong(118), 13353215);
    EXPECT_EQ(colours.ColorasLong(0), 0);
    EXPECT_EQ(colours.ColorasLong(148), 0);
    EXPECT_EQ(colours.ColorasLong(-1), 0);
    EXPECT_EQ(colours.GetColorName(148), "");
    EXPECT_EQ(colours.GetColorName(0), "");
    EXPECT_EQ(colours.GetColorName(138), "clrTan");
}

TEST(clsColor, NamesKeepTheirOwnSpelling) {
    const clsColor colours;
    const std::pair<std::int16_t, const char*> names[] = {
        {1, "Gold"},
        {52, "Feldsper"},
        {68, "Lovender"},
        {69, "lavenderblush"},
        {82, "lightslategray"},
        {92, "Mediummorchid"},
        {94, "Mediumsateblue"},
        {147, "Yellowgreen"},
    };
    for (const auto& [number, name] : names)
        EXPECT_EQ(colours.GetColorName(number), name) << number;
}

TEST(clsColor, ColoursThatAreNotTheirCssNamesakeHaveTheirOwnValues) {
    const clsColor colours;
    struct Row {
        std::int32_t number;
        int r, g, b;
    };
    const Row rows[] = {
        {6, 0, 255, 0},       {16, 181, 166, 66},  {22, 191, 191, 223}, {23, 191, 0, 223},
        {25, 191, 239, 223},  {26, 96, 144, 239},  {31, 218, 11, 0},    {36, 189, 183, 107},
        {46, 0, 205, 209},    {52, 254, 208, 224}, {68, 230, 230, 245}, {85, 0, 128, 0},
        {92, 186, 85, 211},   {94, 14, 0, 176},    {122, 12, 176, 224}, {124, 65, 89, 225},
        {138, 210, 180, 140},
    };
    for (const Row& row : rows)
        EXPECT_EQ(colours.ColorasLong(row.number), rgb(row.r, row.g, row.b)) << row.number;
}

TEST(clsColor, OtherColoursTakeTheirCssValues) {
    const clsColor colours;
    struct Row {
        std::int32_t number;
        int r, g, b;
    };
    // A spread over the table, including the names where CSS and X11 differ.
    const Row rows[] = {
        {2, 255, 0, 0},      {3, 255, 255, 255},  {5, 0, 0, 255},      {9, 0, 255, 255},
        {28, 220, 20, 60},   {34, 169, 169, 169}, {60, 128, 128, 128}, {77, 211, 211, 211},
        {89, 128, 0, 0},     {108, 255, 165, 0},  {121, 128, 0, 128},  {128, 46, 139, 87},
        {133, 106, 90, 205}, {146, 255, 255, 0},  {147, 154, 205, 50},
    };
    for (const Row& row : rows)
        EXPECT_EQ(colours.ColorasLong(row.number), rgb(row.r, row.g, row.b)) << row.number;
}
