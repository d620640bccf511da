#include "platform/drawing/byte_range.h"

#include "host/gdi/picture.h"
#include "host/runtime/runtime_error.h"

#include <string>

namespace {

std::span<std::uint8_t> record(std::span<std::uint8_t> bytes, std::int32_t startIndex, std::int32_t endIndex,
                               bool unscramble) {
    if (startIndex < 0 || endIndex < startIndex || static_cast<std::size_t>(endIndex) >= bytes.size())
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                          "bytes " + std::to_string(startIndex) + " to " +
                                              std::to_string(endIndex) + " of " +
                                              std::to_string(bytes.size()));
    const std::span<std::uint8_t> slice = bytes.subspan(static_cast<std::size_t>(startIndex),
                                                        static_cast<std::size_t>(endIndex - startIndex) + 1);
    if (unscramble)
        for (std::size_t i = 4; i <= 7 && i < slice.size(); ++i)
            slice[i] = static_cast<std::uint8_t>(slice[i] - i);
    return slice;
}

} // namespace

std::vector<std::uint8_t> GetByteRange(std::span<std::uint8_t> bytes, std::int32_t startIndex,
                                       std::int32_t endIndex, bool unscramble) {
    const std::span<std::uint8_t> slice = record(bytes, startIndex, endIndex, unscramble);
    return {slice.begin(), slice.end()};
}

std::unique_ptr<host::gdi::Bitmap> CreatePictureFromBytes(std::span<std::uint8_t> bytes,
                                                          std::int32_t startIndex, std::int32_t endIndex,
                                                          bool unscramble, host::gdi::PictureSize largest) {
    return host::gdi::DecodePicture(record(bytes, startIndex, endIndex, unscramble), largest);
}
