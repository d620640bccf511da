#include "platform/drawing/frames.h"

#include "host/gdi/lines.h"

using host::gdi::LineTo;
using host::gdi::MoveToEx;

void DrawPictureFrame(host::gdi::Drawable& pic, host::gdi::COLORREF color, std::int16_t width) {
    host::gdi::DeviceContext& dc = pic.hDC();
    const host::gdi::Pen previous = dc.selectPen(host::gdi::Pen{width, color});
    const int x = dc.bitmap().width();
    const int y = dc.bitmap().height();
    MoveToEx(dc, 0, 0);
    LineTo(dc, x, 0);
    MoveToEx(dc, 0, 0);
    LineTo(dc, 0, y);
    MoveToEx(dc, x - width, 0);
    LineTo(dc, x - width, y);
    MoveToEx(dc, 0, y - width);
    LineTo(dc, x - width, y - width);
    dc.selectPen(previous);
}

void DrawSegment(host::gdi::DeviceContext& hDC, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                 std::int32_t y2) {
    MoveToEx(hDC, x1, y1);
    LineTo(hDC, x2, y2);
}
