#include "platform/drawing/memory_dc.h"

#include "host/gdi/blit.h"

using host::gdi::BitBlt;
using host::gdi::DeviceContext;

std::unique_ptr<DeviceContext> CreateMemoryDC(const DeviceContext& hRefDC, std::int32_t width,
                                              std::int32_t height) {
    return std::make_unique<DeviceContext>(width, height,
                                           hRefDC.bitmap().monochrome()
                                               ? host::gdi::Bitmap::Format::Monochrome
                                               : host::gdi::Bitmap::Format::Colour);
}

std::unique_ptr<DeviceContext> CreateMaskDC(DeviceContext& hImageDC, std::int32_t width, std::int32_t height,
                                            host::gdi::COLORREF keyColor, const DeviceContext& hRefDC) {
    // Into monochrome, the key (the image's background colour) becomes white.
    DeviceContext monochrome(width, height, host::gdi::Bitmap::Format::Monochrome);
    const host::gdi::COLORREF previous = hImageDC.setBkColor(keyColor);
    BitBlt(monochrome, 0, 0, width, height, hImageDC, 0, 0, host::gdi::SRCCOPY);
    hImageDC.setBkColor(previous);

    auto mask = CreateMemoryDC(hRefDC, width, height);
    BitBlt(*mask, 0, 0, width, height, monochrome, 0, 0, host::gdi::SRCCOPY);
    const auto inverse = CreateMemoryDC(hRefDC, width, height);
    BitBlt(*inverse, 0, 0, width, height, *mask, 0, 0, host::gdi::NOTSRCCOPY);
    BitBlt(hImageDC, 0, 0, width, height, *inverse, 0, 0, host::gdi::SRCAND);
    return mask;
}

BitmapSize GetBitmapSize(const DeviceContext& hDC) {
    return {hDC.bitmap().width(), hDC.bitmap().height()};
}
