#pragma once

#include "host/gdi/color.h"
#include "host/gdi/device_context.h"

#include <cstdint>
#include <memory>

namespace toolkit {

// A memory picture of a control holding its background washed with one
// colour: the look of one state or one segment, ready to be copied.
class WashedPicture {
  public:
    // A new white picture of this size in place of the old one.
    void create(const host::gdi::DeviceContext& reference, int width, int height);
    // Copies the background into the picture at the picture's size and
    // washes it toward the colour, keeping AP percent of the background
    // (outside 0..100 it stays unwashed). Nothing while there is no picture.
    void fill(const host::gdi::DeviceContext& background, host::gdi::COLORREF colour, std::int16_t AP);

    bool exists() const { return dc_ != nullptr; }
    host::gdi::DeviceContext& dc() { return *dc_; }

  private:
    std::unique_ptr<host::gdi::DeviceContext> dc_;
};

} // namespace toolkit
