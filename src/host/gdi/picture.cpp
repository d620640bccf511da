#include "host/gdi/picture.h"

#include <algorithm>
#include <climits>

// The decoder and the writer are compiled here and nowhere else.
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace host::gdi {
namespace {

// Pixel rows as tightly packed R, G, B bytes.
std::vector<std::uint8_t> packedRgb(const Bitmap& bitmap) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(bitmap.width()) * bitmap.height() * 3);
    std::uint8_t* out = rgb.data();
    for (int y = 0; y < bitmap.height(); ++y) {
        const COLORREF* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            *out++ = GetRValue(row[x]);
            *out++ = GetGValue(row[x]);
            *out++ = GetBValue(row[x]);
        }
    }
    return rgb;
}

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

} // namespace

std::unique_ptr<Bitmap> DecodePicture(std::span<const std::uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return nullptr;
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgba =
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4);
    if (!rgba) return nullptr;

    auto bitmap = std::make_unique<Bitmap>(width, height);
    const stbi_uc* in = rgba;
    for (int y = 0; y < height; ++y) {
        COLORREF* row = bitmap->row(y);
        for (int x = 0; x < width; ++x, in += 4)
            row[x] = in[3] == 0 ? kWhite : RGB(in[0], in[1], in[2]);
    }
    stbi_image_free(rgba);
    return bitmap;
}

std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap) {
    std::vector<std::uint8_t> out;
    if (bitmap.width() == 0 || bitmap.height() == 0) return out;
    const std::vector<std::uint8_t> rgb = packedRgb(bitmap);
    stbi_write_png_to_func(appendBytes, &out, bitmap.width(), bitmap.height(), 3, rgb.data(),
                           bitmap.width() * 3);
    return out;
}

std::vector<std::uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality) {
    std::vector<std::uint8_t> out;
    if (bitmap.width() == 0 || bitmap.height() == 0) return out;
    const std::vector<std::uint8_t> rgb = packedRgb(bitmap);
    stbi_write_jpg_to_func(appendBytes, &out, bitmap.width(), bitmap.height(), 3, rgb.data(),
                           std::clamp(quality, 1, 100));
    return out;
}

} // namespace host::gdi
