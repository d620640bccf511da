#include "tools/assets/pictures/effect_kit.h"

#include <cmath>
#include <numbers>

namespace tools::pictures {

void star(Canvas& c, Pt centre, double outer, double inner, int points, double rotation,
          const Shader& shader) {
    std::vector<Pt> outline;
    for (int i = 0; i < points * 2; ++i) {
        const double a = rotation + std::numbers::pi * i / points;
        const double r = (i % 2 == 0) ? outer : inner;
        outline.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
    }
    c.polygon(outline, shader);
}

void glow(Canvas& c, Pt centre, double rx, double ry, Colour outer, Colour inner) {
    for (int i = 0; i < 3; ++i) {
        const double k = 1.0 - i * 0.3;
        c.ellipse(centre.x, centre.y, rx * k, ry * k, solid(mix(outer, inner, i / 2.0)));
    }
}

void slash(Canvas& c, Pt centre, double radius, double thickness, double a0, double a1, Colour edge,
           Colour core) {
    c.arc(centre.x, centre.y, radius - thickness, radius, a0, a1, true, solid(edge));
    c.arc(centre.x, centre.y, radius - thickness * 0.45, radius - thickness * 0.1, a0 + (a1 - a0) * 0.08,
          a1 - (a1 - a0) * 0.08, true, solid(core));
}

void bolt(Canvas& c, Rng& rng, Pt a, Pt b, int segments, double jitter, double width, Colour edge,
          Colour core) {
    std::vector<Pt> points{a};
    for (int i = 1; i < segments; ++i) {
        const double t = double(i) / segments;
        points.push_back({a.x + (b.x - a.x) * t + rng.uniform(-jitter, jitter),
                          a.y + (b.y - a.y) * t + rng.uniform(-jitter, jitter)});
    }
    points.push_back(b);
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        c.capsule(points[i], points[i + 1], width, width, solid(edge));
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        c.capsule(points[i], points[i + 1], width * 0.45, width * 0.45, solid(core));
}

void sparks(Canvas& c, Rng& rng, Pt centre, double radius, int count, double size, Colour colour) {
    for (int i = 0; i < count; ++i) {
        const double a = rng.uniform(0, 2 * std::numbers::pi);
        const double r = radius * std::sqrt(rng.uniform(0.05, 1.0));
        const Pt p{centre.x + r * std::cos(a), centre.y + r * std::sin(a)};
        const double s = size * rng.uniform(0.5, 1.2);
        star(c, p, s, s * 0.35, 4, rng.uniform(0, 1), solid(colour));
    }
}

void cloud(Canvas& c, Rng& rng, Pt centre, double rx, double ry, int puffs, Colour colour) {
    for (int i = 0; i < puffs; ++i) {
        const double a = rng.uniform(0, 2 * std::numbers::pi);
        const double d = rng.uniform(0, 0.6);
        const Pt p{centre.x + rx * d * std::cos(a), centre.y + ry * d * std::sin(a)};
        const double r = std::min(rx, ry) * rng.uniform(0.35, 0.6);
        c.ellipse(p.x, p.y, r, r * 0.85,
                  vertical(lighter(colour, 0.25), darker(colour, 0.2), p.y - r, p.y + r));
    }
}

void streak(Canvas& c, Pt a, Pt b, double r, Colour colour) {
    c.capsule(a, b, std::max(0.6, r * 0.15), r, solid(colour));
}

void arrow(Canvas& c, Pt tail, Pt tip, double size) {
    const double dx = tip.x - tail.x, dy = tip.y - tail.y;
    const double length = std::hypot(dx, dy);
    const double ux = dx / length, uy = dy / length;
    c.capsule(tail, tip, size * 0.12, size * 0.12, solid(rgb(140, 96, 52)));
    const Pt base{tip.x - ux * size * 0.6, tip.y - uy * size * 0.6};
    c.polygon({{tip.x + ux * size * 0.2, tip.y + uy * size * 0.2},
               {base.x - uy * size * 0.3, base.y + ux * size * 0.3},
               {base.x + uy * size * 0.3, base.y - ux * size * 0.3}},
              solid(rgb(190, 196, 206)));
    for (const double side : {-1.0, 1.0})
        c.polygon({{tail.x, tail.y},
                   {tail.x + ux * size * 0.5, tail.y + uy * size * 0.5},
                   {tail.x - uy * size * 0.25 * side, tail.y + ux * size * 0.25 * side}},
                  solid(rgb(210, 60, 50)));
}

void drop(Canvas& c, Pt centre, double r, Colour colour) {
    const Shader shader = vertical(lighter(colour, 0.3), darker(colour, 0.2), centre.y - r * 2, centre.y + r);
    c.ellipse(centre.x, centre.y, r, r, shader);
    c.polygon({{centre.x - r * 0.9, centre.y - r * 0.3},
               {centre.x, centre.y - r * 2.4},
               {centre.x + r * 0.9, centre.y - r * 0.3}},
              shader);
    c.ellipse(centre.x - r * 0.35, centre.y - r * 0.3, r * 0.25, r * 0.3, solid(lighter(colour, 0.6)));
}

} // namespace tools::pictures
