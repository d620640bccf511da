#pragma once

#include "host/gdi/bitmap.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Painting for the picture generators: shapes filled pixel by pixel, each
// pixel inside a shape or not (never blended at an edge), coloured by a
// shader that may vary freely inside the shape.
namespace tools::pictures {

struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
};

struct Pt {
    double x = 0;
    double y = 0;
};

Colour rgb(int r, int g, int b);
Colour mix(Colour a, Colour b, double t);
// Each channel times factor.
Colour scale(Colour c, double factor);
// Toward white by t (0..1).
Colour lighter(Colour c, double t);
// Toward black by t (0..1).
Colour darker(Colour c, double t);

// A stable number for a name (FNV-1a).
std::uint32_t nameSeed(std::string_view name);
// Noise in [0, 1) per lattice point; smooth value noise and its octaves.
double hashNoise(int x, int y, std::uint32_t seed);
double valueNoise(double x, double y, std::uint32_t seed);
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);

// A small deterministic generator (splitmix64).
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [lo, hi).
    double uniform(double lo, double hi);
    // Uniform integer in [lo, hi].
    int between(int lo, int hi);

  private:
    std::uint64_t state_;
};

using Shader = std::function<Colour(double x, double y)>;

Shader solid(Colour c);
// From top at y0 to bottom at y1, clamped outside.
Shader vertical(Colour top, Colour bottom, double y0, double y1);
Shader horizontal(Colour left, Colour right, double x0, double x1);
// A ball lit from the upper left: lighter toward (cx - r/3, cy - r/3).
Shader lit(Colour c, double cx, double cy, double r);
// The shader with its brightness varied by noise of the given amount.
Shader grain(Shader base, double amount, std::uint32_t seed, double cell = 1.0);

// Keyed pictures are transparent where white (and battle sprites where
// black): every colour painted on a keyed canvas is kept well away from both.
enum class Keying { Opaque, Keyed };

class Canvas {
  public:
    Canvas(host::gdi::Bitmap& bitmap, Keying keying);

    int width() const { return bitmap_.width(); }
    int height() const { return bitmap_.height(); }
    host::gdi::Bitmap& bitmap() { return bitmap_; }

    void plot(int x, int y, Colour c);
    // Not white: something was painted there.
    bool painted(int x, int y) const;

    // Every pixel whose centre passes inside within the box.
    void fill(double x0, double y0, double x1, double y1, const std::function<bool(double, double)>& inside,
              const Shader& shader);
    void rect(double x0, double y0, double x1, double y1, const Shader& shader);
    void ellipse(double cx, double cy, double rx, double ry, const Shader& shader);
    // An ellipse turned by angle (radians).
    void ellipse(double cx, double cy, double rx, double ry, double angle, const Shader& shader);
    void ring(double cx, double cy, double inner, double outer, const Shader& shader);
    // Filled by the non-zero winding rule.
    void polygon(const std::vector<Pt>& points, const Shader& shader);
    // A segment with round ends, radius ra at a and rb at b.
    void capsule(Pt a, Pt b, double ra, double rb, const Shader& shader);
    // A band between radii inner and outer from angle a0 to a1 (radians, y
    // down); tapered bands thin to nothing at both ends.
    void arc(double cx, double cy, double inner, double outer, double a0, double a1, bool tapered,
             const Shader& shader);
    // A smooth path of capsules through the points.
    void stroke(const std::vector<Pt>& points, double r0, double r1, const Shader& shader);

    // Transparent pixels next to painted ones take the colour.
    void outline(Colour c);

  private:
    host::gdi::Bitmap& bitmap_;
    Keying keying_;
};

// Points along the cubic Bezier curve from a to d, both included.
std::vector<Pt> bezier(Pt a, Pt b, Pt c, Pt d, int steps);

// The bitmap turned left to right.
host::gdi::Bitmap mirrored(const host::gdi::Bitmap& bitmap);
// Copies src into dst at (x, y).
void paste(host::gdi::Bitmap& dst, const host::gdi::Bitmap& src, int x, int y);

} // namespace tools::pictures
