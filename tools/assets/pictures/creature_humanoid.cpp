#include "tools/assets/pictures/creature.h"

#include <cmath>

namespace tools::pictures {
namespace {

// Where the parts of a standing figure lie, in units.
struct Build {
    double headY, headR, shoulderY, hipY, footY, torso, limb;
};

Build buildOf(const Creature& c) {
    if (c.extras & Big) return {19, 9.5, 32, 62, 95, 17, 5.5};
    if (c.extras & Small) return {27, 15, 44, 68, 95, 12, 4};
    return {20, 11, 34, 62, 95, 13, 4.2};
}

void legs(Figure& f, const Creature& c, const Build& b) {
    const Colour trousers = (c.extras & (Bones | Bandages)) ? c.skin : darker(c.cloth, 0.25);
    const double r = (c.extras & Bones) ? b.limb * 0.45 : b.limb;
    for (const double side : {-1.0, 1.0}) {
        f.limb({50 + side * b.torso * 0.45, b.hipY}, {50 + side * b.torso * 0.6, b.footY - 3}, r * 1.1,
               r * 0.9, trousers);
        f.ball(50 + side * b.torso * 0.6 - 2, b.footY - 1.5, b.limb * 1.2, b.limb * 0.6,
               darker(c.cloth, 0.5));
    }
}

// What stands below the waist: legs, a robe, a tail of smoke, a fish tail
// or a snake's body.
void lowerBody(Figure& f, const Creature& c, const Build& b) {
    switch (c.body) {
    case Body::Genie:
        f.path(bezier({50, b.hipY - 4}, {40, b.hipY + 14}, {66, b.hipY + 20}, {56, 95}, 12), b.torso * 0.75,
               2, (c.extras & Flames) ? rgb(230, 110, 30) : lighter(c.skin, 0.2));
        if (c.extras & Flames) PaintFlames(f, 50, b.hipY + 10, b.torso * 2.2, 22, nameSeed(c.name));
        return;
    case Body::Mermaid:
        f.path(bezier({50, b.hipY - 4}, {44, b.hipY + 16}, {66, 80}, {70, 88}, 12), b.torso * 0.8, 3,
               c.cloth);
        f.shape({{70, 88}, {84, 80}, {80, 90}, {84, 98}}, c.cloth);
        for (int i = 0; i < 5; ++i)
            f.spot(50 + i * 3.5, b.hipY + 2 + i * 5, 2.2, 1.2, lighter(c.cloth, 0.3));
        return;
    case Body::Naga: {
        const auto coil = bezier({50, b.hipY - 4}, {40, 96}, {88, 96}, {90, 70}, 16);
        f.path(coil, b.torso * 0.8, 3.5, c.cloth);
        for (std::size_t i = 1; i + 1 < coil.size(); i += 2)
            f.spot(coil[i].x, coil[i].y + 2, 2.4, 1.6, lighter(c.cloth, 0.35));
        return;
    }
    default:
        break;
    }
    if (c.extras & (Robe | Dress)) {
        const double hem = (c.extras & Dress) ? b.torso * 2.1 : b.torso * 1.5;
        std::vector<Pt> robe{{50 - b.torso * 0.9, b.shoulderY + 4},
                             {50 + b.torso * 0.9, b.shoulderY + 4},
                             {50 + hem, b.footY}};
        for (int i = 6; i >= 0; --i)
            robe.push_back({50 - hem + 2 * hem * i / 6.0, b.footY - ((i % 2) ? 2.5 : 0)});
        robe.back() = {50 - hem, b.footY};
        f.shape(robe, c.cloth);
        f.mark({50, b.shoulderY + 6}, {50, b.footY - 2}, 0.8, darker(c.cloth, 0.3));
        return;
    }
    legs(f, c, b);
}

void torso(Figure& f, const Creature& c, const Build& b) {
    const double top = b.shoulderY - 2, bottom = b.hipY + 2;
    const double cy = (top + bottom) / 2, ry = (bottom - top) / 2;
    if (c.extras & Bones) {
        f.limb({50, top}, {50, bottom}, 1.4, 1.4, c.skin);
        for (int i = 0; i < 4; ++i) {
            const double y = top + 4 + i * 5;
            f.limb({50 - b.torso * (0.8 - i * 0.1), y + 2}, {50 + b.torso * (0.8 - i * 0.1), y + 2}, 1.2, 1.2,
                   c.skin);
        }
        f.ball(50, bottom, b.torso * 0.55, 3, c.skin);
        return;
    }
    if (c.body == Body::Genie || c.body == Body::Mermaid || c.body == Body::Naga) {
        f.ball(50, cy, b.torso, ry, c.skin);
        f.spot(50 - b.torso * 0.35, cy - ry * 0.2, b.torso * 0.25, ry * 0.18, darker(c.skin, 0.15));
        f.spot(50 + b.torso * 0.35, cy - ry * 0.2, b.torso * 0.25, ry * 0.18, darker(c.skin, 0.15));
        if (c.body == Body::Mermaid) {
            f.ball(50 - b.torso * 0.38, cy - ry * 0.3, b.torso * 0.3, ry * 0.2, c.accent);
            f.ball(50 + b.torso * 0.38, cy - ry * 0.3, b.torso * 0.3, ry * 0.2, c.accent);
        }
        return;
    }
    f.shape({{50 - b.torso, top},
             {50 + b.torso, top},
             {50 + b.torso * 0.8, bottom},
             {50 - b.torso * 0.8, bottom}},
            c.cloth);
    if (c.extras & Bandages) {
        for (int i = 0; i < 6; ++i)
            f.mark({50 - b.torso * 0.9, top + 3 + i * 5}, {50 + b.torso * 0.9, top + 5 + i * 5}, 0.6,
                   darker(c.cloth, 0.3));
    }
    if (c.extras & Armour) {
        f.ball(50, cy - 3, b.torso * 0.7, ry * 0.55, lighter(c.cloth, 0.15));
        f.ball(50 - b.torso, top + 2, b.limb * 1.6, b.limb * 1.3, lighter(c.cloth, 0.1));
        f.ball(50 + b.torso, top + 2, b.limb * 1.6, b.limb * 1.3, lighter(c.cloth, 0.1));
    }
    if (c.extras & Rags) {
        for (int i = 0; i < 4; ++i) {
            const double x = 50 - b.torso * 0.8 + i * b.torso * 0.5;
            f.patch({{x, bottom - 1}, {x + b.torso * 0.5, bottom - 1}, {x + b.torso * 0.22, bottom + 5}},
                    c.cloth);
        }
    }
    f.mark({50 - b.torso * 0.8, bottom - 3}, {50 + b.torso * 0.8, bottom - 3}, 1.4, darker(c.cloth, 0.45));
}

void arm(Figure& f, const Creature& c, const Build& b, double side, Pt hand) {
    const Pt shoulder{50 + side * b.torso * 0.95, b.shoulderY + 1};
    const double r = (c.extras & Bones) ? b.limb * 0.45 : b.limb * 0.9;
    const Colour sleeve = (c.extras & (Robe | Dress | Armour)) ? c.cloth : c.skin;
    f.limb(shoulder, hand, r * ((c.extras & Robe) ? 1.5 : 1.0), r * 0.9, sleeve);
    f.ball(hand.x, hand.y, b.limb * 0.85, b.limb * 0.85, c.skin);
}

} // namespace

void PaintHumanoid(Figure& f, const Creature& c) {
    const Build b = buildOf(c);
    const double span = b.torso * 3.0;
    if (c.extras & BatWings)
        PaintBatWings(f, 50, b.shoulderY + 4, span, c.body == Body::Genie ? c.skin : c.accent);
    if (c.extras & FourWings) {
        PaintFeatherWings(f, 50, b.shoulderY, span, darker(c.accent, 0.15));
        PaintFeatherWings(f, 50, b.shoulderY + 14, span * 0.8, c.accent);
    } else if (c.extras & FeatherWings) {
        PaintFeatherWings(f, 50, b.shoulderY + 4, span, c.accent);
    }
    if (c.extras & Cape)
        f.shape({{50 - b.torso, b.shoulderY},
                 {50 + b.torso, b.shoulderY},
                 {50 + b.torso * 1.9, b.footY - 4},
                 {50 - b.torso * 1.9, b.footY - 4}},
                darker(c.accent, 0.1));
    if (c.extras & Tail)
        f.path(bezier({52, b.hipY}, {80, b.hipY + 8}, {86, b.hipY - 10}, {92, b.hipY - 16}, 12), b.limb * 0.8,
               0.8, c.skin);
    if ((c.extras & Flames) && c.body != Body::Genie) PaintFlames(f, 50, b.footY, 70, 60, nameSeed(c.name));
    if (c.gear == Gear::Sack) PaintGear(f, Gear::Sack, c.accent, 50 + b.torso * 1.2, b.shoulderY + 6, 40);

    if ((c.extras & LongHair) && c.head == Head::Human)
        f.ball(50, b.headY + b.headR * 0.9, b.headR * 1.15, b.headR * 1.8, c.accent);
    lowerBody(f, c, b);
    torso(f, c, b);

    const double reach = b.torso + b.limb * 2.2;
    const Pt weaponHand{50 - reach, b.hipY - 6};
    const Pt otherHand{50 + reach - 1, b.hipY - 4};
    if (c.extras & SixArms) {
        for (const double side : {-1.0, 1.0}) {
            arm(f, c, b, side, {50 + side * (reach + 10), b.shoulderY - 10});
            PaintGear(f, Gear::Sword, c.accent, 50 + side * (reach + 10), b.shoulderY - 10, 24);
            arm(f, c, b, side, {50 + side * (reach + 12), b.shoulderY + 8});
        }
    }
    arm(f, c, b, 1, otherHand);
    arm(f, c, b, -1, weaponHand);
    if (c.gear != Gear::Sack) {
        PaintGear(f, c.gear, c.accent, weaponHand.x, weaponHand.y, (c.extras & Big) ? 50 : 40);
        f.ball(weaponHand.x, weaponHand.y, b.limb * 0.85, b.limb * 0.85, c.skin);
    }

    if (c.head == Head::Headless) {
        PaintHead(f, c, 50, b.shoulderY - 4, b.headR);
        Creature held = c;
        held.head = Head::Helmet;
        PaintHead(f, held, otherHand.x + 2, otherHand.y - b.headR * 0.4, b.headR * 0.75);
    } else {
        if (c.extras & SixArms) {
            PaintHead(f, c, 50 - b.headR * 0.95, b.headY + 1, b.headR * 0.75);
            PaintHead(f, c, 50 + b.headR * 0.95, b.headY + 1, b.headR * 0.75);
        }
        Creature face = c;
        face.extras &= ~LongHair;
        PaintHead(f, face, 50, b.headY, b.headR);
    }
    if (c.extras & Leaves)
        for (int i = 0; i < 7; ++i) {
            const double a = 3.6 + i * 0.38;
            f.ball(50 + std::cos(a) * b.headR * 1.05, b.headY + std::sin(a) * b.headR, b.headR * 0.38,
                   b.headR * 0.17, a, i % 2 ? c.cloth : lighter(c.cloth, 0.25));
        }
    const double crownY = b.headY - b.headR * 0.75;
    if (c.extras & Crown) PaintCrown(f, 50, crownY, b.headR * 0.7, rgb(226, 184, 60));
    if (c.extras & Halo) PaintHalo(f, 50, b.headY - b.headR * 1.35, b.headR * 0.85, rgb(236, 206, 90));
    if (c.extras & PirateHat) {
        f.shape({{50 - b.headR * 1.6, crownY + 1},
                 {50, crownY - b.headR * 0.9},
                 {50 + b.headR * 1.6, crownY + 1},
                 {50, crownY - b.headR * 0.2}},
                rgb(40, 34, 44));
        f.spot(50, crownY - b.headR * 0.35, b.headR * 0.18, b.headR * 0.15, rgb(226, 220, 200));
    }
    if (c.extras & SantaHat) {
        f.shape({{50 - b.headR, crownY + 2},
                 {50 + b.headR, crownY + 2},
                 {50 + b.headR * 1.5, crownY - b.headR * 0.6},
                 {50 + b.headR * 1.7, crownY + b.headR * 0.2},
                 {50 + b.headR * 0.2, crownY - b.headR * 1.2}},
                c.cloth);
        f.limb({50 - b.headR, crownY + 2}, {50 + b.headR, crownY + 2}, 2, 2, rgb(228, 224, 216));
        f.ball(50 + b.headR * 1.7, crownY + b.headR * 0.2, 2.5, 2.5, rgb(228, 224, 216));
    }
    if (c.extras & Ice) {
        for (int i = 0; i < 3; ++i)
            f.patch({{50 - b.headR * 0.6 + i * b.headR * 0.6, crownY},
                     {50 - b.headR * 0.45 + i * b.headR * 0.6, crownY - b.headR * (i == 1 ? 1.2 : 0.8)},
                     {50 - b.headR * 0.3 + i * b.headR * 0.6, crownY}},
                    rgb(170, 220, 240));
    }
}

} // namespace tools::pictures
