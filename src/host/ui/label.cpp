#include "host/ui/label.h"

#include "host/gdi/draw_text.h"

namespace host::ui {

Label::Label() : Control("Label", false) {}

void Label::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    invalidate();
}

void Label::setForeColor(gdi::COLORREF colour) {
    foreColor_ = colour;
    invalidate();
}

void Label::setFont(const FontChoice& font) {
    font_ = font;
    gdiFont_.reset();
    invalidate();
}

void Label::setAlignment(int alignment) {
    alignment_ = alignment;
    invalidate();
}

void Label::drawOnto(gdi::DeviceContext& frame, gdi::Point origin) const {
    if (caption_.empty()) return;
    if (!gdiFont_) gdiFont_ = createFont(font_);
    unsigned format = gdi::DT_WORDBREAK | gdi::DT_EDITCONTROL;
    if (alignment_ == vbRightJustify) format |= gdi::DT_RIGHT;
    if (alignment_ == vbCenter) format |= gdi::DT_CENTER;
    auto previousFont = frame.selectFont(gdiFont_);
    auto previousColour = frame.setTextColor(foreColor_);
    auto previousMode = frame.setBkMode(gdi::BkMode::Transparent);
    gdi::Rect rect{origin.x + Left(), origin.y + Top(), origin.x + Left() + Width(),
                   origin.y + Top() + Height()};
    gdi::DrawText(frame, caption_, rect, format);
    frame.setBkMode(previousMode);
    frame.setTextColor(previousColour);
    frame.selectFont(std::move(previousFont));
}

void Label::takeSettingsFrom(const Label& element) {
    caption_ = element.caption_;
    foreColor_ = element.foreColor_;
    font_ = element.font_;
    alignment_ = element.alignment_;
    takeBaseSettingsFrom(element);
}

} // namespace host::ui
