#pragma once

#include "host/ui/ui_fixture.h"

#include "toolkit/ctr_graphical_label_ex.h"

#include "host/gdi/bitmap.h"
#include "host/gdi/color.h"
#include "host/gdi/fill.h"
#include "host/gdi/picture.h"
#include "host/ui/owner_drawn.h"
#include "host/ui/picture_box.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace toolkit_test {

using host::gdi::COLORREF;
using host::gdi::RGB;

// The colours of the table the tests use.
constexpr COLORREF kGold = RGB(255, 215, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
// The flat screen colour the pixel checks wash.
constexpr COLORREF kScreen = RGB(100, 150, 200);

// A screen picture filling the form, on which the controls are placed and
// from which they take the picture under them.
class ToolkitTest : public ui_test::UiTest {
  protected:
    host::ui::PictureBox& screen = place<host::ui::PictureBox>(form, 0, 0, 800, 600, "picScreen");

    void paintScreen(COLORREF colour) {
        host::gdi::FillRect(screen.hDC(), {0, 0, 800, 600}, host::gdi::Brush{colour});
    }
    void move(int x, int y) { send(host::ui::InputEvent::move(x, y)); }
    void key(int code) { send(host::ui::InputEvent::keyChar(code)); }

    static COLORREF at(host::ui::OwnerDrawnControl& control, int x, int y) {
        return control.HDC().bitmap().pixel(x, y);
    }
};

// Sets what a stacked bar shows: the number of segments, their values and
// the edge they start from.
inline void showValues(ctrGraphicalLabelEX& bar, std::int16_t count,
                       const std::array<std::int16_t, 4>& values, std::int32_t horizon) {
    bar.ImageNum(count);
    bar.FirstValue(values[0]);
    bar.SecondValue(values[1]);
    bar.ThirdValue(values[2]);
    bar.FourthValue(values[3]);
    bar.Horizon(horizon);
}

// A scene painted for looking at: a sky gradient with hills and stripes, so
// that washes and frames show how much of the picture comes through.
inline void paintScene(host::gdi::Bitmap& bitmap) {
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const int hill = 380 + static_cast<int>(40 * ((x / 90) % 2 ? 1 : -1) * (x % 90) / 90.0);
            COLORREF c = y > hill ? RGB(60, static_cast<std::uint8_t>(110 + (y % 40)), 50)
                                  : RGB(static_cast<std::uint8_t>(120 + y / 5),
                                        static_cast<std::uint8_t>(170 + y / 8), 230);
            if ((x + y) % 64 < 6) c = RGB(230, 230, 210);
            bitmap.setPixel(x, y, c);
        }
    }
}

// Writes the bitmap as a PNG under looks/ in the working folder (the build
// folder under ctest), for a person to look at.
inline void writeLook(const host::gdi::Bitmap& bitmap, const std::string& name) {
    std::filesystem::create_directories("looks");
    const std::vector<std::uint8_t> png = host::gdi::EncodePng(bitmap);
    std::ofstream("looks/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

} // namespace toolkit_test
