#pragma once

#include "host/gdi/color.h"
#include "host/gdi/device_context.h"

#include <cstdint>

// A frame of the given pen width and colour along the four edges of the
// picture box; the box's pen is put back afterwards.
void DrawPictureFrame(host::gdi::Drawable& pic, host::gdi::COLORREF color, std::int16_t width);

// One line from (x1, y1) to (x2, y2) with the context's current pen.
void DrawSegment(host::gdi::DeviceContext& hDC, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                 std::int32_t y2);
