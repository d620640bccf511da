#include "platform/assets/placeholder.h"

#include "platform/drawing/memory_dc.h"

std::unique_ptr<host::gdi::DeviceContext> CreatePlaceholderDC(const host::gdi::DeviceContext& hRefDC,
                                                              std::int16_t width, std::int16_t height) {
    auto dc = CreateMemoryDC(hRefDC, width, height);
    host::gdi::Bitmap& bitmap = dc->bitmap();
    bitmap.fill({0, 0, width, height}, host::gdi::RGB(255, 0, 255));
    for (int x = 0; x < width; ++x) {
        const int y = height > 1 && width > 1 ? x * (height - 1) / (width - 1) : 0;
        bitmap.setPixel(x, y, host::gdi::kBlack);
        bitmap.setPixel(width - 1 - x, y, host::gdi::kBlack);
    }
    return dc;
}
