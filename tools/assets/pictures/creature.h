#pragma once

#include "tools/assets/pictures/figure.h"

#include <string_view>

// A monster as a few choices: its body family, its head, three colours,
// what it carries and what it wears or grows. The painters draw it facing
// left, toward the player's side.
namespace tools::pictures {

enum class Body {
    Humanoid,
    Genie,
    Mermaid,
    Naga,
    Quadruped,
    Centaur,
    Bird,
    Serpent,
    Dragon,
    EastDragon,
    Wyvern,
    Hydra,
    Blob,
    Tree,
    Mandrake,
    Golem,
    Ghost,
    Crab,
    Eye,
    Pot,
    Cat,
};

enum class Head {
    Human,
    Goblin,
    Dog,
    Wolf,
    Bull,
    Lizard,
    Monkey,
    Skull,
    Mummy,
    Cyclops,
    Tengu,
    Hood,
    Headless,
    Demon,
    Helmet,
    Lion,
    Horse,
    Tiger,
    Eagle,
    Croc,
    Buffalo,
    Snake,
    Dragon,
};

enum class Gear { None, Sword, Spear, Axe, Club, Staff, Dagger, Bow, Shovel, Pick, Scythe, Sack, Lance };

enum Extra : unsigned {
    Horns = 1u << 0,
    BatWings = 1u << 1,
    FeatherWings = 1u << 2,
    Halo = 1u << 3,
    Crown = 1u << 4,
    Tail = 1u << 5,
    Flames = 1u << 6,
    PirateHat = 1u << 7,
    SantaHat = 1u << 8,
    Beard = 1u << 9,
    Armour = 1u << 10,
    Robe = 1u << 11,
    Dress = 1u << 12,
    SixArms = 1u << 13,
    Stripes = 1u << 14,
    Mane = 1u << 15,
    UniHorn = 1u << 16,
    ThreeHeads = 1u << 17,
    Rags = 1u << 18,
    Bones = 1u << 19,
    Bandages = 1u << 20,
    Big = 1u << 21,
    Small = 1u << 22,
    LongHair = 1u << 23,
    Cape = 1u << 24,
    Waves = 1u << 25,
    Ice = 1u << 26,
    GoatHead = 1u << 27,
    Leaves = 1u << 28,
    FourWings = 1u << 29,
    Scales = 1u << 30,
    Tall = 1u << 31, // a reptile's head on a standing body
};

struct Creature {
    std::string_view name;
    Body body;
    Head head;
    Colour skin;   // body, fur, scales
    Colour cloth;  // clothes, armour, belly, mane
    Colour accent; // eyes, hair, horns, details
    unsigned extras;
    Gear gear;
};

// The monsters of the image archive, by name; null for an unknown name.
const Creature* FindCreature(std::string_view name);

// One painter per family of bodies.
void PaintHumanoid(Figure& f, const Creature& c);
void PaintBeast(Figure& f, const Creature& c);
void PaintCentaur(Figure& f, const Creature& c);
void PaintBird(Figure& f, const Creature& c);
void PaintSerpent(Figure& f, const Creature& c);
void PaintDragon(Figure& f, const Creature& c);
void PaintOddity(Figure& f, const Creature& c);

// Heads and gear shared by the painters. A head is drawn around (x, y) with
// radius r; a weapon is held in the hand at (x, y).
void PaintHead(Figure& f, const Creature& c, double x, double y, double r);
void PaintGear(Figure& f, Gear gear, Colour accent, double x, double y, double size);
void PaintBatWings(Figure& f, double x, double y, double span, Colour c);
void PaintFeatherWings(Figure& f, double x, double y, double span, Colour c);
void PaintHalo(Figure& f, double x, double y, double r, Colour c);
void PaintCrown(Figure& f, double x, double y, double r, Colour c);
void PaintFlames(Figure& f, double x, double y, double w, double h, std::uint32_t seed);

} // namespace tools::pictures
