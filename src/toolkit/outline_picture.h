#pragma once

#include "host/gdi/color.h"
#include "host/gdi/device_context.h"
#include "host/gdi/geometry.h"

#include <initializer_list>
#include <memory>

namespace toolkit {

// One rectangle of an outline picture and its colour.
struct OutlineFill {
    host::gdi::Rect rect;
    host::gdi::COLORREF colour;
};

// A ring or border drawn over a control: a picture whose key-coloured
// pixels (RGB(1, 1, 1)) are transparent, with its mask.
class OutlinePicture {
  public:
    static constexpr host::gdi::COLORREF kKey = host::gdi::RGB(1, 1, 1);

    // A new picture of this size filled with the key colour, then with each
    // rectangle in turn (right and bottom edges excluded); then its mask.
    void build(const host::gdi::DeviceContext& reference, int width, int height,
               std::initializer_list<OutlineFill> fills);
    // A blank picture of this size without a mask yet.
    void blank(const host::gdi::DeviceContext& reference, int width, int height);
    // Draws the outline at (x, y); nothing before a mask is built.
    void draw(host::gdi::DeviceContext& dc, int x, int y) const;

  private:
    std::unique_ptr<host::gdi::DeviceContext> picture_;
    std::unique_ptr<host::gdi::DeviceContext> mask_;
};

} // namespace toolkit
