#include "tools/assets/pictures/scenes.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace tools::pictures {
namespace {

const Colour kDaySky = rgb(70, 130, 210);
const Colour kHaze = rgb(190, 214, 236);
const Colour kGrass = rgb(90, 150, 60);
const Colour kCloud = rgb(236, 240, 246);

void field(Canvas& c, std::uint32_t seed, double horizon, Colour grass) {
    Sky(c, horizon, kDaySky, kHaze);
    Clouds(c, seed, 6, 40, horizon - 120, kCloud);
    Ridge(c, seed + 1, horizon + 10, 70, 180, rgb(110, 140, 150), false);
    Ground(c, horizon, 600, lighter(grass, 0.15), darker(grass, 0.1), seed + 2, 0.25);
}

void plain(Canvas& c, std::uint32_t seed) {
    Sky(c, 330, kDaySky, kHaze);
    Clouds(c, seed, 3, 60, 200, kCloud);
    c.rect(0, 300, 800, 600, vertical(rgb(140, 180, 90), rgb(90, 140, 50), 300, 600));
    c.polygon({{330, 600}, {390, 300}, {410, 300}, {470, 600}},
              vertical(rgb(200, 180, 130), rgb(170, 140, 90), 300, 600));
}

// Peaks lit from the left, their right faces in shade, snow on the tallest.
void mountain(Canvas& c, std::uint32_t seed) {
    Sky(c, 400, rgb(90, 140, 200), rgb(200, 220, 236));
    struct Peak {
        double left, x, y, right;
    };
    const Peak peaks[] = {
        {-80, 180, 130, 340}, {500, 720, 200, 900}, {200, 430, 80, 660}, {-40, 60, 300, 200}};
    const double base = 440;
    for (const Peak& p : peaks) {
        c.polygon({{p.left, base}, {p.x, p.y}, {p.x + (p.right - p.x) * 0.25, base}},
                  vertical(rgb(150, 146, 160), rgb(110, 104, 110), p.y, base));
        c.polygon({{p.x, p.y}, {p.right, base}, {p.x + (p.right - p.x) * 0.25, base}},
                  vertical(rgb(100, 96, 114), rgb(76, 72, 80), p.y, base));
        if (p.y < 220) {
            const double snow = (base - p.y) * 0.16;
            const double l = (p.x - p.left) / (base - p.y) * snow, r = (p.right - p.x) / (base - p.y) * snow;
            c.polygon({{p.x - l, p.y + snow},
                       {p.x, p.y},
                       {p.x + r, p.y + snow},
                       {p.x + r * 0.4, p.y + snow * 0.7},
                       {p.x, p.y + snow * 1.2},
                       {p.x - l * 0.5, p.y + snow * 0.8}},
                      solid(rgb(236, 240, 246)));
        }
    }
    c.polygon({{0, 600}, {0, 400}, {260, 350}, {520, 380}, {800, 340}, {800, 600}},
              vertical(rgb(120, 110, 90), rgb(90, 80, 66), 340, 600));
    c.polygon({{300, 600}, {400, 370}, {420, 370}, {480, 600}},
              vertical(rgb(150, 136, 110), rgb(130, 116, 92), 370, 600));
    Rng rng(seed);
    for (int i = 0; i < 8; ++i) {
        const double x = rng.uniform(0, 800), y = rng.uniform(420, 580), r = rng.uniform(10, 26);
        c.ellipse(x, y, r * 1.4, r, vertical(rgb(140, 130, 120), rgb(90, 84, 76), y - r, y + r));
    }
}

void forest(Canvas& c, std::uint32_t seed) {
    Sky(c, 300, rgb(120, 170, 200), rgb(200, 226, 220));
    Rng rng(seed);
    Ground(c, 300, 600, rgb(70, 110, 50), rgb(50, 90, 40), seed, 0.3);
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 9 - row * 2; ++i) {
            const double x = rng.uniform(-20, 820), h = 220 + row * 90;
            Tree(c, rng, {x, 300.0 + row * 40}, h, mix(rgb(40, 90, 50), rgb(70, 130, 60), row / 2.0),
                 rng.uniform(0, 1) < 0.5);
        }
    for (const double x : {40.0, 770.0})
        Tree(c, rng, {x, 610}, 560, rgb(50, 100, 50), false);
}

