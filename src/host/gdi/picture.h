#pragma once

#include "host/gdi/bitmap.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace host::gdi {

// Decodes a PNG, BMP, GIF (first frame) or JPEG file held in memory into a
// colour bitmap of the picture's own size. Fully transparent pixels become
// white; other pixels keep their colour as it is, never blended. Null when
// the bytes are not such a picture.
std::unique_ptr<Bitmap> DecodePicture(std::span<const std::uint8_t> bytes);

// The bitmap as a PNG file (lossless).
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap);
// The bitmap as a JPEG file, quality 1 (smallest) to 100 (best).
std::vector<std::uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality);

} // namespace host::gdi
