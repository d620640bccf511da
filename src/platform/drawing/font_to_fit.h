#pragma once

#include "host/gdi/font.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The font CreateFontHandle makes from the points, weight and face, or, when
// the text is wider than `width` pixels on one line, the same face and weight
// at the largest smaller cell height at which it fits, but no smaller than
// kSmallestFitHeight pixels.
std::shared_ptr<const host::gdi::Font> CreateFontHandleToFit(std::int32_t points, bool bold,
                                                             const std::string& face, std::string_view text,
                                                             int width);

// The smallest cell height a text is shrunk to.
constexpr int kSmallestFitHeight = 10;

// The width of the text on one line in the font ("&" as DrawText shows it).
int singleLineWidth(const host::gdi::Font& font, std::string_view text);
