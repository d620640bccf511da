#include "tools/assets/pictures/effect_painters.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace tools::pictures {
namespace {

constexpr double kPi = std::numbers::pi;
const Colour kFlash = rgb(250, 244, 200);
const Colour kFire = rgb(240, 140, 40);
const Colour kRed = rgb(210, 50, 40);
const Colour kSteel = rgb(200, 210, 226);
const Colour kBlue = rgb(90, 150, 240);
const Colour kDust = rgb(170, 150, 120);

// A burst of impact: a jagged star in three colours with sparks about it.
void impact(EffectFrame& f, Pt centre, double r, Colour outer, Colour middle, double spin) {
    Rng rng(f.seed + f.index);
    star(f.canvas, centre, r, r * 0.45, 10, spin, solid(outer));
    star(f.canvas, centre, r * 0.7, r * 0.35, 8, spin + 0.2, solid(middle));
    f.canvas.ellipse(centre.x, centre.y, r * 0.3, r * 0.3, solid(kFlash));
    sparks(f.canvas, rng, centre, r * 1.2, 6, r * 0.12, kFlash);
}

void crack(EffectFrame& f, Pt centre, double r, int lines) {
    Rng rng(f.seed);
    for (int i = 0; i < lines; ++i) {
        const double a = 2 * kPi * i / lines + rng.uniform(-0.3, 0.3);
        bolt(f.canvas, rng, centre, {centre.x + r * std::cos(a), centre.y + r * std::sin(a)}, 4, r * 0.08,
             std::max(1.0, r * 0.03), rgb(60, 40, 30), rgb(120, 90, 60));
    }
}

void speedLines(EffectFrame& f, double v0, double v1, double u0, double u1, int count, Colour colour) {
    Rng rng(f.seed + 7);
    for (int i = 0; i < count; ++i) {
        const double v = rng.uniform(v0, v1), length = rng.uniform(0.3, 0.7) * (u1 - u0);
        const double start = rng.uniform(u0, u1 - length);
        streak(f.canvas, f.at(start, v), f.at(start + length, v), f.h * 0.025, colour);
    }
}

void crash(EffectFrame& f) {
    const Pt c = f.at(0.55, 0.5);
    if (f.index > 0) crack(f, c, f.size() * 0.45, 7);
    impact(f, c, f.size() * (0.22 + 0.2 * f.t()), kRed, kFire, f.index * 0.4);
    if (f.index == 2) f.canvas.ring(c.x, c.y, f.size() * 0.42, f.size() * 0.47, solid(kFire));
    speedLines(f, 0.3, 0.7, 0.0, 0.35, 4 + 2 * f.index, kFire);
}

void skullCrash(EffectFrame& f) {
    const Pt c = f.at(0.5, 0.3 + 0.1 * f.t());
    if (f.index == 0) {
        f.canvas.polygon({f.at(0.2, 0.0), f.at(0.8, 0.0), f.at(0.62, 0.32), f.at(0.38, 0.32)},
                         solid(rgb(110, 96, 84)));
        return;
    }
    crack(f, c, f.size() * 0.3 * f.t() + 10, 6);
    impact(f, c, f.size() * (0.18 + 0.12 * f.t()), rgb(230, 220, 200), kFire, f.index);
    if (f.index == 3) {
        for (int i = 0; i < 3; ++i) {
            const double a = 2 * kPi * i / 3 + 0.5;
            star(f.canvas, {c.x + f.size() * 0.32 * std::cos(a), c.y + f.size() * 0.14 * std::sin(a) - 8},
                 f.size() * 0.07, f.size() * 0.03, 5, 0, solid(rgb(240, 220, 80)));
        }
    }
}

void charge(EffectFrame& f) {
    speedLines(f, 0.15, 0.85, 0.0, 0.4 + 0.4 * f.t(), 8, kBlue);
    const double tip = 0.5 + 0.4 * f.t();
    f.canvas.polygon({f.at(tip, 0.5), f.at(tip - 0.3, 0.2), f.at(tip - 0.22, 0.5), f.at(tip - 0.3, 0.8)},
                     solid(rgb(160, 200, 250)));
    f.canvas.polygon(
        {f.at(tip - 0.04, 0.5), f.at(tip - 0.22, 0.32), f.at(tip - 0.16, 0.5), f.at(tip - 0.22, 0.68)},
        solid(kFlash));
}

void heavyHit(EffectFrame& f, Colour outer, Colour inner) {
    const Pt c = f.at(0.5, 0.5);
    const double r = f.h * (0.25 + 0.22 * f.t());
    if (f.index >= 2) f.canvas.ring(c.x, c.y, r * 1.25, r * 1.4, solid(inner));
    impact(f, c, r, outer, inner, f.index * 0.3);
    if (f.index == 3) {
        Rng rng(f.seed);
        for (int i = 0; i < 8; ++i) {
            const double a = rng.uniform(0, 2 * kPi);
            streak(f.canvas, {c.x + r * std::cos(a), c.y + r * 0.8 * std::sin(a)},
                   {c.x + r * 1.8 * std::cos(a), c.y + r * 1.2 * std::sin(a)}, f.h * 0.03, outer);
        }
    }
}

void hardHit(EffectFrame& f) {
    heavyHit(f, kRed, kFire);
}
void strongBlow(EffectFrame& f) {
    heavyHit(f, kBlue, rgb(200, 230, 250));
}

void sword(EffectFrame& f) {
    const double sweep = 0.6 + 1.2 * f.t();
    slash(f.canvas, f.at(0.2, 0.8), f.size() * 0.7, f.size() * 0.2, -kPi / 2 - 0.2, -kPi / 2 - 0.2 + sweep,
          kSteel, kFlash);
    if (f.index == 2) {
        Rng rng(f.seed);
        sparks(f.canvas, rng, f.at(0.7, 0.5), f.size() * 0.2, 3, f.size() * 0.1, kFlash);
    }
}

void spear(EffectFrame& f) {
    const double tip = 0.45 + 0.5 * f.t();
    speedLines(f, 0.35, 0.65, 0.0, tip - 0.1, 3, kSteel);
    f.canvas.capsule(f.at(0, 0.5), f.at(tip - 0.2, 0.5), f.h * 0.04, f.h * 0.04, solid(rgb(140, 96, 52)));
    f.canvas.polygon({f.at(tip, 0.5), f.at(tip - 0.25, 0.38), f.at(tip - 0.25, 0.62)}, solid(kSteel));
    if (f.index == 2) impact(f, f.at(0.85, 0.5), f.size() * 0.18, kFire, kFlash, 0);
}

void bow(EffectFrame& f) {
    const double tip = 0.35 + 0.3 * f.index;
    arrow(f.canvas, f.at(tip - 0.55, 0.62 - 0.1 * f.t()), f.at(tip, 0.5), f.size() * 0.3);
    if (f.index == 2) impact(f, f.at(0.66, 0.5), f.size() * 0.16, kFire, kFlash, 0.3);
}

void crossCut(EffectFrame& f) {
    slash(f.canvas, f.at(0.85, 0.85), f.size() * 0.95, f.size() * 0.14, kPi + 0.1, kPi * 1.5 - 0.1, kSteel,
          kFlash);
    if (f.index == 1) {
        slash(f.canvas, f.at(0.15, 0.85), f.size() * 0.95, f.size() * 0.14, kPi * 1.5 + 0.1, 2 * kPi - 0.1,
              kSteel, kFlash);
        f.canvas.ellipse(f.at(0.5, 0.5).x, f.at(0.5, 0.5).y, f.size() * 0.08, f.size() * 0.08, solid(kFlash));
    }
}

void cutIn(EffectFrame& f) {
    for (int i = 0; i <= f.index; ++i) {
        const double v = 0.25 + 0.17 * i;
        const double right = 0.45 + 0.5 * (f.index - i + 1) / f.count + 0.1 * i;
        slash(f.canvas, f.at(right - 0.4, v + 0.9), f.h * 0.95, f.h * 0.12, -kPi / 2 - 0.15, -kPi / 2 + 0.9,
              kSteel, kFlash);
    }
    speedLines(f, 0.1, 0.9, 0.0, 0.5, 6, kSteel);
}

void fangThrust(EffectFrame& f) {
    const double tip = 0.5 + 0.45 * f.t();
    speedLines(f, 0.25, 0.75, 0.0, tip - 0.15, 14, rgb(220, 226, 240));
    glow(f.canvas, f.at(tip - 0.2, 0.5), f.w * 0.3, f.h * 0.16, rgb(150, 180, 236), rgb(220, 232, 250));
    f.canvas.polygon({f.at(tip, 0.5), f.at(tip - 0.5, 0.36), f.at(tip - 0.5, 0.64)}, solid(kSteel));
    f.canvas.polygon({f.at(tip - 0.02, 0.5), f.at(tip - 0.44, 0.45), f.at(tip - 0.44, 0.55)}, solid(kFlash));
    if (f.index == 2) impact(f, f.at(tip, 0.5), f.h * 0.22, kRed, kFire, 0.2);
}

void assault(EffectFrame& f) {
    Rng rng(f.seed);
    cloud(f.canvas, rng, f.at(0.2 + 0.2 * f.t(), 0.75), f.w * 0.25, f.h * 0.3, 7, kDust);
    speedLines(f, 0.2, 0.8, 0.0, 0.6, 10, rgb(230, 220, 200));
    if (f.index >= 2) impact(f, f.at(0.75, 0.5), f.h * (0.2 + 0.1 * f.index), kRed, kFire, f.index);
}

void legSweep(EffectFrame& f) {
    const double sweep = 0.7 + 1.6 * f.t();
    slash(f.canvas, f.at(0.5, 0.35), f.size() * 0.5, f.size() * 0.16, kPi - sweep, kPi, rgb(200, 170, 120),
          kFlash);
    Rng rng(f.seed + f.index);
    cloud(f.canvas, rng, f.at(0.3 + 0.4 * f.t(), 0.88), f.w * 0.2, f.h * 0.1, 5, kDust);
}

// A blade of wind crossing the frame, another close behind.
void galeSword(EffectFrame& f) {
    const double lead = -0.15 + 0.95 * f.t();
    for (int i = 1; i >= 0; --i) {
        const Pt centre = f.at(lead - 0.22 * i, 0.5);
        slash(f.canvas, centre, f.h * 0.47, f.h * (0.3 - 0.08 * i), -1.25, 1.25,
              i ? rgb(120, 200, 160) : rgb(90, 200, 150), rgb(226, 250, 236));
    }
    speedLines(f, 0.2, 0.8, std::max(0.0, lead - 0.5), std::max(0.05, lead), 6, rgb(170, 230, 200));
}

void encircle(EffectFrame& f) {
    const Pt c = f.at(0.5, 0.5);
    const double r = f.size() * (0.46 - 0.16 * f.index);
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * kPi * i / 10 + f.index * 0.3;
        const Pt tail{c.x + r * 1.25 * std::cos(a), c.y + r * 1.25 * std::sin(a)};
        const Pt tip{c.x + r * std::cos(a), c.y + r * std::sin(a)};
        arrow(f.canvas, tail, tip, f.size() * 0.16);
    }
    if (f.index == 1) impact(f, c, f.size() * 0.12, kRed, kFire, 0);
}

