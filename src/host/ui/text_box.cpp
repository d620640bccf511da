#include "host/ui/text_box.h"

#include "host/gdi/draw_text.h"

#include <algorithm>

namespace host::ui {

namespace {

constexpr gdi::COLORREF kFrame = gdi::RGB(122, 122, 122);
constexpr int kInset = 3;

// The text without its last character.
std::string dropLast(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end > 0 ? end - 1 : 0);
}

} // namespace

TextBox::TextBox() : Control("TextBox", true), surface_(*this) {
    surface_.hDC().selectFont(createFont(font_));
}

void TextBox::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    draw();
    Change.raise();
}

void TextBox::setFont(const FontChoice& font) {
    font_ = font;
    surface_.hDC().selectFont(createFont(font_));
    draw();
}

void TextBox::onKeyPress(int& code) {
    Control::onKeyPress(code);
    if (code == 8 && !text_.empty()) setText(dropLast(text_));
}

void TextBox::onText(const std::string& text) {
    composition_.clear();
    setText(text_ + text);
}

void TextBox::onComposition(const std::string& text) {
    composition_ = text;
    draw();
}

void TextBox::onGotFocus() {
    draw();
    Control::onGotFocus();
}

void TextBox::onLostFocus() {
    composition_.clear();
    draw();
    Control::onLostFocus();
}

void TextBox::resized() {
    surface_.resize(Width(), Height(), gdi::kWhite);
    draw();
}

void TextBox::draw() {
    gdi::DeviceContext& dc = surface_.hDC();
    int width = surface_.width();
    int height = surface_.height();
    dc.bitmap().fill({0, 0, width, height}, gdi::kWhite);
    gdi::Rect inner{kInset, 0, width - kInset, height};
    dc.setBkMode(gdi::BkMode::Transparent);
    // Text wider than the box shows its end, where typing goes on.
    gdi::Rect measure = inner;
    gdi::DrawText(dc, text_ + composition_, measure, gdi::DT_SINGLELINE | gdi::DT_CALCRECT);
    unsigned align = measure.right > inner.right ? gdi::DT_RIGHT : gdi::DT_LEFT;
    dc.setTextColor(gdi::kBlack);
    gdi::Rect textRect = inner;
    gdi::DrawText(dc, text_ + composition_, textRect, gdi::DT_SINGLELINE | gdi::DT_VCENTER | align);
    int textEnd = std::min(measure.right, inner.right);
    int lineY = (height + dc.font()->height()) / 2;
    if (!composition_.empty()) {
        gdi::Rect composed = inner;
        gdi::DrawText(dc, composition_, composed, gdi::DT_SINGLELINE | gdi::DT_CALCRECT);
        dc.bitmap().fillSpan(lineY, textEnd - (composed.right - composed.left), textEnd, gdi::kBlack);
    }
    if (hasFocus())
        dc.bitmap().fill({textEnd, (height - dc.font()->height()) / 2, textEnd + 1, lineY}, gdi::kBlack);
    gdi::COLORREF frame = kFrame;
    dc.bitmap().fill({0, 0, width, 1}, frame);
    dc.bitmap().fill({0, height - 1, width, height}, frame);
    dc.bitmap().fill({0, 0, 1, height}, frame);
    dc.bitmap().fill({width - 1, 0, width, height}, frame);
    invalidate();
}

void TextBox::takeSettingsFrom(const TextBox& element) {
    font_ = element.font_;
    surface_.hDC().selectFont(createFont(font_));
    takeBaseSettingsFrom(element);
    draw();
}

} // namespace host::ui
