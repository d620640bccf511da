#pragma once

#include "host/gdi/bitmap.h"

#include <string>

namespace gdi_test {

// The bitmap as rows of '#' (the given colour) and '.' (anything else).
inline std::string picture(const host::gdi::Bitmap& bitmap, host::gdi::COLORREF ink) {
    std::string out;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            out += bitmap.pixel(x, y) == ink ? '#' : '.';
        out += '\n';
    }
    return out;
}

inline int count(const host::gdi::Bitmap& bitmap, host::gdi::COLORREF ink) {
    int n = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            n += bitmap.pixel(x, y) == ink;
    return n;
}

} // namespace gdi_test
