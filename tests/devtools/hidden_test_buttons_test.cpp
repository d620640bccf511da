#include "devtools/hidden_test_buttons.h"
#include "host/ui/ui_fixture.h"
#include "state/state_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct HiddenTestButtonsTest : ui_test::UiTest {
    HiddenTestButtonsTest() {
        form.Move(0, 0, 800, 600);
        game.data.SetDataInit();
    }
    statetest::LoadedFacade game;
};

TEST_F(HiddenTestButtonsTest, SixButtonsInTheirPlacesHiddenInPlay) {
    struct Case {
        const char* name;
        const char* caption;
        host::gdi::Rect bounds;
    } cases[] = {
        {"Command1", "次の日", {212, 22, 281, 45}}, {"Command2", "週末へ", {300, 22, 366, 44}},
        {"Command3", "来月へ", {377, 22, 434, 46}}, {"Command4", "生徒生成", {62, 69, 143, 93}},
        {"Command5", "授業", {152, 68, 233, 94}},   {"Command6", "アルバイト", {242, 70, 324, 95}},
    };
    HiddenTestButtons buttons(form, game.data, false);
    for (int n = 1; n <= 6; ++n) {
        const Case& c = cases[n - 1];
        host::ui::CommandButton& button = buttons.button(n);
        EXPECT_EQ(button.Name(), c.name);
        EXPECT_EQ(button.Caption(), c.caption);
        EXPECT_EQ(button.bounds(), c.bounds) << c.name;
        EXPECT_FALSE(button.Visible()) << c.name;
        EXPECT_EQ(button.Parent(), &form);
    }
    const clsDateDetails before = game.data.GetDate();
    click(240, 30);
    EXPECT_EQ(game.data.GetDate().Day, before.Day);
}

TEST_F(HiddenTestButtonsTest, ShownTheCalendarButtonsMoveTheDateWithoutAnyCheck) {
    HiddenTestButtons buttons(form, game.data, true);
    int forwardEnds = 0;
    game.data.ForwordEnd.subscribe([&] { ++forwardEnds; });
    const std::int16_t day = game.data.GetDate().Day;
    click(240, 30);
    EXPECT_EQ(game.data.GetDate().Day, day + 1);
    EXPECT_EQ(forwardEnds, 1);
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(HiddenTestButtonsTest, TheEnvironmentVariableShowsThem) {
    ::unsetenv(kDevToolsVariable);
    EXPECT_FALSE(developerToolsShown());
    EXPECT_FALSE(wireHiddenTestButtons(form, game.data)->button(4).Visible());
    ::setenv(kDevToolsVariable, "1", 1);
    EXPECT_TRUE(developerToolsShown());
    EXPECT_TRUE(wireHiddenTestButtons(form, game.data)->button(4).Visible());
    ::setenv(kDevToolsVariable, "0", 1);
    EXPECT_FALSE(developerToolsShown());
    ::unsetenv(kDevToolsVariable);
}

} // namespace
