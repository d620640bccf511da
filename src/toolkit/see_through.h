#pragma once

#include "platform/graphics/cls_color.h"

#include "host/gdi/color.h"

#include <cstdint>

namespace toolkit {

// Whether a pointer at (x, y) lies outside a surface of width x height; the
// right and bottom edges count as inside.
bool pointerOutside(int x, int y, int width, int height);

// The RGB value of a colour number; black outside the table.
host::gdi::COLORREF rgbOf(const clsColor& colours, std::int32_t number);

} // namespace toolkit
