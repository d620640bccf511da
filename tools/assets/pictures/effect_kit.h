#pragma once

#include "tools/assets/pictures/canvas.h"

#include <algorithm>

// Pieces the attack animations are made of, and the frame being drawn.
namespace tools::pictures {

struct EffectFrame {
    Canvas& canvas;
    double x, y, w, h;
    int index, count;
    std::uint32_t seed;

    Pt at(double u, double v) const { return {x + u * w, y + v * h}; }
    // 0 at the first frame, 1 at the last.
    double t() const { return count > 1 ? double(index) / (count - 1) : 1.0; }
    double size() const { return std::min(w, h); }
};

void star(Canvas& c, Pt centre, double outer, double inner, int points, double rotation,
          const Shader& shader);
// Three layers from the outer colour to the inner one.
void glow(Canvas& c, Pt centre, double rx, double ry, Colour outer, Colour inner);
// A crescent cut along a circle from a0 to a1, its bright core inside.
void slash(Canvas& c, Pt centre, double radius, double thickness, double a0, double a1, Colour edge,
           Colour core);
void bolt(Canvas& c, Rng& rng, Pt a, Pt b, int segments, double jitter, double width, Colour edge,
          Colour core);
void sparks(Canvas& c, Rng& rng, Pt centre, double radius, int count, double size, Colour colour);
void cloud(Canvas& c, Rng& rng, Pt centre, double rx, double ry, int puffs, Colour colour);
// A tapering line, thick at b.
void streak(Canvas& c, Pt a, Pt b, double r, Colour colour);
void arrow(Canvas& c, Pt tail, Pt tip, double size);
// A falling drop, round at the bottom.
void drop(Canvas& c, Pt centre, double r, Colour colour);

} // namespace tools::pictures
