#pragma once

#include "tools/assets/pictures/canvas.h"

// Pieces the 800 x 600 backgrounds are built from: skies, land, water,
// trees and houses outdoors; a room in one-point perspective and its
// furniture indoors.
namespace tools::pictures {

void Sky(Canvas& c, double horizon, Colour top, Colour bottom);
void Clouds(Canvas& c, std::uint32_t seed, int count, double top, double bottom, Colour colour);
void Stars(Canvas& c, std::uint32_t seed, int count, double bottom);
// Hills or mountains: a noisy ridge around base, filled down to the bottom.
void Ridge(Canvas& c, std::uint32_t seed, double base, double height, double width, Colour colour, bool snow);
void Ground(Canvas& c, double top, double bottom, Colour far, Colour near, std::uint32_t seed,
            double texture);
void Water(Canvas& c, double top, double bottom, Colour far, Colour near, std::uint32_t seed);
void Tree(Canvas& c, Rng& rng, Pt base, double height, Colour leaves, bool conifer, bool snow = false);
void House(Canvas& c, Rng& rng, double x, double base, double w, double h, Colour wall, Colour roof,
           bool snow = false);
// A wide stone building with columns and a pediment.
void Hall(Canvas& c, double x, double base, double w, double h, Colour stone);

enum class Floor { Planks, Tatami, Tiles, Stone, Carpet, Sand };

// The back wall of a room; floor, ceiling and side walls lie round it.
struct Room {
    double left, top, right, bottom;
    double centre() const { return (left + right) / 2; }
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

Room Interior(Canvas& c, Room back, Colour wall, Colour floor, Colour ceiling, Floor style,
              std::uint32_t seed);
void Window(Canvas& c, double x, double y, double w, double h, Colour frame, Colour sky);
void Blackboard(Canvas& c, double x, double y, double w, double h);
void Bookshelf(Canvas& c, Rng& rng, double x, double y, double w, double h, Colour wood);
// Shelves of jars, bottles and boxes.
void Shelves(Canvas& c, Rng& rng, double x, double y, double w, double h, Colour wood);
// A counter seen from the front: its top and front face.
void Counter(Canvas& c, double x, double y, double w, double h, Colour top, Colour front);
// A desk seen from behind the class, its top at y.
void Desk(Canvas& c, double x, double y, double w, Colour wood);
void Pillar(Canvas& c, double x, double top, double bottom, double w, Colour stone);
void Banner(Canvas& c, double x, double y, double w, double h, Colour cloth, Colour emblem);
void Door(Canvas& c, double x, double y, double w, double h, Colour wood);
void Painting(Canvas& c, Rng& rng, double x, double y, double w, double h);
void Lamp(Canvas& c, double x, double y, double r);

} // namespace tools::pictures
