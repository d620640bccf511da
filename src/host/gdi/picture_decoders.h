#pragma once

#include "host/gdi/bitmap.h"
#include "host/gdi/picture.h"

#include <cstdint>
#include <memory>
#include <span>

// The format decoders behind DecodePicture, each with DecodePicture's
// contract for its own format.
namespace host::gdi::decoders {

// libspng: CRCs checked, chunk sizes bounded by the file's own size.
std::unique_ptr<Bitmap> decodePng(std::span<const std::uint8_t> bytes, PictureSize largest);
// libjpeg-turbo: any warning (a damaged or truncated stream) refuses the picture.
std::unique_ptr<Bitmap> decodeJpeg(std::span<const std::uint8_t> bytes, PictureSize largest);

} // namespace host::gdi::decoders
