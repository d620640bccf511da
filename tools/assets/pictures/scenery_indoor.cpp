#include "tools/assets/pictures/scenery.h"

#include <cmath>

namespace tools::pictures {
namespace {

const Colour kLine = rgb(40, 32, 28);

void floorPattern(Canvas& c, Room back, Floor style, Colour floor) {
    const double vx = back.centre(), vy = (back.top + back.bottom) / 2;
    const double h = c.height(), w = c.width();
    const Colour line = darker(floor, 0.3);
    // Lines running away from the viewer, meeting at the vanishing point.
    const int runs = style == Floor::Planks ? 16 : style == Floor::Tatami ? 4 : style == Floor::Sand ? 0 : 10;
    for (int i = 0; i <= runs; ++i) {
        const double xb = -w * 0.5 + 2 * w * i / runs;
        const double t = (back.bottom - vy) / (h - vy);
        c.capsule({vx + (xb - vx) * t, back.bottom}, {xb, h}, 0.6, 1.4, solid(line));
    }
    // Lines across, closer together with distance.
    const int across = style == Floor::Planks ? 0 : style == Floor::Tatami ? 3 : style == Floor::Sand ? 0 : 9;
    for (int k = 1; k <= across; ++k) {
        const double z = 1 + 3.0 * k / across;
        const double y = vy + (h - vy) / z;
        if (y > back.bottom) c.rect(0, y, w, y + 1.5, solid(line));
    }
    if (style == Floor::Tatami) c.rect(0, back.bottom, w, back.bottom + 3, solid(rgb(60, 80, 50)));
}

} // namespace

Room Interior(Canvas& c, Room back, Colour wall, Colour floor, Colour ceiling, Floor style,
              std::uint32_t seed) {
    const double w = c.width(), h = c.height();
    c.polygon({{0, h}, {back.left, back.bottom}, {back.right, back.bottom}, {w, h}},
              grain(vertical(darker(floor, 0.15), lighter(floor, 0.1), back.bottom, h),
                    style == Floor::Sand ? 0.1 : 0.05, seed, 2));
    floorPattern(c, back, style, floor);
    c.polygon({{0, 0}, {w, 0}, {back.right, back.top}, {back.left, back.top}},
              vertical(darker(ceiling, 0.2), ceiling, 0, back.top));
    c.polygon({{0, 0}, {back.left, back.top}, {back.left, back.bottom}, {0, h}},
              horizontal(darker(wall, 0.3), darker(wall, 0.1), 0, back.left));
    c.polygon({{w, 0}, {back.right, back.top}, {back.right, back.bottom}, {w, h}},
              horizontal(darker(wall, 0.1), darker(wall, 0.3), back.right, w));
    c.rect(
        back.left, back.top, back.right, back.bottom,
        grain(vertical(lighter(wall, 0.08), darker(wall, 0.05), back.top, back.bottom), 0.03, seed + 1, 3));
    c.rect(back.left, back.bottom - 8, back.right, back.bottom, solid(darker(wall, 0.35)));
    return back;
}

void Window(Canvas& c, double x, double y, double w, double h, Colour frame, Colour sky) {
    c.rect(x - 5, y - 5, x + w + 5, y + h + 5, solid(frame));
    c.rect(x, y, x + w, y + h, vertical(sky, lighter(sky, 0.4), y, y + h));
    c.rect(x + w / 2 - 2, y, x + w / 2 + 2, y + h, solid(frame));
    c.rect(x, y + h / 2 - 2, x + w, y + h / 2 + 2, solid(frame));
    c.polygon(
        {{x + 6, y + h / 2 - 6}, {x + w / 2 - 10, y + 6}, {x + w / 2 - 4, y + 6}, {x + 12, y + h / 2 - 6}},
        solid(lighter(sky, 0.5)));
}

void Blackboard(Canvas& c, double x, double y, double w, double h) {
    c.rect(x - 6, y - 6, x + w + 6, y + h + 6, solid(rgb(120, 86, 50)));
    c.rect(x, y, x + w, y + h, grain(solid(rgb(40, 84, 60)), 0.08, 77, 3));
    c.rect(x - 6, y + h + 6, x + w + 6, y + h + 12, solid(rgb(100, 70, 40)));
    for (int i = 0; i < 3; ++i) {
        const double ly = y + h * (0.25 + 0.2 * i);
        c.rect(x + w * 0.08, ly, x + w * (0.5 + 0.12 * i), ly + 2, solid(rgb(200, 210, 200)));
    }
    c.rect(x + w * 0.7, y + h + 7, x + w * 0.74, y + h + 10, solid(rgb(230, 230, 220)));
}

void Bookshelf(Canvas& c, Rng& rng, double x, double y, double w, double h, Colour wood) {
    c.rect(x, y, x + w, y + h, solid(darker(wood, 0.2)));
    const int rows = std::max(2, static_cast<int>(h / 60));
    const double rowH = (h - 8) / rows;
    for (int r = 0; r < rows; ++r) {
        const double top = y + 6 + r * rowH, bottom = top + rowH - 6;
        c.rect(x + 6, top, x + w - 6, bottom, solid(darker(wood, 0.55)));
        double bx = x + 8;
        while (bx < x + w - 14) {
            const double bw = rng.uniform(6, 13), bh = rowH * rng.uniform(0.6, 0.9);
            const Colour book =
                mix(rgb(rng.between(60, 200), rng.between(40, 160), rng.between(40, 160)), wood, 0.2);
            c.rect(bx, bottom - bh, bx + bw, bottom,
                   horizontal(lighter(book, 0.15), darker(book, 0.2), bx, bx + bw));
            c.rect(bx + 1, bottom - bh * 0.7, bx + bw - 1, bottom - bh * 0.64, solid(rgb(210, 190, 120)));
            bx += bw + 1;
        }
        c.rect(x, bottom, x + w, bottom + 6, solid(wood));
    }
}

void Shelves(Canvas& c, Rng& rng, double x, double y, double w, double h, Colour wood) {
    c.rect(x, y, x + w, y + h, solid(darker(wood, 0.45)));
    const int rows = std::max(2, static_cast<int>(h / 70));
    const double rowH = h / rows;
    for (int r = 0; r < rows; ++r) {
        const double bottom = y + (r + 1) * rowH - 6;
        double ix = x + 8;
        while (ix < x + w - 24) {
            const double iw = rng.uniform(14, 26), ih = rowH * rng.uniform(0.4, 0.75);
            const Colour item = rgb(rng.between(70, 220), rng.between(70, 200), rng.between(60, 200));
            const int kind = rng.between(0, 2);
            if (kind == 0) {
                c.ellipse(ix + iw / 2, bottom - ih * 0.4, iw / 2, ih * 0.4,
                          lit(item, ix + iw / 2, bottom - ih * 0.4, iw / 2));
                c.rect(ix + iw * 0.35, bottom - ih, ix + iw * 0.65, bottom - ih * 0.7, solid(item));
            } else if (kind == 1) {
                c.rect(ix, bottom - ih, ix + iw, bottom,
                       horizontal(lighter(item, 0.2), darker(item, 0.25), ix, ix + iw));
                c.rect(ix - 1, bottom - ih - 4, ix + iw + 1, bottom - ih, solid(darker(item, 0.4)));
            } else {
                c.rect(ix, bottom - ih * 0.6, ix + iw, bottom, solid(mix(item, rgb(190, 150, 90), 0.6)));
                c.rect(ix, bottom - ih * 0.6, ix + iw, bottom - ih * 0.5, solid(darker(item, 0.3)));
            }
            ix += iw + rng.uniform(4, 10);
        }
        c.rect(x, bottom, x + w, bottom + 6, vertical(lighter(wood, 0.2), wood, bottom, bottom + 6));
    }
}

void Counter(Canvas& c, double x, double y, double w, double h, Colour top, Colour front) {
    c.rect(x, y, x + w, y + 14, vertical(lighter(top, 0.25), top, y, y + 14));
    c.rect(x + 6, y + 14, x + w - 6, y + h, grain(vertical(front, darker(front, 0.3), y, y + h), 0.06, 5, 2));
    const int panels = std::max(1, static_cast<int>(w / 120));
    for (int i = 0; i < panels; ++i) {
        const double px = x + 6 + (w - 12) * i / panels;
        c.rect(px + 12, y + 26, px + (w - 12) / panels - 12, y + h - 12, solid(darker(front, 0.15)));
    }
}

void Desk(Canvas& c, double x, double y, double w, Colour wood) {
    const double h = w * 0.45;
    c.rect(x + w * 0.06, y, x + w * 0.12, y + h, solid(darker(wood, 0.45)));
    c.rect(x + w * 0.88, y, x + w * 0.94, y + h, solid(darker(wood, 0.45)));
    c.polygon({{x + w * 0.08, y - w * 0.12}, {x + w * 0.92, y - w * 0.12}, {x + w, y}, {x, y}},
              vertical(lighter(wood, 0.2), wood, y - w * 0.12, y));
    c.rect(x, y, x + w, y + w * 0.06, solid(darker(wood, 0.25)));
    c.rect(x + w * 0.14, y + w * 0.06, x + w * 0.86, y + h * 0.55, solid(darker(wood, 0.35)));
}

void Pillar(Canvas& c, double x, double top, double bottom, double w, Colour stone) {
    c.rect(x - w / 2, top, x + w / 2, bottom,
           horizontal(lighter(stone, 0.3), darker(stone, 0.3), x - w / 2, x + w / 2));
    c.rect(x - w * 0.65, top, x + w * 0.65, top + w * 0.3, solid(lighter(stone, 0.1)));
    c.rect(x - w * 0.65, bottom - w * 0.3, x + w * 0.65, bottom, solid(darker(stone, 0.1)));
}

void Banner(Canvas& c, double x, double y, double w, double h, Colour cloth, Colour emblem) {
    c.rect(x - 4, y - 6, x + w + 4, y, solid(rgb(150, 120, 60)));
    c.polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x + w / 2, y + h - w * 0.35}, {x, y + h}},
              horizontal(lighter(cloth, 0.15), darker(cloth, 0.2), x, x + w));
    c.ellipse(x + w / 2, y + h * 0.4, w * 0.28, w * 0.28, solid(emblem));
    c.ellipse(x + w / 2, y + h * 0.4, w * 0.14, w * 0.14, solid(cloth));
}