void boneCrush(EffectFrame& f) {
    const Pt c = f.at(0.5, 0.5);
    impact(f, c, f.size() * (0.2 + 0.12 * f.index), rgb(230, 220, 200), kFire, f.index * 0.5);
    Rng rng(f.seed);
    for (int i = 0; i < 2 + f.index; ++i) {
        const double a = rng.uniform(0, 2 * kPi), d = f.size() * 0.12 * (1 + f.index);
        const Pt p{c.x + d * std::cos(a), c.y + d * std::sin(a)};
        f.canvas.capsule({p.x - 3, p.y}, {p.x + 3, p.y + 1}, 1.5, 1.5, solid(rgb(236, 230, 210)));
    }
}

void tailStrike(EffectFrame& f) {
    const double sweep = 0.9 + 1.5 * f.t();
    const double a0 = -kPi / 2 - 0.3;
    const Pt c = f.at(0.5, 0.55);
    const double outer = f.size() * 0.46, inner = f.size() * 0.24;
    f.canvas.arc(c.x, c.y, inner, outer, a0, a0 + sweep, false, solid(rgb(70, 120, 60)));
    f.canvas.arc(c.x, c.y, inner + (outer - inner) * 0.3, outer - (outer - inner) * 0.3, a0, a0 + sweep,
                 false, solid(rgb(160, 200, 100)));
    for (int i = 1; i < 6; ++i) {
        const double a = a0 + sweep * i / 6;
        f.canvas.capsule({c.x + inner * std::cos(a), c.y + inner * std::sin(a)},
                         {c.x + outer * std::cos(a), c.y + outer * std::sin(a)}, 1, 1,
                         solid(rgb(50, 90, 40)));
    }
    f.canvas.arc(c.x, c.y, outer + 3, outer + f.size() * 0.06, a0 - 0.6, a0, true, solid(rgb(220, 230, 200)));
    if (f.index == 3) impact(f, f.at(0.2, 0.7), f.size() * 0.18, kRed, kFire, 0.2);
}

