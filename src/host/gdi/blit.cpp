#include "host/gdi/blit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

namespace host::gdi {
namespace {

template <RasterOp op> inline COLORREF combine(COLORREF d, COLORREF s) {
    if constexpr (op == SRCCOPY)
        return s;
    else if constexpr (op == SRCPAINT)
        return d | s;
    else if constexpr (op == SRCAND)
        return d & s;
    else if constexpr (op == SRCINVERT)
        return d ^ s;
    else if constexpr (op == NOTSRCCOPY)
        return ~s & 0xFFFFFF;
    else if constexpr (op == BLACKNESS)
        return kBlack;
    else
        return kWhite;
}

// Calls fn with the operation as a compile-time constant.
template <class Fn> bool withOp(RasterOp op, Fn&& fn) {
    switch (op) {
    case SRCCOPY:
        fn(std::integral_constant<RasterOp, SRCCOPY>{});
        return true;
    case SRCPAINT:
        fn(std::integral_constant<RasterOp, SRCPAINT>{});
        return true;
    case SRCAND:
        fn(std::integral_constant<RasterOp, SRCAND>{});
        return true;
    case SRCINVERT:
        fn(std::integral_constant<RasterOp, SRCINVERT>{});
        return true;
    case NOTSRCCOPY:
        fn(std::integral_constant<RasterOp, NOTSRCCOPY>{});
        return true;
    case BLACKNESS:
        fn(std::integral_constant<RasterOp, BLACKNESS>{});
        return true;
    case WHITENESS:
        fn(std::integral_constant<RasterOp, WHITENESS>{});
        return true;
    }
    return false;
}

bool knownOp(RasterOp op) {
    return withOp(op, [](auto) {});
}

struct Unchanged {
    COLORREF operator()(COLORREF s) const { return s; }
};
struct ToMonochrome {
    COLORREF key;
    COLORREF operator()(COLORREF s) const { return s == key ? kWhite : kBlack; }
};
struct FromMonochrome {
    COLORREF one;
    COLORREF zero;
    COLORREF operator()(COLORREF s) const { return s == kWhite ? one : zero; }
};

// Calls fn with the conversion that a transfer from src to dst needs.
template <class Fn> void withConversion(const DeviceContext& dst, const DeviceContext& src, Fn&& fn) {
    const bool fromMono = src.bitmap().monochrome();
    const bool toMono = dst.bitmap().monochrome();
    if (fromMono == toMono)
        fn(Unchanged{});
    else if (toMono)
        fn(ToMonochrome{src.bkColor()});
    else
        fn(FromMonochrome{dst.bkColor(), dst.textColor()});
}

// Pixels of a source rectangle, copied out when source and destination share
// a bitmap so that an overlapping transfer reads the pixels as they were.
class SourceRows {
  public:
    SourceRows(const Bitmap& src, const Bitmap& dst, int x, int y, int w, int h) {
        if (&src != &dst) {
            bitmap_ = &src;
            x_ = x;
            y_ = y;
            return;
        }
        width_ = w;
        copy_.resize(static_cast<std::size_t>(w) * h);
        for (int r = 0; r < h; ++r)
            std::memcpy(copy_.data() + static_cast<std::size_t>(r) * w, src.row(y + r) + x,
                        sizeof(COLORREF) * w);
    }

    // Row r of the rectangle, from its left column.
    const COLORREF* row(int r) const {
        if (bitmap_) return bitmap_->row(y_ + r) + x_;
        return copy_.data() + static_cast<std::size_t>(r) * width_;
    }

