#include "host/gdi/picture_decoders.h"

#include <spng.h>

#include <cstdint>

namespace host::gdi::decoders {
namespace {

struct ContextFree {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

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
    // then each pixel turned into a colour where it lies.
    if (size != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * sizeof(COLORREF))
        return nullptr;
    auto bitmap = std::make_unique<Bitmap>(width, height);
    auto* pixels = reinterpret_cast<std::uint8_t*>(bitmap->row(0));
    if (spng_decode_image(png, pixels, size, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS) != 0) return nullptr;
    for (int y = 0; y < height; ++y) {
        COLORREF* row = bitmap->row(y);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* in = reinterpret_cast<const std::uint8_t*>(row + x);
            row[x] = in[3] == 0 ? kWhite : RGB(in[0], in[1], in[2]);
        }
    }
    return bitmap;
}

} // namespace host::gdi::decoders
