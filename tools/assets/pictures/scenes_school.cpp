#include "tools/assets/pictures/scenes.h"

#include <cmath>
#include <utility>

namespace tools::pictures {
namespace {

const Colour kWood = rgb(150, 104, 62);
const Colour kSky = rgb(130, 180, 230);
const Colour kPlaster = rgb(226, 216, 196);

Room standard(Canvas& c, std::uint32_t seed, Colour wall, Colour floor, Floor style) {
    return Interior(c, {170, 110, 630, 390}, wall, floor, darker(wall, 0.1), style, seed);
}

void desks(Canvas& c, int rows, int perRow, double width) {
    for (int r = 0; r < rows; ++r) {
        const double y = 420 + r * 70, w = width * (1 + r * 0.25);
        for (int i = 0; i < perRow; ++i) {
            const double x = 400 + (i - (perRow - 1) / 2.0) * w * 1.5 - w / 2;
            Desk(c, x, y, w, kWood);
        }
    }
}

void classroom(Canvas& c, std::uint32_t seed) {
    const Room room = standard(c, seed, rgb(220, 210, 180), rgb(170, 120, 70), Floor::Planks);
    Blackboard(c, room.left + 60, room.top + 40, room.width() - 120, 140);
    Window(c, 20, 140, 90, 200, rgb(200, 200, 190), kSky);
    Lamp(c, 300, 60, 10);
    Lamp(c, 500, 60, 10);
    desks(c, 2, 4, 90);
}

void lectureHall(Canvas& c, std::uint32_t seed) {
    const Room room = Interior(c, {120, 90, 680, 330}, rgb(200, 190, 170), rgb(150, 100, 60),
                               rgb(170, 160, 150), Floor::Planks, seed);
    Blackboard(c, room.left + 40, room.top + 30, room.width() - 80, 130);
    Counter(c, 320, 280, 160, 60, rgb(170, 120, 70), rgb(130, 90, 50));
    for (int r = 0; r < 4; ++r) {
        const double y = 380 + r * 60;
        c.rect(0, y, 800, y + 16, vertical(lighter(kWood, 0.2), kWood, y, y + 16));
        c.rect(0, y + 16, 800, y + 26, solid(darker(kWood, 0.4)));
    }
}

void tutoring(Canvas& c, std::uint32_t seed) {
    const Room room = standard(c, seed, rgb(210, 200, 220), rgb(150, 110, 80), Floor::Planks);
    Rng rng(seed);
    Bookshelf(c, rng, room.left + 20, room.top + 30, 140, room.height() - 30, kWood);
    Window(c, room.right - 170, room.top + 40, 130, 110, rgb(230, 220, 200), kSky);
    c.rect(300, 380, 500, 400, solid(kWood));
    Desk(c, 300, 420, 200, kWood);
    c.ellipse(360, 395, 24, 6, solid(rgb(236, 232, 220)));
    c.rect(430, 370, 470, 396, solid(rgb(120, 60, 60)));
    Lamp(c, 400, 80, 12);
}

void library(Canvas& c, std::uint32_t seed) {
    const Room room = standard(c, seed, rgb(150, 110, 80), rgb(110, 70, 50), Floor::Planks);
    Rng rng(seed);
    for (int i = 0; i < 3; ++i)
        Bookshelf(c, rng, room.left + 10 + i * 150, room.top + 10, 140, room.height() - 10,
                  darker(kWood, 0.1));
    Bookshelf(c, rng, 0, 60, 120, 480, kWood);
    Bookshelf(c, rng, 680, 60, 120, 480, kWood);
    Desk(c, 250, 470, 300, kWood);
    Lamp(c, 400, 70, 14);
}

void artRoom(Canvas& c, std::uint32_t seed) {
    const Room room = standard(c, seed, rgb(236, 230, 220), rgb(190, 170, 140), Floor::Planks);
    Rng rng(seed);
    for (int i = 0; i < 3; ++i)
        Painting(c, rng, room.left + 30 + i * 145, room.top + 40, 110, 80);
    Window(c, 20, 140, 90, 200, rgb(220, 220, 220), kSky);
    for (const double x : {250.0, 520.0}) {
        c.capsule({x, 560}, {x + 40, 380}, 4, 4, solid(kWood));
        c.capsule({x + 80, 560}, {x + 40, 380}, 4, 4, solid(kWood));
        c.rect(x - 10, 390, x + 90, 480, solid(rgb(240, 236, 226)));
        c.ellipse(x + 40, 430, 30, 26,
                  solid(rgb(rng.between(100, 220), rng.between(100, 200), rng.between(80, 200))));
        c.rect(x - 14, 480, x + 94, 488, solid(kWood));
    }
    c.ellipse(420, 560, 30, 12, solid(rgb(200, 120, 90)));
}

void craftRoom(Canvas& c, std::uint32_t seed) {
    const Room room = standard(c, seed, rgb(190, 190, 180), rgb(140, 130, 120), Floor::Tiles);
    Rng rng(seed);
    c.rect(room.left + 20, room.top + 30, room.right - 20, room.top + 160, solid(rgb(150, 120, 80)));
    for (int i = 0; i < 9; ++i) {
        const double x = room.left + 40 + i * 45;
        c.rect(x, room.top + 50, x + 6, room.top + 120, solid(rgb(90, 90, 100)));
        c.rect(x - 6, room.top + 50, x + 12, room.top + 62, solid(rgb(170, 176, 186)));
    }
    Counter(c, 150, 420, 500, 120, rgb(170, 130, 80), rgb(120, 90, 60));
    c.rect(220, 400, 300, 420, solid(rgb(170, 176, 186)));
    c.rect(460, 396, 480, 420, solid(rgb(200, 60, 50)));
}

void ceremonyRoom(Canvas& c, std::uint32_t seed) {
    const Room room = Interior(c, {150, 80, 650, 380}, rgb(200, 180, 150), rgb(130, 40, 40),
                               rgb(160, 140, 110), Floor::Carpet, seed);
    Banner(c, room.left + 40, room.top + 20, 70, 180, rgb(60, 80, 160), rgb(220, 190, 80));
    Banner(c, room.right - 110, room.top + 20, 70, 180, rgb(60, 80, 160), rgb(220, 190, 80));
    c.rect(room.centre() - 120, room.bottom - 60, room.centre() + 120, room.bottom, solid(rgb(150, 110, 70)));
    c.rect(room.centre() - 20, room.bottom - 130, room.centre() + 20, room.bottom - 60,
           solid(rgb(120, 80, 50)));
    c.polygon({{330, 600}, {370, 380}, {430, 380}, {470, 600}},
              vertical(rgb(180, 40, 40), rgb(150, 30, 30), 380, 600));
    Lamp(c, 260, 60, 14);
    Lamp(c, 540, 60, 14);
}

void chapel(Canvas& c, std::uint32_t seed) {
    const Room room = Interior(c, {200, 60, 600, 380}, rgb(210, 200, 180), rgb(160, 140, 120),
                               rgb(180, 170, 150), Floor::Stone, seed);
    const double cx = room.centre();
    c.ellipse(cx, room.top + 110, 80, 80, solid(rgb(90, 70, 60)));
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265 / 4;
        c.polygon({{cx, room.top + 110},
                   {cx + 76 * std::cos(a), room.top + 110 + 76 * std::sin(a)},
                   {cx + 76 * std::cos(a + 0.785), room.top + 110 + 76 * std::sin(a + 0.785)}},
                  solid(i % 2 ? rgb(200, 60, 60) : rgb(60, 100, 200)));
    }
    c.ellipse(cx, room.top + 110, 20, 20, solid(rgb(240, 210, 90)));
    c.rect(cx - 80, room.bottom - 70, cx + 80, room.bottom, solid(rgb(200, 190, 170)));
    c.rect(cx - 4, room.bottom - 140, cx + 4, room.bottom - 70, solid(rgb(220, 190, 80)));
    c.rect(cx - 24, room.bottom - 120, cx + 24, room.bottom - 112, solid(rgb(220, 190, 80)));
    for (const double x : {110.0, 690.0})
        Window(c, x - 30, 120, 60, 200, rgb(120, 110, 100), rgb(160, 120, 210));
    for (int r = 0; r < 3; ++r)
        for (const int side : {-1, 1}) {
            const double y = 430 + r * 60, x0 = side < 0 ? 40.0 - r * 30 : 440.0,
                         x1 = side < 0 ? 360.0 : 760.0 + r * 30;
            c.rect(x0, y, x1, y + 14, solid(kWood));
            c.rect(x0, y - 30, x1, y - 22, solid(darker(kWood, 0.2)));
        }
}

void teaRoom(Canvas& c, std::uint32_t seed) {
    const Room room = Interior(c, {160, 120, 640, 380}, rgb(220, 200, 160), rgb(200, 190, 120),
                               rgb(160, 120, 80), Floor::Tatami, seed);
    c.rect(room.left + 30, room.top + 30, room.left + 190, room.bottom - 40, solid(rgb(200, 180, 140)));
    c.rect(room.left + 90, room.top + 50, room.left + 130, room.top + 190, solid(rgb(236, 230, 210)));
    c.rect(room.left + 100, room.top + 60, room.left + 120, room.top + 170, solid(rgb(80, 80, 90)));
    for (int i = 0; i < 4; ++i)
        c.rect(room.left + 220 + i * 60, room.top + 10, room.left + 272 + i * 60, room.bottom - 20,
               solid(rgb(236, 226, 200)));
    for (int i = 0; i <= 4; ++i)
        c.rect(room.left + 216 + i * 60, room.top + 10, room.left + 222 + i * 60, room.bottom - 20,
               solid(rgb(120, 90, 60)));
    c.ellipse(400, 500, 40, 16, solid(rgb(60, 100, 60)));
    c.ellipse(400, 494, 30, 10, solid(rgb(120, 170, 80)));
    c.ellipse(470, 510, 22, 8, solid(rgb(150, 80, 60)));
}

void trainingRoom(Canvas& c, std::uint32_t seed) {
    const Room room = standard(c, seed, rgb(200, 200, 200), rgb(110, 110, 120), Floor::Tiles);
    c.rect(room.left + 20, room.top + 30, room.right - 20, room.top + 150, solid(rgb(170, 200, 220)));
    for (int i = 0; i < 5; ++i)
        c.rect(room.left + 20 + i * 84, room.top + 30, room.left + 24 + i * 84, room.top + 150,
               solid(rgb(140, 140, 150)));
    for (const double x : {200.0, 560.0}) {
        c.rect(x - 70, 440, x + 70, 452, solid(rgb(90, 90, 100)));
        c.ellipse(x - 70, 446, 12, 34, solid(rgb(50, 50, 60)));
        c.ellipse(x + 70, 446, 12, 34, solid(rgb(50, 50, 60)));
    }
    c.rect(330, 300, 470, 380, solid(rgb(70, 70, 80)));
    c.rect(340, 310, 460, 370, solid(rgb(200, 60, 60)));
    c.rect(380, 380, 386, 560, solid(rgb(160, 160, 170)));
    c.ellipse(383, 470, 30, 60, vertical(rgb(180, 60, 50), rgb(130, 40, 30), 410, 530));
}

void pool(Canvas& c, std::uint32_t seed) {
    const Room room = Interior(c, {120, 100, 680, 300}, rgb(210, 226, 236), rgb(200, 210, 220),
                               rgb(180, 200, 220), Floor::Tiles, seed);
    Window(c, room.left + 40, room.top + 30, 480, 100, rgb(200, 210, 220), kSky);
    c.polygon({{40, 600}, {200, 330}, {600, 330}, {760, 600}}, [&](double x, double y) {
        const double n = valueNoise(x / 30, y / 6, seed);
        return mix(rgb(90, 190, 230), rgb(40, 130, 200),
                   std::clamp((y - 330) / 270 + (n - 0.5) * 0.4, 0.0, 1.0));
    });
    for (int i = 1; i < 6; ++i) {
        const double xt = 200 + 400 * i / 6.0, xb = 40 + 720 * i / 6.0;
        for (int k = 0; k < 20; ++k) {
            const double t = k / 20.0, t2 = (k + 0.5) / 20.0;
            c.capsule({xt + (xb - xt) * t, 330 + 270 * t}, {xt + (xb - xt) * t2, 330 + 270 * t2}, 2, 3,
                      solid(k % 2 ? rgb(236, 80, 60) : rgb(236, 236, 236)));
        }
    }
}

void dojo(Canvas& c, std::uint32_t seed, bool spear) {
    const Room room = Interior(c, {140, 110, 660, 380}, rgb(226, 214, 180), rgb(190, 150, 90),
                               rgb(140, 100, 60), Floor::Planks, seed);
    for (int i = 0; i < 5; ++i)
        c.rect(room.left + i * 130, room.top, room.left + i * 130 + 12, room.bottom, solid(rgb(110, 76, 44)));
    c.rect(room.left, room.top + 40, room.right, room.top + 50, solid(rgb(110, 76, 44)));
    c.rect(room.centre() - 90, room.top + 70, room.centre() + 90, room.top + 120, solid(rgb(236, 230, 214)));
    c.rect(room.centre() - 70, room.top + 85, room.centre() + 70, room.top + 105, solid(rgb(60, 50, 50)));
    const double rack = room.right - 150;
    c.rect(rack, room.top + 140, rack + 120, room.top + 150, solid(rgb(110, 76, 44)));
    for (int i = 0; i < 5; ++i) {
        const double x = rack + 10 + i * 24;
        if (spear) {
            c.rect(x, room.top + 80, x + 4, room.bottom - 10, solid(rgb(130, 90, 50)));
            c.polygon({{x - 3, room.top + 80}, {x + 2, room.top + 56}, {x + 7, room.top + 80}},
                      solid(rgb(200, 206, 216)));
        } else {
            c.rect(x, room.top + 100, x + 5, room.bottom - 20, solid(rgb(200, 180, 120)));
        }
    }
    c.rect(room.left + 30, room.top + 160, room.left + 60, room.bottom, solid(rgb(120, 60, 40)));
}

void kendoHall(Canvas& c, std::uint32_t seed) {
    dojo(c, seed, false);
}
void spearHall(Canvas& c, std::uint32_t seed) {
    dojo(c, seed, true);
}

void archeryHall(Canvas& c, std::uint32_t seed) {
    Sky(c, 300, kSky, rgb(220, 236, 246));
    Ground(c, 230, 420, rgb(110, 160, 80), rgb(90, 140, 60), seed, 0.2);
    c.rect(0, 160, 800, 300, vertical(rgb(200, 190, 160), rgb(170, 160, 130), 160, 300));
    for (int i = 0; i < 5; ++i) {
        const double x = 180 + i * 110;
        c.rect(x - 30, 240, x + 30, 290, solid(rgb(190, 170, 120)));
        c.ellipse(x, 266, 22, 22, solid(rgb(236, 236, 230)));
        c.ring(x, 266, 8, 16, solid(rgb(40, 40, 50)));
        c.ellipse(x, 266, 4, 4, solid(rgb(40, 40, 50)));
    }
    c.rect(0, 0, 800, 90, vertical(rgb(90, 60, 40), rgb(120, 80, 50), 0, 90));
    c.rect(0, 420, 800, 600, grain(vertical(rgb(200, 160, 100), rgb(170, 130, 80), 420, 600), 0.05, seed, 2));
    for (int i = 0; i < 8; ++i)
        c.rect(0, 430 + i * 22, 800, 432 + i * 22, solid(rgb(150, 110, 70)));
    for (const double x : {30.0, 770.0})
        c.rect(x - 14, 60, x + 14, 600, solid(rgb(110, 76, 44)));
}

void schoolOffice(Canvas& c, std::uint32_t seed) {
    const Room room = standard(c, seed, rgb(200, 210, 200), rgb(120, 90, 70), Floor::Carpet);
    Rng rng(seed);
    Bookshelf(c, rng, room.left + 20, room.top + 30, 120, room.height() - 30, kWood);
    for (int i = 0; i < 3; ++i)
        c.rect(room.left + 170 + i * 90, room.top + 40, room.left + 240 + i * 90, room.bottom - 8,
               vertical(rgb(150, 160, 170), rgb(110, 120, 130), room.top, room.bottom));
    Painting(c, rng, room.right - 130, room.top + 40, 100, 70);
    Desk(c, 260, 470, 280, kWood);
    c.rect(300, 420, 360, 440, solid(rgb(236, 232, 220)));
    c.rect(380, 410, 440, 440, solid(rgb(200, 190, 160)));
}

void formationRoom(Canvas& c, std::uint32_t seed) {
    const Room room = standard(c, seed, rgb(170, 170, 150), rgb(110, 90, 70), Floor::Stone);
    Banner(c, room.left + 30, room.top + 20, 60, 160, rgb(150, 40, 40), rgb(220, 190, 80));
    Banner(c, room.right - 90, room.top + 20, 60, 160, rgb(150, 40, 40), rgb(220, 190, 80));
    c.rect(room.centre() - 130, room.top + 40, room.centre() + 130, room.top + 200,
           solid(rgb(220, 200, 150)));
    for (int i = 0; i < 5; ++i)
        c.ellipse(room.centre() - 100 + i * 28, room.top + 80 + (i % 2) * 30, 8, 8, solid(rgb(60, 80, 180)));
    c.polygon({{800, 600}, {0, 600}, {150, 430}, {650, 430}},
              vertical(rgb(60, 110, 60), rgb(40, 90, 40), 430, 600));
}

void researchRoom(Canvas& c, std::uint32_t seed) {
    const Room room = standard(c, seed, rgb(190, 180, 160), rgb(120, 100, 80), Floor::Planks);
    for (int b = 0; b < 2; ++b) {
        const double x = room.left + 30 + b * 220;
        c.rect(x, room.top + 40, x + 190, room.top + 200, solid(rgb(230, 226, 210)));
        c.rect(x - 4, room.top + 36, x + 194, room.top + 40, solid(kWood));
        for (int i = 0; i < 5; ++i) {
            const double px = x + 30 + (i % 3) * 50 + b * 10,
                         py = room.top + 70 + (i / 3) * 60 + (i % 2) * 10;
            c.ellipse(px, py, 8, 8, solid(b ? rgb(200, 60, 60) : rgb(60, 80, 200)));
        }
        c.capsule({x + 30, room.top + 170}, {x + 150, room.top + 90}, 2, 2, solid(rgb(60, 60, 60)));
        c.polygon({{x + 160, room.top + 82}, {x + 140, room.top + 86}, {x + 152, room.top + 100}},
                  solid(rgb(60, 60, 60)));
    }
    Desk(c, 220, 470, 360, kWood);
    for (int i = 0; i < 6; ++i)
        c.rect(250 + i * 50, 404, 270 + i * 50, 424, solid(i % 2 ? rgb(200, 60, 60) : rgb(60, 80, 200)));
}

const std::pair<std::string_view, ScenePainter> kScenes[] = {
    {"一般教室", classroom},
    {"大教室", lectureHall},
    {"個別授業", tutoring},
    {"図書室", library},
    {"美術室", artRoom},
    {"工作室", craftRoom},
    {"式典室", ceremonyRoom},
    {"礼拝堂", chapel},
    {"茶室", teaRoom},
    {"トレーニング室", trainingRoom},
    {"プール", pool},
    {"剣道場", kendoHall},
    {"槍術場", spearHall},
    {"弓道場", archeryHall},
    {"学園データ", schoolOffice},
    {"編成", formationRoom},
    {"陣形研究所", researchRoom},
};

} // namespace

ScenePainter SchoolScene(std::string_view name) {
    for (const auto& [key, painter] : kScenes)
        if (key == name) return painter;
    return nullptr;
}

} // namespace tools::pictures
