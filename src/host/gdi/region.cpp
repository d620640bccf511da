#include "host/gdi/region.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace host::gdi {

Region CreatePolygonRgn(std::span<const Point> points) {
    std::vector<Region::Span> spans;
    if (points.size() < 3) return Region(std::move(spans));

    int top = INT_MAX, bottom = INT_MIN;
    for (const Point& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }

    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (int y = top; y < bottom; ++y) {
        // Sample through pixel centres, so no vertex lies on the scan line.
        const double sy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % points.size()];
            if (a.y == b.y || sy < std::min(a.y, b.y) || sy > std::max(a.y, b.y)) continue;
            const double x = a.x + (sy - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y);
            crossings.push_back({x, b.y > a.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });

        int winding = 0;
        double start = 0;
        for (const Crossing& c : crossings) {
            const int before = winding;
            winding += c.direction;
            if (before == 0 && winding != 0) {
                start = c.x;
            } else if (before != 0 && winding == 0) {
                // Pixels whose centre x + 0.5 lies in [start, c.x).
                const int left = static_cast<int>(std::ceil(start - 0.5));
                const int right = static_cast<int>(std::ceil(c.x - 0.5));
                if (left < right) spans.push_back({y, left, right});
            }
        }
    }
    return Region(std::move(spans));
}

void FillRgn(DeviceContext& dc, const Region& region, const Brush& brush) {
    Bitmap& bitmap = dc.bitmap();
    for (const Region::Span& s : region.spans())
        bitmap.fillSpan(s.y, s.left, s.right, brush.colour);
}

void PaintRgn(DeviceContext& dc, const Region& region) {
    FillRgn(dc, region, dc.brush());
}

} // namespace host::gdi
