#include "tools/assets/pictures/figure.h"

#include <algorithm>
#include <cmath>

namespace tools::pictures {

Colour rimOf(Colour c) {
    return darker(c, 0.62);
}

Figure::Figure(Canvas& canvas, std::uint32_t seed)
    : canvas_(canvas), k_(std::min(canvas.width(), canvas.height()) / 100.0), seed_(seed) {}

double Figure::rim() const {
    return std::max(1.0, k_ * 0.9);
}

Shader Figure::shade(Colour c, double cx, double cy, double r) const {
    return grain(lit(c, cx, cy, std::max(r, 2.0)), 0.10, seed_, std::max(1.0, k_ * 0.8));
}

void Figure::ball(double x, double y, double rx, double ry, Colour c) {
    ball(x, y, rx, ry, 0, c);
}

void Figure::ball(double x, double y, double rx, double ry, double angle, Colour c) {
    const Pt p = at(x, y);
    canvas_.ellipse(p.x, p.y, rx * k_ + rim(), ry * k_ + rim(), angle, solid(rimOf(c)));
    canvas_.ellipse(p.x, p.y, rx * k_, ry * k_, angle, shade(c, p.x, p.y, std::max(rx, ry) * k_));
}

void Figure::limb(Pt a, Pt b, double ra, double rb, Colour c) {
    const Pt pa = at(a.x, a.y), pb = at(b.x, b.y);
    canvas_.capsule(pa, pb, ra * k_ + rim(), rb * k_ + rim(), solid(rimOf(c)));
    const double r = std::max({ra * k_, rb * k_, std::hypot(pb.x - pa.x, pb.y - pa.y) / 2});
    canvas_.capsule(pa, pb, ra * k_, rb * k_, shade(c, (pa.x + pb.x) / 2, (pa.y + pb.y) / 2, r));
}

void Figure::shape(const std::vector<Pt>& points, Colour c) {
    std::vector<Pt> outer, inner;
    Pt centre;
    for (const Pt& p : points) {
        outer.push_back(at(p.x, p.y));
        centre.x += outer.back().x / points.size();
        centre.y += outer.back().y / points.size();
    }
    double reach = 1;
    for (const Pt& p : outer) {
        const double d = std::hypot(p.x - centre.x, p.y - centre.y);
        reach = std::max(reach, d);
        inner.push_back(d > rim() ? Pt{p.x + (centre.x - p.x) * rim() / d, p.y + (centre.y - p.y) * rim() / d}
                                  : centre);
    }
    canvas_.polygon(outer, solid(rimOf(c)));
    canvas_.polygon(inner, shade(c, centre.x, centre.y, reach));
}

void Figure::path(const std::vector<Pt>& points, double r0, double r1, Colour c) {
    std::vector<Pt> scaled;
    Pt lo{1e9, 1e9}, hi{-1e9, -1e9};
    for (const Pt& p : points) {
        scaled.push_back(at(p.x, p.y));
        lo = {std::min(lo.x, scaled.back().x), std::min(lo.y, scaled.back().y)};
        hi = {std::max(hi.x, scaled.back().x), std::max(hi.y, scaled.back().y)};
    }
    canvas_.stroke(scaled, r0 * k_ + rim(), r1 * k_ + rim(), solid(rimOf(c)));
    const double r = std::max(hi.x - lo.x, hi.y - lo.y) / 2 + r0 * k_;
    canvas_.stroke(scaled, r0 * k_, r1 * k_, shade(c, (lo.x + hi.x) / 2, (lo.y + hi.y) / 2, r));
}

void Figure::spot(double x, double y, double rx, double ry, Colour c) {
    const Pt p = at(x, y);
    canvas_.ellipse(p.x, p.y, std::max(rx * k_, 0.5), std::max(ry * k_, 0.5), solid(c));
}

void Figure::mark(Pt a, Pt b, double r, Colour c) {
    canvas_.capsule(at(a.x, a.y), at(b.x, b.y), std::max(r * k_, 0.5), std::max(r * k_, 0.5), solid(c));
}

void Figure::patch(const std::vector<Pt>& points, Colour c) {
    std::vector<Pt> scaled;
    for (const Pt& p : points)
        scaled.push_back(at(p.x, p.y));
    canvas_.polygon(scaled, solid(c));
}

void Figure::eye(double x, double y, double r, Colour iris) {
    const Pt p = at(x, y);
    const double radius = std::max(r * k_, 1.0);
    canvas_.ellipse(p.x, p.y, radius + 0.8, radius + 0.8, solid(rgb(40, 30, 30)));
    canvas_.ellipse(p.x, p.y, radius, radius, solid(rgb(236, 232, 220)));
    canvas_.ellipse(p.x - radius * 0.35, p.y, radius * 0.62, radius * 0.62, solid(iris));
    canvas_.ellipse(p.x - radius * 0.4, p.y, radius * 0.3, radius * 0.3, solid(rgb(24, 18, 24)));
}

void Figure::glow(double x, double y, double r, Colour c) {
    const Pt p = at(x, y);
    const double radius = std::max(r * k_, 1.0);
    canvas_.ellipse(p.x, p.y, radius, radius, solid(c));
    canvas_.ellipse(p.x - radius * 0.2, p.y - radius * 0.2, radius * 0.45, radius * 0.45,
                    solid(lighter(c, 0.7)));
}

void Figure::finish() {
    canvas_.outline(rgb(30, 22, 34));
}

} // namespace tools::pictures
