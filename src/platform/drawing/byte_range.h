#pragma once

#include "host/gdi/bitmap.h"
#include "host/gdi/picture.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// Archive records are addressed by inclusive first and last index. Their
// bytes 4..7 are stored raised by 4..7 (modulo 256); restoring lowers them
// again in the caller's array, so a record is restored only once. Only bytes
// inside the record are touched. A range outside the array, or a last index
// before the first, raises the subscript error (9) and changes nothing.

// A copy of bytes[startIndex..endIndex], restored first when asked.
std::vector<std::uint8_t> GetByteRange(std::span<std::uint8_t> bytes, std::int32_t startIndex,
                                       std::int32_t endIndex, bool unscramble);

// The picture (PNG or JPEG) in bytes[startIndex..endIndex], restored first
// when asked; null when it is not a picture, is damaged, or its header gives
// a size wider or taller than largest (checked before it is decoded).
std::unique_ptr<host::gdi::Bitmap> CreatePictureFromBytes(std::span<std::uint8_t> bytes,
                                                          std::int32_t startIndex, std::int32_t endIndex,
                                                          bool unscramble, host::gdi::PictureSize largest);
