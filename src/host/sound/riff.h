#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace host::sound {

// Length of the RIFF file that starts the bytes, taken from its own header
// (anything after it, such as an archive's zero padding, is not part of it).
// Empty when the bytes do not start with a RIFF header or are shorter than
// the length the header claims.
std::optional<std::size_t> riffLength(std::span<const std::uint8_t> bytes);

} // namespace host::sound
