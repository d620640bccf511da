#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "grids/list_grid/grid_settings.h"

#include "grids/list_grid/grid_paint_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using gridtest::kCheck;
using gridtest::kWashed;
using gridtest::kWhite;

namespace {

const std::vector<gridtest::ColumnShape> kCheckName = {kCheck, {kColumnTextCentred, 100}};

class GridProps : public gridtest::GridPaintTest {};

TEST_F(GridProps, SettersKeepValuesInTheirRanges) {
    struct Case {
        const char* name;
        std::function<void(std::int16_t)> set;
        std::function<std::int16_t()> get;
        std::int16_t value, stored;
    };
    ctrGraphicalGridVer2& g = grid;
    const Case cases[] = {
        {"GridFontSize", [&](std::int16_t v) { g.GridFontSize(v); }, [&] { return g.GridFontSize(); }, 5, 9},
        {"GridFontSize", [&](std::int16_t v) { g.GridFontSize(v); }, [&] { return g.GridFontSize(); }, 14,
         14},
        {"HeaderFontSize", [&](std::int16_t v) { g.HeaderFontSize(v); }, [&] { return g.HeaderFontSize(); },
         8, 9},
        {"RowHeight", [&](std::int16_t v) { g.RowHeight(v); }, [&] { return g.RowHeight(); }, 4, 10},
        {"RowHeight", [&](std::int16_t v) { g.RowHeight(v); }, [&] { return g.RowHeight(); }, 22, 22},
        {"SemiTransAP", [&](std::int16_t v) { g.SemiTransAP(v); }, [&] { return g.SemiTransAP(); }, 150, 100},
        {"SemiTransAP", [&](std::int16_t v) { g.SemiTransAP(v); }, [&] { return g.SemiTransAP(); }, -3, 0},
        {"GraphicalCellAP", [&](std::int16_t v) { g.GraphicalCellAP(v); },
         [&] { return g.GraphicalCellAP(); }, 101, 100},
        {"ScrollChenge", [&](std::int16_t v) { g.ScrollChenge(v); }, [&] { return g.ScrollChenge(); }, 0, 1},
        {"FrameWidth", [&](std::int16_t v) { g.FrameWidth(v); }, [&] { return g.FrameWidth(); }, -2, 0},
        {"ScrollFrameWidth", [&](std::int16_t v) { g.ScrollFrameWidth(v); },
         [&] { return g.ScrollFrameWidth(); }, -1, 0},
        {"ScrollWidth", [&](std::int16_t v) { g.ScrollWidth(v); }, [&] { return g.ScrollWidth(); }, 3, 3},
    };
    for (const Case& c : cases) {
        c.set(c.value);
        EXPECT_EQ(c.get(), c.stored) << c.name << " " << c.value;
    }
}

TEST_F(GridProps, LinesNeedPensWhichOnlySettersAndLoadingMake) {
    // Header top edge, line under the header, a column's left edge.
    const auto lines = [&] { return std::vector{at(50, 0), at(50, 20), at(25, 30)}; };
    const std::vector<gridtest::COLORREF> drawn(3, kWhite), none(3, kWashed);
    show(kCheckName, 5, rowsOf(3));
    EXPECT_EQ(lines(), drawn);
    grid.FrameWidth(-2);
    show(kCheckName, 5, rowsOf(3));
    EXPECT_EQ(lines(), none);

    // A new grid holds its defaults without pens: it draws no lines until a
    // setter makes them.
    auto& fresh = place<ctrGraphicalGridVer2>(screen, 300, 30, 10, 10);
    fresh.SemiTransAP(40);
    fresh.SetBackImage(screen.hDC(), 300, 30);
    fresh.SetGrid(gridtest::pictureColumns(kCheckName, check, status), 5, 2, 1, 0);
    fresh.Paint(-1, 0);
    const auto freshAt = [&](int x, int y) { return fresh.Disp().hDC().bitmap().pixel(x, y); };
    EXPECT_EQ(freshAt(50, 20), kWashed);
    fresh.FrameForeColor(3);
    fresh.Paint(-1, 0);
    EXPECT_EQ(freshAt(50, 20), kWhite);
    EXPECT_EQ(fresh.GridCellGraphicColor(), 128);
}

TEST_F(GridProps, LoadingTakesStoredValuesAsTheyComeExceptThroughTheSetters) {
    GridSettings stored = GridSettings::readDefaults();
    stored.SemiTransAP = 150;
    stored.RowHeight = 4;
    stored.ScrollChenge = 0;
    stored.GraphicalAP = 150;
    stored.FontSize = 5;
    stored.ScrollFrameWidth = -1;
    grid.ReadProperties(stored);
    EXPECT_EQ(grid.SemiTransAP(), 150);
    EXPECT_EQ(grid.RowHeight(), 4);
    EXPECT_EQ(grid.ScrollChenge(), 0);
    EXPECT_EQ(grid.GraphicalCellAP(), 100);
    EXPECT_EQ(grid.GridFontSize(), 9);
    EXPECT_EQ(grid.ScrollFrameWidth(), 0);
    // A key the stored grid lacks: the bar colour of a loaded grid is 6, of a new one 128.
    EXPECT_EQ(grid.GridCellGraphicColor(), 6);
    EXPECT_EQ(GridSettings{}.GraphicColor, 128);
    // A stored wheel step below 1 still moves one row.
    grid.RowHeight(20);
    show(kCheckName, 5, rowsOf(9));
    move(60, 30);
    wheel(-1);
    EXPECT_EQ(grid.TopRow(), 1);
    // A stored row height of 0 gives a grid without slots, which the pointer cannot reach into.
    stored.RowHeight = 0;
    grid.ReadProperties(stored);
    show(kCheckName, 5, rowsOf(3));
    EXPECT_EQ(grid.Height(), 0);
    grid.onMouseMove(0, 0, 10, 10);
    EXPECT_EQ(grid.MouseSlot(), -1);
}

TEST_F(GridProps, TheSixGridsOfTheMainFormDifferOnlyInTheirWash) {
    const struct {
        const char* name;
        std::int16_t semiTransAP;
    } grids[] = {{"GGSetting", 40}, {"GGUnit", 40},  {"GGSchool", 40},
                 {"GGShop", 40},    {"GGClass", 75}, {"GGMSG", 100}};
    for (const auto& g : grids) {
        const std::optional<GridSettings> stored = storedGridSettings(g.name);
        ASSERT_TRUE(stored) << g.name;
        EXPECT_EQ(stored->SemiTransAP, g.semiTransAP) << g.name;
        EXPECT_EQ(stored->Font.name, "ＭＳ Ｐゴシック") << g.name;
        EXPECT_EQ(stored->FontSize, 12) << g.name;
        EXPECT_EQ(stored->HeaderFontSize, 12) << g.name;
        EXPECT_EQ(stored->ScrollChenge, 1) << g.name;
        EXPECT_EQ(stored->GraphicColor, 128) << g.name;
    }
    EXPECT_FALSE(storedGridSettings("GGTown"));
    EXPECT_FALSE(storedGridSettings("ggschool"));
}

TEST_F(GridProps, FontReadsTheContainersFontWhatIsSetDrawsTheText) {
    screen.setFont({.name = "MS UI Gothic", .size = 11, .bold = false});
    grid.Font({.name = "ＭＳ ゴシック", .size = 9, .bold = true});
    EXPECT_EQ(grid.Font(), screen.Font());
    EXPECT_EQ(grid.settings.Font.name, "ＭＳ ゴシック");
    EXPECT_TRUE(grid.settings.Font.bold);
}

} // namespace
