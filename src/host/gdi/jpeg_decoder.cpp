#include "host/gdi/picture_decoders.h"

#include <turbojpeg.h>

#include <bit>
#include <climits>

namespace host::gdi::decoders {
namespace {

struct HandleFree {
    void operator()(void* handle) const { tjDestroy(handle); }
};

// The low three bytes of a decoded pixel are R, G, B; the fourth is filler.
constexpr COLORREF kColourBits = 0x00FFFFFF;

} // namespace

std::unique_ptr<Bitmap> decodeJpeg(std::span<const std::uint8_t> bytes, PictureSize largest) {
    if (bytes.size() > static_cast<std::size_t>(ULONG_MAX)) return nullptr;
    const std::unique_ptr<void, HandleFree> handle(tjInitDecompress());
    if (!handle) return nullptr;
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle.get(), bytes.data(), size, &width, &height, &subsampling, &colourspace) !=
        0)
        return nullptr;
    if (width <= 0 || height <= 0 || width > largest.width || height > largest.height) return nullptr;

    // The decoder writes every pixel (a stream that ends early is refused),
    // so the bitmap is not filled first.
    auto bitmap = std::make_unique<Bitmap>(width, height, Bitmap::Unfilled{});
    static_assert(sizeof(COLORREF) == 4 && std::endian::native == std::endian::little);
    COLORREF* pixels = bitmap->row(0);
    if (tjDecompress2(handle.get(), bytes.data(), size, reinterpret_cast<unsigned char*>(pixels), width,
                      width * 4, height, TJPF_RGBX, TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS) != 0)
        return nullptr;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] &= kColourBits;
    return bitmap;
}

} // namespace host::gdi::decoders
