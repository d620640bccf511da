#pragma once

#include "host/gdi/bitmap.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace host::gdi {

// A picture's width and height in pixels.
struct PictureSize {
    int width = 0;
    int height = 0;
};

// Decodes a PNG or JPEG file held in memory into a colour bitmap of the
// picture's own size. The header is read first: a picture wider or taller
// than largest is refused before any pixel is decoded. Fully transparent
// pixels become white; other pixels keep their colour as it is, never
// blended. Null when the bytes are not such a picture, are damaged anywhere
// or describe a picture larger than largest.
std::unique_ptr<Bitmap> DecodePicture(std::span<const std::uint8_t> bytes, PictureSize largest);

// The bitmap as a PNG file (lossless).
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap);
// The bitmap as a JPEG file, quality 1 (smallest) to 100 (best).
std::vector<std::uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality);

} // namespace host::gdi
