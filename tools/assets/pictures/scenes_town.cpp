#include "tools/assets/pictures/scenes.h"

#include <cmath>
#include <utility>

namespace tools::pictures {
namespace {

const Colour kWood = rgb(150, 104, 62);
const Colour kGold = rgb(220, 186, 80);

Room shop(Canvas& c, std::uint32_t seed, Colour wall, Colour floor) {
    return Interior(c, {150, 100, 650, 380}, wall, floor, darker(wall, 0.2), Floor::Planks, seed);
}

void itemShop(Canvas& c, std::uint32_t seed) {
    const Room room = shop(c, seed, rgb(200, 170, 130), rgb(140, 100, 60));
    Rng rng(seed);
    Shelves(c, rng, room.left + 10, room.top + 20, room.width() - 20, room.height() - 40, kWood);
    Shelves(c, rng, 0, 80, 130, 420, kWood);
    Shelves(c, rng, 670, 80, 130, 420, kWood);
    Counter(c, 120, 440, 560, 160, rgb(180, 130, 80), rgb(130, 90, 50));
    c.ellipse(220, 430, 18, 14, solid(rgb(200, 60, 60)));
    c.rect(520, 412, 560, 440, solid(rgb(120, 160, 80)));
    Lamp(c, 400, 50, 12);
}

void forge(Canvas& c, std::uint32_t seed) {
    const Room room = Interior(c, {150, 100, 650, 380}, rgb(110, 90, 80), rgb(90, 80, 70), rgb(70, 60, 56),
                               Floor::Stone, seed);
    c.rect(room.centre() - 110, room.top + 80, room.centre() + 110, room.bottom, solid(rgb(120, 100, 90)));
    c.ellipse(room.centre(), room.bottom - 60, 70, 50,
              vertical(rgb(250, 200, 80), rgb(220, 80, 30), room.bottom - 110, room.bottom));
    c.rect(room.centre() - 40, room.top - 20, room.centre() + 40, room.top + 80, solid(rgb(100, 84, 76)));
    for (int i = 0; i < 6; ++i) {
        const double x = room.left + 20 + i * 20;
        c.rect(x, room.top + 40, x + 4, room.top + 160, solid(rgb(90, 70, 50)));
        c.rect(x - 4, room.top + 40, x + 8, room.top + 56, solid(rgb(170, 176, 186)));
    }
    c.polygon({{320, 470}, {480, 470}, {460, 500}, {340, 500}}, solid(rgb(70, 70, 80)));
    c.rect(360, 500, 440, 560, solid(rgb(60, 60, 70)));
    c.rect(330, 458, 470, 472, solid(rgb(110, 110, 120)));
}

void workshop(Canvas& c, std::uint32_t seed) {
    const Room room = shop(c, seed, rgb(180, 160, 130), rgb(130, 100, 70));
    Rng rng(seed);
    c.rect(room.left + 20, room.top + 30, room.left + 240, room.top + 180, solid(rgb(140, 110, 70)));
    for (int i = 0; i < 8; ++i) {
        const double x = room.left + 36 + i * 26;
        c.capsule({x, room.top + 50}, {x, room.top + 140}, 2, 2, solid(rgb(100, 80, 60)));
        c.ellipse(x, room.top + 50, 6, 6, solid(rgb(170, 176, 186)));
    }
    Shelves(c, rng, room.right - 220, room.top + 20, 200, room.height() - 40, kWood);
    Counter(c, 100, 430, 600, 170, rgb(170, 130, 80), rgb(120, 90, 60));
    c.rect(200, 400, 300, 430, solid(rgb(150, 150, 160)));
    c.ellipse(480, 420, 30, 12, solid(rgb(180, 140, 90)));
    c.capsule({560, 425}, {620, 395}, 3, 3, solid(rgb(120, 80, 50)));
    c.rect(610, 384, 636, 400, solid(rgb(120, 120, 130)));
}

void ticketOffice(Canvas& c, std::uint32_t seed) {
    const Room room = shop(c, seed, rgb(210, 200, 170), rgb(150, 120, 90));
    for (int i = 0; i < 3; ++i) {
        const double x = room.left + 30 + i * 155;
        c.rect(x, room.top + 20, x + 130, room.top + 180, solid(rgb(120, 90, 60)));
        c.rect(x + 8, room.top + 28, x + 122, room.top + 150,
               vertical(rgb(120, 160, 200), rgb(160, 200, 226), room.top, room.top + 150));
        c.rect(x + 50, room.top + 150, x + 80, room.top + 172, solid(rgb(40, 36, 40)));
    }
    Counter(c, 60, 400, 680, 200, rgb(190, 150, 100), rgb(140, 100, 60));
    Rng rng(seed);
    for (int i = 0; i < 7; ++i) {
        const double x = 140 + i * 80, y = 380 + rng.uniform(0, 10);
        c.rect(x, y, x + 50, y + 26,
               solid(rgb(rng.between(190, 236), rng.between(150, 220), rng.between(80, 160))));
        c.rect(x + 36, y, x + 38, y + 26, solid(rgb(120, 90, 60)));
    }
}

void permitOffice(Canvas& c, std::uint32_t seed) {
    const Room room = Interior(c, {140, 80, 660, 380}, rgb(220, 214, 200), rgb(120, 40, 40),
                               rgb(200, 190, 170), Floor::Carpet, seed);
    for (const double x : {room.left + 40, room.right - 40})
        Pillar(c, x, room.top, room.bottom, 40, rgb(226, 220, 206));
    Banner(c, room.centre() - 50, room.top + 20, 100, 170, rgb(40, 60, 140), kGold);
    c.polygon({{room.centre() - 16, room.top + 60},
               {room.centre(), room.top + 40},
               {room.centre() + 16, room.top + 60},
               {room.centre() + 16, room.top + 70},
               {room.centre() - 16, room.top + 70}},
              solid(kGold));
    Counter(c, 180, 420, 440, 180, rgb(110, 70, 50), rgb(90, 56, 40));
    c.rect(260, 400, 340, 420, solid(rgb(236, 226, 200)));
    c.ellipse(420, 410, 14, 8, solid(rgb(200, 40, 40)));
    c.capsule({470, 418}, {500, 390}, 2, 2, solid(rgb(80, 60, 50)));
}

void exchange(Canvas& c, std::uint32_t seed) {
    const Room room = shop(c, seed, rgb(200, 190, 220), rgb(110, 100, 130));
    Rng rng(seed);
    for (int r = 0; r < 2; ++r)
        for (int i = 0; i < 5; ++i) {
            const double x = room.left + 30 + i * 90, y = room.top + 30 + r * 120;
            c.rect(x, y, x + 70, y + 90, solid(rgb(90, 70, 90)));
            c.ellipse(x + 35, y + 45, 22, 22,
                      lit(rgb(rng.between(120, 230), rng.between(100, 220), rng.between(100, 230)), x + 35,
                          y + 45, 22));
        }
    Counter(c, 120, 430, 560, 170, rgb(170, 150, 190), rgb(110, 90, 130));
    for (int i = 0; i < 6; ++i)
        c.ellipse(300 + i * 14, 424 - i * 4, 12, 5, solid(kGold));
}

void broker(Canvas& c, std::uint32_t seed) {
    const Room room = shop(c, seed, rgb(180, 190, 200), rgb(90, 80, 70));
    c.rect(room.left + 20, room.top + 20, room.right - 20, room.top + 200, solid(rgb(30, 40, 50)));
    for (int i = 0; i < 4; ++i) {
        const double y = room.top + 40 + i * 40;
        c.rect(room.left + 40, y, room.left + 200, y + 20, solid(rgb(60, 70, 80)));
        c.rect(room.left + 220, y, room.left + 280, y + 20,
               solid(i % 2 ? rgb(220, 60, 60) : rgb(80, 200, 100)));
    }
    std::vector<Pt> graph;
    Rng rng(seed);
    double v = room.top + 150;
    for (int i = 0; i <= 10; ++i) {
        graph.push_back({room.left + 300 + i * 15.0, v});
        v = std::clamp(v + rng.uniform(-25, 20), room.top + 40.0, room.top + 180.0);
    }
    c.stroke(graph, 2, 2, solid(rgb(240, 200, 60)));
    Counter(c, 80, 430, 640, 170, rgb(120, 100, 80), rgb(80, 66, 56));
    c.rect(200, 400, 300, 430, solid(rgb(236, 232, 220)));
    c.rect(480, 380, 560, 430, solid(rgb(60, 60, 70)));
}

void schoolFront(Canvas& c, std::uint32_t seed) {
    Sky(c, 330, rgb(240, 150, 90), rgb(250, 210, 150));
    Clouds(c, seed, 4, 30, 160, rgb(250, 200, 170));
    Ridge(c, seed + 1, 330, 70, 180, rgb(150, 110, 120), false);
    Ground(c, 330, 600, rgb(120, 140, 70), rgb(90, 110, 50), seed + 2, 0.2);
    const Colour wall = rgb(230, 210, 180);
    c.rect(120, 160, 680, 400, vertical(wall, darker(wall, 0.15), 160, 400));
    c.polygon({{100, 166}, {400, 80}, {700, 166}}, vertical(rgb(120, 70, 90), rgb(90, 50, 70), 80, 166));
    for (int r = 0; r < 2; ++r)
        for (int i = 0; i < 8; ++i)
            if (i != 3 && i != 4)
                Window(c, 150.0 + i * 66, 200.0 + r * 90, 30, 50, rgb(110, 80, 60), rgb(250, 200, 130));
    Door(c, 360, 290, 80, 110, rgb(120, 80, 50));
    c.ellipse(400, 230, 30, 30, solid(rgb(236, 226, 200)));
    c.ring(400, 230, 26, 30, solid(rgb(150, 110, 70)));
    c.capsule({400, 230}, {400, 210}, 2, 2, solid(rgb(60, 50, 50)));
    c.capsule({400, 230}, {414, 232}, 2, 2, solid(rgb(60, 50, 50)));
    c.polygon({{300, 600}, {370, 400}, {430, 400}, {500, 600}},
              vertical(rgb(210, 190, 160), rgb(180, 160, 130), 400, 600));
    for (const double x : {260.0, 540.0}) {
        c.rect(x - 12, 340, x + 12, 470, solid(rgb(150, 140, 130)));
        c.ellipse(x, 336, 16, 10, solid(rgb(170, 160, 150)));
    }
    Rng rng(seed);
    for (const double x : {50.0, 750.0})
        Tree(c, rng, {x, 560}, 280, rgb(60, 110, 50), false);
}

// Stands full of spectators round a sand floor.
void stands(Canvas& c, std::uint32_t seed, double top, double bottom, Colour wall) {
    c.rect(0, top, 800, bottom, vertical(lighter(wall, 0.1), darker(wall, 0.2), top, bottom));
    Rng rng(seed);
    for (int row = 0; row < static_cast<int>((bottom - top) / 20); ++row)
        for (int i = 0; i < 42; ++i) {
            const double x = i * 20 + (row % 2) * 10, y = top + 10 + row * 20;
            c.ellipse(x, y, 6, 7,
                      solid(rgb(rng.between(80, 220), rng.between(60, 180), rng.between(60, 200))));
            c.ellipse(x, y - 6, 3.5, 3.5, solid(rgb(220, 180, 140)));
        }
}

void arena(Canvas& c, std::uint32_t seed, Colour wall, Colour sand, bool grand) {
    c.rect(0, 0, 800, 60, vertical(rgb(60, 110, 200), rgb(140, 190, 236), 0, 60));
    stands(c, seed, 60, 240, wall);
    c.rect(0, 240, 800, 262, vertical(darker(wall, 0.2), darker(wall, 0.4), 240, 262));
    c.rect(0, 262, 800, 600, grain(vertical(darker(sand, 0.1), sand, 262, 600), 0.06, seed, 2));
    for (int i = 0; i < (grand ? 7 : 4); ++i) {
        const double x = 60 + i * (grand ? 115 : 220);
        Banner(c, x, 64, 36, 80, i % 2 ? rgb(180, 40, 40) : rgb(40, 70, 160), kGold);
    }
    c.fill(
        0, 262, 800, 600,
        [](double x, double y) {
            const double d = std::hypot((x - 400) / 330, (y - 420) / 120);
            return d > 0.96 && d < 1.0;
        },
        solid(lighter(sand, 0.3)));
}

void tournamentHigh(Canvas& c, std::uint32_t seed) {
    arena(c, seed, rgb(200, 190, 170), rgb(210, 180, 130), true);
}
void tournamentLow(Canvas& c, std::uint32_t seed) {
    arena(c, seed, rgb(160, 130, 100), rgb(190, 160, 110), false);
}

void colosseum(Canvas& c, std::uint32_t seed) {
    Sky(c, 300, rgb(60, 110, 200), rgb(170, 206, 236));
    const Colour stone = rgb(200, 170, 130);
    c.rect(0, 90, 800, 300, vertical(stone, darker(stone, 0.2), 90, 300));
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < 12; ++i) {
            const double x = 14 + i * 66, y = 110 + r * 62;
            c.rect(x, y + 16, x + 40, y + 54, solid(rgb(70, 56, 50)));
            c.ellipse(x + 20, y + 16, 20, 16, solid(rgb(70, 56, 50)));
        }
    Ground(c, 300, 600, rgb(200, 170, 120), rgb(170, 140, 90), seed, 0.15);
    c.rect(0, 290, 800, 306, solid(darker(stone, 0.35)));
}

void finalStage(Canvas& c, std::uint32_t seed) {
    c.rect(0, 0, 800, 600, vertical(rgb(20, 20, 50), rgb(60, 30, 70), 0, 600));
    Stars(c, seed, 160, 200);
    stands(c, seed, 120, 260, rgb(60, 50, 70));
    c.polygon({{0, 600}, {80, 280}, {720, 280}, {800, 600}},
              vertical(rgb(120, 40, 40), rgb(160, 50, 50), 280, 600));
    c.rect(0, 270, 800, 290, solid(kGold));
    for (const double x : {120.0, 680.0}) {
        const double toward = x < 400 ? 150 : -150;
        c.polygon({{x - 10, 0}, {x + 10, 0}, {x + toward + 60, 600}, {x + toward - 60, 600}},
                  vertical(rgb(110, 80, 110), rgb(200, 110, 100), 0, 600));
    }
    for (int i = 0; i < 6; ++i)
        Banner(c, 40 + i * 140, 40, 40, 90, i % 2 ? rgb(160, 30, 30) : rgb(30, 50, 140), kGold);
    // The trophy on its plinth.
    c.rect(340, 236, 460, 270, vertical(rgb(90, 60, 70), rgb(60, 40, 50), 236, 270));
    const Shader gold = horizontal(lighter(kGold, 0.4), darker(kGold, 0.3), 350, 450);
    for (const double side : {-1.0, 1.0})
        c.arc(400 + side * 46, 150, 10, 18, side < 0 ? 1.6 : -1.6, side < 0 ? 4.7 : 1.6, false, gold);
    c.fill(
        350, 110, 450, 200,
        [](double x, double y) {
            const double dx = (x - 400) / 50, dy = (y - 120) / 80;
            return y >= 120 && dx * dx + dy * dy <= 1.0;
        },
        gold);
    c.ellipse(400, 120, 50, 8, solid(lighter(kGold, 0.3)));
    c.rect(392, 196, 408, 222, gold);
    c.rect(370, 222, 430, 236, gold);
}

void bracketHall(Canvas& c, std::uint32_t seed) {
    const Room room = Interior(c, {60, 40, 740, 470}, rgb(90, 70, 60), rgb(110, 70, 50), rgb(70, 50, 40),
                               Floor::Planks, seed);
    c.rect(room.left + 20, room.top + 20, room.right - 20, room.bottom - 20, [&](double x, double y) {
        const double n = fractalNoise(x / 80, y / 80, 3, seed);
        return mix(rgb(236, 220, 180), rgb(210, 190, 140), n);
    });
    c.rect(room.left + 14, room.top + 14, room.right - 14, room.top + 20, solid(kGold));
    c.rect(room.left + 14, room.bottom - 20, room.right - 14, room.bottom - 14, solid(kGold));
    for (const double x : {room.left + 6, room.right - 6})
        Pillar(c, x, room.top, room.bottom, 24, rgb(170, 130, 80));
}

const std::pair<std::string_view, ScenePainter> kScenes[] = {
    {"アイテム店", itemShop},
    {"加工屋", forge},
    {"工房", workshop},
    {"チケット引換所", ticketOffice},
    {"王国許可局", permitOffice},
    {"ポイント交換所", exchange},
    {"株屋", broker},
    {"タイトル", schoolFront},
    {"大会高", tournamentHigh},
    {"大会低", tournamentLow},
    {"闘技場", colosseum},
    {"決勝", finalStage},
    {"トーナメント", bracketHall},
};

} // namespace

ScenePainter TownScene(std::string_view name) {
    for (const auto& [key, painter] : kScenes)
        if (key == name) return painter;
    return nullptr;
}

} // namespace tools::pictures
