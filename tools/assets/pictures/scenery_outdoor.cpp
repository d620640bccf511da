#include "tools/assets/pictures/scenery.h"

#include <cmath>
#include <numbers>

namespace tools::pictures {

void Sky(Canvas& c, double horizon, Colour top, Colour bottom) {
    c.rect(0, 0, c.width(), horizon, vertical(top, bottom, 0, horizon));
}

void Clouds(Canvas& c, std::uint32_t seed, int count, double top, double bottom, Colour colour) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const Pt centre{rng.uniform(0, c.width()), rng.uniform(top, bottom)};
        const double w = rng.uniform(60, 140);
        for (int k = 0; k < 6; ++k) {
            const double dx = rng.uniform(-w * 0.6, w * 0.6), r = rng.uniform(w * 0.18, w * 0.32);
            const double cy = centre.y - r * 0.3 + std::abs(dx) * 0.1;
            c.ellipse(centre.x + dx, cy, r * 1.3, r,
                      vertical(lighter(colour, 0.2), darker(colour, 0.08), cy - r, cy + r));
        }
    }
}

void Stars(Canvas& c, std::uint32_t seed, int count, double bottom) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const int x = rng.between(0, c.width() - 1), y = rng.between(0, static_cast<int>(bottom));
        const Colour star = mix(rgb(200, 210, 255), rgb(255, 250, 220), rng.uniform(0, 1));
        c.plot(x, y, star);
        if (rng.uniform(0, 1) < 0.2) {
            c.plot(x + 1, y, star);
            c.plot(x, y + 1, star);
        }
    }
}

void Ridge(Canvas& c, std::uint32_t seed, double base, double height, double width, Colour colour,
           bool snow) {
    std::vector<double> top(c.width());
    for (int x = 0; x < c.width(); ++x)
        top[x] = base - height * fractalNoise(x / width, 0.5, 4, seed);
    const Shader shade = grain(
        vertical(lighter(colour, 0.08), darker(colour, 0.15), base - height, c.height()), 0.05, seed, 2);
    for (int x = 0; x < c.width(); ++x) {
        for (int y = std::max(0, static_cast<int>(top[x])); y < c.height(); ++y) {
            Colour p = shade(x, y);
            const double slope = x + 1 < c.width() ? top[x + 1] - top[x] : 0;
            p = scale(p, 1.0 - std::clamp(slope * 0.08, -0.15, 0.15));
            if (snow && y < top[x] + height * 0.18 * (1 - (top[x] - (base - height)) / height) + 4 &&
                top[x] < base - height * 0.45)
                p = mix(rgb(236, 240, 246), rgb(200, 210, 226), std::clamp(-slope * 0.2 + 0.3, 0.0, 1.0));
            c.plot(x, y, p);
        }
    }
}

void Ground(Canvas& c, double top, double bottom, Colour far, Colour near, std::uint32_t seed,
            double texture) {
    const Shader base = vertical(far, near, top, bottom);
    c.rect(0, top, c.width(), bottom, [&](double x, double y) {
        const double depth = (y - top) / (bottom - top) + 0.15;
        const double n = fractalNoise(x / (40 * depth), y / (12 * depth), 3, seed) - 0.5;
        return scale(base(x, y), 1 + texture * n);
    });
}

void Water(Canvas& c, double top, double bottom, Colour far, Colour near, std::uint32_t seed) {
    const Shader base = vertical(far, near, top, bottom);
    c.rect(0, top, c.width(), bottom, [&](double x, double y) {
        const double depth = (y - top) / (bottom - top) + 0.1;
        const double wave = valueNoise(x / (60 * depth), y / (4 * depth), seed);
        Colour p = base(x, y);
        if (wave > 0.72) p = lighter(p, (wave - 0.72) * 1.6);
        if (wave < 0.25) p = darker(p, (0.25 - wave) * 0.5);
        return p;
    });
}

