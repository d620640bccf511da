#include "tools/assets/pictures/creature.h"

#include <cmath>
#include <numbers>

namespace tools::pictures {
namespace {

const Colour kSteel = rgb(190, 196, 206);
const Colour kWood = rgb(126, 84, 46);
const Colour kGold = rgb(226, 184, 60);
const Colour kBone = rgb(228, 220, 196);
const Colour kDark = rgb(34, 26, 36);

void eyes(Figure& f, double x, double y, double r, Colour iris) {
    f.eye(x - r * 0.4, y, r * 0.2, iris);
    f.eye(x + r * 0.4, y, r * 0.2, iris);
}

void glowEyes(Figure& f, double x, double y, double r, Colour c) {
    f.glow(x - r * 0.38, y, r * 0.17, c);
    f.glow(x + r * 0.38, y, r * 0.17, c);
}

void horns(Figure& f, double x, double y, double r, Colour c) {
    for (const double side : {-1.0, 1.0}) {
        f.path(bezier({x + side * r * 0.55, y - r * 0.55}, {x + side * r * 1.2, y - r * 0.9},
                      {x + side * r * 1.3, y - r * 1.5}, {x + side * r * 0.9, y - r * 1.9}, 8),
               r * 0.22, r * 0.04, c);
    }
}

void ears(Figure& f, double x, double y, double r, Colour c, double up) {
    for (const double side : {-1.0, 1.0}) {
        f.shape({{x + side * r * 0.45, y - r * 0.6},
                 {x + side * r * (0.75 + 0.5 * (1 - up)), y - r * (0.7 + 0.9 * up)},
                 {x + side * r * 0.95, y - r * 0.2}},
                c);
    }
}

void snout(Figure& f, double x, double y, double r, Colour c, double length) {
    f.ball(x - r * 0.15, y + r * 0.45, r * (0.45 + 0.2 * length), r * 0.38, c);
    f.spot(x - r * (0.45 + 0.2 * length), y + r * 0.3, r * 0.16, r * 0.12, kDark);
}

} // namespace

void PaintHead(Figure& f, const Creature& c, double x, double y, double r) {
    const Colour skin = c.skin;
    const Colour hair = c.accent;
    switch (c.head) {
    case Head::Human:
    case Head::Tengu: {
        const bool tengu = c.head == Head::Tengu;
        if (c.extras & LongHair) f.ball(x, y + r * 0.5, r * 1.15, r * 1.45, hair);
        if (!tengu) f.ball(x, y - r * 0.25, r * 1.05, r * 0.85, hair);
        f.ball(x, y + r * 0.08, r * 0.92, r * 0.95, skin);
        if (!tengu)
            f.patch({{x - r * 0.95, y - r * 0.2},
                     {x - r * 0.6, y - r * 0.95},
                     {x + r * 0.6, y - r * 0.95},
                     {x + r * 0.95, y - r * 0.2},
                     {x + r * 0.2, y - r * 0.45}},
                    hair);
        eyes(f, x, y + r * 0.05, r, tengu ? rgb(200, 160, 40) : rgb(70, 90, 150));
        if (tengu) {
            f.limb({x - r * 0.1, y + r * 0.25}, {x - r * 1.5, y + r * 0.05}, r * 0.22, r * 0.12, skin);
            f.mark({x - r * 0.65, y - r * 0.3}, {x - r * 0.15, y - r * 0.2}, r * 0.1, rgb(230, 226, 214));
            f.mark({x + r * 0.15, y - r * 0.2}, {x + r * 0.65, y - r * 0.3}, r * 0.1, rgb(230, 226, 214));
            f.ball(x, y - r * 0.95, r * 0.3, r * 0.25, rgb(44, 40, 48));
        } else {
            f.mark({x - r * 0.2, y + r * 0.55}, {x + r * 0.15, y + r * 0.55}, r * 0.05, darker(skin, 0.5));
        }
        break;
    }
    case Head::Goblin:
    case Head::Demon: {
        ears(f, x, y + r * 0.5, r * 1.3, skin, 0.2);
        if (c.head == Head::Demon || (c.extras & Horns)) horns(f, x, y, r, c.accent);
        f.ball(x, y, r, r * 0.95, skin);
        if (c.head == Head::Goblin) {
            eyes(f, x, y - r * 0.05, r * 1.1, rgb(220, 200, 40));
            f.ball(x - r * 0.1, y + r * 0.35, r * 0.22, r * 0.2, darker(skin, 0.1));
        } else {
            glowEyes(f, x, y, r, rgb(236, 60, 40));
        }
        f.mark({x - r * 0.45, y + r * 0.62}, {x + r * 0.4, y + r * 0.62}, r * 0.07, kDark);
        f.mark({x - r * 0.3, y + r * 0.6}, {x - r * 0.25, y + r * 0.78}, r * 0.06, kBone);
        f.mark({x + r * 0.25, y + r * 0.6}, {x + r * 0.3, y + r * 0.78}, r * 0.06, kBone);
        break;
    }
    case Head::Dog:
    case Head::Wolf: {
        const bool wolf = c.head == Head::Wolf;
        if (wolf)
            ears(f, x, y, r, skin, 1.0);
        else {
            f.ball(x - r * 0.85, y + r * 0.1, r * 0.3, r * 0.6, 0.3, darker(skin, 0.25));
            f.ball(x + r * 0.85, y + r * 0.1, r * 0.3, r * 0.6, -0.3, darker(skin, 0.25));
        }
        f.ball(x, y, r * 0.9, r * 0.85, skin);
        snout(f, x, y, r, lighter(skin, 0.35), wolf ? 1.0 : 0.4);
        eyes(f, x + r * 0.05, y - r * 0.2, r * 0.9, wolf ? rgb(230, 190, 40) : rgb(90, 60, 30));
        if (wolf) {
            f.mark({x - r * 0.45, y + r * 0.7}, {x - r * 0.42, y + r * 0.9}, r * 0.06, kBone);
            f.mark({x + r * 0.05, y + r * 0.7}, {x + r * 0.08, y + r * 0.9}, r * 0.06, kBone);
        }
        break;
    }
    case Head::Bull:
    case Head::Buffalo: {
        horns(f, x, y + r * 0.35, r * 1.2, kBone);
        f.ball(x - r * 1.0, y, r * 0.35, r * 0.18, skin);
        f.ball(x + r * 1.0, y, r * 0.35, r * 0.18, skin);
        f.ball(x, y, r * 0.85, r, skin);
        f.ball(x, y + r * 0.6, r * 0.62, r * 0.42, mix(skin, rgb(200, 150, 140), 0.5));
        f.spot(x - r * 0.25, y + r * 0.62, r * 0.1, r * 0.12, kDark);
        f.spot(x + r * 0.25, y + r * 0.62, r * 0.1, r * 0.12, kDark);
        glowEyes(f, x, y - r * 0.2, r * 1.1, rgb(220, 50, 40));
        break;
    }
    case Head::Lizard:
    case Head::Snake:
    case Head::Croc: {
        f.ball(x, y, r * 0.85, r * 0.8, skin);
        f.ball(x - r * 0.55, y + r * 0.3, r * 0.8, r * 0.38, skin);
        f.mark({x - r * 1.2, y + r * 0.4}, {x - r * 0.2, y + r * 0.45}, r * 0.05, kDark);
        f.eye(x - r * 0.1, y - r * 0.3, r * 0.22, rgb(220, 200, 30));
        f.mark({x - r * 0.16, y - r * 0.44}, {x - r * 0.16, y - r * 0.16}, r * 0.04, kDark);
        for (int i = 0; i < 3; ++i)
            f.shape({{x + r * (0.1 + 0.3 * i), y - r * 0.7 + r * 0.1 * i},
                     {x + r * (0.35 + 0.3 * i), y - r * 1.1 + r * 0.15 * i},
                     {x + r * (0.45 + 0.3 * i), y - r * 0.55 + r * 0.1 * i}},
                    c.accent);
        break;
    }
    case Head::Monkey: {
        f.ball(x - r * 0.95, y, r * 0.3, r * 0.3, skin);
        f.ball(x + r * 0.95, y, r * 0.3, r * 0.3, skin);
        f.ball(x, y, r * 0.95, r * 0.9, skin);
        f.spot(x, y + r * 0.2, r * 0.7, r * 0.62, rgb(222, 170, 140));
        eyes(f, x, y, r * 0.9, rgb(90, 50, 20));
        f.mark({x - r * 0.3, y + r * 0.55}, {x + r * 0.3, y + r * 0.55}, r * 0.07, kDark);
        break;
    }
    case Head::Skull:
    case Head::Mummy: {
        const bool skull = c.head == Head::Skull;
        const Colour bone = skull ? kBone : rgb(206, 192, 150);
        f.ball(x, y + r * 0.55, r * 0.6, r * 0.4, bone);
        f.ball(x, y - r * 0.05, r * 0.92, r * 0.85, bone);
        if (skull) {
            f.spot(x - r * 0.35, y + r * 0.05, r * 0.25, r * 0.28, kDark);
            f.spot(x + r * 0.35, y + r * 0.05, r * 0.25, r * 0.28, kDark);
            f.spot(x - r * 0.35, y + r * 0.05, r * 0.1, r * 0.1, c.accent);
            f.spot(x + r * 0.35, y + r * 0.05, r * 0.1, r * 0.1, c.accent);
            f.patch({{x, y + r * 0.3}, {x - r * 0.1, y + r * 0.45}, {x + r * 0.1, y + r * 0.45}}, kDark);
            for (int i = -2; i <= 2; ++i)
                f.mark({x + i * r * 0.15, y + r * 0.6}, {x + i * r * 0.15, y + r * 0.8}, r * 0.03, kDark);
        } else {
            for (int i = 0; i < 5; ++i)
                f.mark({x - r * 0.85, y - r * 0.6 + i * r * 0.32}, {x + r * 0.85, y - r * 0.5 + i * r * 0.3},
                       r * 0.05, darker(bone, 0.3));
            f.spot(x - r * 0.6, y, r * 0.5, r * 0.12, kDark);
            f.glow(x + r * 0.3, y, r * 0.14, c.accent);
        }
        break;
    }
    case Head::Cyclops: {
        ears(f, x, y + r * 0.4, r * 1.2, skin, 0.1);
        f.ball(x, y, r, r * 0.95, skin);
        f.eye(x, y - r * 0.1, r * 0.38, rgb(200, 60, 40));
        f.mark({x - r * 0.5, y - r * 0.55}, {x + r * 0.5, y - r * 0.55}, r * 0.1, darker(skin, 0.5));
        f.mark({x - r * 0.4, y + r * 0.55}, {x + r * 0.4, y + r * 0.55}, r * 0.07, kDark);
        f.shape({{x - r * 0.3, y + r * 0.5}, {x - r * 0.22, y + r * 0.25}, {x - r * 0.14, y + r * 0.5}},
                kBone);
        f.shape({{x + r * 0.14, y + r * 0.5}, {x + r * 0.22, y + r * 0.25}, {x + r * 0.3, y + r * 0.5}},
                kBone);
        f.shape({{x - r * 0.15, y - r * 0.85}, {x, y - r * 1.35}, {x + r * 0.15, y - r * 0.85}}, c.accent);
        break;
    }
    case Head::Hood: {
        f.shape({{x, y - r * 1.35},
                 {x + r * 1.15, y + r * 0.3},
                 {x + r * 1.05, y + r * 1.15},
                 {x - r * 1.05, y + r * 1.15},
                 {x - r * 1.15, y + r * 0.3}},
                c.cloth);
        f.spot(x, y + r * 0.25, r * 0.72, r * 0.75, rgb(26, 20, 30));
        glowEyes(f, x, y + r * 0.15, r, c.accent);
        break;
    }
    case Head::Headless:
        f.ball(x, y + r * 0.7, r * 0.55, r * 0.3, c.cloth);
        f.spot(x, y + r * 0.62, r * 0.4, r * 0.15, rgb(110, 30, 40));
        break;
    case Head::Helmet: {
        f.ball(x, y, r * 0.95, r * 1.0, c.cloth);
        f.mark({x, y - r * 0.95}, {x, y + r * 0.2}, r * 0.12, lighter(c.cloth, 0.3));
        f.patch({{x - r * 0.75, y + r * 0.05},
                 {x + r * 0.75, y + r * 0.05},
                 {x + r * 0.7, y + r * 0.25},
                 {x - r * 0.7, y + r * 0.25}},
                kDark);
        f.spot(x - r * 0.3, y + r * 0.15, r * 0.09, r * 0.06, c.accent);
        f.spot(x + r * 0.3, y + r * 0.15, r * 0.09, r * 0.06, c.accent);
        break;
    }
    case Head::Lion:
    case Head::Tiger: {
        if (c.head == Head::Lion) f.ball(x, y, r * 1.35, r * 1.3, c.cloth);
        f.ball(x - r * 0.7, y - r * 0.7, r * 0.28, r * 0.28, skin);
        f.ball(x + r * 0.7, y - r * 0.7, r * 0.28, r * 0.28, skin);
        f.ball(x, y, r * 0.9, r * 0.85, skin);
        f.spot(x, y + r * 0.4, r * 0.5, r * 0.35, lighter(skin, 0.45));
        f.spot(x, y + r * 0.2, r * 0.14, r * 0.1, kDark);
        eyes(f, x, y - r * 0.15, r * 0.85, rgb(200, 170, 40));
        if (c.extras & Stripes) {
            for (const double side : {-1.0, 1.0}) {
                f.mark({x + side * r * 0.85, y}, {x + side * r * 0.5, y + r * 0.05}, r * 0.07, kDark);
                f.mark({x + side * r * 0.2, y - r * 0.8}, {x + side * r * 0.1, y - r * 0.5}, r * 0.07, kDark);
            }
        }
        break;
    }
    case Head::Horse:
    case Head::Eagle:
    case Head::Dragon:
        f.ball(x, y, r, r, skin);
        eyes(f, x, y, r, c.accent);
        break;
    }
    if (c.extras & Beard)
        f.shape({{x - r * 0.7, y + r * 0.5}, {x + r * 0.7, y + r * 0.5}, {x, y + r * 1.6}}, c.accent);
}

void PaintGear(Figure& f, Gear gear, Colour accent, double x, double y, double size) {
    const double k = size / 40;
    switch (gear) {
    case Gear::None:
        return;
    case Gear::Sword:
        f.limb({x, y - 3 * k}, {x - 6 * k, y - 36 * k}, 2.4 * k, 1.4 * k, kSteel);
        f.mark({x - 0.5 * k, y - 6 * k}, {x - 5 * k, y - 33 * k}, 0.5 * k, lighter(kSteel, 0.5));
        f.limb({x - 6 * k, y - 3 * k}, {x + 6 * k, y - 5 * k}, 1.2 * k, 1.2 * k, kGold);
        f.limb({x + 1 * k, y + 2 * k}, {x + 1.5 * k, y + 5 * k}, 1.3 * k, 1.3 * k, kWood);
        break;
    case Gear::Dagger:
        f.limb({x, y - 2 * k}, {x - 4 * k, y - 15 * k}, 1.8 * k, 0.8 * k, kSteel);
        f.limb({x - 4 * k, y - 2 * k}, {x + 4 * k, y - 3 * k}, 1.0 * k, 1.0 * k, kGold);
        break;
    case Gear::Spear:
    case Gear::Lance:
        f.limb({x + 3 * k, y + 20 * k}, {x - 5 * k, y - 40 * k}, 1.2 * k, 1.2 * k, kWood);
        f.shape({{x - 5 * k, y - 52 * k}, {x - 8.2 * k, y - 38 * k}, {x - 2.2 * k, y - 38 * k}}, kSteel);
        if (gear == Gear::Lance) f.ball(x - 4 * k, y - 36 * k, 3 * k, 1.6 * k, accent);
        break;
    case Gear::Axe:
        f.limb({x + 1 * k, y + 12 * k}, {x - 2 * k, y - 30 * k}, 1.4 * k, 1.4 * k, kWood);
        f.shape({{x - 2 * k, y - 28 * k},
                 {x - 14 * k, y - 36 * k},
                 {x - 17 * k, y - 26 * k},
                 {x - 14 * k, y - 16 * k},
                 {x - 2 * k, y - 22 * k}},
                kSteel);
        break;
    case Gear::Club:
        f.limb({x + 1 * k, y + 4 * k}, {x - 5 * k, y - 26 * k}, 2 * k, 5.5 * k, kWood);
        f.spot(x - 6 * k, y - 24 * k, 1 * k, 1 * k, kBone);
        f.spot(x - 2 * k, y - 18 * k, 1 * k, 1 * k, kBone);
        break;
    case Gear::Staff:
        f.limb({x + 2 * k, y + 24 * k}, {x - 3 * k, y - 30 * k}, 1.3 * k, 1.3 * k, kWood);
        f.ball(x - 3.5 * k, y - 33 * k, 4.2 * k, 4.2 * k, accent);
        f.spot(x - 5 * k, y - 35 * k, 1.4 * k, 1.4 * k, lighter(accent, 0.7));
        break;
    case Gear::Bow:
        f.path(bezier({x + 2 * k, y - 24 * k}, {x - 12 * k, y - 12 * k}, {x - 12 * k, y + 12 * k},
                      {x + 2 * k, y + 24 * k}, 12),
               1.3 * k, 1.3 * k, kWood);
        f.mark({x + 2 * k, y - 24 * k}, {x + 2 * k, y + 24 * k}, 0.35 * k, rgb(220, 210, 190));
        break;
    case Gear::Shovel:
        f.limb({x + 2 * k, y + 18 * k}, {x - 3 * k, y - 22 * k}, 1.2 * k, 1.2 * k, kWood);
        f.shape({{x - 9 * k, y - 22 * k},
                 {x + 3 * k, y - 22 * k},
                 {x + 1 * k, y - 36 * k},
                 {x - 3 * k, y - 40 * k},
                 {x - 7 * k, y - 36 * k}},
                kSteel);
        break;
    case Gear::Pick:
        f.limb({x + 1 * k, y + 12 * k}, {x - 2 * k, y - 26 * k}, 1.3 * k, 1.3 * k, kWood);
        f.path(bezier({x - 16 * k, y - 18 * k}, {x - 10 * k, y - 28 * k}, {x + 6 * k, y - 30 * k},
                      {x + 12 * k, y - 20 * k}, 10),
               0.8 * k, 2.2 * k, kSteel);
        break;
    case Gear::Scythe:
        f.limb({x + 3 * k, y + 22 * k}, {x - 2 * k, y - 36 * k}, 1.3 * k, 1.3 * k, kWood);
        f.path(bezier({x - 2 * k, y - 36 * k}, {x - 14 * k, y - 42 * k}, {x - 26 * k, y - 36 * k},
                      {x - 30 * k, y - 24 * k}, 12),
               2.6 * k, 0.4 * k, kSteel);
        break;
    case Gear::Sack:
        f.ball(x + 4 * k, y - 8 * k, 11 * k, 12 * k, accent);
        f.mark({x - 4 * k, y - 18 * k}, {x + 2 * k, y - 20 * k}, 1 * k, darker(accent, 0.4));
        break;
    }
}

void PaintBatWings(Figure& f, double x, double y, double span, Colour c) {
    for (const double side : {-1.0, 1.0}) {
        const double tip = x + side * span;
        std::vector<Pt> wing{{x, y}, {x + side * span * 0.45, y - span * 0.65}, {tip, y - span * 0.55}};
        for (int i = 0; i < 3; ++i) {
            const double t = (i + 0.5) / 3;
            wing.push_back({tip - side * span * t * 0.9, y + span * (0.1 + 0.25 * t)});
            wing.push_back({tip - side * span * (t + 0.17) * 0.9, y + span * (0.02 + 0.3 * t)});
        }
        wing.push_back({x + side * span * 0.1, y + span * 0.35});
        f.shape(wing, c);
        f.mark({x, y}, {x + side * span * 0.45, y - span * 0.65}, span * 0.035, darker(c, 0.35));
        f.mark({x + side * span * 0.45, y - span * 0.65}, {tip, y - span * 0.55}, span * 0.03,
               darker(c, 0.35));
        for (int i = 0; i < 3; ++i) {
            const double t = (i + 0.5) / 3;
            f.mark({x + side * span * 0.45, y - span * 0.65},
                   {tip - side * span * (t + 0.08) * 0.9, y + span * (0.06 + 0.27 * t)}, span * 0.02,
                   darker(c, 0.35));
        }
    }
}

void PaintFeatherWings(Figure& f, double x, double y, double span, Colour c) {
    for (const double side : {-1.0, 1.0}) {
        for (int row = 0; row < 3; ++row) {
            const int feathers = 6 - row;
            const double length = span * (1.0 - 0.28 * row);
            for (int i = 0; i < feathers; ++i) {
                const double theta = 0.35 + 1.6 * i / (feathers - 1);
                const double dx = side * std::sin(theta), dy = -std::cos(theta);
                const double l = length * (1.0 - 0.35 * i / (feathers - 1));
                f.ball(x + dx * l / 2, y + dy * l / 2, l / 2, span * 0.075, std::atan2(dy, dx),
                       mix(darker(c, 0.12), lighter(c, 0.25), row / 2.0));
            }
        }
    }
}

void PaintHalo(Figure& f, double x, double y, double r, Colour c) {
    const Pt p = f.at(x, y);
    const double rx = r * f.unit(), ry = r * 0.32 * f.unit();
    const double band = std::max(1.5, rx * 0.25);
    f.canvas().fill(
        p.x - rx - 1, p.y - ry - 1, p.x + rx + 1, p.y + ry + 1,
        [&](double px, double py) {
            const double ox = (px - p.x) / rx, oy = (py - p.y) / ry;
            const double ix = (px - p.x) / (rx - band), iy = (py - p.y) / std::max(ry - band, 0.8);
            return ox * ox + oy * oy <= 1.0 && ix * ix + iy * iy > 1.0;
        },
        vertical(lighter(c, 0.4), c, p.y - ry, p.y + ry));
}

void PaintCrown(Figure& f, double x, double y, double r, Colour c) {
    f.shape({{x - r, y},
             {x - r, y - r * 0.9},
             {x - r * 0.5, y - r * 0.4},
             {x, y - r * 1.1},
             {x + r * 0.5, y - r * 0.4},
             {x + r, y - r * 0.9},
             {x + r, y}},
            c);
    f.spot(x, y - r * 0.3, r * 0.18, r * 0.18, rgb(200, 30, 60));
}

void PaintFlames(Figure& f, double x, double y, double w, double h, std::uint32_t seed) {
    Rng rng(seed);
    for (int layer = 0; layer < 3; ++layer) {
        const Colour c = layer == 0 ? rgb(200, 50, 20) : layer == 1 ? rgb(240, 140, 30) : rgb(250, 220, 90);
        const double lw = w * (1 - 0.28 * layer), lh = h * (1 - 0.3 * layer);
        for (int i = 0; i < 5; ++i) {
            const double fx = x - lw / 2 + lw * (i + 0.5) / 5;
            const double top = y - lh * rng.uniform(0.6, 1.0);
            f.patch({{fx - lw * 0.14, y}, {fx + rng.uniform(-lw, lw) * 0.08, top}, {fx + lw * 0.14, y}}, c);
        }
        f.spot(x, y, lw * 0.5, lh * 0.2, c);
    }
}

} // namespace tools::pictures
