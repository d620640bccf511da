#pragma once

#include "grids/table_view/ctr_graphical_view_ver2.h"

#include "toolkit/toolkit_fixture.h"

#include "platform/drawing/memory_dc.h"

#include "host/gdi/fill.h"

#include <memory>
#include <string>
#include <vector>

namespace viewtest {

using toolkit_test::COLORREF;
using toolkit_test::RGB;

// A picture of one colour with a white (transparent) top-left pixel, or a
// disc of that colour on white, and its mask.
struct Picture {
    enum Shape { Block, Disc };
    Picture(int width, int height, COLORREF colour, Shape shape = Block) : picture(width, height) {
        host::gdi::FillRect(picture, {0, 0, width, height}, host::gdi::Brush{colour});
        picture.bitmap().setPixel(0, 0, host::gdi::kWhite);
        for (int y = 0; shape == Disc && y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const double dx = (x + 0.5 - width / 2.0) / (width / 2.0);
                const double dy = (y + 0.5 - height / 2.0) / (height / 2.0);
                if (dx * dx + dy * dy > 1) picture.bitmap().setPixel(x, y, host::gdi::kWhite);
            }
        mask = CreateMaskDC(picture, static_cast<std::int16_t>(width), static_cast<std::int16_t>(height),
                            host::gdi::kWhite, picture);
    }
    host::gdi::DeviceContext picture;
    std::unique_ptr<host::gdi::DeviceContext> mask;
};

// A table view placed at (5, 5) on a screen picture.
class ViewTest : public toolkit_test::ToolkitTest {
  public:
    // The status strip of the school screen: one row 30 high, five cells.
    void addStrip() {
        view().HeaderHeight(1, 30);
        view().AddHeader(1, 1, 1, 240, "date", "1年目 4月1日(月)");
        view().AddHeader(1, 2, 3, 150, "money", "12,000G");
        view().AddHeader(1, 3, 3, 110, "point", "30P");
        view().AddHeader(1, 4, 2, 70, "rank", "E");
        view().AddHeader(1, 5, 1, 220, "construct", "");
    }
    // Hands the screen to the view at its place and repaints.
    void paint() {
        view().SetBackImage(screen.hDC(), 5, 5);
        view().RePaint();
    }
    COLORREF at(int x, int y) { return view().HDC().bitmap().pixel(x, y); }
    // Every pixel of the view, row by row.
    std::vector<COLORREF> pixels() {
        std::vector<COLORREF> all;
        for (int y = 0; y < view().Height(); ++y)
            for (int x = 0; x < view().Width(); ++x)
                all.push_back(at(x, y));
        return all;
    }

    ctrGraphicalViewVer2& view() { return *current_; }
    // A new view in place of the present one, for the next case of a table.
    void freshView() { current_ = &place<ctrGraphicalViewVer2>(screen, 5, 5, 10, 10, "GVSchool"); }

  private:
    ctrGraphicalViewVer2* current_ = &place<ctrGraphicalViewVer2>(screen, 5, 5, 10, 10, "GVSchool");
};

} // namespace viewtest
