#include "tools/assets/picture_generators.h"
#include "tools/assets/pictures/canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace tools {
namespace {

using namespace pictures;

const Colour kInk = rgb(40, 36, 48);

// Frame i of a level picture: 0 is the lowest level.
Colour levelColour(int level) {
    const Colour steps[] = {rgb(210, 60, 50), rgb(230, 140, 40), rgb(220, 200, 50), rgb(130, 190, 60),
                            rgb(50, 160, 80)};
    return steps[std::clamp(level, 0, 4)];
}

// Stability and trend of a company: one to five rising bars.
void companyLevel(Canvas& c, double y, int level) {
    for (int i = 0; i < 5; ++i) {
        const double x = 2 + i * 3.4, top = y + 15 - i * 3;
        c.rect(x, top, x + 2.8, y + 18, solid(i <= level ? levelColour(level) : rgb(170, 170, 176)));
    }
}

// A face from beaming (0) to miserable (4).
void conditionFace(Canvas& c, double y, int level) {
    const Pt centre{10, y + 10};
    c.ellipse(centre.x, centre.y, 8.6, 8.6, solid(kInk));
    c.ellipse(centre.x, centre.y, 7.6, 7.6, lit(levelColour(4 - level), centre.x, centre.y, 7.6));
    c.rect(6, y + 7, 8, y + 9, solid(kInk));
    c.rect(12, y + 7, 14, y + 9, solid(kInk));
    const double bend = (2 - level) * 1.3;
    for (int x = 6; x <= 13; ++x) {
        const double u = (x - 9.5) / 3.5;
        const double my = y + 13 - bend * (1 - u * u) + (level > 2 ? 1 : 0);
        c.plot(x, static_cast<int>(std::lround(my)), kInk);
    }
}

// Dissatisfaction: none (0) to boiling over (4), an anger mark that grows
// and reddens.
void dissatisfaction(Canvas& c, double y, int level) {
    const Pt centre{10, y + 10};
    if (level == 0) {
        c.ellipse(centre.x, centre.y, 4, 4, solid(rgb(120, 170, 220)));
        c.ellipse(centre.x, centre.y, 2, 2, solid(rgb(200, 226, 240)));
        return;
    }
    const double s = 3.5 + 1.4 * level;
    const Colour colour = mix(rgb(230, 170, 60), rgb(220, 30, 30), (level - 1) / 3.0);
    for (int k = 0; k < 4; ++k) {
        const double a = std::numbers::pi / 4 + k * std::numbers::pi / 2;
        c.arc(centre.x + s * 0.55 * std::cos(a), centre.y + s * 0.55 * std::sin(a), s * 0.2, s * 0.48,
              a + std::numbers::pi * 0.55, a + std::numbers::pi * 1.45, false, solid(colour));
    }
}

void checkBox(Canvas& c, double y, bool checked) {
    c.rect(0, y, 10, y + 10, solid(kInk));
    c.rect(1, y + 1, 9, y + 9, solid(rgb(226, 230, 236)));
    if (!checked) return;
    const Colour tick = rgb(200, 40, 40);
    c.capsule({2.5, y + 5}, {4.5, y + 7.5}, 0.9, 0.9, solid(tick));
    c.capsule({4.5, y + 7.5}, {8, y + 2}, 0.9, 0.9, solid(tick));
}

// The thumb of the grids' scroll bars and of the sliders, copied from its
// top-left corner at whatever length: shaded across, the same all down.
void scrollThumb(Canvas& c) {
    const double w = c.width();
    c.rect(0, 0, w, c.height(), solid(rgb(50, 60, 90)));
    c.rect(1, 1, w - 1, c.height() - 1, horizontal(rgb(150, 176, 220), rgb(70, 90, 140), 1, w - 1));
    c.rect(1, 1, w - 1, 3, solid(rgb(180, 200, 236)));
    c.rect(w / 2 - 1, 4, w / 2 + 1, c.height() - 2, solid(rgb(90, 110, 160)));
}

void sliderButton(Canvas& c, double x, bool right) {
    c.rect(x, 0, x + 20, 20, solid(rgb(50, 60, 90)));
    c.rect(x + 1, 1, x + 19, 19, vertical(rgb(170, 190, 226), rgb(80, 100, 150), 1, 19));
    const double tip = right ? x + 15 : x + 5, back = right ? x + 7 : x + 13;
    c.polygon({{tip, 10}, {back, 4}, {back, 16}}, solid(rgb(236, 236, 236)));
}

// A regular polygon for a radar chart: rings and spokes.
void radarPolygon(Canvas& c, int corners) {
    const Pt centre{c.width() / 2.0, c.height() / 2.0};
    const auto ring = [&](double r) {
        std::vector<Pt> points;
        for (int i = 0; i < corners; ++i) {
            const double a = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / corners;
            points.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
        }
        return points;
    };
    const double r = c.width() / 2.0 - 2;
    c.polygon(ring(r), solid(rgb(60, 80, 130)));
    c.polygon(ring(r - 3), vertical(rgb(120, 150, 210), rgb(80, 110, 170), 0, c.height()));
    for (int k = 3; k >= 1; --k)
        c.polygon(ring(r * k / 4.0), solid(k % 2 ? rgb(100, 130, 190) : rgb(130, 160, 216)));
    for (const Pt& p : ring(r - 3))
        c.capsule(centre, p, 0.8, 0.8, solid(rgb(200, 214, 236)));
}

} // namespace

host::gdi::Bitmap DrawInterface(const PictureBudget& record) {
    host::gdi::Bitmap bitmap(record.width, record.height);
    Canvas canvas(bitmap, Keying::Keyed);
    const std::string_view name = record.name;
    const double frame = record.frameHeight();
    if (name == "企業" || name == "調子" || name == "不満") {
        for (int i = 0; i < record.frames; ++i) {
            if (name == "企業") companyLevel(canvas, i * frame, i);
            if (name == "調子") conditionFace(canvas, i * frame, i);
            if (name == "不満") dissatisfaction(canvas, i * frame, i);
        }
    } else if (name == "チェック") {
        checkBox(canvas, 0, false);
        checkBox(canvas, frame, true);
    } else if (name == "スクロール") {
        scrollThumb(canvas);
    } else if (name == "スライダー左右") {
        sliderButton(canvas, 0, false);
        sliderButton(canvas, record.frameWidth(), true);
    } else if (name == "六角形" || name == "七角形" || name == "八角形") {
        radarPolygon(canvas, name == "六角形" ? 6 : name == "七角形" ? 7 : 8);
    } else {
        throw std::logic_error("no interface picture for " + std::string(name));
    }
    return bitmap;
}

} // namespace tools
