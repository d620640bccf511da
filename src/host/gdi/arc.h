#pragma once

#include "host/gdi/device_context.h"

namespace host::gdi {

// Draws with the selected pen the part of the outline of the ellipse inside
// the box (left, top)-(right, bottom) (right and bottom edges outside) that
// runs counter-clockwise from the ray through (xStart, yStart) to the ray
// through (xEnd, yEnd), both from the box's centre. Equal rays draw the
// whole ellipse. A pen wider than 1 is centred on the outline; width 0
// draws nothing.
void Arc(DeviceContext& dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd);

} // namespace host::gdi
