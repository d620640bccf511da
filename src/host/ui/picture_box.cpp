#include "host/ui/picture_box.h"

#include <algorithm>

namespace host::ui {

PictureBox::PictureBox() : Control("PictureBox", true), surface_(*this) {}

void PictureBox::Cls() {
    gdi::DeviceContext& dc = surface_.hDC();
    dc.bitmap().fill({0, 0, surface_.width(), surface_.height()}, backColor_);
    if (picture_) {
        const gdi::Bitmap& picture = *picture_;
        int width = std::min(picture.width(), surface_.width());
        for (int y = 0; y < std::min(picture.height(), surface_.height()); ++y)
            std::copy_n(picture.row(y), width, dc.bitmap().row(y));
    }
    dc.setPosition({0, 0});
    invalidate();
}

void PictureBox::setBackColor(gdi::COLORREF colour) {
    backColor_ = colour;
    Cls();
}

void PictureBox::setFont(const FontChoice& font) {
    font_ = font;
    surface_.hDC().selectFont(createFont(font_));
}

void PictureBox::setPicture(std::unique_ptr<gdi::Bitmap> picture) {
    picture_ = std::move(picture);
    fitPicture();
    Cls();
}

void PictureBox::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitPicture();
}

void PictureBox::fitPicture() {
    if (autoSize_ && picture_) Move(Left(), Top(), picture_->width(), picture_->height());
}

void PictureBox::resized() {
    surface_.resize(Width(), Height(), backColor_);
}

void PictureBox::takeSettingsFrom(const PictureBox& element) {
    backColor_ = element.backColor_;
    autoSize_ = element.autoSize_;
    if (!(element.font_ == FontChoice{})) setFont(element.font_);
    takeBaseSettingsFrom(element);
    Cls();
}

} // namespace host::ui
