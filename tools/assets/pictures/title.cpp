#include "tools/assets/picture_generators.h"
#include "tools/assets/pictures/scenery.h"

#include "host/gdi/device_context.h"
#include "host/gdi/draw_text.h"
#include "host/gdi/font.h"

#include <cmath>

namespace tools {
namespace {

using namespace pictures;

// A castle on a hill under the night sky.
void castle(Canvas& c) {
    const Colour stone = rgb(60, 56, 90);
    c.polygon({{0, 600}, {0, 470}, {200, 400}, {420, 380}, {620, 410}, {800, 460}, {800, 600}},
              vertical(rgb(40, 50, 70), rgb(20, 26, 40), 380, 600));
    c.rect(300, 300, 500, 400, vertical(stone, darker(stone, 0.3), 300, 400));
    for (const double x : {280.0, 480.0}) {
        c.rect(x, 240, x + 40, 400, vertical(stone, darker(stone, 0.3), 240, 400));
        c.polygon({{x - 6, 242}, {x + 20, 190}, {x + 46, 242}}, solid(rgb(110, 50, 70)));
    }
    c.rect(375, 220, 425, 310, vertical(stone, darker(stone, 0.3), 220, 310));
    c.polygon({{369, 222}, {400, 160}, {431, 222}}, solid(rgb(110, 50, 70)));
    for (int i = 0; i < 5; ++i)
        c.rect(318 + i * 36, 330, 330 + i * 36, 350, solid(rgb(250, 210, 120)));
    c.rect(392, 250, 408, 272, solid(rgb(250, 210, 120)));
}

// "Quorvel" in large bold letters, gold with a dark outline, centred at y.
void titleText(Canvas& c, double y) {
    host::gdi::DeviceContext text(c.width(), c.height());
    text.selectFont(host::gdi::CreateFontIndirect({-120, host::gdi::FW_BOLD, ""}));
    text.setTextColor(host::gdi::kBlack);
    text.setBkMode(host::gdi::BkMode::Transparent);
    host::gdi::Rect box{0, static_cast<int>(y) - 80, c.width(), static_cast<int>(y) + 80};
    host::gdi::DrawText(text, "Quorvel", box,
                        host::gdi::DT_CENTER | host::gdi::DT_VCENTER | host::gdi::DT_SINGLELINE);
    const auto inked = [&](int x, int yy) {
        return text.bitmap().contains(x, yy) && text.bitmap().pixel(x, yy) == host::gdi::kBlack;
    };
    const int reach = 4;
    for (int py = 0; py < c.height(); ++py)
        for (int px = 0; px < c.width(); ++px) {
            if (inked(px, py)) continue;
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy)
                for (int dx = -reach; dx <= reach && !near; ++dx)
                    near = dx * dx + dy * dy <= reach * reach && inked(px + dx, py + dy);
            if (near) c.plot(px, py, rgb(40, 20, 30));
        }
    const Shader gold = vertical(rgb(255, 240, 170), rgb(200, 130, 40), y - 50, y + 50);
    for (int py = 0; py < c.height(); ++py)
        for (int px = 0; px < c.width(); ++px)
            if (inked(px, py)) c.plot(px, py, gold(px, py));
}

} // namespace

host::gdi::Bitmap DrawTitle() {
    host::gdi::Bitmap bitmap(kBackgroundWidth, kBackgroundHeight);
    Canvas canvas(bitmap, Keying::Opaque);
    const Colour zenith = rgb(14, 18, 50), horizon = rgb(90, 60, 110);
    Sky(canvas, 600, zenith, horizon);
    Stars(canvas, nameSeed("Quorvel"), 260, 380);
    canvas.ellipse(680, 250, 36, 36, solid(rgb(250, 246, 220)));
    canvas.ellipse(694, 241, 32, 32, vertical(zenith, horizon, 0, 600));
    castle(canvas);
    titleText(canvas, 120);
    return bitmap;
}

} // namespace tools
