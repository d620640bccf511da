#include "platform/formcontrols/form_controls.h"

#include "host/gdi/blit.h"
#include "host/ui/label.h"
#include "host/ui/picture_box.h"
#include "platform/drawing/copy_back_image.h"

#include <gtest/gtest.h>

namespace {

using host::gdi::RGB;

void paint(host::ui::PictureBox& box, host::gdi::COLORREF colour) {
    box.hDC().bitmap().fill({0, 0, box.Width(), box.Height()}, colour);
}

TEST(FormControls, TheBackgroundCopySeesTheContainersControlsAsOnScreenWithoutLabels) {
    host::ui::Form form;
    host::ui::PictureBox screen, back, front, inner, elsewhere;
    host::ui::Label label;
    screen.setName("picSchool");
    screen.setParent(&form);
    screen.Move(0, 0, 800, 600);
    for (auto* box : {&back, &front})
        box->setParent(&screen);
    back.Move(10, 10, 50, 50);
    front.Move(40, 40, 50, 50);
    inner.setParent(&front); // a child of front: not a control of picSchool
    inner.Move(0, 0, 10, 10);
    label.setParent(&screen);
    label.Move(0, 0, 100, 100);
    label.setCaption("見出し");
    elsewhere.setParent(&form);
    elsewhere.Move(0, 0, 100, 100);
    paint(back, RGB(255, 0, 0));
    paint(front, RGB(0, 255, 0));
    paint(inner, RGB(0, 0, 255));
    paint(elsewhere, RGB(255, 255, 0));

    host::gdi::DeviceContext target(100, 100);
    FormControls controls(form);
    EXPECT_EQ(controls.list().size(), 6u);
    CopyBackImage("picSchool", target, 0, 0, 100, 100, controls.list());
    EXPECT_EQ(target.bitmap().pixel(20, 20), RGB(255, 0, 0));
    EXPECT_EQ(target.bitmap().pixel(45, 45), RGB(0, 255, 0)); // front lies over back, inner left out
    EXPECT_EQ(target.bitmap().pixel(5, 5), host::gdi::kWhite);

    front.ZOrder(1);
    CopyBackImage("picSchool", target, 0, 0, 100, 100, FormControls(form).list());
    EXPECT_EQ(target.bitmap().pixel(45, 45), RGB(255, 0, 0));
}

} // namespace
