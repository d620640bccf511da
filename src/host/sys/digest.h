#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace host::sys {

using Md5Digest = std::array<std::uint8_t, 16>;

Md5Digest md5(std::span<const std::uint8_t> bytes);

// RC4 with the given key (1 to 256 bytes) over data; encrypting and
// decrypting are the same operation.
std::vector<std::uint8_t> rc4(std::span<const std::uint8_t> key, std::span<const std::uint8_t> data);

} // namespace host::sys
