#include "tools/assets/pictures/canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools::pictures {
namespace {

// Channels a keyed picture may hold: far from white and black.
constexpr double kKeyedLow = 14;
constexpr double kKeyedHigh = 238;

std::uint8_t channel(double v, double lo, double hi) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, lo, hi)));
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

Colour rgb(int r, int g, int b) {
    return {double(r), double(g), double(b)};
}

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scale(Colour c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}
Colour lighter(Colour c, double t) {
    return mix(c, rgb(255, 255, 255), t);
}
Colour darker(Colour c, double t) {
    return mix(c, rgb(0, 0, 0), t);
}

std::uint32_t nameSeed(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
    return hash;
}

double hashNoise(int x, int y, std::uint32_t seed) {
    std::uint32_t h =
        seed ^ (static_cast<std::uint32_t>(x) * 0x27d4eb2du) ^ (static_cast<std::uint32_t>(y) * 0x165667b1u);
    h ^= h >> 15;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0x1000000);
}

double valueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = hashNoise(ix, iy, seed), b = hashNoise(ix + 1, iy, seed);
    const double c = hashNoise(ix, iy + 1, seed), d = hashNoise(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fractalNoise(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0, weight = 0, amplitude = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 1013u);
        weight += amplitude;
        amplitude *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / weight;
}

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform(double lo, double hi) {
    return lo + (hi - lo) * ((next() >> 11) * 0x1.0p-53);
}

int Rng::between(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
}

Shader solid(Colour c) {
    return [c](double, double) { return c; };
}

Shader vertical(Colour top, Colour bottom, double y0, double y1) {
    return [=](double, double y) { return mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

Shader horizontal(Colour left, Colour right, double x0, double x1) {
    return [=](double x, double) { return mix(left, right, std::clamp((x - x0) / (x1 - x0), 0.0, 1.0)); };
}

Shader lit(Colour c, double cx, double cy, double r) {
    return [=](double x, double y) {
        const double d = std::hypot(x - (cx - r / 3), y - (cy - r / 3)) / (r * 1.5);
        const double light = 1.25 - 0.6 * std::clamp(d, 0.0, 1.0);
        return scale(c, light);
    };
}

Shader grain(Shader base, double amount, std::uint32_t seed, double cell) {
    return [=](double x, double y) {
        const double n = hashNoise(static_cast<int>(x / cell), static_cast<int>(y / cell), seed) - 0.5;
        return scale(base(x, y), 1 + amount * n);
    };
}

Canvas::Canvas(host::gdi::Bitmap& bitmap, Keying keying) : bitmap_(bitmap), keying_(keying) {}

void Canvas::plot(int x, int y, Colour c) {
    if (!bitmap_.contains(x, y)) return;
    const double lo = keying_ == Keying::Keyed ? kKeyedLow : 0;
    const double hi = keying_ == Keying::Keyed ? kKeyedHigh : 255;
    bitmap_.setPixel(x, y, host::gdi::RGB(channel(c.r, lo, hi), channel(c.g, lo, hi), channel(c.b, lo, hi)));
}

bool Canvas::painted(int x, int y) const {
    return bitmap_.contains(x, y) && bitmap_.pixel(x, y) != host::gdi::kWhite;
}

void Canvas::fill(double x0, double y0, double x1, double y1,
                  const std::function<bool(double, double)>& inside, const Shader& shader) {
    const int left = std::max(0, static_cast<int>(std::floor(x0)));
    const int top = std::max(0, static_cast<int>(std::floor(y0)));
    const int right = std::min(width(), static_cast<int>(std::ceil(x1)) + 1);
    const int bottom = std::min(height(), static_cast<int>(std::ceil(y1)) + 1);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            if (inside(px, py)) plot(x, y, shader(px, py));
        }
    }
}