void lake(Canvas& c, std::uint32_t seed) {
    Sky(c, 260, kDaySky, kHaze);
    Clouds(c, seed, 4, 40, 160, kCloud);
    Ridge(c, seed + 1, 270, 110, 200, rgb(90, 120, 140), true);
    Water(c, 260, 420, rgb(110, 160, 200), rgb(50, 110, 170), seed + 2);
    Ground(c, 400, 600, rgb(120, 160, 80), rgb(80, 130, 50), seed + 3, 0.25);
    c.ellipse(400, 400, 460, 40, vertical(rgb(110, 160, 200), rgb(60, 120, 170), 360, 440));
    Rng rng(seed);
    for (int i = 0; i < 5; ++i)
        Tree(c, rng, {rng.uniform(0, 160) + (i % 2) * 640, 560.0 + i * 10}, 200, rgb(60, 120, 60), true);
}

void sea(Canvas& c, std::uint32_t seed) {
    Sky(c, 240, rgb(50, 110, 200), rgb(180, 210, 236));
    Clouds(c, seed, 5, 30, 160, kCloud);
    Water(c, 240, 600, rgb(80, 140, 200), rgb(20, 70, 140), seed + 1);
    c.rect(0, 238, 800, 242, solid(rgb(160, 200, 230)));
}

void coast(Canvas& c, std::uint32_t seed) {
    Sky(c, 250, rgb(60, 130, 210), rgb(190, 220, 240));
    Clouds(c, seed, 4, 30, 150, kCloud);
    Water(c, 250, 420, rgb(90, 160, 210), rgb(40, 120, 180), seed + 1);
    c.polygon({{0, 600}, {0, 380}, {200, 400}, {500, 430}, {800, 400}, {800, 600}},
              vertical(rgb(230, 210, 160), rgb(200, 170, 120), 380, 600));
    c.polygon({{0, 382}, {200, 402}, {500, 432}, {800, 402}, {800, 412}, {500, 442}, {200, 412}, {0, 392}},
              solid(rgb(236, 240, 240)));
    c.polygon({{620, 420}, {660, 300}, {720, 260}, {800, 240}, {800, 440}},
              vertical(rgb(130, 120, 110), rgb(90, 80, 70), 240, 440));
}

void park(Canvas& c, std::uint32_t seed) {
    field(c, seed, 280, kGrass);
    Rng rng(seed);
    c.polygon({{300, 600}, {380, 280}, {420, 280}, {520, 600}},
              vertical(rgb(210, 190, 150), rgb(180, 160, 120), 280, 600));
    for (int i = 0; i < 6; ++i)
        Tree(c, rng, {60.0 + i * 140 + rng.uniform(-20, 20), 300.0 + (i % 2) * 20}, 180, rgb(70, 140, 60),
             false);
    c.ellipse(640, 470, 90, 26, vertical(rgb(120, 170, 210), rgb(70, 130, 190), 444, 496));
    c.rect(150, 430, 260, 440, solid(rgb(130, 90, 50)));
    c.rect(155, 440, 162, 470, solid(rgb(90, 60, 40)));
    c.rect(248, 440, 255, 470, solid(rgb(90, 60, 40)));
}

void suburb(Canvas& c, std::uint32_t seed) {
    field(c, seed, 300, rgb(110, 150, 70));
    Rng rng(seed);
    for (int i = 0; i < 5; ++i)
        House(c, rng, 30.0 + i * 160, 330, 110, 70, rgb(200, 180, 150), rgb(160, 70, 50));
    c.polygon({{0, 600}, {0, 520}, {800, 380}, {800, 420}, {100, 600}},
              vertical(rgb(190, 170, 130), rgb(160, 140, 100), 380, 600));
    for (int i = 0; i < 8; ++i)
        c.rect(i * 100.0, 350, i * 100.0 + 4, 380, solid(rgb(120, 90, 60)));
}

void snowTown(Canvas& c, std::uint32_t seed) {
    Sky(c, 300, rgb(120, 130, 160), rgb(210, 214, 226));
    Ridge(c, seed, 300, 90, 160, rgb(170, 180, 200), true);
    Ground(c, 300, 600, rgb(226, 230, 240), rgb(200, 206, 224), seed + 1, 0.08);
    Rng rng(seed);
    for (int i = 0; i < 5; ++i)
        House(c, rng, 20.0 + i * 160, 360.0 + (i % 2) * 20, 120, 80, rgb(150, 110, 80), rgb(90, 60, 50),
              true);
    for (int i = 0; i < 4; ++i)
        Tree(c, rng, {rng.uniform(0, 800), 560}, 160, rgb(40, 80, 60), true, true);
    for (int i = 0; i < 300; ++i) {
        const double x = rng.uniform(0, 800), y = rng.uniform(0, 600);
        c.ellipse(x, y, 2, 2, solid(rgb(240, 242, 248)));
    }
}

