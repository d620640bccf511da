#include "host/gdi/arc.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace host::gdi {
namespace {

struct Run {
    int left;
    int right; // inside
};

// Pixels of row y whose centres lie inside the ellipse centred at (cx, cy)
// with half-axes a and b.
std::optional<Run> ellipseRow(double cx, double cy, double a, double b, int y) {
    if (a <= 0 || b <= 0) return std::nullopt;
    const double dy = (y + 0.5 - cy) / b;
    if (dy * dy > 1) return std::nullopt;
    const double half = a * std::sqrt(1 - dy * dy);
    const Run run{static_cast<int>(std::ceil(cx - half - 0.5)),
                  static_cast<int>(std::floor(cx + half - 0.5))};
    if (run.left > run.right) return std::nullopt;
    return run;
}

// The screen angle (counter-clockwise, y pointing down) of (x, y) seen from the centre.
double angleOf(double x, double y, double cx, double cy) {
    return std::atan2(cy - y, x - cx);
}

double turn(double angle) {
    constexpr double full = 2 * std::numbers::pi;
    angle = std::fmod(angle, full);
    return angle < 0 ? angle + full : angle;
}

} // namespace

void Arc(DeviceContext& dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd) {
    const Pen& pen = dc.pen();
    if (pen.width <= 0 || right <= left || bottom <= top) return;
    Bitmap& bitmap = dc.bitmap();
    const COLORREF colour = bitmap.storable(pen.colour);

    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double a = (right - left) / 2.0;
    const double b = (bottom - top) / 2.0;

    const double start = angleOf(xStart, yStart, cx, cy);
    double sweep = turn(angleOf(xEnd, yEnd, cx, cy) - start);
    if (sweep == 0) sweep = 2 * std::numbers::pi;
    auto plot = [&](int x, int y) {
        if (!bitmap.contains(x, y)) return;
        if (sweep < 2 * std::numbers::pi && turn(angleOf(x + 0.5, y + 0.5, cx, cy) - start) > sweep) return;
        bitmap.row(y)[x] = colour;
    };
    auto plotRun = [&](int y, int from, int to) {
        for (int x = std::max(from, 0), last = std::min(to, bitmap.width() - 1); x <= last; ++x)
            plot(x, y);
    };

    const double grow = pen.width == 1 ? 0 : pen.width / 2.0;
    const int reach = static_cast<int>(std::ceil(grow));
    for (int y = top - reach; y < bottom + reach; ++y) {
        const auto outer = ellipseRow(cx, cy, a + grow, b + grow, y);
        if (!outer) continue;
        if (pen.width > 1) {
            // A ring between the grown and the shrunk ellipse.
            const auto inner = ellipseRow(cx, cy, a - grow, b - grow, y);
            if (!inner) {
                plotRun(y, outer->left, outer->right);
            } else {
                plotRun(y, outer->left, inner->left - 1);
                plotRun(y, inner->right + 1, outer->right);
            }
            continue;
        }
        // A thin outline: the ends of the row, stretched to meet the rows
        // above and below diagonally, so the line stays connected.
        const auto above = ellipseRow(cx, cy, a, b, y - 1);
        const auto below = ellipseRow(cx, cy, a, b, y + 1);
        if (!above || !below) {
            plotRun(y, outer->left, outer->right);
            continue;
        }
        const int leftEnd = std::max(outer->left, std::max(above->left, below->left) - 1);
        const int rightStart = std::min(outer->right, std::min(above->right, below->right) + 1);
        if (leftEnd + 1 >= rightStart) {
            plotRun(y, outer->left, outer->right);
        } else {
            plotRun(y, outer->left, leftEnd);
            plotRun(y, rightStart, outer->right);
        }
    }
}

} // namespace host::gdi
