#include "host/gdi/bitmap.h"

#include <algorithm>

namespace host::gdi {

Bitmap::Bitmap(int width, int height, Unfilled)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), format_(Format::Colour),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {}

Bitmap::Bitmap(int width, int height, Format format) : Bitmap(width, height, Unfilled{}) {
    format_ = format;
    std::fill(pixels_.begin(), pixels_.end(), kWhite);
}

COLORREF Bitmap::pixel(int x, int y) const {
    if (!contains(x, y)) return CLR_INVALID;
    return row(y)[x];
}

void Bitmap::setPixel(int x, int y, COLORREF colour) {
    if (!contains(x, y)) return;
    row(y)[x] = storable(colour);
}

COLORREF Bitmap::storable(COLORREF colour) const {
    colour &= 0xFFFFFF;
    if (!monochrome()) return colour;
    const int sum = GetRValue(colour) + GetGValue(colour) + GetBValue(colour);
    return sum >= 3 * 128 ? kWhite : kBlack;
}

void Bitmap::fillSpan(int y, int x0, int x1, COLORREF colour) {
    if (y < 0 || y >= height_) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_);
    if (x0 >= x1) return;
    COLORREF* line = row(y);
    std::fill(line + x0, line + x1, storable(colour));
}

void Bitmap::fill(const Rect& rect, COLORREF colour) {
    const int top = std::max(rect.top, 0);
    const int bottom = std::min(rect.bottom, height_);
    for (int y = top; y < bottom; ++y)
        fillSpan(y, rect.left, rect.right, colour);
}

} // namespace host::gdi
