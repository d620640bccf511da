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

namespace {

// What the blits below make of a colour image lying wholly inside the
// picture, in one pass: the mask white on the key and black elsewhere, the
// key in the picture black.
std::unique_ptr<DeviceContext> colourMask(DeviceContext& hImageDC, int width, int height,
                                          host::gdi::COLORREF keyColor) {
    // Every pixel of the mask is set below.
    auto mask = std::make_unique<DeviceContext>(
        std::make_unique<host::gdi::Bitmap>(width, height, host::gdi::Bitmap::Unfilled{}));
    const host::gdi::COLORREF key = keyColor & 0xFFFFFF;
    for (int y = 0; y < height; ++y) {
        host::gdi::COLORREF* image = hImageDC.bitmap().row(y);
        host::gdi::COLORREF* out = mask->bitmap().row(y);
        for (int x = 0; x < width; ++x) {
            const bool keyed = image[x] == key;
            out[x] = keyed ? host::gdi::kWhite : host::gdi::kBlack;
            if (keyed) image[x] = host::gdi::kBlack;
        }
    }
    return mask;
}

} // namespace

std::unique_ptr<DeviceContext> CreateMaskDC(DeviceContext& hImageDC, std::int32_t width, std::int32_t height,
                                            host::gdi::COLORREF keyColor, const DeviceContext& hRefDC) {
    const host::gdi::Bitmap& image = hImageDC.bitmap();
    if (!image.monochrome() && !hRefDC.bitmap().monochrome() && width > 0 && height > 0 &&
        width <= image.width() && height <= image.height())
        return colourMask(hImageDC, width, height, keyColor);
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