void Canvas::rect(double x0, double y0, double x1, double y1, const Shader& shader) {
    fill(
        x0, y0, x1, y1, [&](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, shader);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, const Shader& shader) {
    if (rx <= 0 || ry <= 0) return;
    fill(
        cx - rx, cy - ry, cx + rx, cy + ry,
        [&](double x, double y) {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1.0;
        },
        shader);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, double angle, const Shader& shader) {
    if (rx <= 0 || ry <= 0) return;
    const double c = std::cos(angle), s = std::sin(angle);
    const double reach = std::max(rx, ry);
    fill(
        cx - reach, cy - reach, cx + reach, cy + reach,
        [&](double x, double y) {
            const double u = ((x - cx) * c + (y - cy) * s) / rx;
            const double v = (-(x - cx) * s + (y - cy) * c) / ry;
            return u * u + v * v <= 1.0;
        },
        shader);
}

void Canvas::ring(double cx, double cy, double inner, double outer, const Shader& shader) {
    fill(
        cx - outer, cy - outer, cx + outer, cy + outer,
        [&](double x, double y) {
            const double d = std::hypot(x - cx, y - cy);
            return d <= outer && d >= inner;
        },
        shader);
}

void Canvas::polygon(const std::vector<Pt>& points, const Shader& shader) {
    if (points.size() < 3) return;
    double top = points[0].y, bottom = points[0].y;
    for (const Pt& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int y1 = std::min(height(), static_cast<int>(std::ceil(bottom)) + 1);
    std::vector<std::pair<double, int>> crossings;
    for (int y = y0; y < y1; ++y) {
        const double py = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Pt a = points[i], b = points[(i + 1) % points.size()];
            if ((a.y <= py) == (b.y <= py)) continue;
            const double x = a.x + (py - a.y) * (b.x - a.x) / (b.y - a.y);
            crossings.push_back({x, a.y < b.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].second;
            if (winding == 0) continue;
            const int xa = std::max(0, static_cast<int>(std::ceil(crossings[i].first - 0.5)));
            const int xb = std::min(width(), static_cast<int>(std::ceil(crossings[i + 1].first - 0.5)));
            for (int x = xa; x < xb; ++x)
                plot(x, y, shader(x + 0.5, py));
        }
    }
}

void Canvas::capsule(Pt a, Pt b, double ra, double rb, const Shader& shader) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double reach = std::max(ra, rb);
    fill(
        std::min(a.x, b.x) - reach, std::min(a.y, b.y) - reach, std::max(a.x, b.x) + reach,
        std::max(a.y, b.y) + reach,
        [&](double x, double y) {
            const double t =
                length2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / length2, 0.0, 1.0) : 0;
            const double r = ra + (rb - ra) * t;
            return std::hypot(x - (a.x + dx * t), y - (a.y + dy * t)) <= r;
        },
        shader);
}

void Canvas::arc(double cx, double cy, double inner, double outer, double a0, double a1, bool tapered,
                 const Shader& shader) {
    const double span = a1 - a0;
    fill(
        cx - outer, cy - outer, cx + outer, cy + outer,
        [&](double x, double y) {
            const double d = std::hypot(x - cx, y - cy);
            if (d > outer) return false;
            double a = std::atan2(y - cy, x - cx) - a0;
            a = std::fmod(a, 2 * std::numbers::pi);
            if (a < 0) a += 2 * std::numbers::pi;
            if (a > span) return false;
            const double t = span > 0 ? a / span : 0;
            const double width = (outer - inner) * (tapered ? std::sin(std::numbers::pi * t) : 1.0);
            return d >= outer - width;
        },
        shader);
}

void Canvas::stroke(const std::vector<Pt>& points, double r0, double r1, const Shader& shader) {
    if (points.empty()) return;
    if (points.size() == 1) {
        ellipse(points[0].x, points[0].y, r0, r0, shader);
        return;
    }
    const double n = static_cast<double>(points.size() - 1);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const double ra = r0 + (r1 - r0) * (i / n);
        const double rb = r0 + (r1 - r0) * ((i + 1) / n);
        capsule(points[i], points[i + 1], ra, rb, shader);
    }
}

void Canvas::outline(Colour c) {
    std::vector<std::pair<int, int>> edge;
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x) {
            if (painted(x, y)) continue;
            if (painted(x - 1, y) || painted(x + 1, y) || painted(x, y - 1) || painted(x, y + 1))
                edge.push_back({x, y});
        }
    }
    for (const auto& [x, y] : edge)
        plot(x, y, c);
}

std::vector<Pt> bezier(Pt a, Pt b, Pt c, Pt d, int steps) {
    std::vector<Pt> points;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps, u = 1 - t;
        points.push_back({u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
                          u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y});
    }
    return points;
}

host::gdi::Bitmap mirrored(const host::gdi::Bitmap& bitmap) {
    host::gdi::Bitmap out(bitmap.width(), bitmap.height());
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            out.setPixel(bitmap.width() - 1 - x, y, bitmap.pixel(x, y));
    return out;
}

void paste(host::gdi::Bitmap& dst, const host::gdi::Bitmap& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx)
            dst.setPixel(x + sx, y + sy, src.pixel(sx, sy));
}

} // namespace tools::pictures