void cave(Canvas& c, std::uint32_t seed) {
    c.rect(0, 0, 800, 600, [&](double x, double y) {
        const double n = fractalNoise(x / 60, y / 60, 4, seed);
        const double d = std::hypot((x - 400) / 400, (y - 330) / 300);
        return scale(mix(rgb(110, 100, 90), rgb(60, 54, 50), n), 1.1 - 0.6 * std::min(1.0, d));
    });
    c.polygon({{0, 600}, {0, 420}, {250, 380}, {550, 380}, {800, 420}, {800, 600}},
              grain(vertical(rgb(100, 90, 80), rgb(70, 62, 56), 380, 600), 0.08, seed, 3));
    Rng rng(seed);
    for (int i = 0; i < 9; ++i) {
        const double x = rng.uniform(0, 800), l = rng.uniform(40, 120);
        c.polygon({{x - 18, 0}, {x + 18, 0}, {x, l}}, vertical(rgb(100, 92, 84), rgb(70, 64, 58), 0, l));
    }
    for (int i = 0; i < 5; ++i) {
        const double x = rng.uniform(0, 800), l = rng.uniform(30, 80);
        c.polygon({{x - 16, 600}, {x + 16, 600}, {x, 600 - l}}, solid(rgb(80, 72, 66)));
    }
    c.ellipse(400, 300, 60, 80, vertical(rgb(30, 26, 30), rgb(50, 44, 44), 220, 380));
    // Clusters of glowing crystals on the floor.
    for (int i = 0; i < 6; ++i) {
        const double x = rng.uniform(40, 760), y = rng.uniform(430, 580), s = rng.uniform(14, 30);
        for (int k = -1; k <= 1; ++k) {
            const double tip = s * (k == 0 ? 2.2 : 1.4), lean = k * s * 0.5;
            c.polygon({{x + k * s * 0.5 - s * 0.3, y},
                       {x + k * s * 0.5 + lean, y - tip},
                       {x + k * s * 0.5 + s * 0.3, y}},
                      horizontal(rgb(170, 230, 240), rgb(70, 150, 190), x - s, x + s));
        }
    }
}

void ruins(Canvas& c, std::uint32_t seed) {
    Sky(c, 320, rgb(200, 150, 110), rgb(236, 210, 160));
    Ground(c, 320, 600, rgb(200, 180, 130), rgb(170, 140, 90), seed, 0.2);
    const Colour stone = rgb(190, 176, 150);
    for (int i = 0; i < 6; ++i) {
        const double x = 80 + i * 130, top = 120 + (i % 3) * 60;
        Pillar(c, x, top, 380, 40, stone);
        if (i % 3 == 1) c.polygon({{x - 22, top}, {x + 22, top}, {x + 10, top - 20}}, solid(stone));
    }
    c.rect(60, 110, 360, 130, solid(darker(stone, 0.1)));
    Rng rng(seed);
    for (int i = 0; i < 10; ++i) {
        const double x = rng.uniform(0, 800), y = rng.uniform(400, 580), s = rng.uniform(14, 36);
        c.polygon({{x, y}, {x + s, y - s * 0.3}, {x + s * 1.4, y + s * 0.5}, {x + s * 0.2, y + s * 0.6}},
                  vertical(lighter(stone, 0.1), darker(stone, 0.3), y - s * 0.3, y + s * 0.6));
    }
}

void courtyard(Canvas& c, std::uint32_t seed) {
    Sky(c, 200, kDaySky, kHaze);
    const Colour wall = rgb(200, 190, 170);
    c.rect(0, 60, 800, 320, vertical(wall, darker(wall, 0.15), 60, 320));
    for (int i = 0; i < 8; ++i) {
        Window(c, 30.0 + i * 100, 110, 50, 70, rgb(120, 100, 80), rgb(110, 150, 200));
        Pillar(c, i * 100.0, 220, 320, 18, rgb(220, 214, 200));
    }
    c.rect(0, 200, 800, 214, solid(rgb(150, 80, 60)));
    Ground(c, 320, 600, rgb(130, 170, 80), rgb(90, 140, 60), seed, 0.2);
    c.polygon({{0, 600}, {300, 320}, {500, 320}, {800, 600}},
              vertical(rgb(200, 190, 170), rgb(170, 160, 140), 320, 600));
    c.ellipse(400, 420, 110, 36, solid(rgb(170, 170, 170)));
    c.ellipse(400, 416, 90, 26, vertical(rgb(110, 170, 220), rgb(70, 130, 190), 390, 442));
    c.rect(392, 350, 408, 416, solid(rgb(180, 180, 184)));
    c.ellipse(400, 350, 20, 8, solid(rgb(190, 190, 194)));
}

