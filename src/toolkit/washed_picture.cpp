#include "toolkit/washed_picture.h"

#include "platform/drawing/memory_dc.h"
#include "platform/drawing/translucent.h"

#include "host/gdi/blit.h"

namespace toolkit {

void WashedPicture::create(const host::gdi::DeviceContext& reference, int width, int height) {
    dc_ = CreateMemoryDC(reference, static_cast<std::int16_t>(width), static_cast<std::int16_t>(height));
}

void WashedPicture::fill(const host::gdi::DeviceContext& background, host::gdi::COLORREF colour,
                         std::int16_t AP) {
    if (!dc_) return;
    host::gdi::BitBlt(*dc_, 0, 0, dc_->bitmap().width(), dc_->bitmap().height(), background, 0, 0,
                      host::gdi::SRCCOPY);
    Translucent2(*dc_, colour, AP);
}

} // namespace toolkit
