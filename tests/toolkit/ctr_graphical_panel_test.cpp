#include "toolkit/ctr_graphical_panel.h"

#include "toolkit_fixture.h"

#include "platform/drawing/memory_dc.h"

#include "host/gdi/fill.h"

using toolkit_test::COLORREF;
using toolkit_test::kScreen;
using toolkit_test::RGB;
using Entries = std::vector<std::string>;

namespace {

constexpr auto kPink = RGB(255, 192, 203);
constexpr auto kAqua = RGB(0, 255, 255);
constexpr auto kUnit = RGB(200, 40, 40);

// A square unit picture with a white (transparent) corner pixel, and its mask.
struct UnitPicture {
    explicit UnitPicture(int size) : picture(size, size) {
        host::gdi::FillRect(picture, {0, 0, size, size}, host::gdi::Brush{kUnit});
        picture.bitmap().setPixel(0, 0, host::gdi::kWhite);
        mask = CreateMaskDC(picture, static_cast<std::int16_t>(size), static_cast<std::int16_t>(size),
                            host::gdi::kWhite, picture);
    }
    host::gdi::DeviceContext picture;
    std::unique_ptr<host::gdi::DeviceContext> mask;
};

class PanelTest : public toolkit_test::ToolkitTest {
  protected:
    PanelTest() {
        paintScreen(kScreen);
        matrix.SetPanels(5, 5, 52, 52);
        matrix.SetImage(screen.hDC(), 200, 100);
        matrix.PanelHover.subscribe([this](std::int16_t& r, std::int16_t& c) {
            log.push_back("hover " + std::to_string(r) + "," + std::to_string(c));
        });
        matrix.PanelClick.subscribe([this](std::int16_t& r, std::int16_t& c, bool& selected) {
            log.push_back("click " + std::to_string(r) + "," + std::to_string(c) + " " +
                          std::to_string(selected));
        });
        matrix.PanelLeave.subscribe([this] { log.push_back("leave"); });
    }
    // Moves the pointer to a point of the matrix.
    void over(int x, int y) { move(200 + x, 100 + y); }

    ctrGraphicalPanel& matrix = place<ctrGraphicalPanel>(screen, 200, 100, 10, 10, "GPUnit");
    Entries log;
};

TEST_F(PanelTest, SetPanelsSizesTheMatrixAndCellsOutsideItChangeNothing) {
    EXPECT_EQ(matrix.Width(), 260);
    EXPECT_EQ(matrix.Height(), 260);
    matrix.SetPanelEnabled(0, 1, true);
    matrix.SetPanelEnabled(6, 1, true);
    matrix.SetPanelEnabled(1, 6, true);
    matrix.PanelSelect(0, 0, true);
    EXPECT_FALSE(matrix.PanelSelect(6, 1));
    EXPECT_FALSE(matrix.PanelSelect(0, 1));
    matrix.Paint();
    click(200 + 10, 100 + 10);
    EXPECT_EQ(log, Entries{});

    matrix.SetPanelEnabled(2, 2, true);
    matrix.PanelSelect(2, 2, true);
    matrix.SetPanels(5, 5, 52, 52);
    EXPECT_FALSE(matrix.PanelSelect(2, 2));
    over(60, 60);
    EXPECT_EQ(log, Entries{});
}

TEST_F(PanelTest, ThePointerHoversEnabledPanelsAndAClickTogglesThem) {
    matrix.SetPanelEnabled(1, 1, true);
    matrix.SetPanelEnabled(1, 2, true);
    matrix.Paint();
    over(10, 10);
    over(51, 20); // still column 1
    EXPECT_EQ(at(matrix, 0, 30), kPink);
    over(52, 20); // column 2
    EXPECT_EQ(at(matrix, 0, 30), kScreen);
    EXPECT_EQ(at(matrix, 52, 30), kPink);
    over(60, 60); // row 2 is disabled: no border, no hover
    EXPECT_EQ(at(matrix, 52, 30), kScreen);
    EXPECT_EQ(at(matrix, 52, 60), kScreen);
    click(200 + 60, 100 + 60);
    click(200 + 60, 100 + 10);
    EXPECT_TRUE(matrix.PanelSelect(1, 2));
    EXPECT_EQ(at(matrix, 53, 30), kAqua);
    move(10, 10);
    click(200 + 60, 100 + 10 + 300);
    EXPECT_EQ(log, (Entries{"hover 1,1", "hover 1,2", "hover 1,2", "click 1,2 1", "leave"}));
    EXPECT_EQ(at(matrix, 52, 30), kScreen);
    EXPECT_EQ(at(matrix, 53, 30), kAqua);
}

TEST_F(PanelTest, ASelectionBeforePaintShowsItsRingOnlyWhenTheCellIsNextDrawn) {
    matrix.SetPanelEnabled(3, 3, true);
    matrix.PanelSelect(3, 3, true);
    matrix.Paint();
    EXPECT_EQ(at(matrix, 105, 120), kScreen);
    matrix.PanelSelect(3, 3, true);
    EXPECT_EQ(at(matrix, 105, 120), kAqua);
    EXPECT_EQ(at(matrix, 104, 120), kScreen);
}

TEST_F(PanelTest, PicturesAreCentredOrShownFromTheirTopLeftThroughTheirMasks) {
    UnitPicture small(48);
    UnitPicture large(60);
    matrix.SetPanelImage(1, 1, &small.picture, small.mask.get());
    matrix.SetPanelImage(1, 2, &large.picture, nullptr);
    matrix.Paint();
    EXPECT_EQ(at(matrix, 1, 10), kScreen);
    EXPECT_EQ(at(matrix, 2, 2), kScreen); // the white corner is transparent
    EXPECT_EQ(at(matrix, 3, 2), kUnit);
    EXPECT_EQ(at(matrix, 49, 49), kUnit);
    EXPECT_EQ(at(matrix, 50, 49), kScreen);
    EXPECT_EQ(at(matrix, 52, 0),
              host::gdi::kBlack); // no mask: the white corner blackened by the mask routine
    EXPECT_EQ(at(matrix, 103, 51), kUnit);
    EXPECT_EQ(at(matrix, 104, 10), kScreen);
}

} // namespace
