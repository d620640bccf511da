#include "host/gdi/device_context.h"

#include <utility>

namespace host::gdi {

DeviceContext::DeviceContext(int width, int height, Bitmap::Format format)
    : bitmap_(std::make_unique<Bitmap>(width, height, format)) {}

DeviceContext::DeviceContext(std::unique_ptr<Bitmap> bitmap)
    : bitmap_(bitmap ? std::move(bitmap) : std::make_unique<Bitmap>(0, 0)) {}

std::unique_ptr<Bitmap> DeviceContext::selectBitmap(std::unique_ptr<Bitmap> bitmap) {
    if (!bitmap) return nullptr;
    std::swap(bitmap_, bitmap);
    return bitmap;
}

Pen DeviceContext::selectPen(const Pen& pen) {
    return std::exchange(pen_, Pen{pen.width, pen.colour & 0xFFFFFF});
}

Brush DeviceContext::selectBrush(const Brush& brush) {
    return std::exchange(brush_, Brush{brush.colour & 0xFFFFFF});
}

COLORREF DeviceContext::setBkColor(COLORREF colour) {
    return std::exchange(bkColor_, colour & 0xFFFFFF);
}

COLORREF DeviceContext::setTextColor(COLORREF colour) {
    return std::exchange(textColor_, colour & 0xFFFFFF);
}

BkMode DeviceContext::setBkMode(BkMode mode) {
    return std::exchange(bkMode_, mode);
}

std::shared_ptr<const Font> DeviceContext::selectFont(std::shared_ptr<const Font> font) {
    return std::exchange(font_, std::move(font));
}

} // namespace host::gdi