void claws(EffectFrame& f) {
    const double reach = 0.35 + 0.65 * f.t();
    for (int i = 0; i < 3; ++i) {
        const double o = 0.18 * i;
        const Pt a = f.at(0.15 + o, 0.1), b = f.at(0.15 + o + 0.45 * reach, 0.1 + 0.8 * reach);
        f.canvas.capsule(a, b, f.size() * 0.015, f.size() * 0.05, solid(kRed));
        f.canvas.capsule(a, b, f.size() * 0.005, f.size() * 0.02, solid(kFlash));
    }
}

void monsterBasic(EffectFrame& f) {
    const int shown = std::min(f.index + 1, 3);
    const double fade = f.index >= 6 ? 1.0 - 0.25 * (f.index - 5) : 1.0;
    for (int i = 0; i < shown; ++i) {
        const double o = 0.22 * i;
        f.canvas.capsule(f.at(0.2 + o, 0.12), f.at(0.45 + o, 0.88), f.size() * 0.02, f.size() * 0.07 * fade,
                         solid(kRed));
        f.canvas.capsule(f.at(0.22 + o, 0.2), f.at(0.43 + o, 0.8), 0.6, f.size() * 0.025 * fade,
                         solid(kFlash));
    }
    if (f.index >= 3 && f.index <= 5) {
        Rng rng(f.seed + f.index);
        sparks(f.canvas, rng, f.at(0.5, 0.5), f.size() * 0.4, 3, f.size() * 0.08, kFlash);
    }
}

