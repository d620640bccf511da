#include "ui_fixture.h"

#include "host/ui/picture_box.h"

using host::ui::Control;
using host::ui::DragMode;
using host::ui::InputEvent;
using host::ui::PictureBox;
using host::ui::vbLeftButton;
using ui_test::Journal;
using ui_test::UiTest;
using Entries = std::vector<std::string>;

namespace {

class DragDropTest : public UiTest {
  protected:
    DragDropTest() {
        source.setDragMode(DragMode::Automatic);
        source.setToolTipText("C:3");
        journal.watchMouse(source, "src ");
        for (PictureBox* box : {&target, &source})
            box->DragDrop.subscribe([this, box](Control& dropped, int& x, int& y) {
                journal.add(box->Name() + " drop " + dropped.ToolTipText() + " " + std::to_string(x) + "," +
                            std::to_string(y));
            });
    }
    PictureBox& screen = place<PictureBox>(form, 0, 0, 800, 600, "screen");
    PictureBox& source = place<PictureBox>(screen, 10, 10, 20, 20, "source");
    PictureBox& target = place<PictureBox>(screen, 100, 100, 80, 30, "target");
    Journal journal;
};

TEST_F(DragDropTest, PressMoveReleaseDropsOnTheControlUnderThePointerWithoutMouseEventsOrClick) {
    send(InputEvent::move(15, 15));
    send(InputEvent::down(vbLeftButton, 15, 15));
    send(InputEvent::move(60, 60));
    EXPECT_EQ(form.dragSource(), &source);
    EXPECT_EQ(form.dragOutline(), (host::gdi::Rect{55, 55, 75, 75})); // the outline keeps the grab point
    send(InputEvent::move(120, 110));
    send(InputEvent::up(vbLeftButton, 120, 110));
    EXPECT_EQ(journal.entries, (Entries{"src move 0 5,5", "target drop C:3 20,10"}));
    EXPECT_EQ(form.dragSource(), nullptr);
    EXPECT_EQ(form.dragOutline(), (host::gdi::Rect{}));
}

TEST_F(DragDropTest, PressAndReleaseWithoutMovingDoesNothing) {
    send(InputEvent::down(vbLeftButton, 15, 15));
    send(InputEvent::up(vbLeftButton, 15, 15));
    EXPECT_TRUE(journal.entries.empty());
}

TEST_F(DragDropTest, DropOnItselfReachesItselfAndADisabledTargetGetsNothing) {
    for (int pass = 0; pass < 2; ++pass) {
        send(InputEvent::down(vbLeftButton, 15, 15));
        send(InputEvent::move(16, 16));
        send(InputEvent::up(vbLeftButton, pass == 0 ? 25 : 110, 25 + pass * 85));
        target.setEnabled(false);
    }
    EXPECT_EQ(journal.entries, (Entries{"source drop C:3 15,15"}));
}

TEST_F(DragDropTest, HidingTheSourceCancelsTheDrag) {
    send(InputEvent::down(vbLeftButton, 15, 15));
    send(InputEvent::move(60, 60));
    source.setVisible(false);
    send(InputEvent::up(vbLeftButton, 120, 110));
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_EQ(form.dragOutline(), (host::gdi::Rect{}));
}

} // namespace
