#include "toolkit/background_copy.h"

#include "host/gdi/blit.h"

#include <memory>

namespace toolkit {

void BackgroundCopy::take(host::gdi::DeviceContext& source, int left, int top, int width, int height) {
    if (width != this->width() || height != this->height())
        dc_.selectBitmap(std::make_unique<host::gdi::Bitmap>(width, height));
    source_ = &source;
    left_ = left;
    top_ = top;
    retake();
}

bool BackgroundCopy::retake() {
    if (!source_) return false;
    host::gdi::BitBlt(dc_, 0, 0, width(), height(), *source_, left_, top_, host::gdi::SRCCOPY);
    return true;
}

} // namespace toolkit
