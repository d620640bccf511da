#pragma once

#include "host/gdi/color.h"
#include "host/gdi/geometry.h"

#include <memory>
#include <new>
#include <vector>

namespace host::gdi {

// A surface of 32-bit pixels (0x00BBGGRR), white when made unless made
// Unfilled. A monochrome bitmap holds only white (bit 1) and black (bit 0).
class Bitmap {
  public:
    enum class Format { Colour, Monochrome };
    // A colour surface whose pixels are left as the memory holds them, for a
    // maker that sets every pixel before any is read (a decoded picture).
    struct Unfilled {};

    // A negative size counts as 0.
    Bitmap(int width, int height, Format format = Format::Colour);
    Bitmap(int width, int height, Unfilled);

    int width() const { return width_; }
    int height() const { return height_; }
    bool monochrome() const { return format_ == Format::Monochrome; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // CLR_INVALID outside the bitmap.
    COLORREF pixel(int x, int y) const;
    // Ignored outside the bitmap.
    void setPixel(int x, int y, COLORREF colour);

    // Row y, 0 <= y < height.
    COLORREF* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const COLORREF* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }

    // The colour as this bitmap can hold it: the nearest of black and white
    // when monochrome.
    COLORREF storable(COLORREF colour) const;

    // Fills pixels x0 <= x < x1 of row y, clipped to the bitmap.
    void fillSpan(int y, int x0, int x1, COLORREF colour);
    // Fills the rectangle without its right and bottom edges, clipped.
    void fill(const Rect& rect, COLORREF colour);

  private:
    // Makes a pixel without setting it; the constructors fill or not.
    template <class T> struct DefaultInit : std::allocator<T> {
        template <class U> struct rebind { using other = DefaultInit<U>; };
        template <class U> void construct(U* place) noexcept { ::new (static_cast<void*>(place)) U; }
    };

    int width_;
    int height_;
    Format format_;
    std::vector<COLORREF, DefaultInit<COLORREF>> pixels_;
};

} // namespace host::gdi
