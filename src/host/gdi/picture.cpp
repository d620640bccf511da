#include "host/gdi/picture.h"

#include "host/gdi/picture_decoders.h"

#include <algorithm>

// The writer is compiled here and nowhere else.
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

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kJpegSignature[] = {0xFF, 0xD8, 0xFF};

bool startsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> signature) {
    return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

} // namespace

std::unique_ptr<Bitmap> DecodePicture(std::span<const std::uint8_t> bytes, PictureSize largest) {
    if (startsWith(bytes, kPngSignature)) return decoders::decodePng(bytes, largest);
    if (startsWith(bytes, kJpegSignature)) return decoders::decodeJpeg(bytes, largest);
    return nullptr;
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
