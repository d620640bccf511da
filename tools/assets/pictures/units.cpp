#include "tools/assets/picture_generators.h"
#include "tools/assets/pictures/figure.h"

#include <stdexcept>
#include <string>

namespace tools {
namespace {

using namespace pictures;

const Colour kSkin = rgb(226, 180, 140);
const Colour kSteel = rgb(176, 184, 196);
const Colour kWood = rgb(128, 86, 48);
const Colour kBoot = rgb(80, 56, 40);

// A foot soldier seen from the side, facing right, in its arm's tabard.
void soldier(Figure& f, Colour tabard, bool hood) {
    f.limb({46, 66}, {38, 93}, 5, 4.5, darker(tabard, 0.35));
    f.limb({52, 66}, {60, 93}, 5, 4.5, darker(tabard, 0.25));
    f.ball(40, 94, 6, 3.4, kBoot);
    f.ball(63, 94, 6, 3.4, kBoot);
    f.shape({{36, 38}, {60, 38}, {64, 72}, {32, 72}}, tabard);
    f.mark({34, 62}, {62, 62}, 2, kWood);
    f.ball(50, 27, 10, 10, kSkin);
    f.spot(56, 27, 1.6, 1.8, rgb(50, 36, 30));
    if (hood) {
        f.shape({{37, 30}, {42, 14}, {58, 14}, {62, 22}, {50, 22}, {44, 36}}, darker(tabard, 0.15));
    } else {
        f.ball(49, 22, 11, 8, kSteel);
        f.mark({38, 25}, {60, 25}, 1.6, darker(kSteel, 0.3));
        f.mark({58, 24}, {58, 31}, 1.2, darker(kSteel, 0.3));
    }
}

void swordsman(Figure& f) {
    const Colour tabard = rgb(56, 90, 180);
    soldier(f, tabard, false);
    f.limb({44, 42}, {34, 26}, 4, 3.5, tabard);
    f.limb({35, 25}, {66, 4}, 2.8, 1.6, kSteel);
    f.limb({30, 22}, {38, 30}, 1.6, 1.6, rgb(220, 180, 60));
    f.ball(34, 26, 3.6, 3.6, kSkin);
    f.ball(64, 54, 11, 15, rgb(190, 60, 50));
    f.ball(64, 54, 5, 7, rgb(226, 190, 70));
}

void spearman(Figure& f) {
    const Colour tabard = rgb(48, 130, 88);
    soldier(f, tabard, false);
    f.limb({24, 74}, {92, 20}, 1.8, 1.8, kWood);
    f.shape({{99, 14}, {88, 20}, {94, 26}}, kSteel);
    f.limb({46, 42}, {58, 52}, 4, 3.5, tabard);
    f.limb({52, 42}, {70, 40}, 4, 3.5, tabard);
    f.ball(58, 52, 3.6, 3.6, kSkin);
    f.ball(71, 39, 3.6, 3.6, kSkin);
}

void archer(Figure& f) {
    const Colour tabard = rgb(150, 112, 46);
    f.shape({{28, 30}, {36, 28}, {42, 60}, {34, 62}}, rgb(120, 70, 40));
    for (int i = 0; i < 3; ++i)
        f.shape({{28.0 + i * 3, 30}, {30.0 + i * 3, 20}, {33.0 + i * 3, 30}}, rgb(220, 210, 190));
    soldier(f, tabard, true);
    f.path(bezier({74, 12}, {92, 24}, {92, 60}, {74, 72}, 14), 2, 2, kWood);
    f.mark({74, 12}, {54, 42}, 0.5, rgb(226, 220, 200));
    f.mark({54, 42}, {74, 72}, 0.5, rgb(226, 220, 200));
    f.mark({54, 42}, {92, 42}, 0.9, kWood);
    f.patch({{96, 42}, {90, 39}, {90, 45}}, kSteel);
    f.limb({48, 42}, {54, 42}, 4, 3.5, tabard);
    f.limb({50, 40}, {84, 42}, 4, 3.5, tabard);
    f.ball(54, 42, 3.6, 3.6, kSkin);
    f.ball(86, 42, 3.6, 3.6, kSkin);
}

void rider(Figure& f) {
    const Colour tabard = rgb(176, 48, 52);
    const Colour coat = rgb(124, 80, 48);
    const Colour mane = rgb(60, 40, 30);
    f.path(bezier({26, 52}, {14, 54}, {10, 66}, {8, 78}, 10), 3.2, 1.5, mane);
    for (const double x : {34.0, 68.0}) {
        f.limb({x + 4, 62}, {x + 2, 94}, 3.2, 2.6, darker(coat, 0.25));
        f.ball(x + 1, 95, 3.5, 2, rgb(60, 44, 34));
    }
    f.ball(50, 58, 26, 12, coat);
    for (const double x : {28.0, 62.0}) {
        f.limb({x, 62}, {x - 1, 94}, 3.4, 2.8, coat);
        f.ball(x - 1, 95, 3.6, 2, rgb(60, 44, 34));
    }
    f.limb({68, 54}, {80, 34}, 7, 5.5, coat);
    f.path(bezier({74, 30}, {70, 38}, {68, 46}, {64, 52}, 8), 2.6, 2, mane);
    f.shape({{80, 24}, {83, 16}, {86, 25}}, coat);
    f.ball(88, 36, 11, 6, 0.7, coat);
    f.spot(84, 30, 1.4, 1.4, rgb(30, 24, 24));
    f.spot(94, 43, 1.2, 1.0, rgb(40, 30, 30));
    f.shape({{34, 50}, {60, 50}, {56, 60}, {38, 60}}, rgb(60, 70, 130));
    f.limb({48, 52}, {54, 68}, 4, 3.6, darker(tabard, 0.3));
    f.shape({{38, 24}, {54, 24}, {56, 52}, {36, 52}}, tabard);
    f.ball(46, 15, 9, 9, kSkin);
    f.ball(45, 11, 10, 7, kSteel);
    f.mark({35, 14}, {56, 14}, 1.4, darker(kSteel, 0.3));
    f.spot(51, 16, 1.5, 1.7, rgb(50, 36, 30));
    f.limb({16, 44}, {99, 6}, 1.8, 1.2, rgb(150, 156, 170));
    f.shape({{99, 4}, {86, 13}, {89, 17}}, kSteel);
    f.patch({{80, 15}, {72, 19}, {66, 14}, {76, 11}}, rgb(230, 200, 60));
    f.limb({44, 28}, {54, 36}, 4, 3.5, tabard);
    f.ball(55, 36, 3.4, 3.4, kSkin);
}

} // namespace

// The left side's soldiers face right, toward their opponents; the right
// side's are the same pictures turned round.
host::gdi::Bitmap DrawUnit(const PictureBudget& record) {
    host::gdi::Bitmap bitmap(record.width, record.height);
    Canvas canvas(bitmap, Keying::Keyed);
    Figure figure(canvas, nameSeed(record.name.substr(0, record.name.size() - std::string("左").size())));
    if (record.name.starts_with("剣士"))
        swordsman(figure);
    else if (record.name.starts_with("槍兵"))
        spearman(figure);
    else if (record.name.starts_with("弓兵"))
        archer(figure);
    else if (record.name.starts_with("騎兵"))
        rider(figure);
    else
        throw std::logic_error("no soldier for " + std::string(record.name));
    figure.finish();
    return record.name.ends_with("右") ? mirrored(bitmap) : bitmap;
}

} // namespace tools
