#include "host/gdi/lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace host::gdi {
namespace {

void thinLine(Bitmap& bitmap, Point from, Point to, COLORREF colour) {
    if (std::max(from.x, to.x) < 0 || std::max(from.y, to.y) < 0 ||
        std::min(from.x, to.x) >= bitmap.width() || std::min(from.y, to.y) >= bitmap.height())
        return;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    int x = from.x;
    int y = from.y;
    while (x != to.x || y != to.y) {
        bitmap.setPixel(x, y, colour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

// Every pixel closer than width / 2 to the segment. An even width has no
// middle pixel: its pixels are sampled half a pixel right of and below their
// corner, which puts the extra row above and the extra column left of the
// line.
void wideLine(Bitmap& bitmap, Point from, Point to, int width, COLORREF colour) {
    const double radius = width / 2.0;
    const double offset = width % 2 == 0 ? 0.5 : 0.0;
    const double ax = from.x, ay = from.y;
    const double vx = to.x - ax, vy = to.y - ay;
    const double length2 = vx * vx + vy * vy;
    const int reach = width / 2 + 1;
    const int left = std::max(std::min(from.x, to.x) - reach, 0);
    const int right = std::min(std::max(from.x, to.x) + reach, bitmap.width() - 1);
    const int top = std::max(std::min(from.y, to.y) - reach, 0);
    const int bottom = std::min(std::max(from.y, to.y) + reach, bitmap.height() - 1);
    const COLORREF stored = bitmap.storable(colour);
    for (int y = top; y <= bottom; ++y) {
        COLORREF* row = bitmap.row(y);
        const double py = y + offset - ay;
        for (int x = left; x <= right; ++x) {
            const double px = x + offset - ax;
            const double t = std::clamp((px * vx + py * vy) / length2, 0.0, 1.0);
            const double ex = px - t * vx, ey = py - t * vy;
            if (ex * ex + ey * ey < radius * radius) row[x] = stored;
        }
    }
}

} // namespace

Point MoveToEx(DeviceContext& dc, int x, int y) {
    const Point previous = dc.position();
    dc.setPosition({x, y});
    return previous;
}

void LineTo(DeviceContext& dc, int x, int y) {
    const Point from = dc.position();
    const Point to{x, y};
    dc.setPosition(to);
    const Pen& pen = dc.pen();
    if (pen.width <= 0 || from == to) return;
    if (pen.width == 1)
        thinLine(dc.bitmap(), from, to, pen.colour);
    else
        wideLine(dc.bitmap(), from, to, pen.width, pen.colour);
}

} // namespace host::gdi
