#include "grids/table_view/ctr_graphical_view_ver2.h"

#include "grids/table_view/view_support.h"

#include "support/error_of.h"

#include "host/ui/font_choice.h"

#include <optional>

using host::runtime::ErrorNumber;
using testsupport::errorOf;
using viewtest::COLORREF;
using viewtest::RGB;

namespace {

class TableView : public viewtest::ViewTest {};

TEST_F(TableView, RePaintSizesTheViewToItsTable) {
    addStrip();
    paint();
    EXPECT_EQ(view().Width(), 790);
    EXPECT_EQ(view().Height(), 30);
    EXPECT_EQ(view().HDC().bitmap().width(), 790);
    EXPECT_EQ(view().HDC().bitmap().height(), 30);

    view().HeaderHeight(2, 20);
    view().AddHeader(2, 1, 1, 800, "wide", "");
    view().RePaint();
    EXPECT_EQ(view().Width(), 800);
    EXPECT_EQ(view().Height(), 50);
    EXPECT_EQ(view().Left(), 5) << "the view stays where it is";
}

// On a flat screen with empty cells every pixel is the washed screen or a
// frame line: a new view washes toward black without lines, a stored one
// without the keys toward blue with gold lines.
TEST_F(TableView, NewAndStoredViewsWashAndFrameWithTheirDefaults) {
    const struct {
        const char* name;
        bool stored;
        COLORREF washed;
        bool frame;
    } cases[] = {
        {.name = "newly placed", .stored = false, .washed = RGB(50, 75, 100), .frame = false},
        {.name = "stored without keys", .stored = true, .washed = RGB(50, 75, 227), .frame = true},
    };
    for (const auto& c : cases) {
        paintScreen(toolkit_test::kScreen);
        auto& v = place<ctrGraphicalViewVer2>(screen, 5, 5, 10, 10);
        if (c.stored) v.ReadProperties(GraphicalViewSettings::readDefaults());
        v.HeaderHeight(1, 30);
        v.AddHeader(1, 1, 1, 240, "date", "");
        v.AddHeader(1, 2, 1, 150, "money", "");
        v.SetBackImage(screen.hDC(), 5, 5);
        v.RePaint();
        int washed = 0, gold = 0, other = 0;
        for (int y = 0; y < v.Height(); ++y)
            for (int x = 0; x < v.Width(); ++x) {
                const COLORREF p = v.HDC().bitmap().pixel(x, y);
                (p == c.washed ? washed : p == toolkit_test::kGold ? gold : other)++;
            }
        EXPECT_EQ(other, 0) << c.name;
        EXPECT_GT(washed, 0) << c.name;
        EXPECT_EQ(gold > 0, c.frame) << c.name;
    }
}

TEST_F(TableView, TheWashShareIsHeldWithinARangeOnlyWhenSet) {
    const struct {
        std::int16_t set, read;
    } cases[] = {{.set = 150, .read = 100}, {.set = -5, .read = 0}, {.set = 37, .read = 37}};
    for (const auto& c : cases) {
        view().TR(c.set);
        EXPECT_EQ(view().TR(), c.read) << c.set;
    }

    // A stored share outside the range is kept, and leaves the picture unwashed.
    GraphicalViewSettings stored = GraphicalViewSettings::readDefaults();
    stored.TR = 150;
    stored.Frame = false;
    view().ReadProperties(stored);
    EXPECT_EQ(view().TR(), 150);
    paintScreen(toolkit_test::kScreen);
    addStrip();
    view().TextColor(3);
    paint();
    EXPECT_EQ(at(780, 2), toolkit_test::kScreen);
}

TEST_F(TableView, TheDefaultFontKeepsItsSizeWithinEightTo72) {
    const struct {
        std::int16_t set, read;
    } cases[] = {{.set = 4, .read = 8}, {.set = 99, .read = 72}, {.set = 14, .read = 14}};
    for (const auto& c : cases) {
        view().FontSize(c.set);
        EXPECT_EQ(view().FontSize(), c.read) << c.set;
        GraphicalViewSettings stored;
        stored.FontSize = c.set;
        stored.FontBold = true;
        view().ReadProperties(stored);
        EXPECT_EQ(view().FontSize(), c.read) << "stored " << c.set;
        EXPECT_EQ(view().settings.FontSize, c.read) << "stored " << c.set;
        EXPECT_TRUE(view().FontBold());
    }
}

TEST_F(TableView, CellsTakePicturesFontsAndColoursByIdentifier) {
    viewtest::Picture coin(16, 16, RGB(200, 160, 20));
    addStrip();
    view().SetImage("RANK", &coin.picture, coin.mask.get(), true, 2, 4);
    view().SetFont("money", 20, true);
    view().SetFontColor("point", 2);
    view().Text("date", "1年目 5月1日(水)");

    const clsGVHeaders& cells = view().Headers();
    EXPECT_EQ(cells.Image(1, 4), &coin.picture);
    EXPECT_EQ(cells.MaskImage(1, 4), coin.mask.get());
    EXPECT_TRUE(cells.OVERLAPPED(1, 4));
    ASSERT_TRUE(cells.IsFont(1, 2));
    EXPECT_EQ(cells.Font(1, 2)->Size(), 20);
    EXPECT_TRUE(cells.Font(1, 2)->Bold());
    EXPECT_EQ(cells.Font(1, 2)->Name(), host::ui::FontChoice{}.name) << "the face of a picture box's font";
    EXPECT_EQ(cells.TextColor(1, 3), 2);
    EXPECT_EQ(view().Text("date"), "1年目 5月1日(水)");
    EXPECT_EQ(view().Text("Money"), "12,000G");
}

TEST_F(TableView, ErrorsOfTheCellTableReachTheCaller) {
    const struct {
        const char* name;
        void (*call)(ctrGraphicalViewVer2&);
        std::optional<ErrorNumber> error;
    } cases[] = {
        {.name = "a second date",
         .call = [](ctrGraphicalViewVer2& v) { v.AddHeader(1, 6, 1, 10, "date", ""); },
         .error = ErrorNumber::DuplicateKey},
        {.name = "a second height",
         .call = [](ctrGraphicalViewVer2& v) { v.HeaderHeight(1, 20); },
         .error = ErrorNumber::DuplicateKey},
        {.name = "reading an unknown text",
         .call = [](ctrGraphicalViewVer2& v) { (void)v.Text("none"); },
         .error = ErrorNumber::InvalidCall},
        {.name = "writing an unknown text",
         .call = [](ctrGraphicalViewVer2& v) { v.Text("none", "x"); },
         .error = ErrorNumber::InvalidCall},
        {.name = "an unknown picture",
         .call = [](ctrGraphicalViewVer2& v) { v.SetImage("none", nullptr, nullptr, false, 1, 0); },
         .error = ErrorNumber::InvalidCall},
        {.name = "an unknown font",
         .call = [](ctrGraphicalViewVer2& v) { v.SetFont("none", 12, false); },
         .error = ErrorNumber::InvalidCall},
        {.name = "an unknown colour",
         .call = [](ctrGraphicalViewVer2& v) { v.SetFontColor("none", 2); },
         .error = ErrorNumber::InvalidCall},
        {.name = "a row without a height",
         .call =
             [](ctrGraphicalViewVer2& v) {
                 v.HeaderHeight(3, 20);
                 v.RePaint();
             },
         .error = ErrorNumber::InvalidCall},
    };
    for (const auto& c : cases) {
        auto& v = place<ctrGraphicalViewVer2>(screen, 5, 5, 10, 10);
        v.HeaderHeight(1, 30);
        v.AddHeader(1, 1, 1, 240, "date", "4月1日");
        EXPECT_EQ(errorOf([&] { c.call(v); }), c.error) << c.name;
        EXPECT_EQ(v.Text("date"), "4月1日") << c.name;
    }
}

} // namespace
