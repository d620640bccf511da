#include "tools/assets/pictures/creature.h"

#include <cmath>

namespace tools::pictures {
namespace {

const Colour kHorn = rgb(232, 222, 190);
const Colour kClaw = rgb(222, 212, 186);
const Colour kDark = rgb(34, 26, 36);

// A head seen from the side, looking left, about (x, y) with size r.
void sideHead(Figure& f, const Creature& c, Head head, double x, double y, double r) {
    const Colour skin = c.skin;
    switch (head) {
    case Head::Horse:
        f.ball(x + r * 0.1, y - r * 0.95, r * 0.2, r * 0.42, -0.3, skin);
        f.ball(x - r * 0.35, y + r * 0.25, r * 1.1, r * 0.55, 0.75, skin);
        f.spot(x - r * 1.0, y + r * 0.95, r * 0.12, r * 0.1, kDark);
        f.eye(x - r * 0.05, y - r * 0.25, r * 0.16, rgb(60, 40, 30));
        if (c.extras & UniHorn) {
            f.shape({{x - r * 0.45, y - r * 0.55}, {x - r * 0.05, y - r * 0.75}, {x - r * 1.1, y - r * 2.2}},
                    kHorn);
            for (int i = 1; i < 4; ++i)
                f.mark({x - r * (0.35 + 0.18 * i), y - r * (0.7 + 0.35 * i)},
                       {x - r * (0.15 + 0.18 * i), y - r * (0.8 + 0.35 * i)}, r * 0.04, darker(kHorn, 0.3));
        }
        break;
    case Head::Lion:
    case Head::Tiger:
    case Head::Dog:
    case Head::Wolf: {
        const bool cat = head == Head::Lion || head == Head::Tiger;
        if (head == Head::Lion) f.ball(x + r * 0.3, y, r * 1.45, r * 1.4, c.cloth);
        if (cat)
            f.ball(x + r * 0.35, y - r * 0.75, r * 0.3, r * 0.3, skin);
        else
            f.shape({{x + r * 0.05, y - r * 0.55}, {x + r * 0.3, y - r * 1.5}, {x + r * 0.7, y - r * 0.45}},
                    skin);
        f.ball(x, y, r, r * 0.9, skin);
        f.ball(x - r * 0.8, y + r * 0.3, r * (cat ? 0.5 : 0.7), r * 0.42, lighter(skin, 0.25));
        f.spot(x - r * (cat ? 1.2 : 1.4), y + r * 0.12, r * 0.16, r * 0.13, kDark);
        f.mark({x - r * 1.2, y + r * 0.65}, {x - r * 0.5, y + r * 0.6}, r * 0.07, kDark);
        f.mark({x - r * 1.0, y + r * 0.6}, {x - r * 0.97, y + r * 0.85}, r * 0.07, kHorn);
        f.eye(x - r * 0.3, y - r * 0.3, r * 0.2,
              head == Head::Wolf || cat ? rgb(220, 180, 30) : rgb(180, 40, 30));
        if (c.extras & Stripes)
            for (int i = 0; i < 3; ++i)
                f.mark({x + r * (0.1 + 0.25 * i), y - r * 0.85}, {x + r * (0.05 + 0.25 * i), y - r * 0.4},
                       r * 0.08, kDark);
        break;
    }
    case Head::Eagle:
        f.ball(x, y, r, r * 0.9, c.cloth);
        f.shape({{x - r * 0.7, y - r * 0.35},
                 {x - r * 1.9, y + r * 0.05},
                 {x - r * 1.55, y + r * 0.7},
                 {x - r * 0.6, y + r * 0.35}},
                rgb(232, 180, 40));
        f.eye(x - r * 0.3, y - r * 0.25, r * 0.2, rgb(220, 150, 20));
        break;
    case Head::Human:
        f.shape({{x - r * 0.3, y - r * 1.1}, {x + r * 1.5, y + r * 1.6}, {x - r * 0.2, y + r * 1.3}},
                c.cloth);
        for (int i = 0; i < 4; ++i)
            f.mark({x + r * (0.1 + 0.3 * i), y - r * 0.5 + r * 0.45 * i},
                   {x - r * 0.1, y + r * 0.2 + 0.3 * r * i}, r * 0.06, c.accent);
        f.ball(x - r * 0.1, y + r * 0.1, r * 0.85, r * 0.95, skin);
        f.eye(x - r * 0.45, y - r * 0.05, r * 0.17, rgb(40, 90, 140));
        f.mark({x - r * 0.7, y + r * 0.55}, {x - r * 0.35, y + r * 0.55}, r * 0.06, darker(skin, 0.5));
        break;
    case Head::Buffalo:
        f.path(bezier({x + r * 0.2, y - r * 0.4}, {x + r * 0.9, y - r * 1.4}, {x - r * 0.3, y - r * 1.8},
                      {x - r * 0.9, y - r * 1.2}, 8),
               r * 0.25, r * 0.06, kHorn);
        f.ball(x, y, r, r * 0.8, 0.4, skin);
        f.ball(x - r * 0.85, y + r * 0.5, r * 0.45, r * 0.4, darker(skin, 0.1));
        f.glow(x - r * 0.25, y - r * 0.1, r * 0.17, rgb(230, 40, 40));
        break;
    case Head::Croc:
    case Head::Lizard:
    case Head::Dragon: {
        const double length = head == Head::Croc ? 2.4 : 1.5;
        f.ball(x - r * length * 0.45, y + r * 0.15, r * length * 0.7, r * 0.42, skin);
        f.ball(x - r * length * 0.4, y + r * 0.55, r * length * 0.6, r * 0.25, darker(skin, 0.1));
        for (int i = 0; i < 6; ++i) {
            const double tx = x - r * length * (0.05 + 0.14 * i);
            f.patch({{tx, y + r * 0.42}, {tx - r * 0.08, y + r * 0.62}, {tx - r * 0.16, y + r * 0.42}},
                    kClaw);
        }
        f.ball(x + r * 0.1, y, r * 0.7, r * 0.6, skin);
        f.eye(x - r * 0.05, y - r * 0.35, r * 0.2, rgb(230, 200, 30));
        if (c.extras & Horns)
            f.path(bezier({x + r * 0.2, y - r * 0.4}, {x + r * 0.6, y - r * 1.0}, {x + r * 1.0, y - r * 1.2},
                          {x + r * 1.5, y - r * 1.3}, 8),
                   r * 0.2, r * 0.04, c.accent);
        break;
    }
    default:
        PaintHead(f, c, x, y, r);
        break;
    }
}

void legs(Figure& f, const Creature& c, double top, double foot, double r, bool far) {
    const Colour leg = far ? darker(c.skin, 0.22) : c.skin;
    const double shift = far ? 5 : 0;
    for (const double x : {36.0, 72.0}) {
        const double lx = x + shift;
        f.limb({lx, top}, {lx - 1, (top + foot) / 2 + 2}, r * 1.3, r, leg);
        f.limb({lx - 1, (top + foot) / 2 + 2}, {lx - 2, foot - 2}, r, r * 0.85, leg);
        f.ball(lx - 3.5, foot - 1.5, r * 1.1, r * 0.6,
               c.head == Head::Horse ? darker(c.accent, 0.2) : lighter(leg, 0.1));
    }
}

} // namespace

void PaintBeast(Figure& f, const Creature& c) {
    const bool low = (c.head == Head::Croc || c.head == Head::Lizard) && !(c.extras & Tall);
    const double bodyY = low ? 68 : 54, bodyRy = low ? 11 : 15, foot = 95;
    const double legR = (c.extras & Big) ? 5 : 3.8;
    if (c.extras & FeatherWings)
        f.shape({{52, 46}, {66, 4}, {96, 10}, {92, 22}, {86, 30}, {80, 38}, {70, 46}}, darker(c.accent, 0.1));
    const double tailY = bodyY - 4;
    if (low)
        f.path(bezier({80, bodyY}, {92, bodyY + 4}, {96, bodyY + 18}, {99, bodyY + 24}, 12), 9, 1, c.skin);
    else if (c.extras & GoatHead)
        f.path(bezier({82, tailY}, {96, tailY + 6}, {98, tailY - 20}, {88, tailY - 26}, 12), 2.4, 2.8,
               rgb(90, 140, 60));
    else
        f.path(bezier({80, tailY}, {92, tailY - 2}, {94, tailY + 18}, {97, tailY + 26}, 12), 2.2, 1.2,
               (c.extras & Mane) ? c.cloth : c.skin);
    if (c.extras & GoatHead)
        sideHead(f, {c.name, c.body, Head::Snake, rgb(90, 140, 60), c.cloth, c.accent, 0, Gear::None},
                 Head::Lizard, 88, tailY - 28, 5);
    legs(f, c, bodyY + 4, low ? 90 : foot, legR, true);
    f.ball(56, bodyY, low ? 30 : 27, bodyRy, c.skin);
    f.spot(52, bodyY + bodyRy * 0.55, 18, bodyRy * 0.3, lighter(c.skin, 0.15));
    if (c.extras & Stripes)
        for (int i = 0; i < 6; ++i)
            f.mark({36 + i * 8.0, bodyY - bodyRy * 0.9}, {34 + i * 8.0, bodyY + bodyRy * 0.3}, 1.6, kDark);
    if (c.extras & Scales)
        for (int i = 0; i < 12; ++i)
            f.spot(38 + (i % 6) * 7 + (i / 6) * 3, bodyY - 6 + (i / 6) * 7, 2, 1.4, darker(c.skin, 0.2));
    legs(f, c, bodyY + 4, low ? 90 : foot, legR, false);
    if (c.extras & Flames) PaintFlames(f, 40, bodyY - 8, 24, 22, nameSeed(c.name));
    if (c.extras & GoatHead) {
        f.limb({62, bodyY - 10}, {66, bodyY - 22}, 4, 3.5, rgb(150, 140, 120));
        f.path(bezier({68, bodyY - 26}, {74, bodyY - 34}, {80, bodyY - 30}, {78, bodyY - 24}, 8), 1.6, 0.6,
               kHorn);
        f.ball(64, bodyY - 24, 5, 4.5, rgb(150, 140, 120));
        f.eye(61, bodyY - 25, 1.2, rgb(200, 170, 40));
    }
    if (c.extras & FeatherWings)
        f.shape({{48, 48}, {58, 8}, {84, 14}, {80, 26}, {74, 34}, {66, 44}}, c.accent);

    const int heads = (c.extras & ThreeHeads) ? 3 : 1;
    for (int i = heads - 1; i >= 0; --i) {
        const double dx = (heads == 1 ? 0 : (i - 1) * 11.0), dy = (heads == 1 ? 0 : -(i - 1) * 7.0);
        const double hx = (low ? 26 : 24) + dx, hy = (low ? 62 : 30) + dy;
        const double neckR = c.head == Head::Horse ? 8 : 7;
        if (!low) f.limb({40, bodyY - 4}, {hx + 4, hy + 4}, neckR, neckR * 0.8, c.skin);
        if ((c.extras & Mane) && !low)
            f.path(bezier({hx + 6, hy - 6}, {hx + 14, hy}, {hx + 16, hy + 10}, {44, bodyY - 12}, 8), 3.5, 2,
                   (c.extras & Flames) ? rgb(240, 120, 40) : c.cloth);
        sideHead(f, c, c.head, hx, hy, (c.extras & Big) ? 12 : 10.5);
    }
    if (c.extras & Waves)
        for (int i = 0; i < 5; ++i)
            f.ball(14 + i * 18, 95, 12, 4, rgb(60, 130, 190));
}

void PaintCentaur(Figure& f, const Creature& c) {
    Creature horse = c;
    horse.extras = Mane;
    const double bodyY = 62;
    f.path(bezier({80, bodyY - 4}, {92, bodyY - 2}, {94, bodyY + 16}, {97, bodyY + 24}, 12), 2.4, 1.2,
           c.accent);
    legs(f, horse, bodyY + 4, 96, 3.6, true);
    f.ball(58, bodyY, 27, 13, c.skin);
    if (c.extras & Armour) f.ball(58, bodyY - 3, 24, 9, c.cloth);
    legs(f, horse, bodyY + 4, 96, 3.6, false);
    // The rider's half rises where a horse's neck would be.
    const Colour torso = (c.extras & Armour) ? c.cloth : rgb(214, 168, 128);
    f.shape({{26, 56}, {46, 56}, {44, 30}, {26, 30}}, torso);
    f.limb({30, 32}, {20, 48}, 3, 2.6, torso);
    PaintGear(f, c.gear, c.accent, 20, 48, 44);
    f.ball(20, 48, 3, 3, rgb(214, 168, 128));
    f.limb({42, 33}, {30, 46}, 3, 2.6, torso);
    f.ball(30, 46, 3, 3, rgb(214, 168, 128));
    Creature rider = c;
    rider.skin = rgb(214, 168, 128);
    rider.head = (c.extras & Armour) ? Head::Helmet : Head::Human;
    PaintHead(f, rider, 36, 20, 9);
}

void PaintBird(Figure& f, const Creature& c) {
    const Colour wing = c.cloth;
    for (const double side : {1.0, -1.0}) {
        std::vector<Pt> points{{50 + side * 6, 50}, {50 + side * 20, 18}, {50 + side * 46, 4}};
        for (int i = 0; i < 5; ++i)
            points.push_back({50 + side * (46 - i * 7.5), 18 + i * 8.0 + (i % 2) * 4.0});
        points.push_back({50 + side * 10, 62});
        f.shape(points, side > 0 ? darker(wing, 0.15) : wing);
        for (int i = 0; i < 4; ++i)
            f.mark({50 + side * (14 + i * 7.0), 30 + i * 2.0}, {50 + side * (38 - i * 3.0), 20 + i * 9.0},
                   0.7, darker(wing, 0.4));
    }
    f.shape({{56, 70}, {80, 92}, {70, 96}, {60, 94}, {50, 80}}, darker(wing, 0.1));
    for (const double x : {44.0, 56.0}) {
        f.limb({x, 70}, {x - 2, 88}, 2.4, 2, rgb(226, 180, 60));
        for (int t = -1; t <= 1; ++t)
            f.limb({x - 2, 88}, {x - 2 + t * 4, 94}, 1.2, 0.7, rgb(226, 180, 60));
    }
    f.ball(50, 60, 15, 18, c.skin);
    f.spot(48, 64, 9, 11, lighter(c.skin, 0.3));
    if (c.head == Head::Human) {
        Creature face = c;
        face.skin = rgb(222, 180, 150);
        PaintHead(f, face, 46, 34, 10);
    } else {
        if (c.extras & Crown) {
            for (int i = 0; i < 3; ++i)
                f.shape({{46 + i * 3.0, 24}, {50 + i * 6.0, 8 + i * 3.0}, {52 + i * 3.0, 26}}, c.accent);
        }
        f.limb({50, 50}, {44, 34}, 8, 7, c.skin);
        sideHead(f, {c.name, c.body, Head::Eagle, c.skin, lighter(c.skin, 0.25), c.accent, 0, Gear::None},
                 Head::Eagle, 42, 30, 9);
    }
}

} // namespace tools::pictures