void fangs(EffectFrame& f) {
    const double open = 0.32 * (1 - f.t()) + 0.02;
    for (const double side : {-1.0, 1.0}) {
        const double edge = 0.5 + side * open;
        const double root = edge + side * 0.2;
        f.canvas.rect(f.at(0.1, std::min(edge, root)).x, f.at(0.1, std::min(edge, root)).y, f.at(0.9, 0).x,
                      f.at(0, std::max(edge, root)).y, solid(rgb(150, 40, 50)));
        for (int i = 0; i < 4; ++i) {
            const double u = 0.15 + 0.2 * i;
            f.canvas.polygon({f.at(u, edge), f.at(u + 0.2, edge), f.at(u + 0.1, edge - side * 0.2)},
                             solid(rgb(236, 232, 216)));
        }
    }
}

void horn(EffectFrame& f) {
    const double tip = 0.55 - 0.4 * f.t();
    f.canvas.polygon({f.at(tip, 0.5), f.at(tip + 0.5, 0.3), f.at(tip + 0.55, 0.7)},
                     solid(rgb(226, 214, 180)));
    for (int i = 1; i < 4; ++i)
        f.canvas.capsule(f.at(tip + 0.12 * i, 0.5 - 0.05 * i), f.at(tip + 0.12 * i, 0.5 + 0.05 * i), 1, 1,
                         solid(rgb(170, 150, 110)));
    speedLines(f, 0.3, 0.7, tip + 0.4, 1.0, 5, rgb(230, 220, 200));
    if (f.index == 2) impact(f, f.at(tip, 0.5), f.h * 0.25, kRed, kFire, 0);
}

void crush(EffectFrame& f) {
    Rng rng(f.seed);
    const double fall = std::min(1.0, 0.35 + 0.35 * f.index);
    for (int i = 0; i < 6; ++i)
        streak(f.canvas, f.at(0.15 + 0.14 * i, 0.0), f.at(0.15 + 0.14 * i, 0.2 + 0.5 * fall), f.w * 0.012,
               rgb(200, 190, 170));
    if (f.index >= 1) {
        cloud(f.canvas, rng, f.at(0.5, 0.82), f.w * (0.2 + 0.15 * f.index), f.h * 0.22, 9, kDust);
        crack(f, f.at(0.5, 0.95), f.w * 0.12 * f.index, 5);
    }
}

const std::pair<std::string_view, EffectPainter> kPainters[] = {
    {"クラッシュ", crash},
    {"スカルクラッシュ", skullCrash},
    {"チャージ", charge},
    {"ハードヒット", hardHit},
    {"強打", strongBlow},
    {"剣", sword},
    {"槍", spear},
    {"弓", bow},
    {"十文字切り", crossCut},
    {"切り込み", cutIn},
    {"牙突", fangThrust},
    {"突撃", assault},
    {"足払い", legSweep},
    {"烈風剣", galeSword},
    {"包囲", encircle},
    {"骨砕き", boneCrush},
    {"尾撃", tailStrike},
    {"爪", claws},
    {"モンスター基本攻撃", monsterBasic},
    {"牙", fangs},
    {"角", horn},
    {"押しつぶす", crush},
};

} // namespace

EffectPainter StrikePainter(std::string_view name) {
    for (const auto& [key, painter] : kPainters)
        if (key == name) return painter;
    return nullptr;
}

} // namespace tools::pictures