void Tree(Canvas& c, Rng& rng, Pt base, double height, Colour leaves, bool conifer, bool snow) {
    const Colour trunk = rgb(96, 66, 44);
    c.rect(
        base.x - height * 0.05, base.y - height * 0.45, base.x + height * 0.05, base.y,
        horizontal(lighter(trunk, 0.2), darker(trunk, 0.3), base.x - height * 0.05, base.x + height * 0.05));
    if (conifer) {
        for (int i = 0; i < 4; ++i) {
            const double y = base.y - height * (0.25 + 0.2 * i), w = height * (0.36 - 0.07 * i);
            c.polygon({{base.x - w, y}, {base.x, y - height * 0.38}, {base.x + w, y}},
                      horizontal(lighter(leaves, 0.15), darker(leaves, 0.35), base.x - w, base.x + w));
            if (snow)
                c.polygon({{base.x - w * 0.45, y - height * 0.2},
                           {base.x, y - height * 0.38},
                           {base.x + w * 0.45, y - height * 0.2}},
                          solid(rgb(236, 240, 246)));
        }
        return;
    }
    for (int i = 0; i < 9; ++i) {
        const double a = rng.uniform(0, 2 * std::numbers::pi), d = rng.uniform(0, height * 0.2);
        const Pt p{base.x + d * std::cos(a), base.y - height * 0.68 + d * 0.8 * std::sin(a)};
        const double r = height * rng.uniform(0.16, 0.24);
        c.ellipse(p.x, p.y, r, r * 0.9,
                  grain(lit(leaves, p.x, p.y, r), 0.12, static_cast<std::uint32_t>(rng.next()), 2));
    }
}

void House(Canvas& c, Rng& rng, double x, double base, double w, double h, Colour wall, Colour roof,
           bool snow) {
    c.rect(x, base - h, x + w, base,
           grain(vertical(lighter(wall, 0.1), darker(wall, 0.1), base - h, base), 0.06,
                 static_cast<std::uint32_t>(rng.next()), 2));
    const double overhang = w * 0.08, peak = h * 0.55;
    c.polygon({{x - overhang, base - h + 2}, {x + w / 2, base - h - peak}, {x + w + overhang, base - h + 2}},
              vertical(lighter(roof, 0.15), darker(roof, 0.25), base - h - peak, base - h));
    if (snow)
        c.polygon({{x - overhang, base - h + 2},
                   {x + w / 2, base - h - peak},
                   {x + w + overhang, base - h + 2},
                   {x + w / 2, base - h - peak + 10}},
                  solid(rgb(236, 240, 246)));
    const double dw = w * 0.2;
    c.rect(x + w * 0.4, base - h * 0.5, x + w * 0.4 + dw, base, solid(darker(roof, 0.3)));
    for (const double wx : {x + w * 0.1, x + w * 0.72}) {
        c.rect(wx, base - h * 0.75, wx + w * 0.18, base - h * 0.45, solid(rgb(60, 50, 40)));
        c.rect(wx + 2, base - h * 0.75 + 2, wx + w * 0.18 - 2, base - h * 0.45 - 2,
               solid(rng.uniform(0, 1) < 0.5 ? rgb(230, 200, 120) : rgb(140, 170, 200)));
    }
}

void Hall(Canvas& c, double x, double base, double w, double h, Colour stone) {
    const Shader body = vertical(lighter(stone, 0.1), darker(stone, 0.15), base - h, base);
    c.rect(x, base - h * 0.85, x + w, base, body);
    c.polygon({{x - 10, base - h * 0.85}, {x + w / 2, base - h * 1.1}, {x + w + 10, base - h * 0.85}},
              solid(lighter(stone, 0.15)));
    c.rect(x - 10, base - h * 0.87, x + w + 10, base - h * 0.8, solid(darker(stone, 0.1)));
    const int columns = 6;
    for (int i = 0; i < columns; ++i) {
        const double cx = x + w * (i + 0.5) / columns;
        c.rect(cx - w * 0.03, base - h * 0.8, cx + w * 0.03, base - 8,
               horizontal(lighter(stone, 0.3), darker(stone, 0.2), cx - w * 0.03, cx + w * 0.03));
    }
    c.rect(x - 14, base - 8, x + w + 14, base, solid(darker(stone, 0.2)));
}

} // namespace tools::pictures