void Door(Canvas& c, double x, double y, double w, double h, Colour wood) {
    c.rect(x - 6, y - 6, x + w + 6, y + h, solid(darker(wood, 0.4)));
    c.rect(x, y, x + w, y + h,
           grain(horizontal(lighter(wood, 0.1), darker(wood, 0.15), x, x + w), 0.08, 9, 2));
    c.rect(x + w * 0.1, y + h * 0.08, x + w * 0.9, y + h * 0.45, solid(darker(wood, 0.15)));
    c.rect(x + w * 0.1, y + h * 0.52, x + w * 0.9, y + h * 0.92, solid(darker(wood, 0.15)));
    c.ellipse(x + w * 0.82, y + h * 0.5, 4, 4, solid(rgb(220, 190, 90)));
}

void Painting(Canvas& c, Rng& rng, double x, double y, double w, double h) {
    c.rect(x - 6, y - 6, x + w + 6, y + h + 6,
           vertical(rgb(210, 170, 80), rgb(140, 100, 40), y - 6, y + h + 6));
    const Colour sky = rgb(rng.between(80, 160), rng.between(120, 190), rng.between(170, 230));
    c.rect(x, y, x + w, y + h, vertical(sky, lighter(sky, 0.4), y, y + h));
    c.polygon({{x, y + h},
               {x, y + h * 0.6},
               {x + w * 0.4, y + h * 0.3},
               {x + w * 0.8, y + h * 0.65},
               {x + w, y + h * 0.55},
               {x + w, y + h}},
              solid(rgb(rng.between(60, 110), rng.between(110, 160), rng.between(60, 90))));
}

void Lamp(Canvas& c, double x, double y, double r) {
    c.rect(x - 1, 0, x + 1, y - r, solid(kLine));
    c.ellipse(x, y, r * 1.6, r * 1.6, solid(rgb(240, 220, 150)));
    c.ellipse(x, y, r, r, solid(rgb(250, 246, 220)));
}

} // namespace tools::pictures