  private:
    const Bitmap* bitmap_ = nullptr;
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    std::vector<COLORREF> copy_;
};

// The source index nearest to destination position i when `extent`
// destination pixels cover `sourceExtent` source pixels from `origin`.
int nearest(long long i, int extent, int sourceExtent, int origin) {
    return origin + static_cast<int>((2 * i + 1) * sourceExtent / (2LL * extent));
}

} // namespace

bool BitBlt(DeviceContext& dst, int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
            RasterOp op) {
    if (!knownOp(op)) return false;
    Bitmap& to = dst.bitmap();
    const Bitmap& from = src.bitmap();

    // Clip the destination rectangle to both bitmaps (the source one shifted
    // onto the destination).
    const long long dx = static_cast<long long>(sx) - x;
    const long long dy = static_cast<long long>(sy) - y;
    const long long left = std::max<long long>({x, 0, -dx});
    const long long top = std::max<long long>({y, 0, -dy});
    const long long right =
        std::min<long long>({static_cast<long long>(x) + w, to.width(), from.width() - dx});
    const long long bottom =
        std::min<long long>({static_cast<long long>(y) + h, to.height(), from.height() - dy});
    if (left >= right || top >= bottom) return true;

    const int cw = static_cast<int>(right - left);
    const int ch = static_cast<int>(bottom - top);
    const int dl = static_cast<int>(left);
    const int dt = static_cast<int>(top);
    const SourceRows rows(from, to, static_cast<int>(left + dx), static_cast<int>(top + dy), cw, ch);

    withConversion(dst, src, [&](auto convert) {
        withOp(op, [&](auto opConstant) {
            constexpr RasterOp kOp = decltype(opConstant)::value;
            for (int r = 0; r < ch; ++r) {
                COLORREF* d = to.row(dt + r) + dl;
                const COLORREF* s = rows.row(r);
                if constexpr (kOp == SRCCOPY && std::is_same_v<decltype(convert), Unchanged>) {
                    std::memcpy(d, s, sizeof(COLORREF) * cw);
                } else {
                    for (int i = 0; i < cw; ++i)
                        d[i] = combine<kOp>(d[i], convert(s[i]));
                }
            }
        });
    });
    return true;
}

bool StretchBlt(DeviceContext& dst, int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
                int sw, int sh, RasterOp op) {
    if (!knownOp(op) || w < 1 || h < 1 || sw < 1 || sh < 1) return false;
    if (w == sw && h == sh) return BitBlt(dst, x, y, w, h, src, sx, sy, op);

    Bitmap& to = dst.bitmap();
    const Bitmap& from = src.bitmap();

    // Destination columns [i0, i1) and rows [j0, j1) that land inside dst and
    // take their pixel from inside src; the mapping is monotonic, so each is
    // one run.
    auto range = [](int origin, int extent, int limit, int srcOrigin, int srcExtent, int srcLimit, int& lo,
                    int& hi) {
        lo = std::max(0, -origin);
        hi = static_cast<int>(std::min<long long>(extent, static_cast<long long>(limit) - origin));
        while (lo < hi && nearest(lo, extent, srcExtent, srcOrigin) < 0)
            ++lo;
        while (lo < hi && nearest(hi - 1, extent, srcExtent, srcOrigin) >= srcLimit)
            --hi;
    };
    int i0, i1, j0, j1;
    range(x, w, to.width(), sx, sw, from.width(), i0, i1);
    range(y, h, to.height(), sy, sh, from.height(), j0, j1);
    if (i0 >= i1 || j0 >= j1) return true;

    std::vector<int> columns(static_cast<std::size_t>(i1 - i0));
    for (int i = i0; i < i1; ++i)
        columns[i - i0] = nearest(i, w, sw, sx);

    // Reading from the bitmap being written needs the pixels as they were.
    const Bitmap* source = &from;
    std::unique_ptr<Bitmap> copy;
    if (&from == &to) {
        copy = std::make_unique<Bitmap>(from);
        source = copy.get();
    }

    withConversion(dst, src, [&](auto convert) {
        withOp(op, [&](auto opConstant) {
            constexpr RasterOp kOp = decltype(opConstant)::value;
            for (int j = j0; j < j1; ++j) {
                COLORREF* d = to.row(y + j);
                const COLORREF* s = source->row(nearest(j, h, sh, sy));
                for (int i = i0; i < i1; ++i)
                    d[x + i] = combine<kOp>(d[x + i], convert(s[columns[i - i0]]));
            }
        });
    });
    return true;
}

bool PatBlt(DeviceContext& dst, int x, int y, int w, int h, RasterOp op) {
    if (op != WHITENESS && op != BLACKNESS) return false;
    if (w < 1 || h < 1) return true;
    const long long right = static_cast<long long>(x) + w;
    const long long bottom = static_cast<long long>(y) + h;
    dst.bitmap().fill(Rect{x, y, static_cast<int>(std::min<long long>(right, INT32_MAX)),
                           static_cast<int>(std::min<long long>(bottom, INT32_MAX))},
                      op == WHITENESS ? kWhite : kBlack);
    return true;
}

} // namespace host::gdi
