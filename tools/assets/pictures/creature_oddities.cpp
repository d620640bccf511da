#include "tools/assets/pictures/creature.h"

#include <cmath>
#include <numbers>

namespace tools::pictures {
namespace {

const Colour kDark = rgb(34, 26, 36);
const Colour kPale = rgb(232, 228, 220);
const Colour kGold = rgb(226, 184, 60);

void blob(Figure& f, const Creature& c) {
    f.patch({{50, 8}, {70, 40}, {30, 40}}, rimOf(c.skin));
    f.ball(50, 66, 40, 28, c.skin);
    f.shape({{50, 10}, {68, 44}, {32, 44}}, c.skin);
    f.ball(50, 48, 22, 20, c.skin);
    f.spot(36, 50, 6, 9, lighter(c.skin, 0.55));
    f.eye(40, 62, 5, kDark);
    f.eye(60, 62, 5, kDark);
    f.mark({42, 76}, {58, 76}, 1.5, darker(c.skin, 0.55));
}

void tree(Figure& f, const Creature& c) {
    Rng rng(nameSeed(c.name));
    f.shape({{30, 96}, {38, 86}, {38, 40}, {62, 40}, {62, 86}, {72, 96}, {56, 92}, {50, 97}, {44, 92}},
            c.skin);
    for (int i = 0; i < 5; ++i)
        f.mark({40 + i * 5.0, 44}, {41 + i * 5.0 + rng.uniform(-2, 2), 88}, 0.7, darker(c.skin, 0.4));
    f.path(bezier({40, 54}, {28, 50}, {18, 40}, {10, 28}, 10), 4, 1.5, c.skin);
    f.path(bezier({60, 52}, {74, 50}, {84, 40}, {90, 30}, 10), 4, 1.5, c.skin);
    for (int i = 0; i < 14; ++i) {
        const double a = std::numbers::pi * (1.05 + 0.9 * i / 13);
        f.ball(50 + 34 * std::cos(a) * rng.uniform(0.6, 1.0),
               30 + 24 * std::sin(a) * rng.uniform(0.6, 1.0) + 6, rng.uniform(9, 13), rng.uniform(8, 11),
               mix(c.cloth, lighter(c.cloth, 0.3), rng.uniform(0, 1)));
    }
    f.ball(10, 26, 7, 6, c.cloth);
    f.ball(90, 28, 7, 6, c.cloth);
    f.spot(44, 58, 4, 3, kDark);
    f.spot(56, 58, 4, 3, kDark);
    f.glow(44, 58, 1.6, c.accent);
    f.glow(56, 58, 1.6, c.accent);
    f.spot(50, 72, 6, 4, kDark);
}

void mandrake(Figure& f, const Creature& c) {
    for (int i = 0; i < 5; ++i) {
        const double a = -std::numbers::pi / 2 + (i - 2) * 0.45;
        f.ball(50 + 16 * std::cos(a), 26 + 16 * std::sin(a), 13, 5, a,
               i % 2 ? c.cloth : lighter(c.cloth, 0.2));
    }
    f.path(bezier({44, 70}, {36, 80}, {40, 90}, {32, 97}, 8), 4, 1, c.skin);
    f.path(bezier({56, 70}, {64, 80}, {60, 90}, {68, 97}, 8), 4, 1, c.skin);
    f.path(bezier({36, 50}, {26, 52}, {20, 62}, {12, 60}, 8), 3.5, 1, c.skin);
    f.path(bezier({64, 50}, {74, 52}, {80, 62}, {88, 60}, 8), 3.5, 1, c.skin);
    f.ball(50, 54, 18, 22, c.skin);
    for (int i = 0; i < 4; ++i)
        f.mark({36 + i * 8.0, 40 + (i % 2) * 4.0}, {38 + i * 8.0, 46 + (i % 2) * 4.0}, 0.6,
               darker(c.skin, 0.35));
    f.spot(43, 48, 3.5, 4.5, kDark);
    f.spot(57, 48, 3.5, 4.5, kDark);
    f.spot(50, 63, 5, 7, rgb(70, 20, 30));
}

void golem(Figure& f, const Creature& c) {
    const Colour stone = c.skin;
    f.shape({{30, 62}, {46, 62}, {46, 94}, {28, 94}}, darker(stone, 0.1));
    f.shape({{54, 62}, {70, 62}, {72, 94}, {54, 94}}, darker(stone, 0.1));
    f.shape({{20, 26}, {80, 26}, {76, 66}, {24, 66}}, stone);
    f.shape({{6, 30}, {22, 26}, {24, 60}, {8, 70}}, stone);
    f.shape({{78, 26}, {94, 30}, {92, 70}, {76, 60}}, stone);
    f.ball(14, 74, 9, 7, stone);
    f.ball(86, 74, 9, 7, stone);
    f.shape({{38, 8}, {62, 8}, {64, 28}, {36, 28}}, lighter(stone, 0.08));
    f.patch({{40, 16}, {60, 16}, {60, 20}, {40, 20}}, kDark);
    f.glow(45, 18, 2, c.accent);
    f.glow(55, 18, 2, c.accent);
    f.mark({30, 34}, {40, 48}, 0.8, darker(stone, 0.5));
    f.mark({40, 48}, {36, 58}, 0.8, darker(stone, 0.5));
    f.mark({64, 36}, {70, 52}, 0.8, darker(stone, 0.5));
    f.glow(50, 44, 4, c.accent);
}

void ghost(Figure& f, const Creature& c) {
    if (c.extras & Cape)
        f.shape({{28, 30}, {72, 30}, {88, 92}, {60, 84}, {50, 94}, {40, 84}, {12, 92}}, c.cloth);
    std::vector<Pt> sheet;
    for (int i = 0; i <= 16; ++i) {
        const double a = std::numbers::pi * (1 + i / 16.0);
        sheet.push_back({50 + 26 * std::cos(a), 38 + 26 * std::sin(a)});
    }
    const double bottom = c.head == Head::Hood ? 96 : 86;
    sheet.push_back({80, 70});
    for (int i = 0; i <= 6; ++i)
        sheet.push_back({80 - i * 9.0, bottom - (i % 2) * 10.0 + i * 0.6});
    sheet.push_back({22, 60});
    const Colour body = c.skin;
    if (c.head == Head::Hood) {
        f.shape(sheet, c.cloth);
        f.spot(50, 36, 14, 16, kDark);
        f.glow(44, 36, 2.6, c.accent);
        f.glow(56, 36, 2.6, c.accent);
        f.limb({30, 50}, {18, 64}, 4, 3, c.cloth);
        PaintGear(f, c.gear, c.accent, 18, 64, 50);
        f.ball(18, 64, 3, 3, rgb(170, 170, 160));
        return;
    }
    f.shape(sheet, body);
    f.spot(38, 30, 6, 8, lighter(body, 0.5));
    f.limb({28, 50}, {14, 44}, 5, 3, body);
    f.limb({72, 50}, {84, 42}, 5, 3, body);
    if (c.extras & Cape) {
        f.patch({{34, 30}, {66, 30}, {64, 46}, {50, 50}, {36, 46}}, kPale);
        f.spot(42, 38, 4, 3, kDark);
        f.spot(58, 38, 4, 3, kDark);
    } else {
        f.spot(42, 38, 4, 6, kDark);
        f.spot(58, 38, 4, 6, kDark);
        f.spot(50, 52, 4, 5, kDark);
        f.glow(42, 38, 1.5, c.accent);
        f.glow(58, 38, 1.5, c.accent);
    }
    if (c.extras & Beard) f.shape({{38, 50}, {62, 50}, {50, 72}}, c.accent);
    if (c.extras & Crown) PaintCrown(f, 50, 16, 12, kGold);
    if (c.extras & Small) {
        f.ball(14, 20, 8, 3, rgb(220, 220, 210));
        f.spot(14, 19, 5, 1.5, rgb(180, 170, 150));
        f.shape({{80, 10}, {94, 14}, {92, 24}, {78, 20}}, rgb(150, 90, 50));
        f.ball(86, 80, 5, 6, 0.3, rgb(120, 160, 200));
    }
}

void crab(Figure& f, const Creature& c) {
    for (const double side : {-1.0, 1.0})
        for (int i = 0; i < 3; ++i) {
            const Pt hip{50 + side * (16 + i * 4.0), 66 + i * 3.0};
            const Pt knee{50 + side * (32 + i * 5.0), 60 + i * 5.0};
            f.limb(hip, knee, 2.4, 2, darker(c.skin, 0.15));
            f.limb(knee, {50 + side * (38 + i * 5), 90}, 2, 0.8, darker(c.skin, 0.15));
        }
    for (const double side : {-1.0, 1.0}) {
        f.limb({50 + side * 20, 56}, {50 + side * 30, 40}, 4, 3.5, c.skin);
        f.ball(50 + side * 34, 28, 11, 8, side * -0.6, c.skin);
        f.ball(50 + side * 28, 16, 8, 4, side * -0.9, c.skin);
        f.patch({{50 + side * 30, 26}, {50 + side * 42, 22}, {50 + side * 32, 20}}, kDark);
    }
    f.limb({44, 54}, {42, 40}, 1.5, 1.5, c.skin);
    f.limb({56, 54}, {58, 40}, 1.5, 1.5, c.skin);
    f.eye(42, 38, 3, kDark);
    f.eye(58, 38, 3, kDark);
    f.ball(50, 64, 28, 16, c.skin);
    f.spot(42, 58, 10, 4, lighter(c.skin, 0.3));
    for (int i = 0; i < 5; ++i)
        f.spot(36 + i * 7, 70, 1.4, 1.4, c.accent);
}

void eye(Figure& f, const Creature& c) {
    Rng rng(nameSeed(c.name));
    for (int i = 0; i < 28; ++i) {
        const double a = std::numbers::pi * 2 * i / 28;
        const double reach = rng.uniform(40, 48);
        const double bend = rng.uniform(-0.4, 0.4);
        f.path({{50 + 24 * std::cos(a), 50 + 24 * std::sin(a)},
                {50 + reach * 0.75 * std::cos(a + bend * 0.5), 50 + reach * 0.75 * std::sin(a + bend * 0.5)},
                {50 + reach * std::cos(a + bend), 50 + reach * std::sin(a + bend)}},
               2.6, 0.6, c.cloth);
    }
    f.ball(50, 50, 32, 32, kPale);
    for (int i = 0; i < 8; ++i) {
        const double a = std::numbers::pi * 2 * i / 8 + 0.2;
        f.mark({50 + 30 * std::cos(a), 50 + 30 * std::sin(a)},
               {50 + 20 * std::cos(a + 0.15), 50 + 20 * std::sin(a + 0.15)}, 0.5, rgb(200, 60, 60));
    }
    f.ball(46, 50, 15, 15, c.accent);
    f.spot(45, 50, 7, 7, rgb(24, 16, 22));
    f.spot(40, 44, 3, 3, rgb(236, 236, 236));
}

void pot(Figure& f, const Creature& c) {
    f.path(bezier({52, 24}, {30, 14}, {70, 8}, {46, 2}, 12), 6, 2, lighter(c.accent, 0.3));
    for (const double side : {-1.0, 1.0})
        f.path(bezier({50 + side * 18, 42}, {50 + side * 34, 38}, {50 + side * 34, 58}, {50 + side * 22, 60},
                      10),
               2.5, 2.5, darker(c.cloth, 0.2));
    f.ball(50, 92, 16, 4, darker(c.cloth, 0.25));
    f.ball(50, 64, 26, 28, c.cloth);
    f.limb({42, 36}, {58, 36}, 7, 7, c.cloth);
    f.ball(50, 29, 15, 4.5, lighter(c.cloth, 0.1));
    f.spot(50, 29, 10, 2.5, kDark);
    f.mark({25, 60}, {75, 60}, 2.2, kGold);
    f.mark({28, 80}, {72, 80}, 1.4, kGold);
    f.spot(36, 50, 4, 8, lighter(c.cloth, 0.45));
    f.glow(41, 52, 3, c.accent);
    f.glow(59, 52, 3, c.accent);
    f.spot(50, 70, 8, 5, kDark);
}

void cat(Figure& f, const Creature& c) {
    f.ball(50, 70, 28, 26, c.skin);
    f.ball(30, 72, 8, 14, c.skin);
    f.ball(40, 92, 9, 5, c.skin);
    f.ball(60, 92, 9, 5, c.skin);
    f.limb({30, 60}, {24, 38}, 7, 6.5, c.skin);
    f.ball(24, 34, 7, 7, c.skin);
    f.ball(68, 74, 12, 7, 0.1, kGold);
    f.mark({62, 74}, {74, 74}, 0.6, darker(kGold, 0.4));
    f.ball(64, 66, 7, 7, c.skin);
    f.shape({{30, 24}, {34, 4}, {46, 18}}, c.skin);
    f.shape({{54, 18}, {66, 4}, {70, 24}}, c.skin);
    f.patch({{34, 20}, {35, 10}, {42, 18}}, rgb(220, 140, 140));
    f.ball(50, 32, 22, 18, c.skin);
    f.spot(60, 26, 6, 5, c.cloth);
    f.spot(40, 70, 8, 6, c.cloth);
    f.spot(64, 84, 6, 5, rgb(70, 60, 60));
    f.mark({38, 32}, {45, 31}, 1, kDark);
    f.mark({55, 31}, {62, 32}, 1, kDark);
    f.spot(50, 37, 2, 1.5, rgb(220, 120, 120));
    f.mark({28, 38}, {40, 38}, 0.4, kDark);
    f.mark({60, 38}, {72, 38}, 0.4, kDark);
    f.mark({30, 49}, {70, 49}, 2.5, c.accent);
    f.ball(50, 53, 4, 4, kGold);
}

} // namespace

void PaintOddity(Figure& f, const Creature& c) {
    switch (c.body) {
    case Body::Blob:
        return blob(f, c);
    case Body::Tree:
        return tree(f, c);
    case Body::Mandrake:
        return mandrake(f, c);
    case Body::Golem:
        return golem(f, c);
    case Body::Ghost:
        return ghost(f, c);
    case Body::Crab:
        return crab(f, c);
    case Body::Eye:
        return eye(f, c);
    case Body::Pot:
        return pot(f, c);
    case Body::Cat:
        return cat(f, c);
    default:
        return;
    }
}

} // namespace tools::pictures
