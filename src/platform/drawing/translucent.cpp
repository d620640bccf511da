#include "platform/drawing/translucent.h"

#include <cmath>

std::array<std::uint8_t, 4> ColorToBytes(host::gdi::COLORREF color) {
    return {host::gdi::GetBValue(color), host::gdi::GetGValue(color), host::gdi::GetRValue(color), 0};
}

void Translucent2(host::gdi::DeviceContext& hDC, host::gdi::COLORREF color, std::int16_t AP) {
    if (AP < 0 || AP > 100) return;
    const double t = AP / 100.0;
    // Each channel's result for every value it can hold.
    std::array<std::array<host::gdi::COLORREF, 256>, 3> mixed;
    for (int channel = 0; channel < 3; ++channel) {
        const double k = (color >> (8 * channel)) & 0xFF;
        for (int c = 0; c < 256; ++c)
            mixed[channel][c] = static_cast<host::gdi::COLORREF>(std::floor((1 - t) * k + t * c))
                                << (8 * channel);
    }
    host::gdi::Bitmap& bitmap = hDC.bitmap();
    for (int y = 0; y < bitmap.height(); ++y) {
        host::gdi::COLORREF* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            const host::gdi::COLORREF p = row[x];
            const host::gdi::COLORREF washed = (p & 0xFF000000u) | mixed[0][p & 0xFF] |
                                               mixed[1][(p >> 8) & 0xFF] | mixed[2][(p >> 16) & 0xFF];
            row[x] = bitmap.monochrome() ? bitmap.storable(washed) : washed;
        }
    }
}
