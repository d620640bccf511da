#include "host/ui/command_button.h"

#include "host/gdi/draw_text.h"

namespace host::ui {

namespace {

constexpr gdi::COLORREF kFace = gdi::RGB(225, 225, 225);
constexpr gdi::COLORREF kPressedFace = gdi::RGB(204, 228, 247);
constexpr gdi::COLORREF kFrame = gdi::RGB(112, 112, 112);

} // namespace

CommandButton::CommandButton() : Control("CommandButton", true), surface_(*this) {
    surface_.hDC().selectFont(createFont(font_));
}

void CommandButton::setCaption(std::string caption) {
    caption_ = std::move(caption);
    draw();
}

void CommandButton::onMouseDown(int button, int shift, int x, int y) {
    if (button == vbLeftButton) {
        pressed_ = true;
        draw();
    }
    Control::onMouseDown(button, shift, x, y);
}

void CommandButton::onMouseUp(int button, int shift, int x, int y) {
    if (button == vbLeftButton) {
        pressed_ = false;
        draw();
    }
    Control::onMouseUp(button, shift, x, y);
}

void CommandButton::resized() {
    surface_.resize(Width(), Height(), kFace);
    draw();
}

void CommandButton::draw() {
    gdi::DeviceContext& dc = surface_.hDC();
    int width = surface_.width();
    int height = surface_.height();
    dc.bitmap().fill({0, 0, width, height}, kFrame);
    dc.bitmap().fill({1, 1, width - 1, height - 1}, pressed_ ? kPressedFace : kFace);
    dc.setBkMode(gdi::BkMode::Transparent);
    dc.setTextColor(gdi::kBlack);
    gdi::Rect rect{1, 1, width - 1, height - 1};
    gdi::DrawText(dc, caption_, rect, gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
    invalidate();
}

void CommandButton::takeSettingsFrom(const CommandButton& element) {
    caption_ = element.caption_;
    takeBaseSettingsFrom(element);
    draw();
}

} // namespace host::ui
