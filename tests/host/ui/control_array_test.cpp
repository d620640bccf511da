#include "ui_fixture.h"

#include "host/runtime/runtime_error.h"
#include "host/ui/control_array.h"
#include "host/ui/label.h"
#include "host/ui/owner_drawn.h"
#include "host/ui/picture_box.h"

#include "support/error_of.h"

using host::runtime::ErrorNumber;
using host::ui::ControlArray;
using host::ui::PictureBox;
using testsupport::errorOf;
using ui_test::UiTest;

namespace {

struct SliderSettings {
    int Max = 100;
    int Mix = 0;
    int LargeChange = 10;
};

class Slider : public host::ui::OwnerDrawn<SliderSettings> {
  public:
    Slider() : OwnerDrawn("ctrGraphicalSlider") {}
};

using ControlArrayTest = UiTest;

TEST_F(ControlArrayTest, LoadedElementsTakeElementZerosSettingsAndStartHiddenOnTop) {
    auto& screen = place<PictureBox>(form, 0, 0, 800, 600);
    auto first = std::make_unique<Slider>();
    first->setName("GSSetting");
    first->setParent(&screen);
    first->Move(10, 20, 300, 20);
    first->settings.Max = 20;
    first->setToolTipText("tip");
    ControlArray<Slider> sliders(std::move(first));
    auto& other = place<PictureBox>(screen, 0, 0, 10, 10);

    Slider& second = sliders.Load(1);
    EXPECT_EQ(second.Index(), 1);
    EXPECT_EQ(second.Name(), "GSSetting");
    EXPECT_EQ(second.TypeName(), "ctrGraphicalSlider");
    EXPECT_EQ(second.settings.Max, 20);
    EXPECT_EQ(second.settings.LargeChange, 10);
    EXPECT_EQ(second.bounds(), sliders(0).bounds());
    EXPECT_EQ(second.Disp().width(), 300);
    EXPECT_EQ(second.ToolTipText(), "tip");
    EXPECT_FALSE(second.Visible());
    EXPECT_EQ(second.Parent(), &screen);
    EXPECT_EQ(screen.children().back(), &second);
    EXPECT_NE(screen.children().back(), &other);
    second.settings.Max = 5; // elements are independent
    EXPECT_EQ(sliders(0).settings.Max, 20);
}

TEST_F(ControlArrayTest, LoadingTwiceOrReadingAMissingElementFails) {
    auto first = std::make_unique<host::ui::Label>();
    first->setCaption("月");
    ControlArray<host::ui::Label> labels(std::move(first));
    labels.Load(3);
    EXPECT_EQ(labels(3).Caption(), "月");
    EXPECT_EQ(labels.UBound(), 3);
    EXPECT_FALSE(labels.exists(2));
    EXPECT_EQ(errorOf([&] { labels(2); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { labels.Load(3); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { labels.Load(0); }), ErrorNumber::InvalidCall);
}

} // namespace
