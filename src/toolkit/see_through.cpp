#include "toolkit/see_through.h"

namespace toolkit {

bool pointerOutside(int x, int y, int width, int height) {
    return x < 0 || y < 0 || x > width || y > height;
}

host::gdi::COLORREF rgbOf(const clsColor& colours, std::int32_t number) {
    return static_cast<host::gdi::COLORREF>(colours.ColorasLong(number));
}

} // namespace toolkit
