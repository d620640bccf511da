#pragma once

#include "platform/graphics/cls_color.h"

#include "host/gdi/color.h"
#include "host/gdi/device_context.h"

#include <cstdint>

namespace toolkit {

// Whether a pointer at (x, y) lies outside a surface of width x height; the
// right and bottom edges count as inside.
bool pointerOutside(int x, int y, int width, int height);

// The RGB value of a colour number; black outside the table.
host::gdi::COLORREF rgbOf(const clsColor& colours, std::int32_t number);

// Draws w x h pixels of a picture with its mask at (x, y), both taken from
// their top-left corners: the mask with SRCAND, then the picture with
// SRCPAINT, so the mask's white parts keep what lies under them.
void drawMasked(host::gdi::DeviceContext& dc, int x, int y, int w, int h,
                const host::gdi::DeviceContext& mask, const host::gdi::DeviceContext& picture);

} // namespace toolkit
