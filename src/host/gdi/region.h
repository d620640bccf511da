#pragma once

#include "host/gdi/device_context.h"

#include <span>
#include <vector>

namespace host::gdi {

// A set of pixels held as horizontal runs.
class Region {
  public:
    struct Span {
        int y;
        int left;  // inside
        int right; // outside
    };

    explicit Region(std::vector<Span> spans) : spans_(std::move(spans)) {}

    const std::vector<Span>& spans() const { return spans_; }

  private:
    std::vector<Span> spans_;
};

// The pixels whose centres lie inside the closed polygon, filled by the
// winding rule (a pixel is inside when the outline winds round it at least
// once, so an overlapping star is filled whole).
Region CreatePolygonRgn(std::span<const Point> points);

// Paints the region with the brush, or with the context's selected brush.
void FillRgn(DeviceContext& dc, const Region& region, const Brush& brush);
void PaintRgn(DeviceContext& dc, const Region& region);

} // namespace host::gdi
