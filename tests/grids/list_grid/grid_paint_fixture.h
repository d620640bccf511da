#pragma once

#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "grids/list_grid/grid_settings.h"

#include "grids/list_grid/grid_support.h"
#include "host/ui/ui_fixture.h"

#include "platform/drawing/memory_dc.h"
#include "platform/graphics/cls_color.h"

#include "host/gdi/fill.h"
#include "host/ui/picture_box.h"

#include <memory>
#include <string>
#include <vector>

namespace gridtest {

using host::gdi::COLORREF;
using host::gdi::RGB;

// The flat screen colour of the pixel checks and what the grids' stored
// settings make of it: washed toward black keeping 40 percent.
constexpr COLORREF kScreen = RGB(100, 150, 200);
constexpr COLORREF kWashed = RGB(40, 60, 80);
// The table's colours the stored settings use.
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kAqua = RGB(0, 255, 255);
// The check picture: a dark box with a light inside; the lower state has a
// red tick in the middle.
constexpr COLORREF kBoxInk = RGB(40, 36, 48);
constexpr COLORREF kBoxInside = RGB(226, 230, 236);
constexpr COLORREF kTick = RGB(200, 40, 40);

// The colour of frame n of a status picture (a square in its middle).
inline COLORREF frameColour(int n) {
    return RGB(static_cast<std::uint8_t>(60 + 40 * n), 200, static_cast<std::uint8_t>(220 - 40 * n));
}

inline COLORREF colourNumber(std::int32_t number) {
    return static_cast<COLORREF>(clsColor().ColorasLong(number));
}

// A picture with its mask (white-keyed), as the picture store holds them.
struct MaskedPicture {
    std::unique_ptr<host::gdi::DeviceContext> picture;
    std::unique_ptr<host::gdi::DeviceContext> mask;
};

inline MaskedPicture masked(std::unique_ptr<host::gdi::DeviceContext> picture) {
    const auto w = static_cast<std::int16_t>(picture->bitmap().width());
    const auto h = static_cast<std::int16_t>(picture->bitmap().height());
    auto mask = CreateMaskDC(*picture, w, h, kWhite, *picture);
    return {std::move(picture), std::move(mask)};
}

// The 10 x 20 check picture: unchecked above, checked below.
inline MaskedPicture checkPicture() {
    auto dc = std::make_unique<host::gdi::DeviceContext>(10, 20);
    for (int state = 0; state < 2; ++state) {
        const int y = state * 10;
        host::gdi::FillRect(*dc, {0, y, 10, y + 10}, host::gdi::Brush{kBoxInk});
        host::gdi::FillRect(*dc, {1, y + 1, 9, y + 9}, host::gdi::Brush{kBoxInside});
        if (state == 1) host::gdi::FillRect(*dc, {3, y + 3, 7, y + 7}, host::gdi::Brush{kTick});
    }
    return masked(std::move(dc));
}

// A status picture of five 20 x 20 frames on white: a square of the frame's
// colour in each.
inline MaskedPicture statusPicture() {
    auto dc = std::make_unique<host::gdi::DeviceContext>(20, 100);
    for (int n = 0; n < 5; ++n)
        host::gdi::FillRect(*dc, {4, n * 20 + 4, 16, n * 20 + 16}, host::gdi::Brush{frameColour(n)});
    return masked(std::move(dc));
}

// A column set "test" whose check and picture columns carry the pictures.
inline std::shared_ptr<const GGVer2HeaderCollection> pictureColumns(const std::vector<ColumnShape>& shapes,
                                                                    const MaskedPicture& check,
                                                                    const MaskedPicture& status) {
    clsGGVer2Headers registry;
    std::int16_t index = 0;
    for (const ColumnShape& shape : shapes) {
        ++index;
        const MaskedPicture* picture = shape.kind == kColumnCheckMark ? &check
                                       : shape.kind == kColumnPicture ? &status
                                                                      : nullptr;
        registry.Add("test", "列" + std::to_string(index), shape.kind, index, shape.width, "", shape.minor,
                     shape.major, picture ? picture->picture.get() : nullptr,
                     picture ? picture->mask.get() : nullptr);
    }
    return registry.GetHeaders("test");
}

// A status picture column: 35 wide, 20 x 20 frames.
inline const ColumnShape kStatus{kColumnPicture, 35, 20, 20};

// A screen picture filling the form with one grid on it at (40, 30), the
// grid loaded with the school screen's stored settings.
class GridPaintTest : public ui_test::UiTest {
  protected:
    GridPaintTest() {
        paintScreen(kScreen);
        grid.ReadProperties(*storedGridSettings("GGSchool"));
    }

    void paintScreen(COLORREF colour) {
        host::gdi::FillRect(screen.hDC(), {0, 0, 800, 600}, host::gdi::Brush{colour});
    }

    // SetBackImage, SetGrid, the rows through the cursors, Paint.
    void show(const std::vector<ColumnShape>& shapes, std::int16_t visibleRows,
              const std::vector<std::vector<std::string>>& rows, std::int16_t sortCol = -1) {
        grid.SetBackImage(screen.hDC(), static_cast<std::int16_t>(grid.Left()),
                          static_cast<std::int16_t>(grid.Top()));
        grid.SetGrid(pictureColumns(shapes, check, status), visibleRows,
                     static_cast<std::int16_t>(rows.size() - 1), static_cast<std::int16_t>(shapes.size() - 1),
                     0);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            grid.Row(static_cast<std::int16_t>(r));
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                grid.Col(static_cast<std::int16_t>(c));
                grid.Value(rows[r][c]);
            }
        }
        grid.Paint(sortCol, 0);
    }

    // n rows of a check cell "0", a name "rN" and a status frame N mod 5.
    static std::vector<std::vector<std::string>> rowsOf(int n) {
        std::vector<std::vector<std::string>> rows;
        for (int r = 0; r < n; ++r)
            rows.push_back({"0", std::string("r").append(std::to_string(r)), std::to_string(r % 5)});
        return rows;
    }

    // Pointer input in the grid's own pixels.
    void move(int x, int y) { send(host::ui::InputEvent::move(grid.Left() + x, grid.Top() + y)); }
    // A move to the point, then a press and release there.
    void clickAt(int x, int y) { click(grid.Left() + x, grid.Top() + y); }
    void wheel(int notches) { send(host::ui::InputEvent::wheel(notches, grid.Left() + 30, grid.Top() + 30)); }

    COLORREF at(int x, int y) { return grid.Disp().hDC().bitmap().pixel(x, y); }

    MaskedPicture check = checkPicture();
    MaskedPicture status = statusPicture();
    host::ui::PictureBox& screen = place<host::ui::PictureBox>(form, 0, 0, 800, 600, "picScreen");
    ctrGraphicalGridVer2& grid = place<ctrGraphicalGridVer2>(screen, 40, 30, 10, 10, "GGTest");
};

} // namespace gridtest
