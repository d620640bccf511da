#include "toolkit/outline_picture.h"

#include "toolkit/see_through.h"

#include "platform/drawing/memory_dc.h"

#include "host/gdi/fill.h"

namespace toolkit {

void OutlinePicture::build(const host::gdi::DeviceContext& reference, int width, int height,
                           std::initializer_list<OutlineFill> fills) {
    blank(reference, width, height);
    host::gdi::FillRect(*picture_, {0, 0, width, height}, host::gdi::Brush{kKey});
    for (const OutlineFill& fill : fills)
        host::gdi::FillRect(*picture_, fill.rect, host::gdi::Brush{fill.colour});
    mask_ = CreateMaskDC(*picture_, static_cast<std::int16_t>(width), static_cast<std::int16_t>(height), kKey,
                         reference);
}

void OutlinePicture::blank(const host::gdi::DeviceContext& reference, int width, int height) {
    mask_.reset();
    picture_ = CreateMemoryDC(reference, static_cast<std::int16_t>(width), static_cast<std::int16_t>(height));
}

void OutlinePicture::draw(host::gdi::DeviceContext& dc, int x, int y) const {
    if (!mask_) return;
    drawMasked(dc, x, y, picture_->bitmap().width(), picture_->bitmap().height(), *mask_, *picture_);
}

} // namespace toolkit
