#include "toolkit/see_through.h"

#include "host/gdi/blit.h"

namespace toolkit {

bool pointerOutside(int x, int y, int width, int height) {
    return x < 0 || y < 0 || x > width || y > height;
}

host::gdi::COLORREF rgbOf(const clsColor& colours, std::int32_t number) {
    return static_cast<host::gdi::COLORREF>(colours.ColorasLong(number));
}

void drawMasked(host::gdi::DeviceContext& dc, int x, int y, int w, int h,
                const host::gdi::DeviceContext& mask, const host::gdi::DeviceContext& picture) {
    host::gdi::BitBlt(dc, x, y, w, h, mask, 0, 0, host::gdi::SRCAND);
    host::gdi::BitBlt(dc, x, y, w, h, picture, 0, 0, host::gdi::SRCPAINT);
}

} // namespace toolkit
