#pragma once

#include "tools/assets/pictures/canvas.h"

#include <cstdint>
#include <vector>

// Drawing of creatures and soldiers in a square of 100 x 100 units scaled to
// the picture: lit, slightly grainy parts, each with a thin darker rim so
// overlapping parts stay apart.
namespace tools::pictures {

class Figure {
  public:
    Figure(Canvas& canvas, std::uint32_t seed);

    Canvas& canvas() { return canvas_; }
    // Pixels per unit.
    double unit() const { return k_; }
    Pt at(double x, double y) const { return {x * k_, y * k_}; }

    void ball(double x, double y, double rx, double ry, Colour c);
    void ball(double x, double y, double rx, double ry, double angle, Colour c);
    void limb(Pt a, Pt b, double ra, double rb, Colour c);
    // A polygon; its rim is drawn by shrinking it toward its centre.
    void shape(const std::vector<Pt>& points, Colour c);
    // A tapering curve through the points.
    void path(const std::vector<Pt>& points, double r0, double r1, Colour c);
    // Unrimmed, flat-lit pieces: markings, highlights, stripes.
    void spot(double x, double y, double rx, double ry, Colour c);
    void mark(Pt a, Pt b, double r, Colour c);
    void patch(const std::vector<Pt>& points, Colour c);

    // An eye looking left: a pale ball with a dark pupil.
    void eye(double x, double y, double r, Colour iris);
    // A glowing eye without white.
    void glow(double x, double y, double r, Colour c);

    // The outer outline of everything drawn.
    void finish();

  private:
    Shader shade(Colour c, double cx, double cy, double r) const;
    double rim() const;

    Canvas& canvas_;
    double k_;
    std::uint32_t seed_;
};

Colour rimOf(Colour c);

} // namespace tools::pictures