void town(Canvas& c, std::uint32_t seed) {
    Sky(c, 260, kDaySky, kHaze);
    Clouds(c, seed, 3, 30, 120, kCloud);
    Rng rng(seed);
    const Colour walls[] = {rgb(220, 200, 170), rgb(200, 170, 140), rgb(210, 210, 200), rgb(190, 160, 120)};
    for (int i = 0; i < 7; ++i)
        House(c, rng, -30.0 + i * 125, 380, 115, 150 + (i % 3) * 30, walls[i % 4],
              i % 2 ? rgb(70, 90, 130) : rgb(150, 60, 50));
    c.rect(0, 380, 800, 600, [&](double x, double y) {
        const int row = static_cast<int>((y - 380) / 18), col = static_cast<int>((x + (row % 2) * 20) / 40);
        const double n = hashNoise(col, row, seed);
        return mix(rgb(170, 160, 150), rgb(130, 120, 110), n);
    });
    for (int i = 0; i < 4; ++i) {
        const double x = 80 + i * 210;
        c.rect(x, 300, x + 6, 420, solid(rgb(50, 50, 60)));
        c.ellipse(x + 3, 296, 12, 10, solid(rgb(240, 220, 140)));
    }
    c.polygon({{120, 300}, {220, 300}, {230, 330}, {110, 330}}, solid(rgb(200, 60, 60)));
    c.polygon({{560, 310}, {680, 310}, {690, 340}, {550, 340}}, solid(rgb(60, 140, 90)));
}

void sportsGround(Canvas& c, std::uint32_t seed) {
    Sky(c, 220, kDaySky, kHaze);
    Clouds(c, seed, 4, 30, 140, kCloud);
    Rng rng(seed);
    for (int i = 0; i < 10; ++i)
        Tree(c, rng, {i * 90.0 + 20, 230}, 110, rgb(70, 130, 60), false);
    Ground(c, 220, 600, rgb(200, 170, 120), rgb(180, 140, 90), seed, 0.15);
    c.fill(
        0, 240, 800, 600,
        [](double x, double y) {
            const double d = std::hypot((x - 400) / 330, (y - 420) / 140);
            return d > 0.97 && d < 1.0;
        },
        solid(rgb(240, 240, 236)));
    c.rect(398, 280, 402, 560, solid(rgb(240, 240, 236)));
    for (const double x : {40.0, 760.0}) {
        c.rect(x - 3, 330, x + 3, 440, solid(rgb(230, 230, 230)));
        c.rect(x - 3, 330, x + (x < 400 ? 40 : -40), 336, solid(rgb(230, 230, 230)));
    }
}

void runningTrack(Canvas& c, std::uint32_t seed) {
    Sky(c, 230, kDaySky, kHaze);
    c.rect(0, 150, 800, 240, vertical(rgb(150, 150, 160), rgb(110, 110, 120), 150, 240));
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 40; ++i)
            c.ellipse(10 + i * 20 + (row % 2) * 10, 165 + row * 18, 6, 7,
                      solid(rgb(120 + (i * 37 + row * 13) % 120, 80 + (i * 53) % 100,
                                80 + (i * 71 + row * 29) % 140)));
    c.rect(0, 240, 800, 600, vertical(rgb(80, 150, 70), rgb(60, 120, 50), 240, 600));
    c.polygon({{0, 600}, {0, 300}, {800, 300}, {800, 600}},
              grain(vertical(rgb(190, 80, 60), rgb(170, 60, 45), 300, 600), 0.06, seed, 2));
    for (int lane = 0; lane <= 6; ++lane) {
        const double y = 300 + 300 * std::pow(lane / 6.0, 1.3);
        c.rect(0, y, 800, y + 2 + lane * 0.5, solid(rgb(240, 240, 236)));
    }
    c.polygon({{600, 300}, {612, 300}, {660, 600}, {640, 600}}, solid(rgb(240, 240, 236)));
}

