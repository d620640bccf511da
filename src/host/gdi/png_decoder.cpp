#include "host/gdi/picture_decoders.h"

#include <spng.h>

#include <bit>
#include <cstdint>
#include <span>

namespace host::gdi::decoders {
namespace {

struct ContextFree {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

// Each RGBA8 pixel, read as one word (alpha on top of the colour), turned
// into its colour: white when fully transparent. Without a branch and out
// of line, so the loop vectorises (inlined, it is taken for a cold path).
[[gnu::noinline]] void toColours(std::span<COLORREF> pixels) {
    static_assert(sizeof(COLORREF) == 4 && std::endian::native == std::endian::little && kWhite == 0xFFFFFF);
    constexpr COLORREF kOpaqueFrom = 0x01000000;
    for (COLORREF& pixel : pixels)
        pixel = (pixel | (pixel < kOpaqueFrom ? kWhite : 0)) & kWhite;
}

} // namespace

std::unique_ptr<Bitmap> decodePng(std::span<const std::uint8_t> bytes, PictureSize largest) {
    if (largest.width <= 0 || largest.height <= 0 || bytes.size() > UINT32_MAX) return nullptr;
    const std::unique_ptr<spng_ctx, ContextFree> context(spng_ctx_new(0));
    if (!context) return nullptr;
    spng_ctx* png = context.get();
    // Limits go in before the header is read, so the header is checked first.
    // No chunk, and no chunks kept together, can be larger than the file.
    if (spng_set_image_limits(png, static_cast<std::uint32_t>(largest.width),
                              static_cast<std::uint32_t>(largest.height)) != 0 ||
        spng_set_chunk_limits(png, bytes.size(), bytes.size()) != 0 ||
        spng_set_png_buffer(png, bytes.data(), bytes.size()) != 0)
        return nullptr;
    spng_ihdr header{};
    std::size_t size = 0;
    if (spng_get_ihdr(png, &header) != 0 || spng_decoded_image_size(png, SPNG_FMT_RGBA8, &size) != 0)
        return nullptr;

    const int width = static_cast<int>(header.width);
    const int height = static_cast<int>(header.height);
    // RGBA8 takes as many bytes as the bitmap's pixels: decoded in place,
    // then each pixel turned into a colour where it lies. Every pixel is
    // written, so the bitmap is not filled first.
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (size != count * sizeof(COLORREF)) return nullptr;
    auto bitmap = std::make_unique<Bitmap>(width, height, Bitmap::Unfilled{});
    COLORREF* pixels = bitmap->row(0);
    if (spng_decode_image(png, pixels, size, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS) != 0) return nullptr;
    toColours(std::span(pixels, count));
    return bitmap;
}

} // namespace host::gdi::decoders
