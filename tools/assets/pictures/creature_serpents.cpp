#include "tools/assets/pictures/creature.h"

#include <cmath>
#include <numbers>

namespace tools::pictures {
namespace {

const Colour kFang = rgb(232, 224, 200);
const Colour kDark = rgb(34, 26, 36);

// A body along the points, thick at the head end (the last point), with
// belly scales.
void body(Figure& f, const std::vector<Pt>& points, double tail, double neck, Colour skin, Colour belly) {
    f.path(points, tail, neck, skin);
    for (std::size_t i = 2; i + 1 < points.size(); i += 2) {
        const double t = static_cast<double>(i) / (points.size() - 1);
        f.spot(points[i].x, points[i].y + (tail + (neck - tail) * t) * 0.45,
               (tail + (neck - tail) * t) * 0.55, (tail + (neck - tail) * t) * 0.25, belly);
    }
}

void snakeHead(Figure& f, double x, double y, double r, Colour skin, Colour eye, bool fangs) {
    f.ball(x, y, r * 1.3, r * 0.85, -0.15, skin);
    f.eye(x - r * 0.2, y - r * 0.35, r * 0.26, eye);
    f.mark({x - r * 1.25, y + r * 0.2}, {x - r * 0.2, y + r * 0.45}, r * 0.08, kDark);
    f.mark({x - r * 1.25, y + r * 0.2}, {x - r * 2.0, y + r * 0.3}, r * 0.1, rgb(200, 40, 60));
    if (fangs) {
        f.patch({{x - r * 0.9, y + r * 0.3}, {x - r * 0.8, y + r * 0.75}, {x - r * 0.7, y + r * 0.3}}, kFang);
        f.patch({{x - r * 0.5, y + r * 0.38}, {x - r * 0.42, y + r * 0.75}, {x - r * 0.34, y + r * 0.4}},
                kFang);
    }
}

// A horned dragon's head looking left.
void dragonHead(Figure& f, const Creature& c, double x, double y, double r, bool eastern) {
    const Colour horn = eastern ? rgb(220, 200, 140) : c.accent;
    f.path(bezier({x + r * 0.3, y - r * 0.5}, {x + r * 0.9, y - r * 1.2}, {x + r * 1.5, y - r * 1.3},
                  {x + r * 2.0, y - r * 1.1}, 8),
           r * 0.22, r * 0.05, horn);
    if (eastern)
        f.path(bezier({x + r * 0.9, y - r * 1.0}, {x + r * 0.9, y - r * 1.5}, {x + r * 0.8, y - r * 1.8},
                      {x + r * 0.6, y - r * 2.0}, 6),
               r * 0.12, r * 0.04, horn);
    f.ball(x + r * 0.2, y, r * 0.85, r * 0.75, c.skin);
    f.ball(x - r * 0.75, y + r * 0.2, r * 0.95, r * 0.45, c.skin);
    f.ball(x - r * 0.65, y + r * 0.62, r * 0.85, r * 0.25, darker(c.skin, 0.15));
    for (int i = 0; i < 5; ++i) {
        const double tx = x - r * (0.1 + 0.3 * i);
        f.patch({{tx, y + r * 0.45}, {tx - r * 0.1, y + r * 0.75}, {tx - r * 0.2, y + r * 0.45}}, kFang);
    }
    f.spot(x - r * 1.5, y + r * 0.05, r * 0.1, r * 0.08, kDark);
    f.glow(x + r * 0.05, y - r * 0.3, r * 0.2, (c.extras & Ice) ? rgb(120, 220, 250) : rgb(240, 200, 40));
    if (eastern) {
        f.canvas().stroke(
            {f.at(x - r * 1.5, y + r * 0.3), f.at(x - r * 2.2, y + r * 0.9), f.at(x - r * 2.4, y + r * 1.6)},
            std::max(0.6, f.unit() * 0.5), std::max(0.6, f.unit() * 0.3), solid(c.cloth));
        f.canvas().stroke(
            {f.at(x - r * 1.4, y + r * 0.1), f.at(x - r * 2.3, y - r * 0.2), f.at(x - r * 2.8, y + r * 0.2)},
            std::max(0.6, f.unit() * 0.5), std::max(0.6, f.unit() * 0.3), solid(c.cloth));
    }
    if (c.extras & Crown) PaintCrown(f, x + r * 0.2, y - r * 0.65, r * 0.55, rgb(226, 184, 60));
}

std::vector<Pt> wing(double x, double y, double span, double lift) {
    std::vector<Pt> points{{x, y}, {x + span * 0.3, y - span * lift}, {x + span, y - span * lift * 0.7}};
    for (int i = 0; i < 4; ++i) {
        const double t = (i + 1) / 4.0;
        points.push_back(
            {x + span * (1 - 0.9 * t) + span * 0.06, y - span * lift * 0.7 * (1 - t) + span * 0.28 * t});
        points.push_back({x + span * (1 - 0.9 * t), y - span * lift * 0.7 * (1 - t) + span * 0.18 * t});
    }
    return points;
}

void wings(Figure& f, double x, double y, double span, Colour c) {
    f.shape(wing(x - 6, y - 2, span, 0.95), darker(c, 0.25));
    const auto near = wing(x, y, span, 0.8);
    f.shape(near, c);
    for (std::size_t i = 3; i < near.size(); i += 2)
        f.mark(near[1], near[i], 0.7, darker(c, 0.45));
}

} // namespace

void PaintSerpent(Figure& f, const Creature& c) {
    if (c.body == Body::Hydra) {
        f.path(bezier({70, 80}, {86, 84}, {94, 94}, {99, 96}, 10), 7, 1, c.skin);
        const Pt heads[] = {{16, 40}, {26, 20}, {46, 12}, {66, 16}, {80, 34}};
        for (const Pt h : heads)
            body(f, bezier({58, 76}, {58, 60}, {h.x + 12, h.y + 26}, {h.x + 4, h.y + 2}, 12), 8, 4.5, c.skin,
                 c.cloth);
        f.ball(58, 80, 26, 14, c.skin);
        f.spot(54, 86, 16, 6, c.cloth);
        for (const double x : {42.0, 70.0})
            f.limb({x, 84}, {x - 3, 96}, 4.5, 4, darker(c.skin, 0.1));
        for (const Pt h : heads)
            snakeHead(f, h.x, h.y, 5.5, c.skin, c.accent, true);
        return;
    }
    if (c.extras & Big) {
        // Coils round and round, the head in the middle.
        std::vector<Pt> coil;
        for (int i = 0; i <= 60; ++i) {
            const double a = std::numbers::pi * 2 * 1.6 * i / 60 + 0.5;
            const double r = 42 - 20.0 * i / 60;
            coil.push_back({50 + r * std::cos(a), 54 + r * 0.85 * std::sin(a)});
        }
        body(f, coil, 3, 10, c.skin, c.cloth);
        for (std::size_t i = 4; i < coil.size(); i += 6)
            f.shape(
                {{coil[i].x - 2, coil[i].y - 6}, {coil[i].x, coil[i].y - 13}, {coil[i].x + 3, coil[i].y - 6}},
                c.accent);
        snakeHead(f, 36, 44, 8, c.skin, c.accent, true);
        return;
    }
    const bool cobra = c.head == Head::Snake && !(c.extras & Waves);
    if (cobra) {
        std::vector<Pt> path = bezier({90, 86}, {60, 100}, {20, 92}, {50, 78}, 14);
        const auto up = bezier({50, 78}, {70, 70}, {66, 50}, {46, 34}, 12);
        path.insert(path.end(), up.begin() + 1, up.end());
        body(f, path, 2, 9, c.skin, c.cloth);
        f.ball(48, 38, 11, 14, c.skin);
        f.spot(48, 40, 6, 9, c.cloth);
        snakeHead(f, 42, 26, 7, c.skin, c.accent, true);
        return;
    }
    const auto path = bezier({96, 70}, {60, 110}, {86, 20}, {30, 30}, 24);
    if (c.extras & Waves)
        for (int i = 0; i < 6; ++i)
            f.ball(8 + i * 17, 92, 12, 6, rgb(50, 120, 190));
    body(f, path, 2.5, 10, c.skin, c.cloth);
    for (std::size_t i = 4; i + 4 < path.size(); i += 3)
        f.shape(
            {{path[i].x - 3, path[i].y - 7}, {path[i].x + 2, path[i].y - 16}, {path[i].x + 5, path[i].y - 6}},
            c.accent);
    snakeHead(f, 24, 28, 9, c.skin, rgb(230, 200, 40), true);
    if (c.extras & Waves)
        for (int i = 0; i < 6; ++i)
            f.ball(2 + i * 19, 98, 11, 5, rgb(70, 150, 210));
}

void PaintDragon(Figure& f, const Creature& c) {
    if (c.body == Body::EastDragon) {
        std::vector<Pt> path;
        for (int i = 0; i <= 40; ++i) {
            const double t = i / 40.0;
            path.push_back({96 - 74 * t, 86 - 50 * t + 14 * std::sin(t * std::numbers::pi * 2.5)});
        }
        if (c.extras & Waves)
            for (int i = 0; i < 6; ++i)
                f.ball(8 + i * 17, 94, 12, 6, rgb(50, 120, 190));
        for (std::size_t i = 2; i + 3 < path.size(); i += 3)
            f.shape({{path[i].x - 2, path[i].y - 4},
                     {path[i].x + 1, path[i].y - 12},
                     {path[i].x + 4, path[i].y - 4}},
                    c.cloth);
        body(f, path, 2, 8, c.skin, lighter(c.cloth, 0.2));
        for (const std::size_t i : {12u, 30u}) {
            f.limb(path[i], {path[i].x - 4, path[i].y + 10}, 2.2, 1.6, c.skin);
            for (int t = -1; t <= 1; ++t)
                f.mark({path[i].x - 4, path[i].y + 10}, {path[i].x - 6 + t * 2, path[i].y + 13}, 0.7, kFang);
        }
        dragonHead(f, c, 18, 30, 10, true);
        return;
    }
    const bool wyvern = c.body == Body::Wyvern;
    const Colour belly = c.cloth;
    f.path(bezier({72, 70}, {92, 72}, {96, 88}, {90, 96}, 12), 8, 1.5, c.skin);
    f.shape({{90, 96}, {98, 90}, {97, 99}}, c.accent);
    wings(f, 50, 44, wyvern ? 52 : 46, mix(c.skin, c.accent, 0.3));
    if (!wyvern) f.limb({66, 70}, {68, 92}, 6, 4, darker(c.skin, 0.2));
    f.ball(58, 64, 22, 15, c.skin);
    f.spot(54, 72, 14, 6, belly);
    f.limb({70, 68}, {74, 92}, 7, 4.5, c.skin);
    f.ball(71, 94, 6, 3, darker(c.skin, 0.15));
    if (!wyvern) {
        f.limb({44, 70}, {40, 90}, 4.5, 3.5, c.skin);
        f.ball(37, 92, 5, 2.6, darker(c.skin, 0.15));
    }
    const auto neck = bezier({46, 60}, {34, 52}, {38, 36}, {28, 28}, 10);
    body(f, neck, 9, 7, c.skin, belly);
    for (int i = 0; i < 4; ++i)
        f.shape({{50 + i * 9.0, 50.0 - i}, {54 + i * 9.0, 42.0 - i}, {58 + i * 9.0, 50.0 - i}}, c.accent);
    dragonHead(f, c, 24, 26, (c.extras & Big) ? 12 : 10.5, false);
}

} // namespace tools::pictures
