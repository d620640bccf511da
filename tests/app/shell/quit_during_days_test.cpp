#include "headless_game.h"

#include "state/g_data.h"

#include "host/ui/picture_box.h"

#include <gtest/gtest.h>

namespace {

using apptest::controlNamed;
using apptest::HeadlessGame;
using apptest::NewYearLists;
using apptest::WatchedWindow;

// Clicks the middle of a control of the form.
void clickOn(WatchedWindow& window, const std::string& name, int index = 0) {
    host::ui::Control* target = nullptr;
    for (host::ui::Control* c : controlNamed(*window.form, name).Parent()->children())
        if (c->Name() == name && (c->Index() == index || (index == 0 && c->Index() < 0))) target = c;
    int x = target->Width() / 2;
    int y = target->Height() / 2;
    for (host::ui::Control* c = target; c && c != window.form; c = c->Parent()) {
        x += c->Left();
        y += c->Top();
    }
    window.click(x, y);
}

class QuitDuringDaysTest : public HeadlessGame {};

TEST_F(QuitDuringDaysTest, ClosingTheWindowWhileTheDaysPauseEndsTheGameOnceWithItsSettingsWritten) {
    folder.linkData();
    enum class Phase { Title, School, Days, Closed } phase = Phase::Title;
    int waitsSeen = 0;
    int datesSeen = 0;
    NewYearLists lists;
    const int status = run([&](WatchedWindow& window) {
        host::ui::Control* start = apptest::findControl(*window.form, "GLStart");
        auto& picSchool = dynamic_cast<host::ui::PictureBox&>(controlNamed(*window.form, "picSchool"));
        switch (phase) {
        case Phase::Title:
            if (!start || !start->Visible()) return;
            clickOn(window, "GLStart");
            phase = Phase::School;
            return;
        case Phase::School:
            if (lists.answer(window)) return;
            // No opening.
            if (controlNamed(*window.form, "picMSG").Visible()) {
                clickOn(window, "GLMSGCancel");
                return;
            }
            if (!apptest::atSchoolMainMenu(*window.form)) return;
            Data().DateChenge.subscribe([&](clsDateDetails&) { ++datesSeen; });
            clickOn(window, "GLDate", 2);
            phase = Phase::Days;
            return;
        case Phase::Days:
            // The messages flow during the day's pauses: close in the middle of the second day.
            if (picSchool.Enabled() || datesSeen < 1 || ++waitsSeen < 3) return;
            window.close();
            phase = Phase::Closed;
            return;
        case Phase::Closed:
            return;
        }
    });
    EXPECT_EQ(phase, Phase::Closed);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(windowsOpened, 1);
    EXPECT_EQ(folder.settings().size(), 9u);
    EXPECT_TRUE(boxes.shown().empty()) << boxes.shown().front().text;
}

} // namespace
