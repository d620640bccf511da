#include "tools/assets/pictures/effect_painters.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace tools::pictures {
namespace {

constexpr double kPi = std::numbers::pi;
const Colour kFlash = rgb(250, 244, 200);

// Flames from the right edge toward the left, reaching `reach` of the width.
void breath(EffectFrame& f) {
    Rng rng(f.seed);
    const double reach = 0.4 + 0.3 * f.index;
    const Colour layers[] = {rgb(200, 50, 20), rgb(240, 130, 30), rgb(250, 210, 80)};
    for (int layer = 0; layer < 3; ++layer) {
        const double spread = 0.42 - 0.12 * layer;
        for (int i = 0; i < 9; ++i) {
            const double u = 1.0 - reach * (i + 0.5) / 9;
            const double r = f.h * spread * (0.5 + 0.5 * (1 - std::abs(u - (1 - reach / 2)) / reach));
            f.canvas.ellipse(f.at(u, 0.5).x, f.at(u, 0.5 + rng.uniform(-0.05, 0.05)).y, r * 0.9, r,
                             solid(layers[layer]));
        }
    }
    sparks(f.canvas, rng, f.at(1 - reach, 0.5), f.h * 0.4, 5, f.h * 0.05, rgb(250, 220, 120));
}

void smoke(EffectFrame& f) {
    Rng rng(f.seed);
    for (int i = 0; i <= f.index; ++i)
        cloud(f.canvas, rng, f.at(0.25 + 0.17 * i, 0.55 - 0.05 * i), f.w * (0.2 + 0.05 * f.index),
              f.h * (0.35 + 0.05 * f.index), 8, mix(rgb(120, 116, 120), rgb(190, 186, 180), i / 3.0));
}

void pollen(EffectFrame& f) {
    Rng rng(f.seed);
    const int count = 18 + 12 * f.index;
    for (int i = 0; i < count; ++i) {
        const double a = rng.uniform(0, 2 * kPi) + f.index * 0.5;
        const double r = rng.uniform(0.05, 0.2 + 0.1 * f.index);
        const Pt p = f.at(0.5 + r * std::cos(a), 0.5 + r * std::sin(a));
        const double s = f.size() * rng.uniform(0.015, 0.035);
        f.canvas.ellipse(p.x, p.y, s, s, solid(rgb(240, 210, 60)));
        f.canvas.ellipse(p.x - s * 0.3, p.y - s * 0.3, s * 0.4, s * 0.4, solid(rgb(250, 240, 170)));
    }
}

// Drops of a liquid falling and splashing into a pool.
void liquid(EffectFrame& f, Colour colour, bool bubbles) {
    Rng rng(f.seed);
    for (int i = 0; i < 7; ++i) {
        const double u = rng.uniform(0.15, 0.85), start = rng.uniform(-0.1, 0.3);
        const double v = start + 0.22 * f.index;
        if (v < 0.8) drop(f.canvas, f.at(u, v), f.size() * 0.045, colour);
    }
    if (f.index >= 1) {
        const double pool = 0.12 + 0.1 * f.index;
        f.canvas.ellipse(f.at(0.5, 0.86).x, f.at(0.5, 0.86).y, f.w * pool * 1.6, f.h * pool * 0.5,
                         solid(darker(colour, 0.15)));
        f.canvas.ellipse(f.at(0.46, 0.84).x, f.at(0.46, 0.84).y, f.w * pool, f.h * pool * 0.25,
                         solid(lighter(colour, 0.3)));
    }
    if (bubbles && f.index >= 2)
        for (int i = 0; i < 3 + f.index; ++i) {
            const Pt p = f.at(rng.uniform(0.25, 0.75), rng.uniform(0.55, 0.8));
            const double r = f.size() * rng.uniform(0.02, 0.05);
            f.canvas.ring(p.x, p.y, r * 0.6, r, solid(lighter(colour, 0.4)));
        }
}

void acid(EffectFrame& f) {
    liquid(f, rgb(120, 210, 50), true);
}
void dissolve(EffectFrame& f) {
    liquid(f, rgb(160, 70, 200), true);
}

void slime(EffectFrame& f) {
    const Colour colour = rgb(90, 190, 160);
    const double length = 0.2 + 0.2 * f.index;
    f.canvas.rect(f.at(0.05, 0).x, f.at(0, 0).y, f.at(0.95, 0).x, f.at(0, 0.12).y, solid(colour));
    for (int i = 0; i < 5; ++i) {
        const double u = 0.12 + 0.19 * i, l = length * (0.6 + 0.4 * ((i * 7) % 3) / 2.0);
        f.canvas.capsule(f.at(u, 0.05), f.at(u, 0.05 + l), f.size() * 0.06, f.size() * 0.045, solid(colour));
        drop(f.canvas, f.at(u, std::min(0.95, 0.1 + l + 0.08)), f.size() * 0.055, colour);
    }
}

void lightning(EffectFrame& f) {
    Rng rng(f.seed + f.index);
    for (int i = 0; i < 1 + f.index; ++i) {
        const double u = rng.uniform(0.2, 0.8);
        bolt(f.canvas, rng, f.at(u + rng.uniform(-0.1, 0.1), 0.0), f.at(u + rng.uniform(-0.15, 0.15), 1.0), 7,
             f.w * 0.05, f.h * 0.035, rgb(250, 220, 60), rgb(250, 250, 210));
    }
    if (f.index == 2) glow(f.canvas, f.at(0.5, 0.85), f.w * 0.2, f.h * 0.15, rgb(250, 220, 60), kFlash);
}

// One picture, its crest on top: shown a strip at a time as the wave rises.
void tsunami(EffectFrame& f) {
    const Colour deep = rgb(30, 90, 170), light = rgb(90, 170, 220);
    std::vector<Pt> body{f.at(0, 1), f.at(0, 0.3)};
    for (int i = 0; i <= 20; ++i) {
        const double u = i / 20.0;
        body.push_back(f.at(u, 0.12 + 0.1 * std::sin(u * kPi * 3) * (1 - u) + 0.15 * u * u));
    }
    body.push_back(f.at(1, 1));
    f.canvas.polygon(body, vertical(light, deep, f.y, f.y + f.h));
    f.canvas.arc(f.at(0.3, 0.2).x, f.at(0.3, 0.2).y, f.w * 0.12, f.w * 0.22, kPi, 2 * kPi, true,
                 solid(rgb(220, 236, 240)));
    Rng rng(f.seed);
    for (int i = 0; i < 24; ++i) {
        const Pt p = f.at(rng.uniform(0, 1), rng.uniform(0.02, 0.2));
        f.canvas.ellipse(p.x, p.y, 3, 3, solid(rgb(226, 236, 240)));
    }
    for (int i = 0; i < 6; ++i)
        f.canvas.arc(f.at(0.1 + 0.16 * i, 0.45 + 0.08 * (i % 3)).x, f.at(0, 0.45 + 0.08 * (i % 3)).y,
                     f.w * 0.05, f.w * 0.07, kPi * 1.1, kPi * 1.9, true, solid(light));
}

void tornado(EffectFrame& f) {
    for (int i = 0; i < 16; ++i) {
        const double v = 0.05 + 0.9 * i / 15;
        const double half = 0.08 + 0.38 * (1 - v);
        const double shift = 0.06 * std::sin(v * 6 + f.index * 2.1);
        const Pt c = f.at(0.5 + shift, v);
        f.canvas.ellipse(c.x, c.y, f.w * half, f.h * 0.04,
                         solid(mix(rgb(150, 150, 160), rgb(220, 220, 226), (i % 3) / 2.0)));
    }
    Rng rng(f.seed + f.index);
    for (int i = 0; i < 6; ++i) {
        const Pt p = f.at(rng.uniform(0.1, 0.9), rng.uniform(0.1, 0.9));
        f.canvas.rect(p.x, p.y, p.x + 4, p.y + 3, solid(rgb(120, 90, 60)));
    }
}

void tentacles(EffectFrame& f) {
    const Colour colour = rgb(150, 70, 150);
    for (int i = 0; i < 4; ++i) {
        const double u = 0.15 + 0.23 * i;
        const double height = 0.3 + 0.18 * f.index;
        const double curl = (i % 2 ? 1 : -1) * 0.12 * (1 + f.t());
        const auto path = bezier(f.at(u, 1.0), f.at(u, 1.0 - height * 0.5), f.at(u + curl, 1.0 - height),
                                 f.at(u + curl * 0.3, 1.0 - height * 0.95), 14);
        f.canvas.stroke(path, f.size() * 0.07, f.size() * 0.02, solid(colour));
        for (std::size_t k = 2; k < path.size(); k += 3)
            f.canvas.ellipse(path[k].x + 2, path[k].y, 1.6, 1.6, solid(rgb(230, 170, 210)));
    }
}

void coil(EffectFrame& f) {
    const Colour colour = rgb(100, 160, 70);
    const double r = f.size() * (0.45 - 0.06 * f.index);
    for (int i = 0; i < 3; ++i) {
        const double v = 0.3 + 0.2 * i;
        const Pt c = f.at(0.5, v);
        f.canvas.arc(c.x, c.y, r * 0.75, r, 0.1, kPi - 0.1, false, solid(colour));
        f.canvas.arc(c.x, c.y, r * 0.8, r * 0.92, 0.3, kPi - 0.3, false, solid(rgb(180, 210, 110)));
    }
    if (f.index == 3) glow(f.canvas, f.at(0.5, 0.5), r * 0.3, r * 0.3, rgb(240, 120, 40), kFlash);
}

void terrorVoice(EffectFrame& f) {
    for (int i = 0; i <= f.index; ++i) {
        const double r = f.h * (0.15 + 0.17 * (f.index - i + 1));
        const Pt c = f.at(0.5, 0.5);
        f.canvas.fill(
            c.x - r * 2, c.y - r, c.x + r * 2, c.y + r,
            [&](double x, double y) {
                const double a = std::atan2(y - c.y, (x - c.x) / 2);
                const double edge = r * (1 + 0.08 * std::sin(a * 12));
                const double d = std::hypot((x - c.x) / 2, y - c.y);
                return d <= edge && d >= edge - f.h * 0.06;
            },
            solid(mix(rgb(120, 40, 160), rgb(200, 120, 230), i / 2.0)));
    }
    f.canvas.ellipse(f.at(0.5, 0.5).x, f.at(0.5, 0.5).y, f.h * 0.1, f.h * 0.1, solid(rgb(90, 30, 110)));
}

void taunt(EffectFrame& f) {
    const Colour red = rgb(220, 40, 40);
    const Pt marks[] = {f.at(0.25, 0.35), f.at(0.6, 0.25), f.at(0.78, 0.65)};
    for (int i = 0; i <= f.index && i < 3; ++i) {
        const Pt c = marks[i];
        const double s = f.h * 0.16;
        for (int k = 0; k < 4; ++k) {
            const double a = kPi / 4 + k * kPi / 2;
            f.canvas.arc(c.x + s * std::cos(a), c.y + s * std::sin(a), s * 0.45, s * 0.75, a + kPi * 0.6,
                         a + kPi * 1.4, false, solid(red));
        }
    }
    star(f.canvas, f.at(0.45, 0.7), f.h * (0.15 + 0.05 * f.index), f.h * 0.08, 7, f.index * 0.4,
         solid(rgb(250, 220, 80)));
}

// A glow about the figure standing in the cell, rising flames at the edges.
void aura(EffectFrame& f, Colour outer, Colour inner, bool flames) {
    const double grow = 0.7 + 0.15 * f.index;
    const Pt c = f.at(0.5, 0.55);
    f.canvas.ring(c.x, c.y, f.size() * 0.36 * grow, f.size() * 0.46 * grow, solid(outer));
    f.canvas.ring(c.x, c.y, f.size() * 0.4 * grow, f.size() * 0.43 * grow, solid(inner));
    if (flames)
        for (int i = 0; i < 5; ++i) {
            const double u = 0.1 + 0.2 * i, top = 0.5 - 0.12 * ((i + f.index) % 3);
            f.canvas.polygon({f.at(u - 0.08, 1.0), f.at(u, top), f.at(u + 0.08, 1.0)}, solid(outer));
            f.canvas.polygon({f.at(u - 0.04, 1.0), f.at(u, top + 0.2), f.at(u + 0.04, 1.0)}, solid(inner));
        }
}

void berserk(EffectFrame& f) {
    aura(f, rgb(200, 30, 30), rgb(250, 140, 60), true);
}
void spirit(EffectFrame& f) {
    aura(f, rgb(240, 170, 30), rgb(250, 240, 150), false);
    for (int i = 0; i < 8; ++i) {
        const double a = 2 * kPi * i / 8 + f.index * 0.2;
        const Pt c = f.at(0.5, 0.5);
        streak(f.canvas, {c.x + f.size() * 0.2 * std::cos(a), c.y + f.size() * 0.2 * std::sin(a)},
               {c.x + f.size() * (0.3 + 0.06 * f.index) * std::cos(a),
                c.y + f.size() * (0.3 + 0.06 * f.index) * std::sin(a)},
               f.size() * 0.04, rgb(250, 220, 90));
    }
}

void zazen(EffectFrame& f) {
    const Pt c = f.at(0.5, 0.78);
    for (int i = 0; i < 5; ++i) {
        const double a = kPi + kPi * (i + 0.5) / 5;
        f.canvas.ellipse(c.x + f.size() * 0.18 * std::cos(a), c.y + f.size() * 0.14 * std::sin(a),
                         f.size() * 0.14, f.size() * 0.06, a, solid(rgb(230, 150, 190)));
    }
    for (int i = 0; i <= f.index; ++i) {
        const double v = 0.65 - 0.22 * i;
        f.canvas.ring(f.at(0.5, v).x, f.at(0.5, v).y, f.size() * (0.12 + 0.06 * i),
                      f.size() * (0.15 + 0.06 * i), solid(rgb(110, 190, 210)));
    }
}

void concentrate(EffectFrame& f) {
    const Pt c = f.at(0.5, 0.5);
    const double r = f.size() * (0.45 - 0.13 * f.index);
    for (int i = 0; i < 8; ++i) {
        const double a = 2 * kPi * i / 8;
        star(f.canvas, {c.x + r * std::cos(a), c.y + r * std::sin(a)}, f.size() * 0.07, f.size() * 0.025, 4,
             0, solid(rgb(170, 220, 250)));
    }
    glow(f.canvas, c, f.size() * (0.08 + 0.08 * f.index), f.size() * (0.08 + 0.08 * f.index),
         rgb(120, 180, 240), rgb(240, 250, 250));
}

const std::pair<std::string_view, EffectPainter> kPainters[] = {
    {"ブレス", breath},        {"煙攻め", smoke},       {"花粉", pollen},    {"強酸", acid},
    {"溶解液", dissolve},      {"粘液", slime},         {"電撃", lightning}, {"津波", tsunami},
    {"竜巻", tornado},         {"触手", tentacles},     {"巻きつき", coil},  {"テラーボイス", terrorVoice},
    {"挑発", taunt},           {"ベルセルク", berserk}, {"気合", spirit},    {"座禅", zazen},
    {"精神統一", concentrate},
};

} // namespace

EffectPainter ElementPainter(std::string_view name) {
    for (const auto& [key, painter] : kPainters)
        if (key == name) return painter;
    return nullptr;
}

} // namespace tools::pictures
