#include "host/ui/surface.h"

#include "host/gdi/blit.h"
#include "host/ui/control.h"

namespace host::ui {

Surface::Surface(Control& owner) : owner_(owner), dc_(0, 0) {}

void Surface::Refresh() {
    owner_.invalidate();
    owner_.requestRefresh();
}

void Surface::resize(int width, int height, gdi::COLORREF fill) {
    if (width == this->width() && height == this->height()) return;
    auto bitmap = std::make_unique<gdi::Bitmap>(width, height);
    bitmap->fill({0, 0, width, height}, fill);
    auto old = dc_.selectBitmap(std::move(bitmap));
    gdi::DeviceContext previous(std::move(old));
    gdi::BitBlt(dc_, 0, 0, previous.bitmap().width(), previous.bitmap().height(), previous, 0, 0,
                gdi::SRCCOPY);
    owner_.invalidate();
}

} // namespace host::ui
