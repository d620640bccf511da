#pragma once

#include "host/gdi/device_context.h"

#include <cstdint>

namespace host::gdi {

// How a block transfer combines source S and destination D.
enum RasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,    // S
    SRCPAINT = 0x00EE0086,   // D | S
    SRCAND = 0x008800C6,     // D & S
    SRCINVERT = 0x00660046,  // D ^ S
    NOTSRCCOPY = 0x00330008, // ~S
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// Source pixels change form on the way between colour and monochrome:
// into a monochrome bitmap, pixels equal to the source context's background
// colour become white (1) and all others black (0); out of a monochrome
// bitmap, white becomes the destination context's background colour and
// black its text colour.

// Copies w x h pixels from (sx, sy) of src to (x, y) of dst, clipped to both
// bitmaps. False for an unknown operation.
bool BitBlt(DeviceContext& dst, int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
            RasterOp op);

// Stretches sw x sh pixels of src at (sx, sy) onto w x h pixels of dst at
// (x, y), each destination pixel taking the nearest source pixel. Extents
// must be positive; destination pixels whose source lies outside src are
// left alone. False for an unknown operation or an extent below 1.
bool StretchBlt(DeviceContext& dst, int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
                int sw, int sh, RasterOp op);

// Paints w x h pixels at (x, y) white (WHITENESS) or black (BLACKNESS).
// False for any other operation.
bool PatBlt(DeviceContext& dst, int x, int y, int w, int h, RasterOp op);

} // namespace host::gdi
