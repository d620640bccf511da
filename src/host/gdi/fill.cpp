#include "host/gdi/fill.h"

namespace host::gdi {

void FillRect(DeviceContext& dc, const Rect& rect, const Brush& brush) {
    dc.bitmap().fill(rect, brush.colour);
}

} // namespace host::gdi
