#pragma once

#include "host/gdi/device_context.h"

namespace host::gdi {

// Moves the current position and answers the previous one.
Point MoveToEx(DeviceContext& dc, int x, int y);

// Draws from the current position to (x, y) with the selected pen and makes
// (x, y) the current position. A 1-pixel pen leaves out the end pixel; a
// wider pen is centred on the line with round ends; a pen of width 0 draws
// nothing.
void LineTo(DeviceContext& dc, int x, int y);

} // namespace host::gdi
