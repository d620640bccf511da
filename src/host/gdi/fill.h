#pragma once

#include "host/gdi/device_context.h"

namespace host::gdi {

// Fills the rectangle without its right and bottom edges.
void FillRect(DeviceContext& dc, const Rect& rect, const Brush& brush);

} // namespace host::gdi
