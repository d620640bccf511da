#include "ui_fixture.h"

#include "host/ui/label.h"
#include "host/ui/picture_box.h"
#include "host/ui/window_procedure.h"

using host::ui::InputEvent;
using host::ui::PictureBox;
using host::ui::vbLeftButton;
using host::ui::vbRightButton;
using ui_test::Journal;
using ui_test::UiTest;
using Entries = std::vector<std::string>;

namespace {

class MouseTest : public UiTest {
  protected:
    // screen (0,0 800x600) holding a (100,100 200x100), which holds b (50,20 40x40)
    PictureBox& screen = place<PictureBox>(form, 0, 0, 800, 600, "screen");
    PictureBox& a = place<PictureBox>(screen, 100, 100, 200, 100, "a");
    PictureBox& b = place<PictureBox>(a, 50, 20, 40, 40, "b");
    Journal journal;
};

TEST_F(MouseTest, HitTestingFindsTheFrontmostVisibleWindowedControl) {
    PictureBox& over = place<PictureBox>(screen, 150, 110, 100, 50, "over");
    auto& label = place<host::ui::Label>(screen, 0, 0, 800, 600, "label");
    label.setCaption("covers everything but takes no input");
    struct Case {
        int x, y;
        const host::ui::Control* expected;
    };
    for (const Case& c : {Case{10, 10, &screen}, Case{105, 105, &a}, Case{155, 125, &over},
                          Case{299, 199, &a}, Case{300, 200, &screen}, Case{800, 10, nullptr}})
        EXPECT_EQ(form.controlAt({c.x, c.y}), c.expected) << c.x << "," << c.y;

    a.ZOrder(0);
    EXPECT_EQ(form.controlAt({155, 125}), &b); // a is in front now, b inside it
    a.ZOrder(1);
    EXPECT_EQ(form.controlAt({155, 125}), &over); // sent behind its sibling again
    a.ZOrder(0);
    over.setVisible(false);
    a.setEnabled(false); // a disabled control still hides what lies behind it
    EXPECT_EQ(form.controlAt({105, 105}), &a);
    a.setVisible(false);
    EXPECT_EQ(form.controlAt({105, 105}), &screen);
}

TEST_F(MouseTest, PressAndReleaseRaiseDownUpClickInTheControlsCoordinates) {
    journal.watchMouse(b, "b ");
    journal.watchMouse(a, "a ");
    click(160, 130);
    click(160, 130, vbRightButton);
    EXPECT_EQ(journal.entries, (Entries{"b move 0 10,10", "b down 1 10,10", "b up 1 10,10", "b click",
                                        "b move 0 10,10", "b down 2 10,10", "b up 2 10,10", "b rightclick"}));
}

TEST_F(MouseTest, PressedControlGetsMovesAndReleaseOutsideButNoClick) {
    journal.watchMouse(b, "b ");
    journal.watchMouse(screen, "s ");
    send(InputEvent::down(vbLeftButton, 160, 130));
    send(InputEvent::move(20, 30));
    send(InputEvent::up(vbLeftButton, 20, 30));
    send(InputEvent::move(20, 30));
    EXPECT_EQ(journal.entries,
              (Entries{"b down 1 10,10", "b move 1 -130,-90", "b up 1 -130,-90", "s move 0 20,30"}));
}

TEST_F(MouseTest, CaptureHolderGetsEveryMoveAndAMoveOutsideWhenThePointerLeavesTheWindow) {
    journal.watchMouse(b, "b ");
    journal.watchMouse(screen, "s ");
    b.MouseMove.subscribe([&](int&, int&, int& x, int& y) {
        bool inside = x >= 0 && y >= 0 && x < b.Width() && y < b.Height();
        if (inside)
            b.SetCapture();
        else if (x == -1 && y == -1)
            b.ReleaseCapture();
    });
    send(InputEvent::move(160, 130));
    EXPECT_EQ(form.GetCapture(), &b);
    send(InputEvent::move(700, 500));
    send(InputEvent::pointerLeft());
    send(InputEvent::move(700, 500));
    EXPECT_EQ(journal.entries,
              (Entries{"b move 0 10,10", "b move 0 550,380", "b move 0 -1,-1", "s move 0 700,500"}));
    EXPECT_EQ(form.GetCapture(), nullptr);
}

TEST_F(MouseTest, PointerLeavingWithoutCaptureRaisesNothing) {
    journal.watchMouse(b, "b ");
    send(InputEvent::move(160, 130));
    send(InputEvent::pointerLeft());
    EXPECT_EQ(journal.entries, (Entries{"b move 0 10,10"}));
}

TEST_F(MouseTest, DisabledOrHiddenAncestorGatesAllInput) {
    journal.watchMouse(b, "b ");
    journal.watchMouse(screen, "s ");
    int wheels = 0;
    b.MouseWheel.subscribe([&](int&) { ++wheels; });
    a.setEnabled(false);
    click(160, 130);
    send(InputEvent::wheel(1, 160, 130));
    EXPECT_TRUE(journal.entries.empty()); // nothing reaches b, nor the screen behind it
    EXPECT_EQ(wheels, 0);
    a.setEnabled(true);
    screen.setVisible(false);
    click(160, 130);
    EXPECT_TRUE(journal.entries.empty());
}

TEST_F(MouseTest, CaptureIsReleasedWhenItsHolderStopsTakingInput) {
    struct Case {
        const char* what;
        std::function<void()> change;
    };
    for (const Case& c : {Case{"container disabled", [this] { a.setEnabled(false); }},
                          Case{"holder hidden", [this] { b.setVisible(false); }},
                          Case{"screen hidden", [this] { screen.setVisible(false); }}}) {
        a.setEnabled(true);
        b.setVisible(true);
        screen.setVisible(true);
        b.SetCapture();
        ASSERT_EQ(form.GetCapture(), &b);
        c.change();
        EXPECT_EQ(form.GetCapture(), nullptr) << c.what;
        b.SetCapture(); // refused while it takes no input
        EXPECT_EQ(form.GetCapture(), nullptr) << c.what;
    }
}

TEST_F(MouseTest, WheelGoesToTheCaptureHolderElseToTheControlUnderThePointer) {
    std::vector<std::string> got;
    for (PictureBox* box : {&screen, &a, &b})
        box->MouseWheel.subscribe(
            [&got, box](int& delta) { got.push_back(box->Name() + std::to_string(delta)); });
    send(InputEvent::wheel(-1, 160, 130));
    send(InputEvent::wheel(2, 110, 110));
    b.SetCapture();
    send(InputEvent::wheel(1, 10, 10));
    EXPECT_EQ(got, (Entries{"b-120", "a240", "b120"}));
}

TEST_F(MouseTest, CursorPositionIsGivenInAControlsCoordinates) {
    send(InputEvent::move(160, 130));
    EXPECT_EQ(form.cursorPositionIn(b), (host::gdi::Point{10, 10}));
    EXPECT_EQ(form.cursorPositionIn(a), (host::gdi::Point{60, 30}));
}

TEST_F(MouseTest, AHandlerHidingTheScreenOnMouseUpSuppressesTheClick) {
    journal.watchMouse(b, "b ");
    b.MouseUp.subscribe([&](int&, int&, int&, int&) { screen.setVisible(false); });
    click(160, 130);
    EXPECT_EQ(journal.entries, (Entries{"b move 0 10,10", "b down 1 10,10", "b up 1 10,10"}));
}

} // namespace