void paddock(Canvas& c, std::uint32_t seed) {
    field(c, seed, 280, rgb(120, 160, 70));
    c.rect(0, 380, 800, 600, grain(vertical(rgb(190, 160, 110), rgb(160, 130, 90), 380, 600), 0.1, seed, 2));
    for (int i = 0; i <= 8; ++i) {
        c.rect(i * 100.0, 330, i * 100.0 + 10, 400, solid(rgb(236, 236, 230)));
    }
    c.rect(0, 340, 800, 348, solid(rgb(236, 236, 230)));
    c.rect(0, 366, 800, 374, solid(rgb(236, 236, 230)));
    for (const double x : {250.0, 520.0}) {
        c.rect(x - 40, 470, x - 34, 520, solid(rgb(200, 60, 60)));
        c.rect(x + 34, 470, x + 40, 520, solid(rgb(200, 60, 60)));
        c.rect(x - 40, 480, x + 40, 486, solid(rgb(240, 240, 240)));
    }
}

// The school seen from its grounds; bigger grounds show more buildings.
void campus(Canvas& c, std::uint32_t seed, int scale_) {
    Sky(c, 300, kDaySky, kHaze);
    Clouds(c, seed, 4, 30, 150, kCloud);
    Ridge(c, seed + 1, 300, 60, 200, rgb(110, 150, 150), false);
    Ground(c, 300, 600, rgb(120, 170, 80), rgb(90, 140, 60), seed + 2, 0.2);
    const Colour wall = rgb(226, 214, 190), roof = rgb(90, 70, 140);
    const double w = 260 + 60 * scale_;
    const double x = 400 - w / 2;
    c.rect(x, 180, x + w, 360, vertical(wall, darker(wall, 0.12), 180, 360));
    c.polygon({{x - 14, 184}, {400, 120}, {x + w + 14, 184}}, vertical(lighter(roof, 0.2), roof, 120, 184));
    for (int r = 0; r < 2; ++r)
        for (int i = 0; i < 3 + scale_; ++i)
            Window(c, x + 24 + i * (w - 48) / (3 + scale_), 210.0 + r * 70, 34, 40, rgb(110, 90, 70),
                   rgb(120, 170, 220));
    c.rect(385, 60, 415, 140, solid(wall));
    c.polygon({{378, 62}, {400, 30}, {422, 62}}, solid(roof));
    c.ellipse(400, 100, 11, 11, solid(rgb(240, 236, 220)));
    Rng rng(seed);
    if (scale_ >= 2) {
        House(c, rng, 40, 370, 150, 110, rgb(210, 190, 160), rgb(150, 70, 60));
        House(c, rng, 610, 370, 150, 110, rgb(210, 190, 160), rgb(150, 70, 60));
    }
    if (scale_ >= 3) {
        c.ellipse(120, 480, 110, 40, solid(rgb(200, 170, 120)));
        Hall(c, 560, 470, 200, 90, rgb(220, 214, 200));
    }
    c.polygon({{340, 600}, {380, 360}, {420, 360}, {460, 600}},
              vertical(rgb(210, 200, 180), rgb(180, 170, 150), 360, 600));
    for (int i = 0; i < 2 + scale_; ++i)
        Tree(c, rng, {i % 2 ? 760.0 - i * 30 : 40.0 + i * 30, 560}, 180, rgb(60, 130, 60), false);
}

void campusLow(Canvas& c, std::uint32_t seed) {
    campus(c, seed, 1);
}
void campusMiddle(Canvas& c, std::uint32_t seed) {
    campus(c, seed, 2);
}
void campusHigh(Canvas& c, std::uint32_t seed) {
    campus(c, seed, 3);
}

const std::pair<std::string_view, ScenePainter> kScenes[] = {
    {"平原", plain},
    {"山", mountain},
    {"森", forest},
    {"湖", lake},
    {"海", sea},
    {"海岸", coast},
    {"公園", park},
    {"郊外", suburb},
    {"雪の町", snowTown},
    {"洞窟", cave},
    {"遺跡", ruins},
    {"内庭", courtyard},
    {"町", town},
    {"運動場", sportsGround},
    {"トラック", runningTrack},
    {"馬術場", paddock},
    {"カリキュラム低", campusLow},
    {"カリキュラム中", campusMiddle},
    {"カリキュラム高", campusHigh},
};

} // namespace

ScenePainter OutdoorScene(std::string_view name) {
    for (const auto& [key, painter] : kScenes)
        if (key == name) return painter;
    return nullptr;
}

} // namespace tools::pictures
