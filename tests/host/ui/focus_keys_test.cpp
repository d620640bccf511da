#include "ui_fixture.h"

#include "host/ui/owner_drawn.h"
#include "host/ui/picture_box.h"
#include "host/ui/text_box.h"

using host::ui::InputEvent;
using host::ui::PictureBox;
using host::ui::TextBox;
using ui_test::UiTest;
using Entries = std::vector<std::string>;

namespace {

struct NoSettings {};

// Takes the focus when the pointer moves over it, as the see-through buttons do.
class HoverButton : public host::ui::OwnerDrawn<NoSettings> {
  public:
    HoverButton() : OwnerDrawn("ctrGraphicalLabelLite") {
        MouseMove.subscribe([this](int&, int&, int&, int&) {
            if (Visible()) SetFocus();
        });
    }
};

class FocusTest : public UiTest {
  protected:
    FocusTest() {
        for (host::ui::Control* c : std::initializer_list<host::ui::Control*>{&name, &password, &ok}) {
            c->GotFocus.subscribe([this, c] { log.push_back("got " + c->Name()); });
            c->LostFocus.subscribe([this, c] { log.push_back("lost " + c->Name()); });
            c->KeyPress.subscribe(
                [this, c](int& code) { log.push_back(c->Name() + " key " + std::to_string(code)); });
        }
        name.Change.subscribe([this] { log.push_back("change " + name.Text()); });
    }
    PictureBox& dialog = place<PictureBox>(form, 200, 150, 400, 300, "dialog");
    TextBox& name = place<TextBox>(dialog, 25, 80, 350, 25, "name");
    TextBox& password = place<TextBox>(dialog, 25, 180, 350, 25, "password");
    HoverButton& ok = place<HoverButton>(dialog, 25, 250, 100, 30, "ok");
    std::vector<std::string> log;
};

TEST_F(FocusTest, ClickFocusesATextBoxWhichTakesJapaneseTextAndBackspace) {
    click(250, 240);
    send(InputEvent::composing("がっこう"));
    EXPECT_EQ(name.Text(), "");
    send(InputEvent::typed("学校"));
    send(InputEvent::typed("A"));
    send(InputEvent::keyChar(8));
    // Each character arrives on its own, as typed.
    EXPECT_EQ(log, (Entries{"got name", "change 学", "change 学校", "name key 65", "change 学校A",
                            "name key 8", "change 学校"}));
    EXPECT_EQ(driver.textInputArea(), (host::gdi::Rect{225, 230, 575, 255})); // candidates shown at the box
}

TEST_F(FocusTest, AKeyPressHandlerCanSwallowACharacter) {
    name.KeyPress.subscribe([](int& code) {
        if (code == ',') code = 0;
    });
    name.SetFocus();
    send(InputEvent::typed("a,b"));
    EXPECT_EQ(name.Text(), "ab");
}

TEST_F(FocusTest, HoveringAButtonStealsTheFocusAndItsKeysArrive) {
    click(250, 340); // password
    send(InputEvent::move(260, 410));
    send(InputEvent::keyChar(13));
    send(InputEvent::typed("aS"));
    EXPECT_EQ(log,
              (Entries{"got password", "lost password", "got ok", "ok key 13", "ok key 97", "ok key 83"}));
    EXPECT_EQ(password.Text(), "");
}

TEST_F(FocusTest, WithKeyPreviewTheFormSeesEachKeyFirstAndCanKeepIt) {
    form.KeyPress.subscribe([this](int& code) {
        log.push_back("form key " + std::to_string(code));
        if (code == 27 || code == 'x') code = 0;
    });
    name.SetFocus();
    send(InputEvent::keyChar(27));
    send(InputEvent::typed("x"));
    form.setKeyPreview(true);
    send(InputEvent::keyChar(27));
    send(InputEvent::keyChar(13));
    send(InputEvent::typed("bx"));
    EXPECT_EQ(name.Text(), "xb");
    EXPECT_EQ(log,
              (Entries{"got name", "name key 27", "name key 120", "change x", "form key 27", "form key 13",
                       "name key 13", "form key 98", "name key 98", "change xb", "form key 120"}));
}

TEST_F(FocusTest, FocusMovesOnlyToControlsTakingInputAndIsLostWhenTheHolderStops) {
    name.SetFocus();
    dialog.setEnabled(false);
    EXPECT_EQ(form.ActiveControl(), nullptr);
    password.SetFocus();
    EXPECT_EQ(form.ActiveControl(), nullptr);
    send(InputEvent::typed("x"));
    EXPECT_EQ(log, (Entries{"got name", "lost name"}));
}

TEST_F(FocusTest, ChangeFollowsCodeToo) {
    name.setText("abc");
    name.setText("abc");
    name.setText("");
    EXPECT_EQ(log, (Entries{"change abc", "change "}));
}

} // namespace
